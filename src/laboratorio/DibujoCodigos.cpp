// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/DibujoCodigos.h"

#include "codigos/DatosCodigo.h"
#include "codigos/Trazas.h"
#include "dibujo/Color.h"
#include "linea/Linea.h"

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
const QColor kColorDeslizamiento = dibujo::qColor(dibujo::kRojo);

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
    for (Codigo c : codigos) lineas.emplace_back(c, codigos::codificar(c, bits));
    DibujoCodigos dibujo;
    dibujo.ponerLineas(std::move(lineas), bits);
    QImage imagen(dibujo.size(), QImage::Format_RGB32);
    dibujo.render(&imagen);
    return imagen;
}

QImage figuraLinea(const std::string& bits, Codigo c, double perdidaDb)
{
    LineaDibujada l(c, codigos::codificar(c, bits));
    linea::AjustesLinea ajustes;
    ajustes.perdidaDb = perdidaDb;
    std::mt19937_64 azar(1);
    l.recibida = linea::transmitir(c, l.pasos, ajustes, azar);
    l.decididos = linea::decidir(c, l.recibida);
    l.malDecididos = linea::mitadesMalDecididas(c, l.pasos, l.decididos);
    l.leidos = codigos::decodificar(c, l.decididos);
    const linea::RelojRecuperado reloj = linea::recuperarReloj(c, l.recibida);
    DibujoCodigos dibujo;
    dibujo.ponerLineas({l}, bits);
    dibujo.ponerReloj(RelojDibujado{c, reloj.fase, reloj.deslizamientos});
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

// The bits' row, the clock's band and the recovered clock's.
int DibujoCodigos::cabecera() const { return px(kFilaBits) + banda_ * (reloj_ ? 2 : 1); }

// A line's band, and what arrives of it in the band below when it is drawn.
int DibujoCodigos::bandasPorLinea() const
{
    const bool recibidas =
        std::any_of(lineas_.begin(), lineas_.end(), [](const auto& l) { return !l.recibida.empty(); });
    return recibidas ? 2 : 1;
}

int DibujoCodigos::arribaDeLinea(int linea) const { return cabecera() + linea * bandasPorLinea() * banda_; }

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

void DibujoCodigos::ponerReloj(std::optional<RelojDibujado> reloj)
{
    reloj_ = std::move(reloj);
    ajustarTamano();
    update();
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
    int nombres = fm.horizontalAdvance(tr("Reloj"));
    for (const auto& l : lineas_)
        nombres = std::max(nombres, fm.horizontalAdvance(QString::fromStdString(codigos::nombreVisible(l.codigo))));
    if (reloj_) nombres = std::max(nombres, fm.horizontalAdvance(DibujoCodigos::tr("Recuperado")));
    if (bandasPorLinea() > 1) nombres = std::max(nombres, fm.horizontalAdvance(DibujoCodigos::tr("recibida")));
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
        banda_ =
            std::clamp((vista.height() - px(kFilaBits)) / (int(lineas_.size()) * bandasPorLinea() + (reloj_ ? 2 : 1)),
                       px(kBanda), px(kBandaMaxima));
    alturaPulso_ = banda_ * kAlturaPulso / kBanda;

    QSize tamano(margen_ + bits * 2 * medioBit_ + px(kMedioBit), arribaDeLinea(int(lineas_.size())));
    if (vista.isValid()) tamano = tamano.expandedTo(vista);
    resize(tamano);
}

QPoint DibujoCodigos::centroDe(int linea, int bit, int mitad) const
{
    return {margen_ + (2 * bit + mitad) * medioBit_ + medioBit_ / 2, arribaDeLinea(linea) + banda_ / 2};
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
        const LineaDibujada& l = lineas_[std::size_t(i)];
        pintarBanda(p, arribaDeLinea(i), &l, desde, hasta);
        if (verLetras_) pintarLetras(p, arribaDeLinea(i), l, desde, hasta);
        if (!l.recibida.empty()) pintarRecibida(p, arribaDeLinea(i) + banda_, l, desde, hasta);
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
    if (reloj_) pintarRelojRecuperado(p, arriba + px(kFilaBits) + banda_, desde, hasta);
}

void DibujoCodigos::pintarNombres(QPainter& p, int izquierda, int arribaCabecera) const
{
    const int ancho = margen_ - px(kSeparacion) / 2;
    p.fillRect(izquierda, 0, ancho, height(), kFondo);
    for (int i = 0; i < int(lineas_.size()); ++i) {
        const LineaDibujada& l = lineas_[std::size_t(i)];
        p.setPen(colorCodigo(l.codigo));
        p.drawText(QRect(izquierda + px(kSangria), arribaDeLinea(i), margen_, banda_), Qt::AlignVCenter,
                   QString::fromStdString(codigos::nombreVisible(l.codigo)));
        pintarEscala(p, izquierda, arribaDeLinea(i) + banda_ / 2, l.codigo);
        if (l.recibida.empty()) continue;
        p.setPen(colorCodigo(l.codigo));
        p.drawText(QRect(izquierda + px(kSangria), arribaDeLinea(i) + banda_, margen_, banda_), Qt::AlignVCenter,
                   DibujoCodigos::tr("recibida"));
        pintarEscala(p, izquierda, arribaDeLinea(i) + banda_ + banda_ / 2, l.codigo);
    }
    p.fillRect(izquierda, arribaCabecera, ancho, cabecera(), kFondo);
    p.setPen(kColorBits);
    p.drawText(QRect(izquierda + px(kSangria), arribaCabecera, margen_, px(kFilaBits)), Qt::AlignVCenter, tr("Bits"));
    p.setPen(kColorReloj);
    p.drawText(QRect(izquierda + px(kSangria), arribaCabecera + px(kFilaBits), margen_, banda_), Qt::AlignVCenter,
               tr("Reloj"));
    if (reloj_) p.setPen(colorCodigo(reloj_->codigo));
    if (reloj_)
        p.drawText(QRect(izquierda + px(kSangria), arribaCabecera + px(kFilaBits) + banda_, margen_, banda_),
                   Qt::AlignVCenter, DibujoCodigos::tr("Recuperado"));
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
void DibujoCodigos::pintarLetras(QPainter& p, int arriba, const LineaDibujada& linea, int desde, int hasta) const
{
    p.save();
    p.setFont(letraPequena(font()));
    p.setPen(colorCodigo(linea.codigo));
    const int centro = arriba + banda_ / 2;
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
    if (linea) pintarMarcas(p, arriba, linea->errores, kColorError, desde, hasta);
}

// A small triangle above each half-bit: an injected error, a wrong
// decision, a slip of the recovered clock.
void DibujoCodigos::pintarMarcas(QPainter& p, int arriba, const std::set<std::pair<int, int>>& mitades,
                                 const QColor& color, int desde, int hasta) const
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const auto& [bit, mitad] : mitades) {
        if (bit < desde || bit >= hasta) continue;
        const int cx = margen_ + (2 * bit + mitad) * medioBit_ + medioBit_ / 2;
        p.drawPolygon(QPolygon({QPoint(cx - px(kMarcaError), arriba + 1), QPoint(cx + px(kMarcaError), arriba + 1),
                                QPoint(cx, arriba + 1 + px(kMarcaError))}));
    }
    p.restore();
}

// What arrives, sample by sample, on the line's scale (noise beyond the
// band is cut at its edges), the receiver's thresholds dashed, the half-bits
// it decides wrong marked, and under each bit the bit it reads, red where
// that is not the bit sent.
void DibujoCodigos::pintarRecibida(QPainter& p, int arriba, const LineaDibujada& linea, int desde, int hasta) const
{
    const double centro = arriba + banda_ / 2.0;
    const double escala = double(alturaPulso_) / codigos::nivelMaximo(linea.codigo);
    const auto y = [&](double nivel) {
        return std::clamp(centro - escala * nivel, arriba + 1.0, arriba + banda_ - 1.0);
    };
    const double muestra = 2.0 * medioBit_ / linea::kMuestrasPorBit;
    p.save();
    p.setPen(QPen(kColorEscala, 1, Qt::DashLine));
    for (double u : linea::umbrales(linea.codigo))
        p.drawLine(QPointF(margen_ + 2 * medioBit_ * desde, y(u)), QPointF(margen_ + 2 * medioBit_ * hasta, y(u)));
    QPolygonF trazo;
    const int ultima = std::min(int(linea.recibida.size()), hasta * linea::kMuestrasPorBit);
    for (int i = desde * linea::kMuestrasPorBit; i < ultima; ++i)
        trazo << QPointF(margen_ + muestra * (i + 0.5), y(linea.recibida[std::size_t(i)]));
    QPen pen(colorCodigo(linea.codigo));
    pen.setWidth(trazoGrueso() ? 2 : 1);
    p.setPen(pen);
    p.drawPolyline(trazo);
    p.setFont(letraPequena(font()));
    const int alto = p.fontMetrics().height();
    for (int b = desde; b < std::min(hasta, int(linea.leidos.size())); ++b) {
        const char leido = linea.leidos[std::size_t(b)];
        p.setPen(leido == bits_[std::size_t(b)] ? kColorBits : kColorDeslizamiento);
        p.drawText(QRect(margen_ + 2 * medioBit_ * b, arriba + banda_ - alto, 2 * medioBit_, alto), Qt::AlignCenter,
                   QString(QLatin1Char(leido)));
    }
    p.restore();
    pintarMarcas(p, arriba, linea.malDecididos, kColorError, desde, hasta);
}

// The recovered clock, each bit's edges moved by its error (a lead draws
// them early), and a red mark where it slipped past a quarter bit.
void DibujoCodigos::pintarRelojRecuperado(QPainter& p, int arriba, int desde, int hasta) const
{
    const int t = medioBit_;
    const int centro = arriba + banda_ / 2;
    const int alto = centro - alturaPulso_, bajo = centro + alturaPulso_;
    QPolygon trazo;
    for (int b = desde; b < std::min(hasta, int(reloj_->fase.size())); ++b) {
        const int x = margen_ + 2 * t * b - qRound(reloj_->fase[std::size_t(b)] * 2 * t);
        trazo << QPoint(x, bajo) << QPoint(x, alto) << QPoint(x + t, alto) << QPoint(x + t, bajo);
    }
    QPen pen(colorCodigo(reloj_->codigo)); // the code it was recovered from
    pen.setWidth(trazoGrueso() ? 2 : 1);
    p.setPen(pen);
    p.drawPolyline(trazo);
    std::set<std::pair<int, int>> deslizamientos;
    for (int b : reloj_->deslizamientos) deslizamientos.insert({b, 0});
    pintarMarcas(p, arriba, deslizamientos, kColorDeslizamiento, desde, hasta);
}

void DibujoCodigos::mousePressEvent(QMouseEvent* e)
{
    const QPoint donde = e->position().toPoint();
    // The bits, the clock and the names cover the lines where they stand.
    if (e->button() != Qt::LeftButton || donde.y() < std::max(0, -y()) + cabecera() ||
        donde.x() < std::max(0, -x()) + margen_)
        return;
    // A line's received band below it takes no errors: they go into what is sent.
    const int bajoCabecera = donde.y() - cabecera();
    const int linea = bajoCabecera / (banda_ * bandasPorLinea());
    const bool enRecibida = bajoCabecera % (banda_ * bandasPorLinea()) >= banda_;
    const int desdeMargen = donde.x() - margen_;
    const int bit = desdeMargen / (2 * medioBit_);
    if (linea < 0 || linea >= int(lineas_.size()) || enRecibida || bit >= int(bits_.size())) return;
    emit mitadPulsada(linea, bit, desdeMargen % (2 * medioBit_) >= medioBit_ ? 1 : 0);
}

} // namespace laboratorio
