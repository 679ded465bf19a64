// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Formulario.h"

#include "dibujo/Dibujos.h"
#include "forms/KeyPreview.h"
#include "forms/Zoom.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QShortcut>
#include <QMenuBar>

namespace forms {

Formulario::Formulario(const FormDef& def, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(def.nombre);
    setWindowTitle(def.titulo);
    setAttribute(Qt::WA_DeleteOnClose);
    static const QIcon icono = dibujo::iconoPrograma();
    setWindowIcon(icono);
    auto* cliente = new QWidget(this);
    cliente->setObjectName(def.nombre + QStringLiteral("_cliente"));
    setCentralWidget(cliente);
    controles_ = FormBuilder::construir(def, cliente, def.menus.empty() ? nullptr : menuBar());
    setFont(cliente->font());
    if (controles_.primerFoco) controles_.primerFoco->setFocus();
    // Fixed single border: the window keeps the size of its design.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (def.vistaPreviaTeclas)
        vistaPrevia_ = new KeyPreview(this, [this](int codigo) { return Form_KeyPress(codigo); });
    if (def.cierraConEsc) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(esc, &QShortcut::activated, this, &QWidget::close);
    }
    // The main window has these keys in its menu.
    if (def.menus.empty()) teclasDelPrograma();
    connect(&Zoom::actual(), &Zoom::cambiado, this, &Formulario::aplicarZoom);
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
}

namespace {
std::function<void()>& accionAyuda()
{
    static std::function<void()> accion;
    return accion;
}
} // namespace

void Formulario::ponerAyuda(std::function<void()> mostrarAyuda)
{
    accionAyuda() = std::move(mostrarAyuda);
}

// The zoom and the help work from every window, also while an exercise
// keeps the main window and its menu disabled.
void Formulario::teclasDelPrograma()
{
    const auto alPulsar = [this](const QString& teclas, const std::function<void()>& accion) {
        for (const QKeySequence& k : QKeySequence::listFromString(teclas))
            connect(new QShortcut(k, this), &QShortcut::activated, this, accion);
    };
    Zoom& zoom = Zoom::actual();
    alPulsar(kTeclasAmpliar, [&zoom] { zoom.ampliar(); });
    alPulsar(kTeclasReducir, [&zoom] { zoom.reducir(); });
    alPulsar(kTeclasNormal, [&zoom] { zoom.normal(); });
    alPulsar(kTeclasAyuda, [] {
        if (accionAyuda()) accionAyuda()();
    });
}

void Formulario::aplicarZoom()
{
    FormBuilder::escalar(centralWidget());
    setFont(centralWidget()->font());
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
    alCambiarZoom();
    adjustSize();
}

void Formulario::closeEvent(QCloseEvent* e)
{
    // A disabled window takes no input, its title bar's close button
    // included; the program itself can still close it.
    if (e->spontaneous() && !isEnabled()) {
        e->ignore();
        return;
    }
    int cancelar = 0;
    Form_Unload(cancelar);
    if (cancelar != 0) {
        e->ignore();
        return;
    }
    descargado_ = true;
    e->accept();
}

} // namespace forms
