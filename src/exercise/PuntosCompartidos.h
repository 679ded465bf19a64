// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "puntos.pnt" as several copies of the program share it: two students at
// two desks on one network folder, or two windows on one desk. Every change
// is a read-modify-write under a lock beside the file ("puntos.pnt.lock",
// recovered when its owner died): the file is read again, this copy's new
// answers are added to what the others wrote meanwhile, and the whole file
// is written. Each counted answer also goes to the answer log
// "historial.csv" beside it, under the same lock, so "puntos.pnt" keeps the
// format older copies of the program read.

#include "exercise/ArchivoPuntos.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QVector>

#include <functional>

namespace ejercicio {

struct RespuestaContada {
    QDateTime cuando;
    QString alumno;    // as in the table, padding included
    QString codigo;    // "NRZ", "RZ", "AMI" or "HDB3"
    QString numero;    // the number shown
    QString respuesta; // the answer given
    bool correcta = false;
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
        QString error;           // empty on success
        QVector<int> posiciones; // as in Fusion
        bool saturada = false;
    };
    // Merges `mia` into the file and appends `nuevas` to the answer log. On
    // success `mia` becomes the merged table, the others' answers included.
    Guardado guardar(TablaAlumnos& mia, const QList<RespuestaContada>& nuevas);

    // Removes the student at `indice` (found by position and name, as in a
    // merge) from the file and from `mia`; the other entries' new places
    // come back as a save's do.
    Guardado borrar(int indice, TablaAlumnos& mia);

private:
    Guardado actualizar(TablaAlumnos& mia, const std::function<void(Fusion&)>& cambio,
                        const std::function<QString()>& despues);

    QString ruta_;
    TablaAlumnos base_;
    QSet<int> reiniciados_;
};

} // namespace ejercicio
