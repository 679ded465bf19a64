// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Descriptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
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

Descriptor::~Descriptor()
{
    if (fd_ >= 0) ::close(fd_);
}

Descriptor& Descriptor::operator=(Descriptor&& otro) noexcept
{
    if (this != &otro) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = otro.fd_;
        otro.fd_ = -1;
    }
    return *this;
}

int Descriptor::cerrar()
{
    const int r = ::close(fd_);
    fd_ = -1;
    return r == 0 ? 0 : errno;
}

QByteArray nativo(const QString& ruta) { return QFile::encodeName(ruta); }

mode_t modoNuevo(const QString& carpeta)
{
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    mode_t modo = 0666 & ~mascara;
    struct stat datos = {};
    if (::stat(nativo(carpeta).constData(), &datos) == 0 && (datos.st_mode & (S_ISGID | S_IWGRP)))
        modo |= S_IRGRP | S_IWGRP;
    return modo;
}

int abrir(const QString& ruta, int flags, bool crear, bool* creado)
{
    const QByteArray nombre = nativo(ruta);
    constexpr int kSiempre = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    if (creado) *creado = false;
    if (!crear) return ::open(nombre.constData(), flags | kSiempre);
    for (;;) {
        const int fd = ::open(nombre.constData(), flags | kSiempre);
        if (fd >= 0 || errno != ENOENT) return fd;
        // O_EXCL never makes a file at the far end of a dangling link.
        const mode_t modo = modoNuevo(QFileInfo(ruta).absolutePath());
        const int nuevo = ::open(nombre.constData(), flags | kSiempre | O_CREAT | O_EXCL, modo);
        if (nuevo >= 0) {
            ::fchmod(nuevo, modo); // the umask took the group's write away
            if (creado) *creado = true;
            return nuevo;
        }
        if (errno != EEXIST) return -1;
        // Another copy made it meanwhile: open that one.
    }
}

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

int leerTodo(int fd, qint64 maximo, QByteArray& contenido)
{
    // Room for what the file holds now, and one byte more than allowed: a
    // file still growing is refused too.
    struct stat datos = {};
    const qint64 previsto = ::fstat(fd, &datos) == 0 ? qMin(qint64(datos.st_size), maximo) : 0;
    contenido.resize(qsizetype(previsto) + 1);
    qsizetype leido = 0;
    for (;;) {
        if (leido == contenido.size()) {
            if (leido > maximo) break;
            contenido.resize(qsizetype(qMin(qint64(contenido.size()) * 2, maximo + 1)));
        }
        const ssize_t n = ::pread(fd, contenido.data() + leido, size_t(contenido.size() - leido), off_t(leido));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            contenido.clear();
            return errno;
        }
        if (n == 0) break;
        leido += n;
    }
    contenido.truncate(leido);
    if (leido > maximo) {
        contenido.clear();
        return EFBIG;
    }
    return 0;
}

QString motivo(int numeroError)
{
    switch (numeroError) {
    case ENOSPC: return Textos::tr("no queda espacio en el disco");
    case EDQUOT: return Textos::tr("se ha agotado la cuota de disco");
    case EACCES:
    case EPERM: return Textos::tr("permiso denegado");
    case EROFS: return Textos::tr("el disco es de solo lectura");
    case ENOENT: return Textos::tr("el fichero o su carpeta ya no está (otro puesto o el servidor lo ha quitado)");
    case EBUSY:
    case ETXTBSY: return Textos::tr("el fichero está abierto en otro puesto y ahora no se puede cambiar");
    case EOPNOTSUPP:
    case ENOSYS: return Textos::tr("la carpeta compartida no admite esta operación");
    case ESTALE: return Textos::tr("el servidor ha cambiado el fichero mientras se usaba");
    case ENOTCONN:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ECONNABORTED:
    case ECONNRESET: return Textos::tr("se ha perdido la conexión con el servidor de la carpeta");
    case EEXIST: return Textos::tr("ya hay un fichero con ese nombre");
    case ENOTDIR: return Textos::tr("una parte de la ruta no es una carpeta");
    case EISDIR: return Textos::tr("es una carpeta, no un fichero");
    case EFBIG: return Textos::tr("el fichero sería demasiado grande");
    case ENAMETOOLONG: return Textos::tr("el nombre es demasiado largo");
    case EIO: return Textos::tr("error de lectura o escritura en el disco");
    case ELOOP: return Textos::tr("es un enlace simbólico, y por seguridad no se sigue");
    default:
        return Textos::tr("error inesperado del sistema (%1, número %2)")
            .arg(QString::fromLocal8Bit(std::strerror(numeroError)))
            .arg(numeroError);
    }
}

} // namespace formatos
