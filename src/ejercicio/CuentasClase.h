// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-code counts of a class, kept from one read of the class to the
// next: the starting log is gone through again only when it changes, and
// of the recorded answers only those that came since are counted. A live
// class view reads the class every few seconds, and a school year holds
// hundreds of thousands of answers.

#include "almacen/RegistroClase.h"
#include "almacen/TablaAlumnos.h"
#include "ejercicio/Clase.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace ejercicio {

class CuentasClase {
public:
    // Counts what `respuestas` holds that was not counted yet; all of it
    // again when the store worked the class out anew.
    void anotar(const almacen::RespuestasClase& respuestas);

    // One row per student of the table, as filasClase says.
    std::vector<FilaClase> filas(const almacen::TablaAlumnos& tabla, std::vector<CodigoClase>* codigos,
                                 QString* desde) const;

private:
    // What one name answered, by code (in the order of every code that may
    // be asked).
    struct DeAlumno {
        std::vector<qint64> bien, mal;
        QByteArray primerDia;                  // of the log's answers: "2026-12-06"; empty if none
        qint64 primeraMs = -1;                 // of the recorded ones, since the epoch; -1 if none
        std::optional<almacen::Evento> ultima; // their last recorded answer, copied
    };
    static DeAlumno& de(QHash<QString, DeAlumno>& alumnos, const QString& nombre);
    void contarLog(const QByteArray& anteriores);
    void contarRegistros(const almacen::RespuestasClase& respuestas);

    QByteArray log_;                    // the starting log counted
    QHash<QString, DeAlumno> delLog_;   // its answers, by name without padding
    quint64 vuelta_ = 0;                // the store's working out the records' counts come from
    qsizetype leidas_ = 0;              // how many of its answers they hold
    QHash<QString, DeAlumno> anotadas_; // the recorded answers, by name
    QHash<QString, qint64> soluciones_; // the solutions shown, by name: few, counted again each time
};

// One row per student of the table, in its order. The log's answers count
// for the student of the same name (students who share a name share them).
// `codigos` gets the codes of the per-code counts: the exercise window's
// four read, then each other code the log holds, in the codes' order, read
// before drawn. `desde` gets the day of the earliest answer counted
// ("2026-12-06"), empty when there is none.
std::vector<FilaClase> filasClase(const almacen::TablaAlumnos& tabla, const almacen::RespuestasClase& respuestas,
                                  std::vector<CodigoClase>* codigos, QString* desde = nullptr);

} // namespace ejercicio
