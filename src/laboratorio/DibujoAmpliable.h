// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing of the laboratory designed in pixels at 100 % and drawn at the
// program's zoom: its sizes go through px().

#include <QWidget>

namespace laboratorio {

// A picture named as the box that holds it, for screen readers and tests.
inline void comoSuCaja(QWidget* dibujo, const char* nombre, const QWidget* caja)
{
    dibujo->setObjectName(QLatin1String(nombre));
    dibujo->setAccessibleName(caja->accessibleName());
    dibujo->setAccessibleDescription(caja->accessibleDescription());
}

class DibujoAmpliable : public QWidget {
public:
    using QWidget::QWidget;

protected:
    int px(int disenio) const { return qRound(disenio * zoom_); }
    // Traces two device pixels wide from 200 %, for the projector.
    bool trazoGrueso() const { return zoom_ >= 2.0; }
    void guardarZoom(double zoom) { zoom_ = zoom; }

private:
    double zoom_ = 1.0;
};

} // namespace laboratorio
