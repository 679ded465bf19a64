// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A class's folder as every desk of the class shares it, each through its
// own mount of the school's server (NFS, SMB, SFTP), where a lock taken on
// one desk is not seen on another.
//
// Beside "puntos.pnt", the folder ".tramavox" holds one record file per
// running copy of the program (RegistroClase.h): a name no other copy can
// make (desk, user, process, start and a random part), created exclusively,
// and only ever added to by its one writer, at the length that writer knows
// it has, never at the length the server reports. Reading the class adds up
// every file. "puntos.pnt" and "historial.csv" stay what people, older
// copies and spreadsheets read: summaries of the records, written whole by
// putting a new file in their place, never the source of a count; a copy
// that cannot replace them leaves them to the next one.
//
// The first copy to open a folder with no records takes its "puntos.pnt"
// and "historial.csv" as the starting point. A "puntos.pnt" that differs from
// every summary a copy wrote has been edited by hand (or by an older copy of
// the program): once it has stayed so for kAsentarMs, it is the new
// starting point, with what this copy had read when it first saw it.

#include "almacen/ArchivoPuntos.h"
#include "almacen/RegistroClase.h"
#include "formatos/Descriptor.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

namespace almacen {

// This desk's name, in letters any server's file names hold: how its
// record files begin.
QString estePuesto();

// What the records' folder holds past what a store has taken, read with no
// store at hand, so that a slow share can be read off the window's thread.
struct LoNuevo {
    struct Trozo {
        qint64 desde = 0; // where in its file it starts
        QByteArray bytes; // whole lines
    };
    QSet<QString> hay;            // the record files in the folder
    QHash<QString, Trozo> trozos; // what each one holds past what was taken
};

class AlmacenClase {
public:
    static constexpr int kAsentarMs = 20000;
    static constexpr qint64 kMaximoRegistro = 256 * 1024 * 1024;

    explicit AlmacenClase(const QString& rutaPuntos);
    ~AlmacenClase();
    AlmacenClase(const AlmacenClase&) = delete;
    AlmacenClase& operator=(const AlmacenClase&) = delete;

    const QString& rutaPuntos() const { return rutaPuntos_; }
    QString rutaHistorial() const;
    QString carpetaRegistros() const;

    // Makes the records' folder and this copy's file, and reads the class.
    // Empty on success, else why the folder cannot hold the class safely
    // (no new file can be made there, a create that is not exclusive, a
    // starting point that cannot be read): nothing is written then.
    QString abrir();
    bool abierto() const { return fd_.numero() >= 0; }

    // Reads what every copy added since the last read: the reading, which
    // needs no store and may run on any thread, and the taking, here.
    void releer();
    QHash<QString, qint64> hastaDonde() const; // what was taken of each file; -1 where its copy closed it
    static LoNuevo leerLoNuevo(const QString& carpeta, const QHash<QString, qint64>& desde);
    void tomar(const LoNuevo& nuevo);
    const EstadoClase& vista() const { return vista_; }

    // Adds the events at the end of this copy's file, flushed to the server,
    // together with the summary they lead to; then replaces "puntos.pnt" by
    // it. Events that cannot be written are kept, and written before any
    // others next time. Empty on success, else why not.
    QString registrar(const QVector<Evento>& eventos);
    bool hayPendientes() const;

    // What a reset or a deletion of `alumno` knows of them.
    Corte corteDe(const QString& alumno, int vez) const { return almacen::corteDe(eventos_, alumno, vez); }

    // The starting point's log and every answer recorded since.
    RespuestasClase respuestas();
    // The answer log as it stands: the starting point's log, then every
    // answer recorded since, in time order.
    QByteArray historial();
    // Writes both summaries, the log included (which grows with the class,
    // so it is written on closing rather than after every answer).
    void resumir();
    // Says the copy is done, after a last summary.
    void cerrar();

private:
    struct Lectura {
        qint64 leido = 0;     // bytes of the file taken so far (whole lines only)
        bool acabado = false; // its copy closed it: nothing more will come
    };
    static QByteArray leerTrozo(const QString& ruta, qint64 desde);
    void tomarTrozo(const QString& id, const QByteArray& bytes);
    // Takes, of each file in the folder, the whole lines `trozoDesde` gives
    // past what was taken of it.
    void tomarDe(const QSet<QString>& hay, const std::function<QByteArray(const QString&, qint64)>& trozoDesde);
    void calcular();
    void ponerEnOrden();
    QString empezar();
    QString crearPropio();
    QString rutaPropia() const;
    QString escribirPropio(const QByteArray& bytes);
    QString rehacerPropio(const QByteArray& bytes);
    void comprobarPuntos();
    QString reemplazar(const QString& ruta, const QByteArray& bytes);
    Evento evento(Evento::Tipo tipo) const;

    QString rutaPuntos_;
    QString propio_; // this copy's file, without its ending
    formatos::Descriptor fd_;
    qint64 largo_ = 0;     // what this copy wrote to its file
    bool perdido_ = false; // its file was taken away and no new one could be made yet
    qint64 orden_ = 0;     // its last line
    int escritos_ = 0;     // this copy's events in its file; the others wait to be written
    Registros eventos_;
    TextosComunes comunes_;
    QHash<QString, Lectura> lecturas_;
    EstadoClase vista_;
    bool calculada_ = false;         // vista_ holds every event read; else it is worked out again
    quint64 vuelta_ = 0;             // which working out vista_ comes from, unique in the process
    QVector<const Evento*> enOrden_; // the first of vista_'s answers, in time order
    QByteArray ultimoResumen_;
    QString historialCopiado_; // the copy of the starting log, once read
    QByteArray historialInicial_;
    // A "puntos.pnt" no copy wrote, since when, and what was read then.
    QByteArray ajeno_;
    QElapsedTimer ajenoDesde_;
    Corte ajenoCorte_;
};

} // namespace almacen
