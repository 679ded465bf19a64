// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Cerrojo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace formatos {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(formatos)
};
} // namespace

namespace {

constexpr int kPausaMs = 10;

bool mismoFichero(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The process of this computer that holds the lock on the file of `datos`:
// the kernel lists such a lock under the descriptor that holds it. Only
// this user's processes can be looked into; none is found when the holder
// is another user's copy or one on another computer.
pid_t titular(const struct stat& datos)
{
    const QByteArray fichero = QByteArray::number(major(datos.st_dev), 16).rightJustified(2, '0') + ':' +
                               QByteArray::number(minor(datos.st_dev), 16).rightJustified(2, '0') + ':' +
                               QByteArray::number(qulonglong(datos.st_ino));
    const QStringList procesos = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& proceso : procesos) {
        bool esNumero = false;
        const pid_t pid = proceso.toInt(&esNumero);
        if (!esNumero || pid == ::getpid()) continue;
        QDir descriptores(QStringLiteral("/proc/%1/fdinfo").arg(pid));
        for (const QString& fd : descriptores.entryList(QDir::Files)) {
            QFile info(descriptores.filePath(fd));
            if (!info.open(QIODevice::ReadOnly)) continue;
            const QByteArray texto = info.readAll();
            if (texto.contains("OFDLCK") && texto.contains(' ' + fichero + ' ')) return pid;
        }
    }
    return 0;
}

QString usuarioDe(pid_t pid)
{
    struct stat datos = {};
    if (::stat(QByteArray("/proc/" + QByteArray::number(pid)).constData(), &datos) != 0) return {};
    if (const struct passwd* p = ::getpwuid(datos.st_uid)) return QString::fromLocal8Bit(p->pw_name);
    return QString::number(datos.st_uid);
}

} // namespace

Cerrojo::Cerrojo(const QString& ruta, int esperaMs, bool crear)
{
    QElapsedTimer reloj;
    reloj.start();
    for (;;) {
        Descriptor f(abrir(ruta, O_RDWR, crear, &creado_));
        if (f.numero() < 0) {
            error_ = motivo(errno);
            return;
        }
        struct stat abierto = {};
        if (::fstat(f.numero(), &abierto) != 0) {
            error_ = motivo(errno);
            return;
        }
        if (!S_ISREG(abierto.st_mode)) {
            error_ = Textos::tr("no es un fichero normal");
            return;
        }
        while (!bloquear(f.numero())) {
            if (errno != EAGAIN && errno != EACCES && errno != EINTR) {
                error_ = motivo(errno);
                return;
            }
            if (reloj.elapsed() >= esperaMs) {
                fd_ = std::move(f);
                error_ = ocupado();
                return;
            }
            QThread::msleep(kPausaMs);
        }
        // The file locked must still be the one the name leads to.
        struct stat ahora = {};
        if (::lstat(nativo(ruta).constData(), &ahora) == 0 && mismoFichero(abierto, ahora)) {
            fd_ = std::move(f);
            return;
        }
        if (reloj.elapsed() >= esperaMs) {
            error_ = Textos::tr("otra copia del programa lo cambia sin parar; inténtelo de nuevo");
            return;
        }
    }
}

void Cerrojo::retener(Descriptor otro) { retenidos_.push_back(std::move(otro)); }

QString Cerrojo::ocupado() const
{
    struct stat datos = {};
    const pid_t pid = ::fstat(fd_.numero(), &datos) == 0 ? titular(datos) : 0;
    if (pid > 0) {
        return Textos::tr("otra copia del programa (proceso %1 del usuario «%2») lo está guardando; inténtelo de nuevo")
            .arg(pid)
            .arg(usuarioDe(pid));
    }
    return Textos::tr(
        "otra copia del programa, de otro usuario o en otro equipo, lo está guardando; inténtelo de nuevo");
}

} // namespace formatos
