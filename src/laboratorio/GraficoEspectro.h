// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power densities of the chosen codes in one plot, from 0 to twice the
// bit rate: each code's estimate as a solid line with its own marks, its
// closed form (where one exists) dashed beside it, discrete lines as
// arrows, on a linear scale that fits the highest curve or in decibels.

#include "codigos/CodigosLinea.h"
#include "laboratorio/Grafico.h"

#include <utility>
#include <vector>

namespace laboratorio {

using Curva = std::pair<codigos::Codigo, const std::vector<double>*>;

enum class EscalaEspectro { Lineal, Decibelios };

class GraficoEspectro : public Grafico {
    Q_OBJECT
public:
    explicit GraficoEspectro(QWidget* parent = nullptr);
    void ponerCurvas(std::vector<Curva> curvas);
    void ponerEscala(EscalaEspectro escala);

    // The value at the plot's top edge (decibels on that scale).
    double tope() const { return tope_; }

protected:
    int reservaDerecha() const override { return anchoLeyenda(); }

private:
    void ajustarEscala();
    double valor(double densidad) const;
    double y(double densidad, const QRect& area) const;
    void pintarEjes(QPainter& p, const QRect& area) const override;
    void pintarDatos(QPainter& p, const QRect& area) const override;
    void pintarEncima(QPainter& p, const QRect& area) const override;
    void pintarCurva(QPainter& p, const QRect& area, const Curva& curva) const;
    void pintarRayas(QPainter& p, const QRect& area) const;
    void pintarLeyenda(QPainter& p, const QRect& area) const;
    int anchoLeyenda() const;
    static QString nombreEnLeyenda(codigos::Codigo c);

    std::vector<Curva> curvas_;
    EscalaEspectro escala_ = EscalaEspectro::Lineal;
    double tope_ = 1.0;
    double suelo_ = 0.0;
};

} // namespace laboratorio
