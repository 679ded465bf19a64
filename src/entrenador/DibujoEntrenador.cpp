// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrenador/DibujoEntrenador.h"

#include "codigos/DatosCodigo.h"
#include "codigos/Trazas.h"
#include "dibujo/Color.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace entrenador {

namespace {

// Design pixels, at 100 %.
constexpr int kMargen = 130;  // the names' column
constexpr int kMedioBit = 13; // 32 bits fit a projector's screen
constexpr int kFilaBits = 18;
constexpr int kBanda = 56;
constexpr int kAlturaPulso = 20;
constexpr int kSangria = 6;
const QColor kFondo(Qt::black);
const QColor kColorReloj(128, 255, 255);
const QColor kColorBits(220, 220, 220);
const QColor kColorSolucion(150, 150, 150);
const QColor kColorCursor(Qt::white);
const QColor kColorSinDibujar(90, 90, 90);

std::vector<int> nivelesDe(const std::vector<codigos::Paso>& linea)
{
    std::vector<int> r;
    for (const auto& p : linea) r.insert(r.end(), {p.nivel1, p.nivel2});
    return r;
}

} // namespace

DibujoEntrenador::DibujoEntrenador(Entrenamiento& entrenamiento, QWidget* parent) : QWidget(parent), e_(entrenamiento)
{
    setObjectName(QStringLiteral("dibujoEntrenador"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(&e_, &Entrenamiento::cambiado, this, [this] {
        ajustar();
        describir();
        update();
    });
    ajustar();
}

void DibujoEntrenador::ponerZoom(double zoom)
{
    zoom_ = zoom;
    QFont f = font();
    f.setPixelSize(px(12));
    setFont(f);
    ajustar();
    update();
}

void DibujoEntrenador::ajustar()
{
    const int bits = int(e_.ejercicio().bits.size());
    setFixedSize(px(kMargen) + 2 * bits * px(kMedioBit) + px(kMedioBit), px(kFilaBits) + 2 * px(kBanda));
}

QPoint DibujoEntrenador::centroDe(int mitad) const
{
    return {px(kMargen) + mitad * px(kMedioBit) + px(kMedioBit) / 2, px(kFilaBits) + px(kBanda) + px(kBanda) / 2};
}

int DibujoEntrenador::y(int arriba, int nivel) const
{
    return arriba + px(kBanda) / 2 - px(kAlturaPulso) * nivel / codigos::nivelMaximo(e_.ejercicio().codigo);
}

// Each half at its level, joined by upright edges; a half not drawn yet
// breaks the line and shows as a short grey dash on the middle.
void DibujoEntrenador::pintarLinea(QPainter& p, const std::vector<int>& mitades, int arriba, const QPen& pen) const
{
    const int t = px(kMedioBit);
    for (std::size_t h = 0; h < mitades.size(); ++h) {
        const int x = px(kMargen) + int(h) * t;
        if (mitades[h] == codigos::kSinDibujar) {
            p.setPen(kColorSinDibujar);
            p.drawLine(x + t / 4, y(arriba, 0), x + 3 * t / 4, y(arriba, 0));
            continue;
        }
        p.setPen(pen);
        p.drawLine(x, y(arriba, mitades[h]), x + t, y(arriba, mitades[h]));
        if (h > 0 && mitades[h - 1] != codigos::kSinDibujar && mitades[h - 1] != mitades[h])
            p.drawLine(x, y(arriba, mitades[h - 1]), x, y(arriba, mitades[h]));
    }
}

void DibujoEntrenador::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kFondo);
    const Ejercicio& ej = e_.ejercicio();
    const int t = px(kMedioBit), n = int(ej.bits.size());
    const int reloj = px(kFilaBits), banda = reloj + px(kBanda);
    const bool resuelto = e_.ronda() == Ronda::SolucionVista || e_.ronda() == Ronda::Respondido;
    const bool leyendo = e_.modo() == Modo::Leer;
    const auto& resultado = e_.resultado();
    // The bits misread, or the first half drawn wrong.
    const QColor sombra = dibujo::qColor(codigos::colores::kBitErroneo);
    if (resultado) {
        for (std::size_t b = 0; b < resultado->bitsMal.size(); ++b)
            if (resultado->bitsMal[b]) p.fillRect(px(kMargen) + 2 * t * int(b), banda, 2 * t, px(kBanda), sombra);
        if (resultado->primera >= 0) p.fillRect(px(kMargen) + t * resultado->primera, banda, t, px(kBanda), sombra);
    }
    for (int b = 0; b <= n; ++b) {
        const int x = px(kMargen) + 2 * t * b;
        p.setPen(dibujo::qColor(b % 4 == 0 ? codigos::colores::kRejillaDigito : codigos::colores::kRejilla));
        p.drawLine(x, 0, x, height());
        if (b == n || (leyendo && !resuelto)) continue;
        p.setPen(kColorBits);
        p.drawText(QRect(x, 0, 2 * t, reloj), Qt::AlignCenter, QString(QLatin1Char(ej.bits[std::size_t(b)])));
    }
    p.setPen(kColorBits);
    p.drawText(QRect(px(kSangria), 0, px(kMargen), reloj), Qt::AlignVCenter, tr("Bits"));
    p.setPen(kColorReloj);
    p.drawText(QRect(px(kSangria), reloj, px(kMargen), px(kBanda)), Qt::AlignVCenter, tr("Reloj"));
    std::vector<int> relojMitades;
    for (int b = 0; b < n; ++b) relojMitades.insert(relojMitades.end(), {1, -1});
    const int maximo = codigos::nivelMaximo(ej.codigo);
    for (int& m : relojMitades) m *= maximo; // the clock as high as the code's highest level
    pintarLinea(p, relojMitades, reloj, QPen(kColorReloj));

    const QColor color = QColor::fromRgb(codigos::datosCodigo(ej.codigo).color);
    p.setPen(color);
    p.drawText(QRect(px(kSangria), banda, px(kMargen), px(kBanda)), Qt::AlignVCenter,
               QString::fromStdString(codigos::nombreVisible(ej.codigo)));
    const std::vector<int> bien = nivelesDe(e_.solucion());
    QPen trazo(color, zoom_ >= 2.0 ? 2 : 1);
    if (leyendo) {
        pintarLinea(p, bien, banda, trazo);
        return;
    }
    pintarLinea(p, e_.mitades(), banda, trazo);
    if (resuelto) pintarLinea(p, bien, banda, QPen(kColorSolucion, 1, Qt::DashLine));
    if (hasFocus()) {
        p.setPen(QPen(kColorCursor, 1, Qt::DotLine));
        p.drawRect(px(kMargen) + e_.cursor() * t, banda + 1, t - 1, px(kBanda) - 3);
    }
}

void DibujoEntrenador::mousePressEvent(QMouseEvent* e)
{
    const QPoint donde = e->position().toPoint();
    const int banda = px(kFilaBits) + px(kBanda);
    if (e->button() != Qt::LeftButton || e_.modo() != Modo::Dibujar || donde.y() < banda || donde.x() < px(kMargen))
        return;
    const int mitad = (donde.x() - px(kMargen)) / px(kMedioBit);
    if (mitad < int(e_.mitades().size())) e_.pulsar(mitad);
}

void DibujoEntrenador::keyPressEvent(QKeyEvent* e)
{
    if (e_.modo() != Modo::Dibujar) return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Left: e_.moverCursor(-1); break;
    case Qt::Key_Right: e_.moverCursor(1); break;
    case Qt::Key_Up: e_.subir(); break;
    case Qt::Key_Down: e_.bajar(); break;
    case Qt::Key_Home: e_.ponerCursor(0); break;
    case Qt::Key_End: e_.ponerCursor(int(e_.mitades().size()) - 1); break;
    default: return QWidget::keyPressEvent(e);
    }
}

// What a screen reader says of the drawing: the code, and while drawing,
// where the cursor is and the level there.
void DibujoEntrenador::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() != QEvent::LanguageChange) return;
    describir();
    update();
}

void DibujoEntrenador::describir()
{
    const Ejercicio& ej = e_.ejercicio();
    QString d =
        tr("Señal %1 de %2 bits").arg(QString::fromStdString(codigos::nombreVisible(ej.codigo))).arg(ej.bits.size());
    if (e_.modo() == Modo::Dibujar && !e_.mitades().empty()) {
        const int nivel = e_.mitades()[std::size_t(e_.cursor())];
        d += (e_.cursor() % 2 == 0 ? tr(". Bit %1, primera mitad: %2") : tr(". Bit %1, segunda mitad: %2"))
                 .arg(e_.cursor() / 2 + 1)
                 .arg(nivel == codigos::kSinDibujar ? tr("sin dibujar") : QString::number(nivel));
    }
    setAccessibleDescription(d);
}

} // namespace entrenador
