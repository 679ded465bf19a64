// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "puntos.pnt" as several copies of the program share it: two students at
// two desks on one network folder, or two windows on one desk. Every change
// is a read-modify-write under the file's lock (formatos::Cerrojo): the file
// is read again, this copy's new answers are added to what the others wrote
// meanwhile, and the whole file is written. No copy writes without the lock:
// where it cannot be taken the save fails and says why. Each counted answer
// also goes to the answer log "historial.csv" beside it, under the same lock
// and with a note (Diario) that makes the two writes one, so "puntos.pnt"
// keeps the format older copies of the program read and its totals always
// equal the log's answers.

#include "ejercicio/ArchivoPuntos.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QVector>

#include <functional>

namespace ejercicio {

class Diario;

struct RespuestaContada {
    QDateTime cuando;
    QString alumno;    // as in the table, padding included
    QString codigo;    // the code's name: "NRZ", "RZ", "AMI" or "HDB3" in the exercise window
    QString numero;    // the number shown (the bits, in hexadecimal)
    QString respuesta; // the answer given
    bool correcta = false;
    QString modo = QStringLiteral("leer"); // "leer" the waveform, or "dibujar" it
};

// One line of the answer log (RFC 4180, UTF-8, CR LF), and its header.
QByteArray lineaHistorial(const RespuestaContada& r);
extern const QByteArray kCabeceraHistorial;

// The merge, apart so that it is tested on its own. `base` is the file as
// this copy last read or wrote it; `mia` is this copy's table since then
// (the entries of `base` first, in their order, then the students added
// here); `disco` is the file as it is now. The other copies' changes stay;
// this copy's answers since `base` are added to each student's counts (the
// student found at the same position with the same name, else by name); a
// student whose statistics were reset here takes this copy's counts; this
// copy's new students are appended.
struct Fusion {
    TablaAlumnos tabla;
    QVector<int> posiciones; // where each entry of `mia` stands in `tabla`; -1: gone
    bool saturada = false;   // a sum reached the largest count
};
Fusion fusionar(const TablaAlumnos& disco, const TablaAlumnos& base, const TablaAlumnos& mia,
                const QSet<int>& reiniciados);

class PuntosCompartidos {
public:
    explicit PuntosCompartidos(const QString& ruta);

    const QString& ruta() const { return ruta_; }
    QString rutaHistorial() const;

    // Reads the file; what it read becomes the base that saves merge with.
    Carga cargar();

    // The student at `indice` had the statistics reset: the next save gives
    // the file this copy's counts for them.
    void reiniciar(int indice) { reiniciados_.insert(indice); }

    struct Guardado {
        QString error;                // empty on success
        bool puntosGuardados = false; // the totals were saved (only the log may have failed)
        QVector<int> posiciones;      // as in Fusion
        bool saturada = false;
    };
    // Merges `mia` into the file and appends `nuevas` to the answer log. On
    // success `mia` becomes the merged table, the others' answers included.
    // Log lines that could not be written are kept and written by the next
    // save of any copy.
    Guardado guardar(TablaAlumnos& mia, const QList<RespuestaContada>& nuevas);

    // Removes the student called `nombre` (padding included) from the file
    // and from `mia`: the one at `pista` in the file as it is now if that
    // one has the name, else the first of that name. Refused, with the
    // reason, when no student of that name is left.
    Guardado borrar(const QString& nombre, int pista, TablaAlumnos& mia);

private:
    QByteArray pagarDeudas(Diario& diario, Carga& disco) const;
    Guardado actualizar(TablaAlumnos& mia, const std::function<QString(Fusion&)>& cambio,
                        const QList<RespuestaContada>& nuevas);

    QString ruta_;
    TablaAlumnos base_;
    QSet<int> reiniciados_;
};

} // namespace ejercicio
