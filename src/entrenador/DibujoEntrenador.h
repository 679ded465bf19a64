// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer's drawing, painted from the drill: the bits' row (only when
// they are not the question), the clock and one band for the code. Reading,
// the band shows the waveform; drawing, it shows what the student has set,
// half-bit by half-bit, with the cursor, and takes clicks and the arrow
// keys. Once checked or solved, the right line shows over the student's in
// grey, the misread bits or the first wrong half are shaded.

#include "entrenador/Entrenamiento.h"

#include <QWidget>

namespace entrenador {

class DibujoEntrenador : public QWidget {
    Q_OBJECT
public:
    explicit DibujoEntrenador(Entrenamiento& entrenamiento, QWidget* parent = nullptr);

    void ponerZoom(double zoom);
    // The middle of a half-bit of the code's band, in this widget.
    QPoint centroDe(int mitad) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Its words, drawn and read aloud, in the new language.
    void changeEvent(QEvent* e) override;

private:
    int px(int disenio) const { return qRound(disenio * zoom_); }
    void ajustar();
    void pintarLinea(QPainter& p, const std::vector<int>& mitades, int arriba, const QPen& pen) const;
    int y(int arriba, int nivel) const;
    void describir();

    Entrenamiento& e_;
    double zoom_ = 1.0;
};

} // namespace entrenador
