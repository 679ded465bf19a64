// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The laboratory's line panel: the cable, the transformer and the noise its
// controls set, what arrives of a code's line through them and what the
// receiver decides, the clock it recovers, the eye of the code in focus and
// the error-rate plot with its run. The window hands it the codes and asks;
// an ideal line (no cable, transformer nor noise) is not simulated, so the
// receiver reads exactly what was sent.

#include "codigos/CodigosLinea.h"
#include "laboratorio/DibujoCodigos.h"
#include "linea/Linea.h"

#include <QObject>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace formularios {
class Controles;
}

namespace laboratorio {

class GraficoBer;
class GraficoOjo;
class MedidorTasa;

class PanelLinea : public QObject {
    Q_OBJECT
public:
    // `elegidos` gives the codes the window draws, whose error rates are measured.
    PanelLinea(const formularios::Controles& controles, std::function<std::vector<codigos::Codigo>()> elegidos,
               QObject* parent);

    linea::AjustesLinea ajustes() const;
    bool ideal() const;

    // Through the line: what the receiver decides and gets wrong and, while
    // what arrives is drawn, that and the bits read from it.
    void pasarPorLaLinea(LineaDibujada& l, const codigos::EstadoInicial& inicio) const;
    // The clock recovered from a code's line: its slips are counted always;
    // it is drawn (returned) when asked for.
    std::optional<RelojDibujado> recuperarReloj(const LineaDibujada& l);
    void mostrarOjo(codigos::Codigo c, const codigos::EstadoInicial& inicio);
    void mostrarTasa();
    // The plots named again after their boxes, in the new language.
    void cambiarIdioma();
    void ponerZoom(double zoom);

signals:
    // The cable, the transformer or the noise changed: every picture of the line is old.
    void lineaCambiada();
    // What arrives, or the recovered clock, is now drawn or no longer.
    void vistaCambiada();

private:
    void cambiarLinea();
    std::vector<double> llegada(codigos::Codigo c, const std::vector<codigos::Paso>& pasos) const;

    std::function<std::vector<codigos::Codigo>()> elegidos_;
    QSlider* perdida;
    QLabel* valorPerdida;
    QComboBox* acoplamiento;
    QComboBox* ruido;
    QCheckBox* recibida;
    QCheckBox* reloj;
    QLabel* deslizamientos;
    QLabel* medidasOjo;
    QPushButton* medirBer;
    QPushButton* cancelarBer;
    QProgressBar* progresoBer;
    QFrame* cajaOjo_;
    QFrame* cajaBer_;
    GraficoOjo* ojo_;
    GraficoBer* graficoBer_;
    MedidorTasa* medidor_;
};

} // namespace laboratorio
