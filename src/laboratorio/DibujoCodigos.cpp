// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/DibujoCodigos.h"

#include "codigos/DatosCodigo.h"
#include "codigos/Trazas.h"
#include "dibujo/Color.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>
#include <cstdlib>

using codigos::Codigo;

namespace laboratorio {

namespace {

// Design pixels, at 100 %.
constexpr int kMedioBit = 10;
constexpr int kMedioBitMaximo = 30; // a short string stretches to fill the view, so far
constexpr int kBanda = 44;
constexpr int kBandaMaxima = 88;
constexpr int kAlturaPulso = 16;      // the highest level of a code (1, or 2B1Q's 3) in a band of kBanda
constexpr int kFilaBits = 16;         // the bits, above the clock
constexpr int kMarcaError = 5;        // half the injected error's triangle
constexpr int kSangria = 4;           // the names from the view's edge
constexpr int kSeparacion = 6;        // a name from its scale, the scale from the traces
constexpr double kLetraPequena = 0.8; // the scale's and the B and V's letters, against the names'
const QColor kFondo(Qt::black);
const QColor kColorReloj(128, 255, 255);
const QColor kColorBits(220, 220, 220);
const QColor kColorEscala(170, 170, 170);
const QColor kColorError(255, 255, 255);

QString textoNivel(int nivel, bool conCifra)
{
    if (nivel == 0) return QStringLiteral("0");
    const QString signo = nivel > 0 ? QStringLiteral("+") : QStringLiteral("\u2212");
    return conCifra ? signo + QString::number(std::abs(nivel)) : signo;
}

QFont letraPequena(QFont f)
{
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, qRound(f.pixelSize() * kLetraPequena)));
    else
        f.setPointSizeF(f.pointSizeF() * kLetraPequena);
    return f;
}

} // namespace

QColor colorCodigo(Codigo c) { return QColor::fromRgb(codigos::datosCodigo(c).color); }

QImage figuraCodigos(const std::string& bits, const std::vector<Codigo>& codigos)
{
    std::vector<LineaDibujada> lineas;
    for (Codigo c : codigos) lineas.push_back({c, codigos::codificar(c, bits), {}, {}});
    DibujoCodigos dibujo;
    dibujo.ponerLineas(std::move(lineas), bits);
    QImage imagen(dibujo.size(), QImage::Format_RGB32);
    dibujo.render(&imagen);
    return imagen;
}

QImage figuraPregunta(const LineaDibujada& linea, const std::string& bits, bool verBits)
{
    DibujoCodigos dibujo;
    dibujo.ocultarRespuesta(!verBits, true);
    dibujo.ponerLineas({linea}, bits);
    QImage imagen(dibujo.size(), QImage::Format_RGB32);
    dibujo.render(&imagen);
    return imagen;
}

DibujoCodigos::DibujoCodigos(QWidget* parent) : DibujoAmpliable(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    ajustarTamano();
}

// The bits' row and the clock's band.
int DibujoCodigos::cabecera() const { return px(kFilaBits) + banda_; }

// Band 0 is the clock; the others are the lines in order.
int DibujoCodigos::arribaDeBanda(int banda) const { return px(kFilaBits) + banda * banda_; }

void DibujoCodigos::mostrarEn(QScrollArea* marco)
{
    marco_ = marco;
    marco->installEventFilter(this);
    marco->viewport()->installEventFilter(this);
    ajustarTamano();
}

bool DibujoCodigos::eventFilter(QObject* objeto, QEvent* e)
{
    if (objeto == marco_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) update();
    if (marco_ && objeto == marco_->viewport() && e->type() == QEvent::Resize) ajustarTamano();
    return false;
}

void DibujoCodigos::ponerLineas(std::vector<LineaDibujada> lineas, const std::string& bits)
{
    lineas_ = std::move(lineas);
    bits_ = bits;
    ajustarTamano();
    update();
}

void DibujoCodigos::ocultarRespuesta(bool bits, bool letras)
{
    verBits_ = !bits;
    verLetras_ = !letras;
    update();
}

void DibujoCodigos::ponerZoom(double zoom)
{
    guardarZoom(zoom);
    ajustarTamano();
    update();
}

// The names' column is as wide as the longest name and its scale; in a
// frame, the bits and the bands stretch (so far) to fill the view.
void DibujoCodigos::ajustarTamano()
{
    const QFontMetrics fm(font());
    int nombres = fm.horizontalAdvance(QStringLiteral("Reloj"));
    for (const auto& l : lineas_)
        nombres = std::max(nombres, fm.horizontalAdvance(QString::fromUtf8(codigos::nombreCodigo(l.codigo))));
    const int escala = QFontMetrics(letraPequena(font())).horizontalAdvance(textoNivel(-3, true));
    margen_ = px(kSangria) + nombres + px(kSeparacion) + escala + px(kSeparacion);

    const QSize vista = marco_ ? marco_->viewport()->size() : QSize();
    const int bits = int(bits_.size());
    medioBit_ = px(kMedioBit);
    banda_ = px(kBanda);
    if (vista.isValid() && bits > 0)
        medioBit_ =
            std::clamp((vista.width() - margen_ - px(kMedioBit)) / (2 * bits), px(kMedioBit), px(kMedioBitMaximo));
    if (vista.isValid())
        banda_ = std::clamp((vista.height() - px(kFilaBits)) / int(lineas_.size() + 1), px(kBanda), px(kBandaMaxima));
    alturaPulso_ = banda_ * kAlturaPulso / kBanda;

    QSize tamano(margen_ + bits * 2 * medioBit_ + px(kMedioBit), cabecera() + int(lineas_.size()) * banda_);
    if (vista.isValid()) tamano = tamano.expandedTo(vista);
    resize(tamano);
}

QPoint DibujoCodigos::centroDe(int linea, int bit, int mitad) const
{
    return {margen_ + (2 * bit + mitad) * medioBit_ + medioBit_ / 2, arribaDeBanda(linea + 1) + banda_ / 2};
}

void DibujoCodigos::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), kFondo);
    // Only the slots in view are drawn: a long string costs no more.
    const int t = medioBit_;
    const int desde = std::max(0, (e->rect().left() - margen_) / (2 * t) - 1);
    const int hasta = std::min(int(bits_.size()), (e->rect().right() - margen_) / (2 * t) + 2);
    for (int b = desde; b < hasta; ++b) {
        const int x = margen_ + 2 * t * b;
        p.setPen(dibujo::qColor(b % 4 == 0 ? codigos::colores::kRejillaDigito : codigos::colores::kRejilla));
        p.drawLine(x, 0, x, height());
    }
    for (int i = 0; i < int(lineas_.size()); ++i) {
        pintarBanda(p, arribaDeBanda(i + 1), &lineas_[std::size_t(i)], desde, hasta);
        if (verLetras_) pintarLetras(p, i + 1, lineas_[std::size_t(i)], desde, hasta);
    }
    // The bits and the clock stay at the top of the view however far it
    // scrolls down, and the names at its left edge however far across.
    const int arriba = std::max(0, -y());
    pintarCabecera(p, arriba, desde, hasta);
    pintarNombres(p, std::max(e->rect().left(), -x()), arriba);
    if (marco_ && marco_->hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(visibleRegion().boundingRect().adjusted(0, 0, -1, -1));
    }
}

void DibujoCodigos::pintarCabecera(QPainter& p, int arriba, int desde, int hasta) const
{
    const int t = medioBit_;
    p.fillRect(0, arriba, width(), cabecera(), kFondo);
    p.setPen(kColorBits);
    for (int b = desde; b < hasta; ++b) {
        const int x = margen_ + 2 * t * b;
        p.setPen(dibujo::qColor(b % 4 == 0 ? codigos::colores::kRejillaDigito : codigos::colores::kRejilla));
        p.drawLine(x, arriba, x, arriba + cabecera());
        p.setPen(kColorBits);
        if (verBits_)
            p.drawText(QRect(x, arriba, 2 * t, px(kFilaBits)), Qt::AlignCenter,
                       QString(QLatin1Char(bits_[std::size_t(b)])));
    }
    pintarBanda(p, arriba + px(kFilaBits), nullptr, desde, hasta);
}

void DibujoCodigos::pintarNombres(QPainter& p, int izquierda, int arribaCabecera) const
{
    const int ancho = margen_ - px(kSeparacion) / 2;
    p.fillRect(izquierda, 0, ancho, height(), kFondo);
    for (int i = 0; i < int(lineas_.size()); ++i) {
        const Codigo c = lineas_[std::size_t(i)].codigo;
        p.setPen(colorCodigo(c));
        p.drawText(QRect(izquierda + px(kSangria), arribaDeBanda(i + 1), margen_, banda_), Qt::AlignVCenter,
                   QString::fromUtf8(codigos::nombreCodigo(c)));
        pintarEscala(p, izquierda, arribaDeBanda(i + 1) + banda_ / 2, c);
    }
    p.fillRect(izquierda, arribaCabecera, ancho, cabecera(), kFondo);
    p.setPen(kColorBits);
    p.drawText(QRect(izquierda + px(kSangria), arribaCabecera, margen_, px(kFilaBits)), Qt::AlignVCenter,
               QStringLiteral("Bits"));
    p.setPen(kColorReloj);
    p.drawText(QRect(izquierda + px(kSangria), arribaCabecera + px(kFilaBits), margen_, banda_), Qt::AlignVCenter,
               QStringLiteral("Reloj"));
}

// "+", "0", "−" (2B1Q: "+3" ... "−3") beside the band, each at its level.
void DibujoCodigos::pintarEscala(QPainter& p, int izquierda, int centro, Codigo c) const
{
    p.save();
    p.setFont(letraPequena(font()));
    p.setPen(kColorEscala);
    const int alto = p.fontMetrics().height();
    const int derecha = izquierda + margen_ - px(kSeparacion);
    const codigos::DatosCodigo& datos = codigos::datosCodigo(c);
    for (int i = 0; i < datos.cuantosNiveles; ++i) {
        const int nivel = datos.niveles[std::size_t(i)];
        const int yNivel = centro - alturaPulso_ * nivel / codigos::nivelMaximo(c);
        p.drawText(QRect(izquierda, yNivel - alto / 2, derecha - izquierda - px(2), alto),
                   Qt::AlignRight | Qt::AlignVCenter, textoNivel(nivel, c == Codigo::DosBUnoQ));
        p.drawLine(derecha - px(2), yNivel, derecha, yNivel);
    }
    p.restore();
}

// The B and V of a substitution, in the half-slot after the pulse, on the
// side of the baseline the pulse is on.
void DibujoCodigos::pintarLetras(QPainter& p, int indice, const LineaDibujada& linea, int desde, int hasta) const
{
    p.save();
    p.setFont(letraPequena(font()));
    p.setPen(colorCodigo(linea.codigo));
    const int centro = arribaDeBanda(indice) + banda_ / 2;
    for (int b = desde; b < hasta; ++b) {
        const codigos::Paso& paso = linea.pasos[std::size_t(b)];
        if (paso.marca != 'B' && paso.marca != 'V') continue;
        const int x = margen_ + 2 * medioBit_ * b + medioBit_;
        const QRect mitad = paso.nivel1 >= 0 ? QRect(x, centro - alturaPulso_, medioBit_, alturaPulso_)
                                             : QRect(x, centro, medioBit_, alturaPulso_);
        p.drawText(mitad, Qt::AlignCenter, QString(QLatin1Char(paso.marca)));
    }
    p.restore();
}

void DibujoCodigos::pintarBanda(QPainter& p, int arriba, const LineaDibujada* linea, int desde, int hasta) const
{
    const int t = medioBit_;
    const int centro = arriba + banda_ / 2;
    const int maximo = linea ? codigos::nivelMaximo(linea->codigo) : 1;
    const auto y = [&](int nivel) { return centro - alturaPulso_ * nivel / maximo; };
    if (linea) {
        const QColor sombra = dibujo::qColor(codigos::colores::kBitErroneo);
        for (const auto& v : linea->violaciones)
            if (v.bit >= desde && v.bit < hasta) p.fillRect(margen_ + 2 * t * v.bit, arriba, 2 * t, banda_, sombra);
    }
    QPolygon trazo;
    for (int b = desde; b < hasta; ++b) {
        const int x = margen_ + 2 * t * b;
        const int n1 = linea ? linea->pasos[std::size_t(b)].nivel1 : 1;
        const int n2 = linea ? linea->pasos[std::size_t(b)].nivel2 : -1;
        trazo << QPoint(x, y(n1)) << QPoint(x + t, y(n1)) << QPoint(x + t, y(n2)) << QPoint(x + 2 * t, y(n2));
    }
    QPen pen(linea ? colorCodigo(linea->codigo) : kColorReloj);
    pen.setWidth(trazoGrueso() ? 2 : 1);
    p.setPen(pen);
    p.drawPolyline(trazo);
    if (!linea) return;
    // An injected error: a small triangle above its half-bit.
    p.setPen(Qt::NoPen);
    p.setBrush(kColorError);
    for (const auto& [bit, mitad] : linea->errores) {
        if (bit < desde || bit >= hasta) continue;
        const int cx = margen_ + (2 * bit + mitad) * t + t / 2;
        p.drawPolygon(QPolygon({QPoint(cx - px(kMarcaError), arriba + 1), QPoint(cx + px(kMarcaError), arriba + 1),
                                QPoint(cx, arriba + 1 + px(kMarcaError))}));
    }
    p.setBrush(Qt::NoBrush);
}

void DibujoCodigos::mousePressEvent(QMouseEvent* e)
{
    const QPoint donde = e->position().toPoint();
    // The bits, the clock and the names cover the lines where they stand.
    if (e->button() != Qt::LeftButton || donde.y() < std::max(0, -y()) + cabecera() ||
        donde.x() < std::max(0, -x()) + margen_)
        return;
    const int linea = (donde.y() - px(kFilaBits)) / banda_ - 1;
    const int desdeMargen = donde.x() - margen_;
    const int bit = desdeMargen / (2 * medioBit_);
    if (linea < 0 || linea >= int(lineas_.size()) || bit >= int(bits_.size())) return;
    emit mitadPulsada(linea, bit, desdeMargen % (2 * medioBit_) >= medioBit_ ? 1 : 0);
}

} // namespace laboratorio
