// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's printed report of the class: each student's counts with a
// bar for the percentage, then the answers per code, in the order the
// class view shows them, then the last exam's marks, on A4 pages with 15 mm
// margins and their numbers.

#include "ejercicio/Clase.h"
#include "ejercicio/NotasExamen.h"

#include <QColor>
#include <QDate>
#include <QRectF>
#include <QString>

namespace ejercicio {

// Where the report is drawn, in points from the page's corner: a PDF, or a
// recorder in the tests.
class HojaInforme {
public:
    virtual ~HojaInforme() = default;
    virtual void texto(const QRectF& donde, Qt::Alignment alineacion, const QString& texto, int puntos,
                       bool negrita) = 0;
    virtual void barra(const QRectF& donde) = 0;
    virtual void nuevaPagina() = 0;
};

struct DatosInforme {
    std::vector<FilaClase> cuentas;          // in the order of the counts table
    std::vector<FilaClase> porCodigo;        // in the order of the per-code table
    std::vector<CodigoClase> codigos;        // of the per-code counts
    QString desde;                           // the day of the first answer in the log
    QDate fecha;                             // the day of the report
    std::optional<almacen::Examen> examen{}; // the last exam, with its marks, if there was one
    std::vector<NotaExamen> notas{};
};

// The color of a student's percentage bar, on screen and on paper.
inline const QColor kColorBarra(40, 110, 200);

constexpr double kAnchoA4 = 595.28, kAltoA4 = 841.89; // points
constexpr double kMargenInforme = 15 / 25.4 * 72;     // 15 mm in points

void dibujarInforme(HojaInforme& hoja, const DatosInforme& datos);

// The report as a PDF file, written whole or not at all. Returns an empty
// text or the reason it failed.
QString informeClase(const DatosInforme& datos, const QString& ruta);

} // namespace ejercicio
