// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/DibujoCodigos.h"

#include "dibujo/Colour.h"
#include "linecode/Trazas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <cstdlib>

using linecode::Codigo;

namespace laboratorio {

namespace {

// Design pixels, at 100 %.
constexpr int kMedioBit = 10;
constexpr int kBanda = 44;
constexpr int kMargen = 150;        // the names' column
constexpr int kAlturaPulso = 16;    // the highest level of a code (1, or 2B1Q's 3)
constexpr int kMarcaError = 5;      // half the injected error's triangle
constexpr int kSangria = 4;         // the names from the view's edge
const QColor kFondo(Qt::black);
const QColor kColorReloj(128, 255, 255);
const QColor kColorError(255, 255, 255);

// In the order of linecode::Codigo; a new code cannot be left without one.
constexpr QRgb kColores[] = {
    0xFF3030, 0xFF8080, 0xFF60FF, 0xFFFF00, 0x00FF00, 0x80FF80, 0xFF8000,
    0xFFC060, 0x40A0FF, 0xC0A0FF, 0xA0FFA0, 0xFFFFFF, 0x60FFC0,
};
static_assert(std::size(kColores) == linecode::kCodigosLinea);

int nivelMaximo(Codigo c)
{
    return c == Codigo::DosBUnoQ ? 3 : 1;
}

} // namespace

QColor colorCodigo(Codigo c)
{
    return QColor::fromRgb(kColores[static_cast<std::size_t>(c)]);
}

QImage figuraCodigos(const std::string& bits, const std::vector<Codigo>& codigos)
{
    std::vector<LineaDibujada> lineas;
    for (Codigo c : codigos) lineas.push_back({c, linecode::codificar(c, bits), {}, {}});
    DibujoCodigos dibujo;
    dibujo.ponerLineas(std::move(lineas), int(bits.size()));
    QImage imagen(dibujo.size(), QImage::Format_RGB32);
    dibujo.render(&imagen);
    return imagen;
}

DibujoCodigos::DibujoCodigos(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    ajustarTamano();
}

int DibujoCodigos::px(int disenio) const
{
    return qRound(disenio * zoom_);
}

int DibujoCodigos::medioBit() const { return px(kMedioBit); }
int DibujoCodigos::banda() const { return px(kBanda); }
int DibujoCodigos::margen() const { return px(kMargen); }

void DibujoCodigos::mostrarFocoDe(QWidget* marco)
{
    marco_ = marco;
    marco->installEventFilter(this);
}

bool DibujoCodigos::eventFilter(QObject* objeto, QEvent* e)
{
    if (objeto == marco_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) update();
    return false;
}

void DibujoCodigos::ponerLineas(std::vector<LineaDibujada> lineas, int bits)
{
    lineas_ = std::move(lineas);
    bits_ = bits;
    ajustarTamano();
    update();
}

void DibujoCodigos::ponerZoom(double zoom)
{
    zoom_ = zoom;
    ajustarTamano();
    update();
}

void DibujoCodigos::ajustarTamano()
{
    resize(margen() + bits_ * 2 * medioBit() + px(kMedioBit), int(lineas_.size() + 1) * banda());
}

QPoint DibujoCodigos::centroDe(int linea, int bit, int mitad) const
{
    return {margen() + (2 * bit + mitad) * medioBit() + medioBit() / 2, (linea + 1) * banda() + banda() / 2};
}

void DibujoCodigos::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), kFondo);
    // Only the slots in view are drawn: a long string costs no more.
    const int t = medioBit();
    const int desde = std::max(0, (e->rect().left() - margen()) / (2 * t) - 1);
    const int hasta = std::min(bits_, (e->rect().right() - margen()) / (2 * t) + 2);
    for (int b = desde; b < hasta; ++b) {
        const int x = margen() + 2 * t * b;
        const bool digito = b % 4 == 0;
        p.setPen(dibujo::qColor(digito ? linecode::colores::kRejillaDigito : linecode::colores::kRejilla));
        p.drawLine(x, 0, x, height());
    }
    pintarBanda(p, 0, nullptr, desde, hasta);
    for (int i = 0; i < int(lineas_.size()); ++i) pintarBanda(p, i + 1, &lineas_[i], desde, hasta);

    // The names stay at the left edge of the view however far it scrolls.
    const int izquierda = std::max(e->rect().left(), -x());
    p.fillRect(izquierda, 0, margen() - px(2 * kSangria), height(), kFondo);
    p.setPen(kColorReloj);
    p.drawText(QRect(izquierda + px(kSangria), 0, margen(), banda()), Qt::AlignVCenter, QStringLiteral("Reloj"));
    for (int i = 0; i < int(lineas_.size()); ++i) {
        p.setPen(colorCodigo(lineas_[i].codigo));
        p.drawText(QRect(izquierda + px(kSangria), (i + 1) * banda(), margen(), banda()), Qt::AlignVCenter,
                   QString::fromUtf8(linecode::nombreCodigo(lineas_[i].codigo)));
    }
    if (marco_ && marco_->hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(visibleRegion().boundingRect().adjusted(0, 0, -1, -1));
    }
}

// Band 0 is the clock; the others are the lines in order.
void DibujoCodigos::pintarBanda(QPainter& p, int indice, const LineaDibujada* linea, int desde, int hasta) const
{
    const int t = medioBit();
    const int centro = indice * banda() + banda() / 2;
    const int alto = px(kAlturaPulso);
    const int maximo = linea ? nivelMaximo(linea->codigo) : 1;
    const auto y = [&](int nivel) { return centro - alto * nivel / maximo; };
    if (linea) {
        const QColor sombra = dibujo::qColor(linecode::colores::kBitErroneo);
        for (const auto& v : linea->violaciones)
            if (v.bit >= desde && v.bit < hasta)
                p.fillRect(margen() + 2 * t * v.bit, indice * banda(), 2 * t, banda(), sombra);
    }
    QPolygon trazo;
    for (int b = desde; b < hasta; ++b) {
        const int x = margen() + 2 * t * b;
        const int n1 = linea ? linea->pasos[b].nivel1 : 1;
        const int n2 = linea ? linea->pasos[b].nivel2 : -1;
        trazo << QPoint(x, y(n1)) << QPoint(x + t, y(n1)) << QPoint(x + t, y(n2)) << QPoint(x + 2 * t, y(n2));
    }
    QPen pen(linea ? colorCodigo(linea->codigo) : kColorReloj);
    pen.setWidth(zoom_ >= 2.0 ? 2 : 1);
    p.setPen(pen);
    p.drawPolyline(trazo);
    if (!linea) return;
    // An injected error: a small triangle above its half-bit.
    p.setPen(Qt::NoPen);
    p.setBrush(kColorError);
    for (const auto& [bit, mitad] : linea->errores) {
        if (bit < desde || bit >= hasta) continue;
        const int cx = margen() + (2 * bit + mitad) * t + t / 2;
        const int arriba = indice * banda() + 1;
        p.drawPolygon(QPolygon({QPoint(cx - px(kMarcaError), arriba), QPoint(cx + px(kMarcaError), arriba),
                                QPoint(cx, arriba + px(kMarcaError))}));
    }
    p.setBrush(Qt::NoBrush);
}

void DibujoCodigos::mousePressEvent(QMouseEvent* e)
{
    const QPoint donde = e->position().toPoint();
    const int linea = donde.y() / banda() - 1;
    const int desdeMargen = donde.x() - margen();
    if (e->button() != Qt::LeftButton || linea < 0 || linea >= int(lineas_.size()) || desdeMargen < 0) return;
    const int bit = desdeMargen / (2 * medioBit());
    if (bit >= bits_) return;
    emit mitadPulsada(linea, bit, desdeMargen % (2 * medioBit()) >= medioBit() ? 1 : 0);
}

} // namespace laboratorio
