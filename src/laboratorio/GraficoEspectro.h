// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spectra of the chosen codes in one plot, from 0 to twice the bit
// rate, with a legend and each code's value at DC marked.

#include "linecode/CodigosLinea.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace laboratorio {

using Curva = std::pair<linecode::Codigo, const std::vector<double>*>;

class GraficoEspectro : public QWidget {
    Q_OBJECT
public:
    explicit GraficoEspectro(QWidget* parent = nullptr);
    void ponerCurvas(std::vector<Curva> curvas);
    void ponerZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int px(int disenio) const;
    void pintarEjes(QPainter& p, const QRect& area) const;
    void pintarLeyenda(QPainter& p, const QRect& area) const;

    std::vector<Curva> curvas_;
    double zoom_ = 1.0;
};

} // namespace laboratorio
