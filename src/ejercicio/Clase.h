// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class as the teacher's view shows it: each student's counts from the
// statistics table, and the right and wrong answers per code from the
// answer log; and the CSV a spreadsheet with Spanish settings opens.

#include "ejercicio/TablaAlumnos.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

namespace ejercicio {

constexpr int kCodigosClase = 4; // NRZ, RZ, AMI, HDB3, as the exercise names them

struct FilaClase {
    QString nombre; // without its padding
    qint64 total = 0;
    qint64 bien = 0;
    std::array<qint64, kCodigosClase> bienPorCodigo{};
    std::array<qint64, kCodigosClase> malPorCodigo{};

    qint64 mal() const { return total - bien; }
    double porcentaje() const { return total > 0 ? double(bien) * 100 / double(total) : 0.0; }
};

// One row per student of the table, in its order. The log's answers count
// for the student of the same name (students who share a name share them).
// `desde` gets the day of the earliest answer counted ("2026-12-06"), empty
// when there is none.
std::vector<FilaClase> filasClase(const TablaAlumnos& tabla, const QByteArray& historial, QString* desde = nullptr);

// The rows as CSV for LibreOffice Calc and Excel with Spanish settings:
// UTF-8 with its byte order mark, ";" between fields, decimal comma, CR LF.
QByteArray csvClase(const std::vector<FilaClase>& filas);

// The percentage as the view, the CSV and the report write it: "66,7".
QString textoPorcentajeClase(double porcentaje);

} // namespace ejercicio
