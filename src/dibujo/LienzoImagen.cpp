// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/LienzoImagen.h"

#include "dibujo/Color.h"
#include "formatos/Twips.h"

#include <QPainter>

#include <algorithm>

namespace dibujo {

LienzoImagen::LienzoImagen(int anchoExteriorTwips, int altoExteriorTwips, codigos::Color fondo)
    : Lienzo(anchoExteriorTwips, altoExteriorTwips), fondo_(qColor(fondo).rgb())
{
}

void LienzoImagen::redimensionar(QSize interior, qreal dpr, double zoom)
{
    const QSize dispositivo(qRound(interior.width() * dpr), qRound(interior.height() * dpr));
    const qreal porPixel = dpr * zoom; // device pixels per design pixel
    if (imagen_.size() == dispositivo && imagen_.devicePixelRatio() == dpr &&
        escala_ == porPixel / formatos::kTwipsPorPixel)
        return;
    imagen_ = QImage(dispositivo, QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(dpr);
    escala_ = porPixel / formatos::kTwipsPorPixel;
    dprEntero_ = porPixel == qRound(porPixel) ? qRound(porPixel) : 0;
    grosor_ = zoom >= 2.0 ? 2 : 1;
    ultimo_ = {-1, -1};
    rellenarFondo();
}

const QImage& LienzoImagen::imagen() { return imagen_; }

void LienzoImagen::rellenarFondo()
{
    imagen_.fill(fondo_);
    bits_ = imagen_.bits();
    bytesPorLinea_ = imagen_.bytesPerLine();
    anchoPx_ = imagen_.width();
    altoPx_ = imagen_.height();
}

int LienzoImagen::aDispositivo(float twips) const
{
    // The plotter's coordinates are whole twips and the pixel ratio is
    // usually whole too: then integer arithmetic floors exactly.
    const int t = static_cast<int>(twips);
    if (dprEntero_ > 0 && t >= 0 && static_cast<float>(t) == twips) return t * dprEntero_ / formatos::kTwipsPorPixel;
    const double px = twips * escala_;
    const int entero = static_cast<int>(px);
    return entero > px ? entero - 1 : entero;
}

QPoint LienzoImagen::aDispositivo(codigos::Punto p)
{
    if (!(p == ultimo_)) {
        ultimo_ = p;
        ultimoPx_ = QPoint(aDispositivo(p.x), aDispositivo(p.y));
    }
    return ultimoPx_;
}

void LienzoImagen::rellenar(codigos::Punto desde, codigos::Punto hasta, codigos::Color color)
{
    if (!bits_) return;
    const QRect r = QRect(QPoint(aDispositivo(desde.x), aDispositivo(desde.y)),
                          QPoint(aDispositivo(hasta.x) - 1, aDispositivo(hasta.y) - 1))
                        .normalized()
                        .intersected(QRect(0, 0, anchoPx_, altoPx_));
    const QRgb rgb = qColor(color).rgb();
    for (int fila = r.top(); fila <= r.bottom(); ++fila) {
        auto* p = reinterpret_cast<QRgb*>(bits_ + fila * bytesPorLinea_);
        std::fill(p + r.left(), p + r.right() + 1, rgb);
    }
}

// The plotter draws only horizontal and vertical lines, so those are written
// straight into the scan lines; clipping to the image is the picture box's
// own clipping to its inner area.
void LienzoImagen::dibujarSegmento(codigos::Punto desde, codigos::Punto hasta, codigos::Color color)
{
    if (!bits_) return;
    if (color != ultimoColor_) {
        ultimoColor_ = color;
        ultimoRgb_ = qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    }
    const QRgb rgb = ultimoRgb_;
    // The start is usually the last line's end, kept converted; the end is
    // kept for the next line.
    const QPoint a = aDispositivo(desde);
    const QPoint b = desde == hasta ? a : QPoint(aDispositivo(hasta.x), aDispositivo(hasta.y));
    ultimo_ = hasta;
    ultimoPx_ = b;
    const int x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    if (y1 == y2) {
        horizontal(y1, x1, x2, rgb);
    } else if (x1 == x2) {
        vertical(x1, y1, y2, rgb);
    } else {
        diagonal(desde, hasta, rgb);
    }
}

// A line `grosor_` pixels thick grows down from a horizontal line and right
// from a vertical one, so that corners stay closed.
void LienzoImagen::horizontal(int y, int x1, int x2, QRgb color)
{
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2 + grosor_ - 1, anchoPx_ - 1);
    if (x1 > x2) return;
    for (int fila = std::max(y, 0); fila < std::min(y + grosor_, altoPx_); ++fila) {
        auto* p = reinterpret_cast<QRgb*>(bits_ + fila * bytesPorLinea_);
        for (QRgb* q = p + x1; q <= p + x2; ++q) *q = color; // a few pixels: no call
    }
}

void LienzoImagen::vertical(int x, int y1, int y2, QRgb color)
{
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, altoPx_ - 1);
    for (int columna = std::max(x, 0); columna < std::min(x + grosor_, anchoPx_); ++columna) {
        uchar* p = bits_ + y1 * bytesPorLinea_ + columna * qsizetype(sizeof(QRgb));
        for (int n = y2 - y1 + 1; n > 0; --n, p += bytesPorLinea_) *reinterpret_cast<QRgb*>(p) = color;
    }
}

void LienzoImagen::diagonal(codigos::Punto desde, codigos::Punto hasta, QRgb color)
{
    QPainter p(&imagen_);
    bits_ = imagen_.bits(); // the painter may have detached the image
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(escala_ / imagen_.devicePixelRatio(), escala_ / imagen_.devicePixelRatio());
    p.setPen(QPen(QColor::fromRgb(color), 0));
    p.drawLine(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y));
}

} // namespace dibujo
