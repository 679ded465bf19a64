// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The laboratory's drawing: the bits, the clock and each chosen code
// stacked one above the other, as wide as the bit string needs (it lives in
// a scrolling frame, which it fills). Each band has its level scale, the B
// and V of substitutions are lettered, slots where the receiver finds a
// violation are shaded, injected errors are marked, and a click on a
// half-bit is reported to the window. The bits and the clock stay in view
// when the frame scrolls down, and the names when it scrolls across.

#include "codigos/Errores.h"
#include "laboratorio/DibujoAmpliable.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QScrollArea;

namespace laboratorio {

struct LineaDibujada {
    LineaDibujada(codigos::Codigo c, std::vector<codigos::Paso> linea, std::vector<codigos::Violacion> v = {})
        : codigo(c), pasos(std::move(linea)), violaciones(std::move(v))
    {
    }

    codigos::Codigo codigo;
    std::vector<codigos::Paso> pasos;
    std::vector<codigos::Violacion> violaciones;
    std::set<std::pair<int, int>> errores; // injected errors: (bit, half)
    // Through a line that is not ideal: what the receiver decides (empty:
    // the line came through as sent) and the half-bits it decides wrong.
    std::vector<codigos::Paso> decididos;
    std::set<std::pair<int, int>> malDecididos;
    // Drawn in a band of its own under the line when not empty: what
    // arrives, after the receiver's gain, and the bits the receiver reads.
    std::vector<double> recibida;
    std::string leidos;

    const std::vector<codigos::Paso>& lineaLeida() const { return decididos.empty() ? pasos : decididos; }
};

// The clock the receiver recovers from one code's line, drawn under the
// transmitter's clock: its error in bits at each bit, and where it slipped.
struct RelojDibujado {
    codigos::Codigo codigo;
    std::vector<double> fase;
    std::vector<int> deslizamientos;
};

// The color each code is drawn in, on black.
QColor colorCodigo(codigos::Codigo c);

// The clock and the codes of a bit string as the laboratory draws them at
// 100 %: the figures of the help document.
QImage figuraCodigos(const std::string& bits, const std::vector<codigos::Codigo>& codigos);

// One code's line through a line with `ajustes` (no noise), what arrives
// under it with the bits read, and the clock recovered from it: the help's
// figure of the line.
QImage figuraLinea(const std::string& bits, codigos::Codigo c, double perdidaDb);

// One line as a question shows it, with the clock and no B or V lettered;
// with `verBits`, the bits in their row (when they are the question, not).
QImage figuraPregunta(const LineaDibujada& linea, const std::string& bits, bool verBits);

class DibujoCodigos : public DibujoAmpliable {
    Q_OBJECT
public:
    explicit DibujoCodigos(QWidget* parent = nullptr);

    // The scrolling frame that holds the drawing: the drawing grows to fill
    // its view, and while the frame has the keyboard focus a dotted frame
    // shows around the view, as on the main window's drawing area.
    void mostrarEn(QScrollArea* marco);
    void ponerLineas(std::vector<LineaDibujada> lineas, const std::string& bits);
    // The recovered clock under the clock, or none.
    void ponerReloj(std::optional<RelojDibujado> reloj);
    void ponerZoom(double zoom);
    const std::vector<LineaDibujada>& lineas() const { return lineas_; }
    const std::optional<RelojDibujado>& reloj() const { return reloj_; }
    // A question's drawing: the bits' row and the B and V letters can be
    // left out, so that the picture does not give the answer away.
    void ocultarRespuesta(bool bits, bool letras);

    // The middle of one half-bit of a drawn line, in this widget.
    QPoint centroDe(int linea, int bit, int mitad) const;

signals:
    void mitadPulsada(int linea, int bit, int mitad);

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int cabecera() const;
    int bandasPorLinea() const;
    int arribaDeLinea(int linea) const;
    void ajustarTamano();
    void pintarBanda(QPainter& p, int arriba, const LineaDibujada* linea, int desde, int hasta) const;
    void pintarRecibida(QPainter& p, int arriba, const LineaDibujada& linea, int desde, int hasta) const;
    void pintarRelojRecuperado(QPainter& p, int arriba, int desde, int hasta) const;
    void pintarMarcas(QPainter& p, int arriba, const std::set<std::pair<int, int>>& mitades, const QColor& color,
                      int desde, int hasta) const;
    void pintarCabecera(QPainter& p, int arriba, int desde, int hasta) const;
    void pintarNombres(QPainter& p, int izquierda, int arribaCabecera) const;
    void pintarEscala(QPainter& p, int izquierda, int centro, codigos::Codigo c) const;
    void pintarLetras(QPainter& p, int arriba, const LineaDibujada& linea, int desde, int hasta) const;

    std::vector<LineaDibujada> lineas_;
    std::optional<RelojDibujado> reloj_;
    QScrollArea* marco_ = nullptr;
    std::string bits_;
    bool verBits_ = true;
    bool verLetras_ = true;
    // Recomputed by ajustarTamano(): the geometry at this zoom and view.
    int medioBit_ = 0;
    int banda_ = 0;
    int alturaPulso_ = 0;
    int margen_ = 0;
};

} // namespace laboratorio
