// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a class's copies of the program record, and the class worked out
// from it, with no files and no widgets.
//
// Each running copy writes one record file of its own and no other copy
// ever writes it: every answer, every student added, reset or deleted is a
// line appended to it. No lock between desks is needed, and none of the
// school's file servers can mix two desks' lines. A line carries its place
// in its file and a checksum, so a line a kill cut short is seen as not yet
// written. A reset or a deletion says which lines of that student it knew
// of (its cut): those it clears, whatever desk wrote them; lines it could
// not know of, written at the same moment elsewhere, still count.
//
// The class is its starting point (a "puntos.pnt" taken as it was, the
// first time, or after a teacher's hand edit) plus every line not within
// that starting point's cut.

#include "almacen/Examen.h"
#include "almacen/TablaAlumnos.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace almacen {

// A counted answer, as the exercise window and the trainer give it.
struct RespuestaContada {
    QDateTime cuando;
    QString alumno;    // as in the table, padding included or not
    QString codigo;    // the code's name: "NRZ", "RZ", "AMI" or "HDB3" in the exercise window
    QString numero;    // the number shown (the bits, in hexadecimal)
    QString respuesta; // the answer given
    bool correcta = false;
    QString modo = QStringLiteral("leer"); // "leer" the waveform, or "dibujar" it
    QString examen{};                      // the exam's id, for an answer to one of its questions
    int pregunta = 0;                      // which of them, from 1; 0 outside an exam
};

struct Evento;

// The class's answers as the class view counts them: the log the class had
// before its first record, as text, and every answer recorded since.
struct RespuestasClase {
    QByteArray anteriores; // that "historial.csv", header included; empty if none
    // In the order they were given; they stay where the store keeps them,
    // valid until it next reads or records.
    std::vector<const RespuestaContada*> anotadas;
    // Every reset, deletion and solution shown, in the order they happened.
    std::vector<const Evento*> sucesos;
    // The same answers in the order the store read them. Those of one read
    // come first, in the same order, in the next while `vuelta` stays the
    // same, so a reader may count only those that came since.
    QVector<const Evento*> leidas;
    quint64 vuelta = 0; // a new one each time the store works the class out anew
};

// One line of the answer log (RFC 4180, UTF-8, CR LF), and its header.
QByteArray lineaHistorial(const RespuestaContada& r);
extern const QByteArray kCabeceraHistorial;

// The SHA-256 of a file's bytes, in hexadecimal: how a "puntos.pnt" is told
// from another.
QByteArray huella(const QByteArray& bytes);

// For each record file, the last line known (by its place in the file).
using Corte = QHash<QString, qint64>;

struct Evento {
    enum class Tipo : char {
        Inicio = 'I',    // the starting point: `puntos`, the log's copy `historial` and its `huella`
        Alta = 'A',      // a student added
        Respuesta = 'R', // an answer counted
        Reinicio = 'Z',  // a student's counts reset: what `corte` knew of them is cleared
        Baja = 'B',      // a student deleted, with the same cut
        Solucion = 'V',  // the solution of a question shown (`codigo`, `numero`, `modo`), before any answer
        Examen = 'E',    // an exam started, as `examen` says
        FinExamen = 'X', // the exam `examen->id` ended by the teacher
        Resumen = 'S',   // a "puntos.pnt" about to be written, by its `huella`
        Fin = 'F',       // the copy closed: nothing more will be written to this file
    };
    Tipo tipo = Tipo::Respuesta;
    qint64 orden = 0;           // its place in its file, from 1
    QString archivo;            // the record file it was read from (set by the reader)
    RespuestaContada respuesta; // `cuando` and `alumno` for every kind; the rest for answers
    int vez = 0;                // which of the students of that name (a class may have two Anas): 0 for the first
    qint64 total = 0, bien = 0; // a reset's or a deletion's: the student's counts it cleared, as its desk saw them
    Corte corte;
    QByteArray puntos;
    QString historial;
    QByteArray huella;
    std::shared_ptr<const almacen::Examen> examen; // an exam's start or end; shared, as events are copied
};

// Every record file's events, by file. A deque, so that adding an event
// moves none of those already there (the class worked out points at them).
using Registros = QHash<QString, std::deque<Evento>>;

// The texts that come back line after line (a student's name, a code),
// read once and shared: a school year of answers holds a few thousand
// strings, not a million.
using TextosComunes = QHash<QByteArray, QString>;

// A line of a record file, with its end, and back. A line that is cut
// short, damaged or of a kind this version does not know gives nothing.
QByteArray codificar(const Evento& e);
std::optional<Evento> decodificar(QByteArrayView linea, TextosComunes* comunes = nullptr);

// The class as the records say.
struct EstadoClase {
    TablaAlumnos tabla;
    QVector<const Evento*> respuestas;    // every answer recorded, in no order
    QVector<const Evento*> sucesos;       // every reset, deletion and solution shown, in no order
    const Evento* inicio = nullptr;       // the starting point in force
    const Evento* primerInicio = nullptr; // the first one: the class's log before any record
    QSet<QByteArray> resumenes;           // every "puntos.pnt" a copy wrote (and the starting points)
    Corte visto;                          // the last line of every file
    bool saturada = false;                // a sum reached the largest count
    QHash<QString, int> donde;            // each student's entry in the table, by key
    QSet<QString> conBorrados;            // the students a reset or a deletion touches
    QVector<const Evento*> examenes;      // every exam's start and end, in no order

    // Adds one event read or made since, where that needs no working out
    // again (an answer or a student added, of a student no reset or
    // deletion touches; a summary; a copy's end): false for the others.
    bool sumar(const Evento& e);
};

// The events of every record file, by file. Pointers in the result point
// into `archivos`, which must outlive it.
EstadoClase calcularClase(const Registros& archivos);

// What a reset or deletion of the `vez`-th student called `alumno` knows
// of them: for each file, their last line in it.
Corte corteDe(const Registros& archivos, const QString& alumno, int vez);

// Events in the order every desk agrees on: by time, and where two desks'
// clocks agree to the millisecond, by file and place.
void ordenarEnElTiempo(QVector<const Evento*>& eventos);
// That order, for two events.
bool antesEnElTiempo(const Evento* a, const Evento* b);

// Which of the students of its name the one at `indice` is.
int vezEn(const TablaAlumnos& tabla, int indice);

// The desk a record file's events came from, as its name says.
QString puestoDe(const Evento& e);

// Every exam started in the class, in the order they started, each with its
// end where the teacher ended it.
QVector<Examen> examenesDe(const EstadoClase& clase);

} // namespace almacen
