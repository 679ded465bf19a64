// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/ArchivoEntero.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace formatos {

namespace {

// A file descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }
    // Closes now, so that a failing close is seen; returns 0 or an errno.
    int cerrar()
    {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }

private:
    int fd_;
};

QByteArray nativo(const QString& ruta)
{
    return QFile::encodeName(ruta);
}

// Writes every byte from `desde` on; returns 0 or the errno of the failure.
int escribirTodo(int fd, const QByteArray& datos, off_t desde)
{
    qsizetype hecho = 0;
    while (hecho < datos.size()) {
        const ssize_t n = ::pwrite(fd, datos.constData() + hecho, size_t(datos.size() - hecho), desde + hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        hecho += n;
    }
    return 0;
}

struct Intento {
    QString error;
    bool sinCopia = false; // no temporary file could be made or kept as the old one was
};

// The usual way: a temporary file with the old file's owner, group and mode,
// flushed, then renamed over the old one.
Intento porCopia(const QString& ruta, const QByteArray& contenido, const struct stat* previo)
{
    const QFileInfo info(ruta);
    QByteArray plantilla = nativo(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    Descriptor copia(::mkostemp(plantilla.data(), O_CLOEXEC));
    if (copia.fd() < 0) return {motivo(errno), true};
    const auto abandonar = [&](const QString& error, bool sinCopia) {
        ::unlink(plantilla.constData());
        return Intento{error, sinCopia};
    };
    if (previo) {
        if (::fchown(copia.fd(), previo->st_uid, previo->st_gid) != 0) return abandonar(motivo(errno), true);
        ::fchmod(copia.fd(), previo->st_mode & 07777);
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        ::fchmod(copia.fd(), 0666 & ~mascara);
    }
    int error = escribirTodo(copia.fd(), contenido, 0);
    if (error == 0 && ::fsync(copia.fd()) != 0) error = errno;
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
    const Lectura antes = leerEntero(ruta, tamanoPrevio);
    if (!antes.error.isEmpty()) return antes.error;
    Descriptor f(::open(nativo(ruta).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (f.fd() < 0) return motivo(errno);
    int error = escribirTodo(f.fd(), contenido, 0);
    if (error == 0 && ::ftruncate(f.fd(), off_t(contenido.size())) != 0) error = errno;
    if (error == 0 && ::fsync(f.fd()) != 0) error = errno;
    if (error != 0) {
        escribirTodo(f.fd(), antes.contenido, 0);
        if (::ftruncate(f.fd(), off_t(antes.contenido.size())) == 0) ::fsync(f.fd());
        return motivo(error);
    }
    if (const int alCerrar = f.cerrar(); alCerrar != 0) return motivo(alCerrar);
    if (leerEntero(ruta, contenido.size()).contenido != contenido)
        return QStringLiteral("el fichero no quedó como debía al leerlo de nuevo");
    return {};
}

} // namespace

QString motivo(int numeroError)
{
    switch (numeroError) {
    case ENOSPC: return QStringLiteral("no queda espacio en el disco");
    case EDQUOT: return QStringLiteral("se ha agotado la cuota de disco");
    case EACCES:
    case EPERM: return QStringLiteral("permiso denegado");
    case EROFS: return QStringLiteral("el disco es de solo lectura");
    case ENOENT: return QStringLiteral("la carpeta no existe");
    case ENOTDIR: return QStringLiteral("una parte de la ruta no es una carpeta");
    case EISDIR: return QStringLiteral("es una carpeta, no un fichero");
    case EFBIG: return QStringLiteral("el fichero sería demasiado grande");
    case ENAMETOOLONG: return QStringLiteral("el nombre es demasiado largo");
    case EIO: return QStringLiteral("error de lectura o escritura en el disco");
    default: return QStringLiteral("error del sistema número %1").arg(numeroError);
    }
}

Lectura leerEntero(const QString& ruta, qint64 maximo)
{
    Lectura r;
    Descriptor f(::open(nativo(ruta).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (f.fd() < 0) {
        if (errno == ENOENT) r.existe = false;
        else r.error = motivo(errno);
        return r;
    }
    struct stat datos {};
    if (::fstat(f.fd(), &datos) != 0) {
        r.error = motivo(errno);
        return r;
    }
    if (S_ISDIR(datos.st_mode)) r.error = motivo(EISDIR);
    else if (!S_ISREG(datos.st_mode)) r.error = QStringLiteral("no es un fichero normal");
    if (!r.error.isEmpty()) return r;
    const QString demasiado = QStringLiteral("el fichero es demasiado grande (más de %1 bytes)").arg(maximo);
    if (datos.st_size > maximo) {
        r.error = demasiado;
        return r;
    }
    // Read up to one byte more than allowed: a file still growing is refused too.
    r.contenido.resize(qsizetype(maximo) + 1);
    qsizetype leido = 0;
    while (leido < r.contenido.size()) {
        const ssize_t n = ::read(f.fd(), r.contenido.data() + leido, size_t(r.contenido.size() - leido));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.error = motivo(errno);
            r.contenido.clear();
            return r;
        }
        if (n == 0) break;
        leido += n;
    }
    r.contenido.truncate(leido);
    if (leido > maximo) {
        r.error = demasiado;
        r.contenido.clear();
    }
    return r;
}

QString escribirEntero(const QString& ruta, const QByteArray& contenido)
{
    struct stat previo {};
    const bool existe = ::stat(nativo(ruta).constData(), &previo) == 0;
    if (existe && S_ISDIR(previo.st_mode)) return motivo(EISDIR);
    if (existe && !S_ISREG(previo.st_mode)) return QStringLiteral("no es un fichero normal");
    const Intento intento = porCopia(ruta, contenido, existe ? &previo : nullptr);
    if (intento.error.isEmpty() || !intento.sinCopia || !existe) return intento.error;
    return enSuSitio(ruta, contenido, previo.st_size);
}

QString anadirAlFinal(const QString& ruta, const QByteArray& bytes)
{
    Descriptor f(::open(nativo(ruta).constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (f.fd() < 0) return motivo(errno);
    struct stat datos {};
    if (::fstat(f.fd(), &datos) != 0) return motivo(errno);
    if (!S_ISREG(datos.st_mode)) return QStringLiteral("no es un fichero normal");
    int error = escribirTodo(f.fd(), bytes, datos.st_size);
    if (error == 0 && ::fsync(f.fd()) != 0) error = errno;
    if (error != 0) {
        if (::ftruncate(f.fd(), datos.st_size) == 0) ::fsync(f.fd());
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
    if (!escribir(memoria)) return QStringLiteral("no se pudo preparar el contenido");
    return escribirEntero(ruta, contenido);
}

} // namespace formatos
