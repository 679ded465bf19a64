// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The laboratory's drawing: the clock and each chosen code stacked one
// above the other, as wide as the bit string needs (it lives in a scrolling
// frame). Slots where the receiver finds a violation are shaded, injected
// errors are marked, and a click on a half-bit is reported to the window.

#include "linecode/Errores.h"

#include <QWidget>

#include <set>
#include <utility>
#include <vector>

namespace laboratorio {

struct LineaDibujada {
    linecode::Codigo codigo;
    std::vector<linecode::Paso> pasos;
    std::vector<linecode::Violacion> violaciones;
    std::set<std::pair<int, int>> errores; // injected errors: (bit, half)
};

// The colour each code is drawn in, on black.
QColor colorCodigo(linecode::Codigo c);

// The clock and the codes of a bit string as the laboratory draws them at
// 100 %: the figures of the help document.
QImage figuraCodigos(const std::string& bits, const std::vector<linecode::Codigo>& codigos);

class DibujoCodigos : public QWidget {
    Q_OBJECT
public:
    explicit DibujoCodigos(QWidget* parent = nullptr);

    // The scrolling frame that holds the drawing: while it has the keyboard
    // focus a dotted frame shows around the view, as on the main window's
    // drawing area.
    void mostrarFocoDe(QWidget* marco);
    void ponerLineas(std::vector<LineaDibujada> lineas, int bits);
    void ponerZoom(double zoom);
    const std::vector<LineaDibujada>& lineas() const { return lineas_; }

    // The middle of one half-bit of a drawn line, in this widget.
    QPoint centroDe(int linea, int bit, int mitad) const;

signals:
    void mitadPulsada(int linea, int bit, int mitad);

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int px(int disenio) const;
    int medioBit() const;
    int banda() const;
    int margen() const;
    void ajustarTamano();
    void pintarBanda(QPainter& p, int banda, const LineaDibujada* linea, int desde, int hasta) const;

    std::vector<LineaDibujada> lineas_;
    QWidget* marco_ = nullptr;
    int bits_ = 0;
    double zoom_ = 1.0;
};

} // namespace laboratorio
