// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class as the teacher's view shows it: each student's counts from the
// statistics table, and the right and wrong answers per code from the
// class's answers; and the CSV a spreadsheet with Spanish settings opens.

#include "almacen/RegistroClase.h"
#include "almacen/TablaAlumnos.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace ejercicio {

// A code of the per-code table, as the log names it ("HDB3"), read or drawn.
struct CodigoClase {
    QString codigo;
    bool dibujado = false;
    // "HDB3", or "HDB3 (dibujo)" for the answers that drew it.
    QString titulo() const;
    // The same in the user's language, for the windows and the report.
    QString tituloVisible() const;
    bool operator==(const CodigoClase& otro) const { return codigo == otro.codigo && dibujado == otro.dibujado; }
};

struct FilaClase {
    QString nombre; // without its padding
    qint64 total = 0;
    qint64 bien = 0;
    // One per code of the class (in the order filasClase gives them).
    std::vector<qint64> bienPorCodigo;
    std::vector<qint64> malPorCodigo;
    qint64 soluciones = 0; // the solutions shown to them before an answer
    // Their last answer recorded, to see who is at work now; none before one.
    std::optional<almacen::RespuestaContada> ultima;

    qint64 mal() const { return total - bien; }
    double porcentaje() const { return total > 0 ? double(bien) * 100 / double(total) : 0.0; }
};

// A reset, a deletion or a solution shown, as the teacher's list shows it.
struct SucesoClase {
    enum class Tipo { Reinicio, Baja, Solucion };
    Tipo tipo = Tipo::Solucion;
    QDateTime cuando;
    QString alumno;             // without its padding; empty for a solution shown with nobody chosen
    QString puesto;             // the desk it was done at
    qint64 total = 0, bien = 0; // a reset's or deletion's: the counts it cleared
    QString codigo, numero;     // a solution's question
    bool dibujado = false;
    // "Cuentas a cero", "Alumno borrado" or "Solución vista", in the user's language.
    QString texto() const;
    // "5 respuestas, 3 aciertos", or the question: "HDB3 8421".
    QString detalle() const;
};

// Every reset, deletion and solution shown, in the order they happened.
std::vector<SucesoClase> sucesosClase(const almacen::RespuestasClase& respuestas);

// The rows as CSV for LibreOffice Calc and Excel with Spanish settings:
// UTF-8 with its byte order mark, ";" between fields, decimal comma, CR LF.
QByteArray csvClase(const std::vector<FilaClase>& filas, const std::vector<CodigoClase>& codigos);

// The percentage as the view, the CSV and the report write it: "66,7".
QString textoPorcentajeClase(double porcentaje);

} // namespace ejercicio
