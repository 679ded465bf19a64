// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class's statistics for the whole run, with no widgets: the students
// and their counts as read from "puntos.pnt", the answers counted and not
// yet in the log, and every save (merged with the other copies' under the
// file's lock). Every window that counts answers and the class view use
// this one object, so two windows of one copy never merge the same answers
// twice; each follows the table through `tablaCambiada`.

#include "ejercicio/DatosClase.h"
#include "ejercicio/PuntosCompartidos.h"

#include <QObject>

namespace ejercicio {

class Estadisticas : public QObject, public DatosClase {
    Q_OBJECT
public:
    explicit Estadisticas(const QString& ruta = kArchivoPuntos);

    // A window that counts answers opens: the first one reads the file in
    // the working folder of that moment (what it found is handed back for
    // the window to say); the others find the table as it is. A file that
    // could not be read is never saved over.
    Carga abrir();
    void cerrar() { --usuarios_; }

    TablaAlumnos& tabla() { return tabla_; }
    bool puedeGuardar() const { return puedeGuardar_; }

    // An answer counted for the log, written by the next save.
    void anotar(const RespuestaContada& respuesta) { pendientes_ << respuesta; }
    // The student's counts were reset here: the next save gives them to the file.
    void reiniciar(int indice) { puntos_.reiniciar(indice); }

    // Merges the table into the file and writes the log's lines; on success
    // the table holds the other copies' answers and students too, and
    // `tablaCambiada` says where each student went. Only while puedeGuardar().
    PuntosCompartidos::Guardado guardar();
    // The table alone, to another file (a copy where the shared one fails).
    QString guardarCopia(const QString& ruta) const { return guardarPuntos(tabla_, ruta); }

    // For the class view.
    const TablaAlumnos& alumnos() const override { return tabla_; }
    QString rutaPuntos() const override { return puntos_.ruta(); }
    QString rutaHistorial() const override { return puntos_.rutaHistorial(); }
    QString borrarAlumno(const QString& nombre, int pista) override;

signals:
    // The table changed under a merge or, with `borrado`, the class view's
    // deletion: `posiciones` gives where each former entry stands now (-1:
    // gone); `saturada`, that a sum reached the largest count.
    void tablaCambiada(const QVector<int>& posiciones, bool saturada, bool borrado);

private:
    QString nombre_; // the file's name, found in the working folder on opening
    PuntosCompartidos puntos_;
    TablaAlumnos tabla_;
    QList<RespuestaContada> pendientes_; // counted, not yet in the log
    bool puedeGuardar_ = true;
    int usuarios_ = 0;
};

} // namespace ejercicio
