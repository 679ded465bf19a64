// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/ArchivoEntero.h"

#include "formatos/Descriptor.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace formatos {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(formatos)
};
} // namespace

namespace {

struct Intento {
    QString error;
    bool sinCopia = false; // no temporary file could be made or kept as the old one was
};

// The usual way: a temporary file with the old file's owner, group and mode,
// flushed, then renamed over the old one.
Intento porCopia(const QString& ruta, const QByteArray& contenido, const struct stat* previo,
                 bool cambiaDeDueno = false, const QString& autor = {})
{
    QByteArray plantilla = nativo(prefijoTemporal(ruta, autor) + QStringLiteral("XXXXXX"));
    Descriptor copia(::mkostemp(plantilla.data(), O_CLOEXEC));
    if (copia.numero() < 0) return {motivo(errno), true};
    const auto abandonar = [&](const QString& error, bool sinCopia) {
        ::unlink(plantilla.constData());
        return Intento{error, sinCopia};
    };
    if (previo) {
        // A summary may pass to its writer, as long as the class keeps its access.
        const bool suyo = ::fchown(copia.numero(), previo->st_uid, previo->st_gid) == 0;
        if (!suyo && !(cambiaDeDueno && ::fchown(copia.numero(), uid_t(-1), previo->st_gid) == 0))
            return abandonar(motivo(errno), true);
        ::fchmod(copia.numero(), previo->st_mode & 07777);
    } else {
        ::fchmod(copia.numero(), modoNuevo(QFileInfo(ruta).absolutePath()));
    }
    int error = escribirTodo(copia.numero(), contenido, 0);
    if (error == 0 && ::fsync(copia.numero()) != 0) error = errno;
    if (const int alCerrar = copia.cerrar(); error == 0) error = alCerrar;
    if (error != 0) return abandonar(motivo(error), false);
    if (::rename(plantilla.constData(), nativo(ruta).constData()) != 0) return abandonar(motivo(errno), false);
    return {};
}

// In place, for a file this user may write but not replace: the new bytes
// over the old, the length cut, read back; on any failure the old bytes go
// back where they were (they fit: they were there).
QString enSuSitio(const QString& ruta, const QByteArray& contenido, qint64 tamanoPrevio)
{
    Descriptor f(abrir(ruta, O_RDWR));
    if (f.numero() < 0) return motivo(errno);
    QByteArray antes;
    if (const int e = leerTodo(f.numero(), tamanoPrevio, antes); e != 0) return motivo(e);
    int error = escribirTodo(f.numero(), contenido, 0);
    if (error == 0 && ::ftruncate(f.numero(), off_t(contenido.size())) != 0) error = errno;
    if (error == 0 && ::fsync(f.numero()) != 0) error = errno;
    QByteArray despues;
    if (error == 0 && (leerTodo(f.numero(), contenido.size(), despues) != 0 || despues != contenido)) error = EIO;
    if (error != 0) {
        escribirTodo(f.numero(), antes, 0);
        if (::ftruncate(f.numero(), off_t(antes.size())) == 0) ::fsync(f.numero());
        return motivo(error);
    }
    // Flushed and read back: the save is there whatever closing says, and a
    // failure reported now would have the caller count its answers again.
    f.cerrar();
    return {};
}

} // namespace

Lectura leerEntero(const QString& ruta, qint64 maximo)
{
    Lectura r;
    Descriptor f(abrir(ruta, O_RDONLY));
    if (f.numero() < 0) {
        if (errno == ENOENT)
            r.existe = false;
        else
            r.error = motivo(errno);
        return r;
    }
    struct stat datos = {};
    if (::fstat(f.numero(), &datos) != 0) {
        r.error = motivo(errno);
        return r;
    }
    if (S_ISDIR(datos.st_mode))
        r.error = motivo(EISDIR);
    else if (!S_ISREG(datos.st_mode))
        r.error = Textos::tr("no es un fichero normal");
    if (!r.error.isEmpty()) return r;
    const int error = datos.st_size > maximo ? EFBIG : leerTodo(f.numero(), maximo, r.contenido);
    if (error == EFBIG)
        r.error = Textos::tr("el fichero es demasiado grande (más de %1 bytes)").arg(maximo);
    else if (error != 0)
        r.error = motivo(error);
    return r;
}

namespace {

QString escribir(const QString& ruta, const QByteArray& contenido)
{
    struct stat previo = {};
    const bool existe = ::lstat(nativo(ruta).constData(), &previo) == 0;
    if (existe && S_ISLNK(previo.st_mode)) return motivo(ELOOP);
    if (existe && S_ISDIR(previo.st_mode)) return motivo(EISDIR);
    if (existe && !S_ISREG(previo.st_mode)) return Textos::tr("no es un fichero normal");
    const Intento intento = porCopia(ruta, contenido, existe ? &previo : nullptr);
    if (intento.error.isEmpty() || !intento.sinCopia || !existe) return intento.error;
    return enSuSitio(ruta, contenido, previo.st_size);
}

} // namespace

QString escribirEntero(const QString& ruta, const QByteArray& contenido) { return escribir(ruta, contenido); }

QString prefijoTemporal(const QString& ruta, const QString& autor)
{
    const QFileInfo info(ruta);
    QString r = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.');
    if (!autor.isEmpty()) r += autor + QLatin1Char('.');
    return r;
}

QString reemplazarEntero(const QString& ruta, const QByteArray& contenido, const QString& autor)
{
    struct stat previo = {};
    const bool existe = ::lstat(nativo(ruta).constData(), &previo) == 0;
    if (existe && !S_ISREG(previo.st_mode)) return Textos::tr("no es un fichero normal");
    return porCopia(ruta, contenido, existe ? &previo : nullptr, true, autor).error;
}

QString escribirEntero(const QString& ruta, const std::function<bool(QIODevice&)>& escribir)
{
    QByteArray contenido;
    QBuffer memoria(&contenido);
    memoria.open(QIODevice::WriteOnly);
    if (!escribir(memoria)) return Textos::tr("no se pudo preparar el contenido");
    return escribirEntero(ruta, contenido);
}

} // namespace formatos
