// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exam's marks as the teacher's view shows and exports them: per student,
// the questions answered and right, the mark out of ten (a question not
// answered counts as wrong) and, per code asked, the right answers of the
// questions in it.

#include "almacen/Examen.h"
#include "almacen/RegistroClase.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace ejercicio {

struct NotaExamen {
    QString alumno; // without its padding
    int respondidas = 0, aciertos = 0;
    // One per code of the exam, in its order.
    std::vector<int> respondidasPorCodigo, aciertosPorCodigo;
    double nota(const almacen::Examen& examen) const;
};

// One row per student who answered a question of `examen`, by name. Each
// question counts once, the first answer given to it.
std::vector<NotaExamen> notasExamen(const almacen::Examen& examen, const almacen::RespuestasClase& respuestas);

// A mark as the view, the CSV and the report write it: "7,5".
QString textoNota(double nota);

// "Examen «Parcial 1» (terminado) · preguntas: 10 · códigos: NRZ, HDB3 · 20 min"
QString resumenExamen(const almacen::Examen& examen, const QDateTime& ahora);

// The marks as CSV for a spreadsheet with Spanish settings (as the class's).
QByteArray csvNotas(const almacen::Examen& examen, const std::vector<NotaExamen>& notas);

} // namespace ejercicio
