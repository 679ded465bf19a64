// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/VentanaAcerca.h"

#include "ayuda/DisenoAcerca.h"
#include "dibujo/Dibujos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace ayuda {

namespace {

// The about text wraps in its narrow box as it always did; the window font
// here is a little wider than the design's, so the letters shrink (never
// below legible) until every line shows without scrolling.
void ajustarLetra(QTextEdit* texto)
{
    constexpr int kPixelesMinimos = 8;
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont f = texto->font();
    // The box's inside; its viewport is laid out only once the window shows.
    const QSize dentro = texto->contentsRect().size();
    for (int px = f.pixelSize(); px >= kPixelesMinimos; --px) {
        f.setPixelSize(px);
        texto->document()->setDefaultFont(f);
        texto->document()->setTextWidth(dentro.width());
        if (texto->document()->size().height() <= dentro.height()) return;
    }
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace

VentanaAcerca::VentanaAcerca() : Formulario(disenoAcerca())
{
    auto* imagen = new QLabel(controles().buscar<formularios::CuadroImagen>("Picture1"));
    imagen->setObjectName(QStringLiteral("imagenAcerca"));
    alCambiarIdioma();
    // The text box's background is the color of an active window border.
    auto* texto = controles().buscar<QTextEdit>("Text1");
    QPalette p = texto->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    texto->setPalette(p);
    alCambiarZoom();
    move(kAcercaX, kAcercaY);
    auto* aceptar = controles().buscar<QPushButton>("Command1");
    connect(aceptar, &QPushButton::clicked, this, &VentanaAcerca::aceptar);
    // The window is read and closed: the keyboard starts on "Aceptar", where
    // Enter or Space closes it.
    aceptar->setAutoDefault(true);
    aceptar->setFocus(Qt::OtherFocusReason);
}

// The picture, drawn at the zoom, in a box sized to it plus its border; the
// about text's letters fitted to its box again.
void VentanaAcerca::alCambiarZoom()
{
    auto* caja = controles().buscar<formularios::CuadroImagen>("Picture1");
    auto* imagen = caja->findChild<QLabel*>(QStringLiteral("imagenAcerca"));
    imagen->setPixmap(QPixmap::fromImage(dibujo::imagenAcercaDe(formularios::Zoom::actual().factor())));
    const QRect dentro = caja->contentsRect();
    imagen->setGeometry(QRect(dentro.topLeft(), imagen->pixmap().size()));
    caja->resize(imagen->width() + caja->width() - dentro.width(), imagen->height() + caja->height() - dentro.height());
    ajustarLetra(controles().buscar<QTextEdit>("Text1"));
}

void VentanaAcerca::alCambiarIdioma()
{
    auto* imagen = findChild<QLabel*>(QStringLiteral("imagenAcerca"));
    imagen->setAccessibleName(tr("Dibujo de Tramavox"));
    imagen->setAccessibleDescription(
        tr("Las señales de reloj, NRZ, RZ, AMI y HDB3 de un número, como las dibuja el programa"));
    // The picture's words and the text's length are the language's.
    alCambiarZoom();
}

void VentanaAcerca::aceptar()
{
    hide();
    emit redibujar();
}

bool VentanaAcerca::alCerrar()
{
    aceptar();
    return true;
}

} // namespace ayuda
