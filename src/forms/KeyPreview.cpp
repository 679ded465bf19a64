#include "forms/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>

namespace forms {

KeyPreview::KeyPreview(QWidget* ventana, Handler handler)
    : QObject(ventana), ventana_(ventana), handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (!activo_ || event->type() != QEvent::KeyPress || !ventana_) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != ventana_) return false;
    // A key that the focused control ignores travels up to its parents; only
    // its first delivery, to the focused control (or the window itself when
    // nothing has the focus), is previewed.
    QWidget* foco = QApplication::focusWidget();
    if (w != (foco && foco->window() == ventana_ ? foco : ventana_.data())) return false;

    auto* tecla = static_cast<QKeyEvent*>(event);
    if (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) return false;
    const QString texto = tecla->text();
    if (texto.isEmpty()) return false;
    handler_(static_cast<qint16>(texto.at(0).unicode()));
    return false;
}

} // namespace forms
