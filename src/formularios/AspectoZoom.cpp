// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/AspectoZoom.h"

#include "formularios/Zoom.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>

namespace formularios {

namespace {

// The platform's style with its marks grown by the zoom.
class EstiloConZoom : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric m, const QStyleOption* opcion, const QWidget* w) const override
    {
        const int base = QProxyStyle::pixelMetric(m, opcion, w);
        switch (m) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_SmallIconSize:
        case PM_MenuButtonIndicator: return qRound(base * Zoom::actual().factor());
        default: return base;
        }
    }
};

void ponerLetra(const QFont& base)
{
    QFont f = base;
    if (base.pixelSize() > 0)
        f.setPixelSize(qRound(base.pixelSize() * Zoom::actual().factor()));
    else
        f.setPointSizeF(base.pointSizeF() * Zoom::actual().factor());
    QApplication::setFont(f);
}

} // namespace

void seguirZoomEnQt()
{
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    QApplication::setStyle(new EstiloConZoom(QApplication::style()->name()));
    static const QFont base = QApplication::font();
    ponerLetra(base);
    QObject::connect(&Zoom::actual(), &Zoom::cambiado, qApp, [] { ponerLetra(base); });
}

} // namespace formularios
