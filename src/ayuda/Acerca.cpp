// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/Acerca.h"

#include "ayuda/AcercaForm.h"
#include "forms/Controls.h"
#include "dibujo/Dibujos.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

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

Acerca::Acerca() : Formulario(acercaForm())
{
    // The picture box is sized to the picture plus its border.
    auto* caja = ctl().get<forms::PictureBox>("Picture1");
    auto* imagen = new QLabel(caja);
    imagen->setObjectName(QStringLiteral("imagenAcerca"));
    imagen->setPixmap(QPixmap::fromImage(dibujo::imagenAcercaDe()));
    const QRect dentro = caja->contentsRect();
    imagen->setGeometry(QRect(dentro.topLeft(), QSize(200, 116)));
    caja->resize(200 + caja->width() - dentro.width(), 116 + caja->height() - dentro.height());
    // The text box's background is the colour of an active window border.
    auto* texto = ctl().get<QTextEdit>("Text1");
    QPalette p = texto->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    texto->setPalette(p);
    ajustarLetra(texto);
    move(kAcercaX, kAcercaY);
    connect(ctl().get<QPushButton>("Command1"), &QPushButton::clicked, this, &Acerca::Command1_Click);
}

void Acerca::Command1_Click()
{
    hide();
    emit redibujar();
}

void Acerca::Form_Unload(int& cancelar)
{
    cancelar = 0;
    Command1_Click();
}
