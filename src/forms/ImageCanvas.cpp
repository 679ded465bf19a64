#include "forms/ImageCanvas.h"

#include "forms/Colour.h"
#include "forms/FormDef.h"

#include <QPainter>

#include <algorithm>

namespace forms {

ImageCanvas::ImageCanvas(int anchoExteriorTwips, int altoExteriorTwips, linecode::Colour fondo)
    : ancho_(anchoExteriorTwips), alto_(altoExteriorTwips), fondo_(qColor(fondo).rgb())
{
}

void ImageCanvas::redimensionar(QSize interior, qreal dpr)
{
    const QSize dispositivo(qRound(interior.width() * dpr), qRound(interior.height() * dpr));
    if (imagen_.size() == dispositivo && imagen_.devicePixelRatio() == dpr) return;
    imagen_ = QImage(dispositivo, QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(dpr);
    escala_ = dpr / kTwipsPorPixel;
    fill();
}

const QImage& ImageCanvas::imagen()
{
    return imagen_;
}

void ImageCanvas::fill()
{
    imagen_.fill(fondo_);
    bits_ = imagen_.bits();
    bytesPorLinea_ = imagen_.bytesPerLine();
}

int ImageCanvas::aDispositivo(float twips) const
{
    // A floor by hand: the library's floor is a call, and this runs four
    // times for each of the ~1800 lines of a redraw.
    const double px = twips * escala_;
    const int entero = static_cast<int>(px);
    return entero > px ? entero - 1 : entero;
}

// The plotter draws only horizontal and vertical lines, so those are written
// straight into the scan lines; clipping to the image is the picture box's
// own clipping to its inner area.
void ImageCanvas::drawSegment(linecode::Punto desde, linecode::Punto hasta, linecode::Colour colour)
{
    if (!bits_) return;
    const QRgb color = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    const int x1 = aDispositivo(desde.x), y1 = aDispositivo(desde.y);
    const int x2 = aDispositivo(hasta.x), y2 = aDispositivo(hasta.y);
    if (y1 == y2) {
        horizontal(y1, x1, x2, color);
    } else if (x1 == x2) {
        vertical(x1, y1, y2, color);
    } else {
        diagonal(desde, hasta, color);
    }
}

void ImageCanvas::horizontal(int y, int x1, int x2, QRgb color)
{
    if (y < 0 || y >= imagen_.height()) return;
    if (x1 > x2) std::swap(x1, x2);
    x1 = std::max(x1, 0);
    x2 = std::min(x2, imagen_.width() - 1);
    if (x1 > x2) return;
    auto* fila = reinterpret_cast<QRgb*>(bits_ + y * bytesPorLinea_);
    std::fill(fila + x1, fila + x2 + 1, color);
}

void ImageCanvas::vertical(int x, int y1, int y2, QRgb color)
{
    if (x < 0 || x >= imagen_.width()) return;
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, imagen_.height() - 1);
    for (int y = y1; y <= y2; ++y)
        reinterpret_cast<QRgb*>(bits_ + y * bytesPorLinea_)[x] = color;
}

void ImageCanvas::diagonal(linecode::Punto desde, linecode::Punto hasta, QRgb color)
{
    QPainter p(&imagen_);
    bits_ = imagen_.bits(); // the painter may have detached the image
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(escala_ / imagen_.devicePixelRatio(), escala_ / imagen_.devicePixelRatio());
    p.setPen(QPen(QColor::fromRgb(color), 0));
    p.drawLine(QPointF(desde.x, desde.y), QPointF(hasta.x, hasta.y));
}

} // namespace forms
