// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project's one way of reading and writing a whole file.
//
// Reading takes only a regular file of a sane size and never blocks: a FIFO,
// a device or a folder of that name is refused with a reason, not waited on
// or read without end. No file is read or written through a symbolic link:
// in a folder a class shares, a link could point a save at a classmate's
// files.
//
// Writing is whole or nothing. The new content goes to a temporary file
// beside the old one, which gets the old file's owner, group and mode, is
// flushed to the disk and only then takes the old file's place. Where that
// cannot be done (the folder refuses a new file, or the file belongs to
// another user, as in a folder a class shares), the file is written in place
// and read back; a failure there puts the old bytes back. Either way a
// failure leaves the old content and says why, in Spanish. A file several
// copies share is written only under its lock (formatos::Cerrojo).

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace formatos {

struct Lectura {
    bool existe = true; // false: there is no file of that name (not an error)
    QByteArray contenido;
    QString error; // why it could not be read, empty when it was
};

Lectura leerEntero(const QString& ruta, qint64 maximo);

class Cerrojo;

// Returns an empty text on success, else the reason of the failure.
QString escribirEntero(const QString& ruta, const QByteArray& contenido);
// The same for a file several copies share, written under `cerrojo`: a new
// file that takes the old one's place is locked by `cerrojo` before it is
// there to be opened.
QString escribirEntero(const QString& ruta, const QByteArray& contenido, Cerrojo& cerrojo);
// `escribir` produces the content into a device and says whether it could.
QString escribirEntero(const QString& ruta, const std::function<bool(QIODevice&)>& escribir);

// Whether escribirEntero would write `ruta` in place rather than put a new
// file in its place (a folder this user may not add to, or a file of
// another user's): in place, a kill can leave it half written. In doubt, yes.
bool seEscribeEnSuSitio(const QString& ruta);

// Adds bytes at the end of a file (made if missing), whole or not at all: a
// failure cuts the file back to its old length. For logs, where rewriting
// the whole file at every line would grow with the log.
QString anadirAlFinal(const QString& ruta, const QByteArray& bytes);

} // namespace formatos
