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
// failure leaves the old content and says why, in Spanish.

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

// Returns an empty text on success, else the reason of the failure.
QString escribirEntero(const QString& ruta, const QByteArray& contenido);
// For a file that is only a summary of others, which several desks write:
// always a new file in the old one's place, never the old one written over
// (two desks writing in place at once could mix their bytes). The new file
// keeps the old one's group and mode, and its owner where this user may
// give it; it belongs to this user otherwise. The temporary file's name
// carries `autor`, so that what a writer killed half way leaves behind can be
// told from what a live one is writing.
QString reemplazarEntero(const QString& ruta, const QByteArray& contenido, const QString& autor = {});
// The start of the names of the temporary files a write of `ruta` makes:
// ".puntos.pnt." then, with an author, "<autor>.", then six random letters.
QString prefijoTemporal(const QString& ruta, const QString& autor = {});
// `escribir` produces the content into a device and says whether it could.
QString escribirEntero(const QString& ruta, const std::function<bool(QIODevice&)>& escribir);

} // namespace formatos
