// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/DisposicionFluida.h"

#include <QStyle>
#include <QWidget>

namespace formularios {

DisposicionFluida::DisposicionFluida(QWidget* padre) : QLayout(padre) {}

DisposicionFluida::~DisposicionFluida()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void DisposicionFluida::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* DisposicionFluida::takeAt(int i) { return i >= 0 && i < items_.size() ? items_.takeAt(i) : nullptr; }

// As narrow as its widest item, each then on a row of its own.
QSize DisposicionFluida::minimumSize() const
{
    QSize r;
    for (const QLayoutItem* item : items_) r = r.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return r.grownBy(m);
}

// All on one row.
QSize DisposicionFluida::sizeHint() const
{
    int ancho = 0, alto = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        ancho += item->sizeHint().width() + (ancho ? hueco() : 0);
        alto = qMax(alto, item->sizeHint().height());
    }
    return QSize(ancho, alto).grownBy(contentsMargins());
}

// The space the style puts between buttons, unless one was set.
int DisposicionFluida::hueco() const
{
    if (spacing() >= 0) return spacing();
    const QWidget* w = parentWidget();
    return w ? qMax(0, w->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, w)) : 0;
}

void DisposicionFluida::setGeometry(const QRect& r)
{
    QLayout::setGeometry(r);
    colocar(r, true);
}

int DisposicionFluida::colocar(const QRect& r, bool mover) const
{
    const QRect dentro = r.marginsRemoved(contentsMargins());
    const int hueco = this->hueco();
    int x = dentro.x(), y = dentro.y(), altoFila = 0;
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue; // a hidden button leaves no gap
        const QSize tamano = item->sizeHint().boundedTo(QSize(dentro.width(), QWIDGETSIZE_MAX));
        if (x > dentro.x() && x + tamano.width() > dentro.right() + 1) {
            x = dentro.x();
            y += altoFila + hueco;
            altoFila = 0;
        }
        if (mover) item->setGeometry(QRect(QPoint(x, y), tamano));
        x += tamano.width() + hueco;
        altoFila = qMax(altoFila, tamano.height());
    }
    return y + altoFila - r.y() + contentsMargins().bottom();
}

} // namespace formularios
