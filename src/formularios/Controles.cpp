// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Controles.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace formularios {

CuadroImagen::CuadroImagen(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBordeImagen);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

void CuadroImagen::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    const int borde = frameWidth();
    if (!hasFocus() || borde == 0) return;
    // The border itself takes the focus color: the picture inside stays whole.
    QPainter p(this);
    QRegion marco(rect());
    p.setClipRegion(marco.subtracted(contentsRect()));
    p.fillRect(rect(), palette().color(QPalette::Highlight));
}

void CuadroImagen::focusInEvent(QFocusEvent* e)
{
    QFrame::focusInEvent(e);
    update();
}

void CuadroImagen::focusOutEvent(QFocusEvent* e)
{
    QFrame::focusOutEvent(e);
    update();
}

EtiquetaPulsable::EtiquetaPulsable(QWidget* parent) : QLabel(parent)
{
    // The hot spot of the platform's hand is the raised fingertip.
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void EtiquetaPulsable::keyPressEvent(QKeyEvent* e)
{
    const bool pulsa = e->modifiers() == Qt::NoModifier &&
                       (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
    if (!pulsa) return QLabel::keyPressEvent(e);
    e->accept();
    emit clicked();
}

void EtiquetaPulsable::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect foco;
    foco.initFrom(this);
    foco.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &foco, &p, this);
}

void EtiquetaPulsable::mousePressEvent(QMouseEvent* e)
{
    pulsado_ = e->button() == Qt::LeftButton;
    e->accept();
}

void EtiquetaPulsable::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pulsado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsado_ = false;
    e->accept();
    if (click) emit clicked();
}

void EtiquetaPulsable::mouseDoubleClickEvent(QMouseEvent* e)
{
    pulsado_ = false;
    e->accept();
}

Desplegable::Desplegable(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { lineEdit()->setCursorPosition(0); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &Desplegable::olvidarEleccion);
    connect(model(), &QAbstractItemModel::rowsInserted, this, &Desplegable::ajustarLista);
}

void Desplegable::olvidarEleccion()
{
    if (currentIndex() < 0) return;
    const QString texto = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    setCurrentIndex(-1); // which empties the edit field
    lineEdit()->setText(texto);
    lineEdit()->setCursorPosition(cursor);
}

void Desplegable::ajustarLista()
{
    int ancho = 0;
    for (int i = 0; i < count(); ++i) {
        QString visible = itemText(i);
        while (visible.endsWith(QLatin1Char(' '))) visible.chop(1);
        ancho = std::max(ancho, view()->fontMetrics().horizontalAdvance(visible));
    }
    const int margenes = 2 * view()->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                         2 * view()->fontMetrics().averageCharWidth();
    view()->setMinimumWidth(ancho + margenes);
}

Deslizador::Deslizador(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QAbstractSlider::actionTriggered, this, &Deslizador::alMover);
}

void Deslizador::alMover(int /*accion*/)
{
    // The action has already moved the slider position but not the value;
    // commit the value now so that the handler reads the new one.
    setValue(sliderPosition());
    emit desplazado();
}

} // namespace formularios
