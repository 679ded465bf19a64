// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Tasa de errores": the bit error rate of the chosen codes against Eb/N0,
// on a logarithmic scale, the measured points with each code's mark beside
// the theory's curve where the receiver has a closed form and the line has
// no cable nor transformer.

#include "laboratorio/Grafico.h"
#include "laboratorio/MedidorTasa.h"

#include <vector>

namespace laboratorio {

struct SerieBer {
    codigos::Codigo codigo;
    std::vector<PuntoBer> medidos;
    bool conTeoria = false;
};

// The error rate of `codigos` measured as the laboratory measures it, beside
// their theory, on a line with no cable nor transformer: the help's figure.
QImage figuraTasa(const std::vector<codigos::Codigo>& codigos);

class GraficoBer : public Grafico {
    Q_OBJECT
public:
    explicit GraficoBer(QWidget* parent = nullptr);
    void ponerSeries(std::vector<SerieBer> series);
    const std::vector<SerieBer>& series() const { return series_; }

    // Where a rate at an Eb/N0 lies in the widget.
    QPointF punto(double ebn0Db, double ber) const;

private:
    void pintarEjes(QPainter& p, const QRect& a) const override;
    void pintarDatos(QPainter& p, const QRect& a) const override;
    void pintarEncima(QPainter& p, const QRect& a) const override;
    void pintarSerie(QPainter& p, const SerieBer& serie) const;

    std::vector<SerieBer> series_;
};

} // namespace laboratorio
