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
        vistaPrevia_ = new KeyPreview(this, [this](int codigo) { Form_KeyPress(codigo); });
    if (def.cierraConEsc) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(esc, &QShortcut::activated, this, &QWidget::close);
    }
    connect(&Zoom::actual(), &Zoom::cambiado, this, &Formulario::aplicarZoom);
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
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
