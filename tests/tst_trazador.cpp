// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Codificador.h"
#include "codigos/CodigosLinea.h"
#include "codigos/Trazador.h"
#include "dibujo/LienzoImagen.h"
#include "Filas.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace codigos;

namespace {

struct Segmento {
    Punto desde;
    Punto hasta;
    Color color;
};

// A lienzo the size of the window's drawing area that records what the
// plotter draws, in twips with colours.
class RecordingCanvas : public Lienzo {
public:
    RecordingCanvas() : Lienzo(8775, 2535) {}

    std::vector<Segmento> deColor(Color c) const
    {
        std::vector<Segmento> r;
        for (const auto& s : segmentos)
            if (s.color == c) r.push_back(s);
        return r;
    }

    void rellenar(Punto, Punto, Color) override {}

    int borrados = 0;
    std::vector<Segmento> segmentos;

protected:
    void rellenarFondo() override
    {
        ++borrados;
        segmentos.clear();
    }
    void dibujarSegmento(Punto a, Punto b, Color c) override { segmentos.push_back({a, b, c}); }
};

constexpr Visibles kTodas{true, true, true, true, true};

EstadoPantalla conT(int t)
{
    EstadoPantalla e;
    e.semiperiodo = t;
    return e;
}

Color color(Traza t) { return kDatosTrazas[t].trazo; }

// The y of the horizontal piece that starts at x, in a trace's color.
float yEn(const RecordingCanvas& c, Color color, float x)
{
    for (const auto& s : c.deColor(color))
        if (s.desde.x == x && s.hasta.x > x && s.desde.y == s.hasta.y) return s.desde.y;
    return -1;
}

} // namespace

class TestTrazador : public QObject {
    Q_OBJECT
private slots:
    void rejilla_data();
    void rejilla();
    void cadaTrazaSigueSuCodigo();
    void etiquetasYComienzo();
    void nadaVisibleONumeroInvalido();
    void imagenNitidaSegunDpr_data();
    void imagenNitidaSegunDpr();
};

void TestTrazador::rejilla_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("lineas");
    QTest::addColumn<int>("brillantes");
    fila("slider 1", 40, 109, 27);
    fila("slider 6", 240, 18, 4);
}

// A line at every bit boundary but x = 0, the bright ones every fourth bit.
void TestTrazador::rejilla()
{
    QFETCH(int, t);
    QFETCH(int, lineas);
    QFETCH(int, brillantes);
    RecordingCanvas c;
    pintar(c, conT(t), Visibles{}, "0000");
    const auto claras = c.deColor(colores::kRejillaDigito);
    QCOMPARE(int(c.deColor(colores::kRejilla).size() + claras.size()), lineas);
    QCOMPARE(int(claras.size()), brillantes);
    for (const auto& s : claras) {
        QCOMPARE(int(s.desde.x) % (8 * t), 0);
        QCOMPARE(s.hasta.y, 2535.f);
    }
    QCOMPARE(c.segmentos.front().desde.x, float(2 * t));
}

// Each trace draws, at its own height, half-bit by half-bit, the levels the
// laboratory's coder gives the eight copies of the word (so AMI's and
// HDB3's polarity run on past the 16-bit word), and runs to the right
// edge, stopping within two bits past it.
void TestTrazador::cadaTrazaSigueSuCodigo()
{
    const int t = 120;
    const EstadoPantalla e = conT(t);
    for (const char* numero : {"8421", "0001", "A5F0"}) {
        RecordingCanvas c;
        pintar(c, e, kTodas, numero);
        const std::string palabras = copiasPalabra(*binario(numero));
        const auto y = [&](Traza tr, int nivel) { return float(e.trazas[tr].base - nivel * e.trazas[tr].amp); };
        const auto nivel = [&](Codigo codigo, int paso) {
            const Paso p = codificar(codigo, palabras)[size_t(paso / 2)];
            return paso % 2 == 0 ? p.nivel1 : p.nivel2;
        };
        for (int paso = 0; paso < 40; ++paso) {
            const float x = float(paso * t);
            QCOMPARE(yEn(c, color(Reloj), x), y(Reloj, paso % 2 == 0 ? 1 : 0));
            QCOMPARE(yEn(c, color(Rz), x), y(Rz, nivel(Codigo::Rz, paso)));
            QCOMPARE(yEn(c, color(Ami), x), y(Ami, nivel(Codigo::Ami, paso)));
            QCOMPARE(yEn(c, color(Hdb3), x), y(Hdb3, nivel(Codigo::Hdb3, paso)));
            if (paso % 2 == 0) QCOMPARE(yEn(c, color(Nrz), x), y(Nrz, nivel(Codigo::NrzUnipolar, paso)));
        }
        for (int tr = Reloj; tr < kTrazas; ++tr) {
            float fin = 0;
            for (const auto& s : c.deColor(color(Traza(tr)))) fin = std::max(fin, s.hasta.x);
            QVERIFY(fin >= float(c.anchoTotal()) && fin <= float(c.anchoTotal() + 4 * t));
        }
    }
}

// The label tops a redraw hands back. HDB3's pen starts on its
// baseline, so a leading pulse shows its rising edge at x = 0; the others
// start at their first bit's level.
void TestTrazador::etiquetasYComienzo()
{
    RecordingCanvas c;
    const auto d = pintar(c, conT(240), kTodas, "8421");
    QVERIFY(d);
    const std::array<int, kTrazas> topes{100, 600, 1100, 1600, 2100};
    for (int i = 0; i < kTrazas; ++i) QCOMPARE(d->etiquetas[i].value_or(-1), topes[i]);
    const auto hdb3 = c.deColor(color(Hdb3));
    QCOMPARE(hdb3[0].hasta, (Punto{0, 2200}));
    QCOMPARE(hdb3[1].hasta, (Punto{0, 2000}));
    QCOMPARE(c.deColor(color(Nrz))[0].hasta, (Punto{0, 500}));
    QCOMPARE(c.deColor(color(Ami))[0].hasta, (Punto{0, 1500}));
}

// With no trace shown the grid still comes; a number
// with no binary form draws nothing at all.
void TestTrazador::nadaVisibleONumeroInvalido()
{
    RecordingCanvas c;
    const auto d = pintar(c, conT(240), Visibles{}, "1234");
    QVERIFY(d);
    QCOMPARE(c.borrados, 1);
    QCOMPARE(int(c.segmentos.size()), 18);
    for (const auto& e : d->etiquetas) QVERIFY(!e);
    RecordingCanvas nada;
    QVERIFY(!pintar(nada, conT(240), kTodas, "12G4"));
    QCOMPARE(nada.borrados, 0);
}

void TestTrazador::imagenNitidaSegunDpr_data()
{
    QTest::addColumn<qreal>("dpr");
    fila("1x", qreal(1));
    fila("2x", qreal(2));
    fila("1.5x, not whole", qreal(1.5));
}

// The image lienzo draws one device pixel wide, at twips / 15 * dpr.
void TestTrazador::imagenNitidaSegunDpr()
{
    QFETCH(qreal, dpr);
    dibujo::LienzoImagen lienzo(8775, 2535, 0);
    lienzo.redimensionar(QSize(581, 165), dpr);
    pintar(lienzo, conT(240), Visibles{}, "0000");
    const QImage& img = lienzo.imagen();
    QCOMPARE(img.width(), qRound(581 * dpr));
    const int fila = qRound(50 * dpr), x = qRound(480 / 15.0 * dpr);
    QCOMPARE(img.pixelColor(x, fila), QColor(0, 0, 192));
    QCOMPARE(img.pixelColor(x + 1, fila), QColor(Qt::black));
    QCOMPARE(img.pixelColor(x - 1, fila), QColor(Qt::black));
    QCOMPARE(img.pixelColor(qRound(1920 / 15.0 * dpr), fila), QColor(192, 192, 255));
}

QTEST_APPLESS_MAIN(TestTrazador)
#include "tst_trazador.moc"
