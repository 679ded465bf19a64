// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/GraficoBer.h"

#include "codigos/DatosCodigo.h"
#include "formularios/Idioma.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/Marcas.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

using codigos::Codigo;

namespace laboratorio {

namespace {

constexpr Grafico::Margenes kMargenes{46, 18, 10, 30};
constexpr int kMuestraLeyenda = 22;                                                    // the line beside a code's name
constexpr int kAnchoFigura = 416, kAltoFigura = 220;                                   // as in the laboratory at 100 %
const QString kVolados = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076"); // ⁰ to ⁶

// The scale: Eb/N0 from 0 to 12 dB; the rate in decades from 10⁻⁶ to 1.
constexpr double kEbn0Maximo = 12;
constexpr int kDecadas = 6;
constexpr double kPasoCurva = 0.1; // dB between the theory's points

} // namespace

QImage figuraTasa(const std::vector<Codigo>& codigos)
{
    std::vector<SerieBer> series;
    for (Codigo c : codigos) {
        SerieBer s{c, {}, linea::berTeorica(c, 0).has_value()};
        for (double ebn0 : MedidorTasa::valoresEbn0()) {
            linea::AjustesLinea ajustes;
            ajustes.ebn0Db = ebn0;
            s.medidos.push_back({ebn0, linea::medirBer(c, ajustes, MedidorTasa::kBitsPorPunto, 1)});
        }
        series.push_back(std::move(s));
    }
    GraficoBer grafico;
    grafico.ponerSeries(std::move(series));
    return grafico.comoImagen({kAnchoFigura, kAltoFigura});
}

GraficoBer::GraficoBer(QWidget* parent) : Grafico(kMargenes, parent) {}

void GraficoBer::ponerSeries(std::vector<SerieBer> series)
{
    series_ = std::move(series);
    update();
}

// A rate of 0 (no error in the bits measured) lies below the scale.
QPointF GraficoBer::punto(double ebn0Db, double ber) const
{
    const QRect a = area();
    const double decadas = ber > 0 ? std::log10(ber) : -kDecadas - 1.0;
    return {a.left() + a.width() * ebn0Db / kEbn0Maximo, a.top() - a.height() * decadas / kDecadas};
}

void GraficoBer::pintarDatos(QPainter& p, const QRect&) const
{
    for (const SerieBer& serie : series_) pintarSerie(p, serie);
}

void GraficoBer::pintarEjes(QPainter& p, const QRect& a) const
{
    p.setPen(colorEjes());
    p.drawRect(a);
    for (int db = 0; db <= kEbn0Maximo; db += 2) {
        const int xm = qRound(punto(db, 1).x());
        p.drawLine(xm, a.bottom(), xm, a.bottom() + px(kMarca));
        p.drawText(QRect(xm - px(kAnchoRotulo) / 2, a.bottom() + px(kSeparacion), px(kAnchoRotulo), px(kAltoRotulo)),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(db));
    }
    p.drawText(QRect(a.left(), a.bottom() + px(kSeparacion + kAltoRotulo), a.width(), px(kAltoRotulo)),
               Qt::AlignRight | Qt::AlignTop, QStringLiteral("Eb/N0 (dB)"));
    for (int decada = 0; decada <= kDecadas; ++decada) {
        const int ym = qRound(punto(0, std::pow(10.0, -decada)).y());
        p.drawLine(a.left() - px(kMarca), ym, a.left(), ym);
        p.drawText(QRect(0, ym - px(kAltoRotulo) / 2, a.left() - px(kSeparacion), px(kAltoRotulo)),
                   Qt::AlignRight | Qt::AlignVCenter,
                   decada == 0 ? QStringLiteral("1") : QStringLiteral("10\u207B") + kVolados[decada]);
    }
    p.drawText(QRect(a.left(), 0, a.width(), a.top()), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Tasa de errores: %1 bits por punto; la curva, la teoría.")
                   .arg(formularios::localeEnUso().toString(qlonglong(MedidorTasa::kBitsPorPunto))));
}

void GraficoBer::pintarSerie(QPainter& p, const SerieBer& serie) const
{
    QPen pen(colorCodigo(serie.codigo));
    pen.setWidthF(trazoGrueso() ? 2.0 : 1.2);
    p.setPen(pen);
    if (serie.conTeoria) {
        QPainterPath curva;
        for (double db = 0; db <= kEbn0Maximo + 1e-9; db += kPasoCurva) {
            const QPointF q = punto(db, linea::berTeorica(serie.codigo, db).value_or(0.0));
            db == 0 ? curva.moveTo(q) : curva.lineTo(q);
        }
        p.drawPath(curva);
    }
    for (const PuntoBer& m : serie.medidos)
        if (m.medida.errores > 0) pintarMarca(p, punto(m.ebn0Db, m.medida.ber()), serie.codigo, px(kMarca) + 1);
}

// The legend at the plot's lower left, where the rates have fallen out of the way.
void GraficoBer::pintarEncima(QPainter& p, const QRect& a) const
{
    const QFontMetrics fm = p.fontMetrics();
    const int x = a.left() + px(2 * kSeparacion);
    for (int i = 0; i < int(series_.size()); ++i) {
        const SerieBer& s = series_[std::size_t(i)];
        const int fila = a.bottom() - (int(series_.size()) - i) * fm.height() - px(kSeparacion);
        p.setPen(colorCodigo(s.codigo));
        if (s.conTeoria) p.drawLine(x, fila + fm.height() / 2, x + px(kMuestraLeyenda), fila + fm.height() / 2);
        pintarMarca(p, QPointF(x + px(kMuestraLeyenda) / 2.0, fila + fm.height() / 2.0), s.codigo, px(kMarca) + 1);
        p.drawText(QPoint(x + px(kMuestraLeyenda + kSeparacion), fila + fm.ascent()),
                   QString::fromStdString(codigos::nombreVisible(s.codigo)));
    }
}

} // namespace laboratorio
