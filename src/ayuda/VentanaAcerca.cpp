// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/VentanaAcerca.h"

#include "ayuda/DisenoAcerca.h"
#include "dibujo/Dibujos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtMath>
#include <QVBoxLayout>

namespace ayuda {

namespace {
// How wide the about text's lines run, as they always did, in twips.
constexpr int kAnchoTexto = 2655;
} // namespace

VentanaAcerca::VentanaAcerca() : Formulario(disenoAcerca())
{
    auto* imagen = new QLabel(controles().buscar<formularios::CuadroImagen>("Picture1"));
    imagen->setObjectName(QStringLiteral("imagenAcerca"));
    disponer();
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

// The picture and the course on the left, in their frame; the text, the
// subject, the authors and "Aceptar" on the right.
void VentanaAcerca::disponer()
{
    const auto& c = controles();
    auto* caja = c.buscar<formularios::CuadroImagen>("Picture1");
    auto* dentroCaja = new QVBoxLayout(caja);
    dentroCaja->setContentsMargins(0, 0, 0, 0);
    dentroCaja->addWidget(caja->findChild<QLabel*>(QStringLiteral("imagenAcerca")));
    auto* marco = c.buscar<QGroupBox>("Frame1");
    auto* izquierda = new QVBoxLayout(marco);
    izquierda->addWidget(caja, 0, Qt::AlignHCenter);
    izquierda->addWidget(c.buscar<QLabel>("Label2"));
    izquierda->addStretch();
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(c.buscar<QTextEdit>("Text1"));
    for (const char* nombre : {"Label3", "Label1"}) {
        auto* rotulo = c.buscar<QLabel>(nombre);
        rotulo->setWordWrap(true);
        derecha->addWidget(rotulo);
    }
    derecha->addStretch();
    derecha->addWidget(c.buscar<QPushButton>("Command1"), 0, Qt::AlignRight);
    auto* todo = new QHBoxLayout(cliente());
    todo->addWidget(marco);
    todo->addLayout(derecha, 1);
}

// The picture drawn at the zoom; the about text's box as tall as its lines
// at the width they always had, so that it never scrolls.
void VentanaAcerca::alCambiarZoom()
{
    auto* imagen = findChild<QLabel*>(QStringLiteral("imagenAcerca"));
    imagen->setPixmap(QPixmap::fromImage(dibujo::imagenAcercaDe(formularios::Zoom::actual().factor())));
    imagen->setFixedSize(imagen->pixmap().deviceIndependentSize().toSize());
    auto* texto = controles().buscar<QTextEdit>("Text1");
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    texto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int ancho = formularios::Zoom::actual().aPixeles(kAnchoTexto);
    const int borde = 2 * texto->frameWidth();
    texto->document()->setDefaultFont(texto->font());
    texto->document()->setTextWidth(ancho - borde);
    texto->setFixedSize(ancho, qCeil(texto->document()->size().height()) + borde);
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
