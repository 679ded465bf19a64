// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/TeclasPrevias.h"

#include <QApplication>
#include <QKeyEvent>

namespace formularios {

TeclasPrevias::TeclasPrevias(QWidget* ventana, Handler handler)
    : QObject(ventana), ventana_(ventana), handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

TeclasPrevias::~TeclasPrevias() { qApp->removeEventFilter(this); }

namespace {

// The character a key carries as the window system's keyboard gives it:
// Alt and Super combinations are commands, not characters, and Delete
// carries none (X11 sends it as the control code 127).
QString caracterDe(const QKeyEvent& tecla)
{
    constexpr char16_t kSuprimir = 0x7F;
    if (tecla.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return {};
    if (tecla.key() == Qt::Key_Tab || tecla.key() == Qt::Key_Backtab) return {}; // focus navigation
    const QString texto = tecla.text();
    if (texto.isEmpty() || texto.at(0).unicode() == kSuprimir) return {};
    return texto;
}

} // namespace

bool TeclasPrevias::eventFilter(QObject* watched, QEvent* event)
{
    if (!activo_ || event->type() != QEvent::KeyPress || !ventana_) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != ventana_) return false;
    // A disabled window takes no input at all: Qt would drop the key, and
    // so must the preview, or the hidden number of an exercise could be
    // typed over.
    if (!ventana_->isEnabled() || !w->isEnabled()) return false;
    // A key that the focused control ignores travels up to its parents; only
    // its first delivery, to the window's focus widget (or the window itself
    // when nothing has the focus), is previewed.
    QWidget* foco = ventana_->focusWidget();
    if (w != (foco ? foco : ventana_.data())) return false;

    const QString texto = caracterDe(*static_cast<QKeyEvent*>(event));
    if (texto.isEmpty()) return false;
    return handler_(static_cast<qint16>(texto.at(0).unicode()));
}

} // namespace formularios
