// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/ArchivoEntero.h"

#include "formatos/Cerrojo.h"
#include "formatos/Descriptor.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
// flushed, then renamed over the old one. With `retenido`, the new file is
// locked before it takes the old one's place and stays open there, so that
// a copy that opens it meanwhile waits for this one's work to end.
Intento porCopia(const QString& ruta, const QByteArray& contenido, const struct stat* previo, Descriptor* retenido)
{
    const QFileInfo info(ruta);
    QByteArray plantilla =
        nativo(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    Descriptor copia(::mkostemp(plantilla.data(), O_CLOEXEC));
    if (copia.numero() < 0) return {motivo(errno), true};
    const auto abandonar = [&](const QString& error, bool sinCopia) {
        ::unlink(plantilla.constData());
        return Intento{error, sinCopia};
    };
    if (previo) {
        if (::fchown(copia.numero(), previo->st_uid, previo->st_gid) != 0) return abandonar(motivo(errno), true);
        ::fchmod(copia.numero(), previo->st_mode & 07777);
    } else {
        ::fchmod(copia.numero(), modoNuevo(info.absolutePath()));
    }
    int error = escribirTodo(copia.numero(), contenido, 0);
    if (error == 0 && ::fsync(copia.numero()) != 0) error = errno;
    if (error == 0 && retenido && !bloquear(copia.numero())) error = errno;
    if (!retenido) {
        if (const int alCerrar = copia.cerrar(); error == 0) error = alCerrar;
    }
    if (error != 0) return abandonar(motivo(error), false);
    if (::rename(plantilla.constData(), nativo(ruta).constData()) != 0) return abandonar(motivo(errno), false);
    if (retenido) *retenido = std::move(copia);
    return {};
}

// In place, for a file this user may write but not replace: the new bytes
// over the old, the length cut, read back; on any failure the old bytes go
// back where they were (they fit: they were there). The caller holds the
// file's lock, so what is read back is what this copy wrote.
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

// Whether this process belongs to group `grupo`, as fchown asks of a file's owner.
bool enGrupo(gid_t grupo)
{
    const int n = ::getgroups(0, nullptr);
    std::vector<gid_t> grupos(size_t(std::max(n, 0)));
    return n > 0 && ::getgroups(n, grupos.data()) == n &&
           std::find(grupos.begin(), grupos.end(), grupo) != grupos.end();
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

QString escribir(const QString& ruta, const QByteArray& contenido, Descriptor* retenido)
{
    struct stat previo = {};
    const bool existe = ::lstat(nativo(ruta).constData(), &previo) == 0;
    if (existe && S_ISLNK(previo.st_mode)) return motivo(ELOOP);
    if (existe && S_ISDIR(previo.st_mode)) return motivo(EISDIR);
    if (existe && !S_ISREG(previo.st_mode)) return Textos::tr("no es un fichero normal");
    const Intento intento = porCopia(ruta, contenido, existe ? &previo : nullptr, retenido);
    if (intento.error.isEmpty() || !intento.sinCopia || !existe) return intento.error;
    return enSuSitio(ruta, contenido, previo.st_size);
}

} // namespace

QString escribirEntero(const QString& ruta, const QByteArray& contenido) { return escribir(ruta, contenido, nullptr); }

QString escribirEntero(const QString& ruta, const QByteArray& contenido, Cerrojo& cerrojo)
{
    Descriptor nuevo;
    const QString error = escribir(ruta, contenido, &nuevo);
    if (nuevo.numero() >= 0) cerrojo.retener(std::move(nuevo));
    return error;
}

bool seEscribeEnSuSitio(const QString& ruta)
{
    struct stat datos = {};
    if (::lstat(nativo(ruta).constData(), &datos) != 0) return false; // a new file is made whole
    const bool suyo =
        ::geteuid() == 0 || (datos.st_uid == ::geteuid() && (datos.st_gid == ::getegid() || enGrupo(datos.st_gid)));
    return !suyo || ::access(nativo(QFileInfo(ruta).absolutePath()).constData(), W_OK | X_OK) != 0;
}

QString anadirAlFinal(const QString& ruta, const QByteArray& bytes)
{
    Descriptor f(abrir(ruta, O_WRONLY, true));
    if (f.numero() < 0) return motivo(errno);
    struct stat datos = {};
    if (::fstat(f.numero(), &datos) != 0) return motivo(errno);
    if (!S_ISREG(datos.st_mode)) return Textos::tr("no es un fichero normal");
    int error = escribirTodo(f.numero(), bytes, datos.st_size);
    if (error == 0 && ::fsync(f.numero()) != 0) error = errno;
    if (error != 0) {
        if (::ftruncate(f.numero(), datos.st_size) == 0) ::fsync(f.numero());
        return motivo(error);
    }
    const int alCerrar = f.cerrar();
    return alCerrar == 0 ? QString() : motivo(alCerrar);
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
