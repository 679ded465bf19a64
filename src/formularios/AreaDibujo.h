// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing area: a picture box showing the image its lienzo holds.
// Every repaint the window system asks for ends in one redraw by the window;
// a paint that only shows a redraw the window has just made asks for none.

#include "dibujo/LienzoImagen.h"
#include "formularios/Controles.h"

#include <functional>

namespace formularios {

class AreaDibujo : public CuadroImagen {
    Q_OBJECT
public:
    AreaDibujo(int anchoTwips, int altoTwips, QWidget* parent = nullptr);

    dibujo::LienzoImagen& lienzo();
    // Shows what the lienzo holds now; called after each redraw.
    void presentar();
    // Called when the window system needs the picture and none is fresh.
    void alExponer(std::function<void()> redibujar) { redibujar_ = std::move(redibujar); }

protected:
    void paintEvent(QPaintEvent* e) override;
    // Taking or losing the focus repaints the focus mark, not the waveforms.
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    dibujo::LienzoImagen lienzo_;
    std::function<void()> redibujar_;
    bool fresco_ = false;
    bool dibujada_ = false; // presented at least once
    bool pintando_ = false;
};

} // namespace formularios
