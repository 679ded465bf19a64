// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class's statistics for the whole run, with no widgets: the students
// and their counts as the class's records give them (AlmacenClase), the
// answers and changes counted here and not yet recorded, and every record
// made. Every window that counts answers and the class view use this one
// object, so two windows of one copy never count the same answer twice;
// each follows the table through `tablaCambiada`, and shows the counts it
// finds there: no window adds to a count itself.

#include "almacen/AlmacenClase.h"
#include "almacen/DatosClase.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace almacen {

struct Guardado {
    QString error;           // empty on success
    bool guardado = false;   // everything counted here is recorded
    QVector<int> posiciones; // where each former entry of the table stands now; -1: gone
    bool saturada = false;   // a sum reached the largest count
};

class Estadisticas : public QObject, public DatosClase {
    Q_OBJECT
public:
    explicit Estadisticas(const QString& ruta = kArchivoPuntos);
    ~Estadisticas() override;

    // A window that counts answers opens: the first one opens the class in
    // the working folder of that moment, or in `ruta` when given (what it
    // found is handed back for the window to say); the others find the
    // table as it is. `errorCarpeta()` then says why the folder cannot hold
    // the class, and nothing is recorded.
    Carga abrir(const QString& ruta = QString());
    void cerrar();
    const QString& errorCarpeta() const { return errorCarpeta_; }
    int usuarios() const { return usuarios_; }

    TablaAlumnos& tabla() { return tabla_; }
    bool puedeGuardar() const { return almacen_ && almacen_->abierto(); }

    // An answer counted for the student at `indice`, recorded by the next save.
    void anotar(int indice, const RespuestaContada& respuesta);
    // The student's counts were reset here: the next save records it.
    void reiniciar(int indice);
    // The solution of the question `pregunta` (its code, number and mode)
    // was shown to the student at `indice` (-1: nobody chosen yet): the
    // next save records it for the teacher.
    void verSolucion(int indice, const RespuestaContada& pregunta);

    // Records what was counted here and reads what the other desks did; the
    // table then holds every desk's answers and students, and `tablaCambiada`
    // says where each student went. What cannot be recorded is kept, counted
    // in the table, and recorded by a later save.
    Guardado guardar();
    // The table alone, to another file (a copy where the shared one fails).
    QString guardarCopia(const QString& ruta) const { return guardarPuntos(tabla_, ruta); }

    // For the class view.
    const TablaAlumnos& alumnos() const override { return tabla_; }
    QString rutaPuntos() const override;
    RespuestasClase respuestas() override;
    void releerAparte(std::function<void(bool)> hecho) override;
    // The answer log, as "historial.csv" gets it; empty with no class open.
    QByteArray historial();
    QString borrarAlumno(const QString& nombre, int pista) override;

    // ---- Exams, recorded as the answers are

    // Every exam of the class, in the order they started.
    QVector<Examen> examenes() const override;
    // The exam under way now, if there is one.
    std::optional<Examen> examenEnCurso() const;
    // The teacher starts an exam (its id and start are given here) or ends
    // one; recorded at once. Empty on success, else why not.
    QString empezarExamen(Examen examen) override;
    QString terminarExamen(const QString& id) override;
    // The last question of the exam `id` the student at `indice` answered;
    // 0 for none.
    int ultimaPregunta(const QString& id, int indice) const;

signals:
    // The table changed under a save or, with `borrado`, the class view's
    // deletion: `posiciones` gives where each former entry stands now (-1:
    // gone); `saturada`, that a sum reached the largest count.
    void tablaCambiada(const QVector<int>& posiciones, bool saturada, bool borrado);
    // An exam began or ended (by the teacher or its time); `enCurso` says
    // whether one is under way now.
    void examenCambiado(bool enCurso);

private:
    Guardado registrar(QVector<Evento> eventos, bool borrado);
    void seguirAlAlmacen(Guardado& g, bool borrado);
    void vigilarExamen();
    bool tienePropio() const;
    bool releer(); // the same read, all of it here; false when nothing came
    void tomarLoLeido(const LoNuevo& nuevo, int apertura);

    QString nombre_; // the file's name, found in the working folder on opening
    std::unique_ptr<AlmacenClase> almacen_;
    TablaAlumnos tabla_;
    int conocidos_ = 0;       // the table's entries the records know; the others were added here
    QVector<Evento> cambios_; // counted here, not yet handed to the records
    QString errorCarpeta_;
    bool saturada_ = false;
    int usuarios_ = 0;
    QTimer* vigia_;     // reads the class while it is open, so that every desk sees an exam begin
    QTimer* finExamen_; // wakes when the exam under way runs out of time
    // The read under way off the window's thread, if any, and who waits for it.
    bool leyendo_ = false;
    std::vector<std::function<void(bool)>> esperando_;
    int aperturas_ = 0;   // a read started before the class was opened again is dropped
    QString examenVisto_; // the exam under way at the last look; empty for none
    QThreadPool lector_;  // last: waits for a read under way before the rest goes
};

} // namespace almacen
