#include "forms/Controls.h"

#include <QMouseEvent>

namespace forms {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBordeImagen);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    // The hot spot of the platform's hand is the raised fingertip.
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    pulsado_ = e->button() == Qt::LeftButton;
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pulsado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsado_ = false;
    e->accept();
    if (click) emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    pulsado_ = false;
    e->accept();
}

Slider::Slider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QAbstractSlider::actionTriggered, this, &Slider::alMover);
}

void Slider::alMover(int /*accion*/)
{
    // The action has already moved the slider position but not the value;
    // commit the value now so that the handler reads the new one.
    setValue(sliderPosition());
    emit scrolled();
}

} // namespace forms
