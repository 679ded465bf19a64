// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few controls whose behaviour Qt's own widgets do not give as the
// windows need it.

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSlider>

namespace formularios {

// The width of a picture box's sunken border, in pixels.
constexpr int kBordeImagen = 2;

// A black box with a sunken border; its children are placed from the inner
// corner, inside the border, like the drawing coordinates.
class CuadroImagen : public QFrame {
    Q_OBJECT
public:
    explicit CuadroImagen(QWidget* parent = nullptr);
    // Where a child's twips position is measured from.
    QPoint origen() const { return contentsRect().topLeft(); }

protected:
    // With the keyboard focus the border shows in the focus color.
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// A label that reports a click (button released over it), as the trace
// labels beside the drawing area do. It takes the keyboard focus, shown by
// the style's focus frame, where Space or Enter click it.
class EtiquetaPulsable : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaPulsable(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // A double click is one click: its second press must not click again.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool pulsado_ = false;
};

// A typed text with a drop-down list, as the windows' designs mean it. What
// is typed stays exactly as typed (no completion from the list, no case
// folding), and typing leaves no item chosen while keeping the text; the
// list may hold the same text twice; a chosen item shows from its first
// character; the list is as wide as its longest item, wider than the box
// if need be.
class Desplegable : public QComboBox {
    Q_OBJECT
public:
    explicit Desplegable(QWidget* parent = nullptr);

private:
    void olvidarEleccion();
    void ajustarLista();
};

// A slider that tells apart the user's moves from values set by the program:
// `desplazado` comes once per user move (drag, click on the track, arrow keys,
// Page Up/Down, wheel), with the value already at its new position, even when
// the move leaves the value where it was; setValue raises nothing.
class Deslizador : public QSlider {
    Q_OBJECT
public:
    explicit Deslizador(QWidget* parent = nullptr);

signals:
    void desplazado();

private:
    void alMover(int accion);
};

} // namespace formularios
