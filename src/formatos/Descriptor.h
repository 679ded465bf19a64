// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file descriptors under the project's file writer: one
// that closes itself, and the one way files are opened, never through a
// symbolic link, and made group-writable where a class shares the folder.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace formatos {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& otro) noexcept : fd_(otro.fd_) { otro.fd_ = -1; }
    Descriptor& operator=(Descriptor&& otro) noexcept;
    int numero() const { return fd_; }
    // Closes now, so that a failing close is seen; returns 0 or an errno.
    int cerrar();

private:
    int fd_;
};

QByteArray nativo(const QString& ruta);

// A system error number as a Spanish reason ("no queda espacio en el disco").
QString motivo(int numeroError);

// The mode a new file gets in `carpeta`: what the umask leaves, and group
// read and write in a folder a group shares (setgid or group-writable), so
// that every student of the class can go on writing it.
mode_t modoNuevo(const QString& carpeta);

// Opens `ruta` with `flags` (O_RDONLY, O_WRONLY or O_RDWR and the like),
// never following a link in its last part (ELOOP then). With `crear` a
// missing file is made with modoNuevo(), and `creado` says so. Returns the
// descriptor, or -1 with errno set.
int abrir(const QString& ruta, int flags, bool crear = false, bool* creado = nullptr);

// Writes every byte from `desde` on; returns 0 or the errno of the failure.
int escribirTodo(int fd, const QByteArray& datos, off_t desde);

// Reads the whole of an open file of at most `maximo` bytes from its start;
// returns 0 or an errno (EFBIG when larger).
int leerTodo(int fd, qint64 maximo, QByteArray& contenido);

} // namespace formatos
