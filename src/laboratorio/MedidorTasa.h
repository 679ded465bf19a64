// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bit error rate of the chosen codes against Eb/N0, measured through
// the laboratory's line one point at a time, each at its own turn of the
// event loop: the window keeps answering, shows how far the run has gone,
// and can cancel it, keeping the points already measured.

#include "codigos/CodigosLinea.h"
#include "linea/Linea.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <vector>

namespace laboratorio {

struct PuntoBer {
    double ebn0Db = 0;
    linea::MedidaBer medida;
};

class MedidorTasa : public QObject {
    Q_OBJECT
public:
    static constexpr long kBitsPorPunto = 100000;
    // The Eb/N0, in dB, of each point: 0 to 12 every 2.
    static std::vector<double> valoresEbn0();

    explicit MedidorTasa(QObject* parent = nullptr);

    // Starts afresh: the line's noise is each point's; its cable and
    // transformer stay as given.
    void medir(const std::vector<codigos::Codigo>& codigos, const linea::AjustesLinea& ajustes);
    void cancelar();
    // Cancels and forgets every point: what they measured has changed.
    void olvidar();

    bool midiendo() const { return siguiente_ < total(); }
    int hechos() const { return siguiente_; }
    int total() const { return int(pedidos_.size()); }
    const std::map<codigos::Codigo, std::vector<PuntoBer>>& puntos() const { return puntos_; }

signals:
    // A point measured, or the run started, cancelled or forgotten.
    void cambiado();

private:
    void medirSiguiente();

    std::vector<std::pair<codigos::Codigo, double>> pedidos_;
    int siguiente_ = 0;
    linea::AjustesLinea ajustes_;
    std::map<codigos::Codigo, std::vector<PuntoBer>> puntos_;
    QTimer turno_; // one pending point at most, whatever restarts the run
};

} // namespace laboratorio
