// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/Dibujos.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace dibujo {

namespace {

const QColor kAmarilloTelefono(240, 200, 30);
const QColor kGrisBase(150, 150, 155);
const QColor kRojoLuz(220, 30, 30);

void dibujarTelefono(QPainter& p)
{
    // Drawn on a 32 x 32 grid and scaled by the caller.
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(kGrisBase);
    p.drawRoundedRect(QRectF(2, 20, 28, 10), 2, 2); // base
    p.setBrush(kRojoLuz);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QRectF(5 + i * 5, 26, 2.6, 2.6)); // lights
    p.setBrush(kAmarilloTelefono);
    QPainterPath cuerpo;
    cuerpo.moveTo(5, 21);
    cuerpo.lineTo(9, 11);
    cuerpo.lineTo(23, 11);
    cuerpo.lineTo(27, 21);
    cuerpo.closeSubpath();
    p.drawPath(cuerpo);
    p.drawRoundedRect(QRectF(3, 4, 26, 6), 3, 3); // handset
    p.setBrush(QColor(255, 240, 170));
    for (int fila = 0; fila < 2; ++fila) // push buttons
        for (int col = 0; col < 3; ++col) p.drawRect(QRectF(11.5 + col * 3.5, 13 + fila * 3.5, 2.4, 2.4));
}

void dibujarBanco(QPainter& p, int x, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 85, 50));
    p.drawRect(x, y, 90, 8); // bench top
    p.drawRect(x + 4, y + 8, 4, 20);
    p.drawRect(x + 82, y + 8, 4, 20);
    // An oscilloscope with a trace, and a telephone.
    p.setBrush(QColor(70, 75, 80));
    p.drawRect(x + 8, y - 22, 30, 22);
    p.setBrush(QColor(20, 60, 30));
    p.drawRect(x + 11, y - 19, 18, 14);
    p.setPen(QPen(QColor(120, 255, 120), 1));
    p.drawPolyline(QPolygon({{x + 12, y - 9},
                             {x + 15, y - 9},
                             {x + 15, y - 15},
                             {x + 19, y - 15},
                             {x + 19, y - 9},
                             {x + 23, y - 9},
                             {x + 23, y - 15},
                             {x + 28, y - 15}}));
    p.save();
    p.translate(x + 50, y - 14);
    p.scale(0.5, 0.5);
    dibujarTelefono(p);
    p.restore();
}

void dibujarAlumno(QPainter& p, int x, int y, const QColor& ropa)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ropa);
    p.drawRoundedRect(x - 9, y + 10, 18, 26, 6, 6); // body
    p.setBrush(QColor(230, 185, 150));
    p.drawEllipse(QPoint(x, y + 4), 7, 7); // head
    p.setBrush(QColor(70, 45, 30));
    p.drawChord(QRect(x - 7, y - 3, 14, 12), 0, 180 * 16); // hair
}

void dibujarTitulo(QPainter& p, const QRect& zona)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(21);
    p.setFont(f);
    // The course's name, in two lines.
    const QStringList lineas = QCoreApplication::translate("dibujo", "Sistemas de\nTelefonía").split(QLatin1Char('\n'));
    const QList<QColor> colores{QColor(40, 200, 40), QColor(255, 225, 0)};
    for (int i = 0; i < lineas.size(); ++i) {
        const QRect r(zona.x(), zona.y() + i * 24, zona.width(), 26);
        QPainterPath texto;
        texto.addText(QPointF(0, 0), f, lineas[i]);
        const QRectF caja = texto.boundingRect();
        texto.translate(r.center().x() - caja.center().x(), r.center().y() - caja.center().y());
        p.setPen(QPen(QColor(20, 40, 20), 1.2));
        p.setBrush(colores[i]);
        p.drawPath(texto);
    }
}

} // namespace

QImage dibujarIcono(int lado)
{
    QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 32.0, lado / 32.0);
    dibujarTelefono(p);
    return img;
}

QByteArray iconoSvg()
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generador;
    generador.setOutputDevice(&svg);
    generador.setSize(QSize(32, 32));
    generador.setViewBox(QRect(0, 0, 32, 32));
    generador.setTitle(QStringLiteral("Tramavox"));
    QPainter p(&generador);
    p.setRenderHint(QPainter::Antialiasing);
    dibujarTelefono(p);
    p.end();
    return svg.data();
}

QIcon iconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128}) icono.addPixmap(QPixmap::fromImage(dibujarIcono(lado)));
    return icono;
}

QImage imagenAcercaDe(double escala)
{
    QImage img(qRound(200 * escala), qRound(116 * escala), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    QLinearGradient pared(0, 0, 0, 116);
    pared.setColorAt(0, QColor(200, 215, 225));
    pared.setColorAt(1, QColor(150, 160, 170));
    p.fillRect(img.rect(), pared);
    p.fillRect(QRect(0, 92, 200, 24), QColor(110, 100, 95)); // floor
    dibujarAlumno(p, 84, 48, QColor(40, 90, 170));
    dibujarAlumno(p, 186, 50, QColor(170, 50, 60));
    dibujarBanco(p, 4, 78);
    dibujarBanco(p, 106, 80);
    dibujarTitulo(p, QRect(0, 4, 200, 50));
    return img;
}

} // namespace dibujo
