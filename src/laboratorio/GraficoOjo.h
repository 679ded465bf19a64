// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eye of one code: what arrives of every bit, from its start to the end
// of the next, drawn one over the other after the receiver's gain, with the
// receiver's thresholds dashed. Where the traces leave a clear gap around a
// threshold the receiver decides surely; noise and a long cable close it.

#include "codigos/CodigosLinea.h"
#include "laboratorio/Grafico.h"

#include <vector>

namespace laboratorio {

// The eye of a code from 2,048 random bits through a cable of `perdidaDb`,
// with no noise, as the laboratory draws it at 100 %: the help's figure.
QImage figuraOjo(codigos::Codigo c, double perdidaDb);

class GraficoOjo : public Grafico {
    Q_OBJECT
public:
    explicit GraficoOjo(QWidget* parent = nullptr);
    // `recibida`: linea::kMuestrasPorBit samples a bit, in the code's levels.
    void ponerOjo(codigos::Codigo c, std::vector<double> recibida);
    // Where a level lies in the widget, at the plot's middle height.
    double y(double nivel) const { return y(nivel, area()); }

private:
    double y(double nivel, const QRect& a) const;
    void pintarEjes(QPainter& p, const QRect& a) const override;
    void pintarDatos(QPainter& p, const QRect& a) const override;
    QImage trazos(QSize tamano) const;

    codigos::Codigo codigo_ = codigos::Codigo::Hdb3;
    std::vector<double> recibida_;
};

} // namespace laboratorio
