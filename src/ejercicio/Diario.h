// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The note a save leaves beside "puntos.pnt" while it changes the two files
// of the class: the answer log "historial.csv" owes these lines, from this
// length on, once "puntos.pnt" holds these bytes (which replace those). A copy killed between the two writes, or a log that could not be
// written, leaves the note, and the next copy to take the lock pays the
// debt, so the totals and the log never disagree; a copy killed while it
// wrote "puntos.pnt" in place (a folder where no new file can be made)
// leaves it half written, and the next copy puts the old bytes back. The note is rewritten in place and never removed, so that it
// serves in a folder where only the class's files may be written; an empty
// note owes nothing.

#include <QByteArray>
#include <QString>

#include <optional>

namespace ejercicio {

class Diario {
public:
    struct Deuda {
        qint64 largoHistorial = 0; // the log's length before the lines
        QByteArray huellaPuntos;   // SHA-256 of "puntos.pnt" as the save left it
        QByteArray lineas;         // what the log owes
        QByteArray anterior;       // "puntos.pnt" before the save
        QByteArray nuevo;          // and as the save writes it
    };

    // The note of the file `rutaPuntos`, beside it.
    explicit Diario(const QString& rutaPuntos);

    // The debt noted, if any: an empty note, or one a kill cut short, owes nothing.
    std::optional<Deuda> leer() const;
    // Notes the debt; false where no note can be made (a folder that only
    // its owner may add files to), and the save goes on without one.
    bool anotar(const Deuda& deuda);
    // The debt is paid.
    void saldar();

    // Makes sure the log `rutaHistorial` holds the debt's lines after its
    // first `largoHistorial` bytes: they are added unless there already (a
    // partial addition is cut off first). Empty on success, else why not.
    static QString pagar(const QString& rutaHistorial, const Deuda& deuda);
    // Puts back the bytes "puntos.pnt" had before a save that was killed
    // while writing it in place: the new bytes up to some point, the old
    // ones after it. Anything else (the old bytes, the new, a later hand
    // edit) is left as it is.
    static QString deshacer(const QString& rutaPuntos, const QByteArray& ahora, const Deuda& deuda);

    static QByteArray huella(const QByteArray& bytes);

private:
    QString ruta_;
};

} // namespace ejercicio
