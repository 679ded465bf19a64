// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Zoom.h"

#include "formatos/Twips.h"
#include "formularios/Ajustes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace formularios {

namespace {
// A title bar and borders as common desktops draw them.
const QMargins kMarcoSupuesto(4, 30, 4, 4);
} // namespace

QMargins margenesDeMarco(const QWidget* ventana)
{
    const QWindow* w = ventana->windowHandle();
    const QMargins real = w ? w->frameMargins() : QMargins();
    return real.isNull() && QGuiApplication::platformName() != QLatin1String("offscreen") ? kMarcoSupuesto : real;
}

QRect zonaLibre(const QWidget* ventana)
{
    const QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    return pantalla ? pantalla->availableGeometry() : QRect();
}

Zoom& Zoom::actual()
{
    static Zoom zoom;
    return zoom;
}

Zoom::Zoom()
{
    const double guardado = Ajustes().value(kClaveZoom, 1.0).toDouble();
    for (int i = 0; i < int(kPasosZoom.size()); ++i)
        if (qFuzzyCompare(kPasosZoom[size_t(i)], guardado)) paso_ = i;
}

int Zoom::aPixeles(int twips) const { return qRound(twips * factor() / formatos::kTwipsPorPixel); }

void Zoom::vigilar(QWidget* ventana)
{
    // Windows closed since are gone from the list.
    fijas_.erase(std::remove(fijas_.begin(), fijas_.end(), nullptr), fijas_.end());
    fijas_.emplace_back(ventana);
    // The saved zoom stays as the teacher left it, for a larger screen.
    if (paso_ > pasoMaximo()) ponerPaso(pasoMaximo(), false);
}

// Everything in a fixed window scales with the zoom, so its size at another
// step is its size now in proportion.
int Zoom::pasoMaximo() const
{
    int maximo = int(kPasosZoom.size()) - 1;
    for (const QPointer<QWidget>& v : fijas_) {
        if (!v) continue;
        const QSize ahora = v->size();
        const QMargins marco = margenesDeMarco(v);
        const QSize libre = zonaLibre(v).size();
        while (maximo > 0) {
            const double escala = kPasosZoom[size_t(maximo)] / factor();
            const QSize con(qCeil(ahora.width() * escala) + marco.left() + marco.right(),
                            qCeil(ahora.height() * escala) + marco.top() + marco.bottom());
            if (con.width() <= libre.width() && con.height() <= libre.height()) break;
            --maximo;
        }
    }
    return maximo;
}

void Zoom::ponerPaso(int paso, bool guardar)
{
    paso = qBound(0, paso, pasoMaximo());
    if (paso == paso_) return;
    paso_ = paso;
    if (guardar) Ajustes().setValue(kClaveZoom, factor());
    emit cambiado();
}

} // namespace formularios
