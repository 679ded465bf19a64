// SPDX-License-Identifier: GPL-3.0-or-later
// The code laboratory, opened from the main window and driven as a student
// drives it: typing, choosing codes and starting states, clicking the drawing.

#include "Ayudantes.h"
#include "Filas.h"
#include "formularios/Zoom.h"
#include "laboratorio/GraficoBer.h"
#include "laboratorio/GraficoEspectro.h"
#include "laboratorio/GraficoOjo.h"
#include "laboratorio/VentanaLaboratorio.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTableView>

using laboratorio::VentanaLaboratorio;

using codigos::Codigo;
using codigos::EstadoInicial;
using codigos::Paso;

class TestLaboratorio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void entrada_data();
    void entrada();
    void cambiarDeForma();
    void pasos_data();
    void pasos();
    void errorEnHdb3();
    void nivelesDibujados();
    void relojALaVista();
    void graficoDelEspectro();
    void linea_data();
    void linea();
    void relojRecuperado();
    void tasaDeErrores();

private:
    template <typename T = QWidget>
    T* de(const QString& nombre) const
    {
        return control<T>(lab, nombre);
    }
    void escribir(const QString& texto);
    void elegir(const QString& combo, int veces);
    void enfocarCodigo(Codigo c);
    void marcar(const QString& casilla);
    void ponerCable(int decibelios);
    QString columna(int columna) const;

    Programa v;
    AvisosDePrueba* avisos = nullptr;
    VentanaLaboratorio* lab = nullptr;
};

void TestLaboratorio::init()
{
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
    v.hijo<QAction>("laboratorio")->trigger();
    lab = ventana<VentanaLaboratorio>("lab");
    QVERIFY(lab);
    QVERIFY(QTest::qWaitForWindowExposed(lab));
    entrada::activar(lab);
}

void TestLaboratorio::cleanup()
{
    v.cerrar();
    QVERIFY(!ventana("lab")); // closing the main window closes the laboratory
    lab = nullptr;
    delete avisos;
}

// Tab into the input (which selects all of it), clear it and type.
void TestLaboratorio::escribir(const QString& texto) { entrada::teclearEn(de("bits"), QChar(0x7f) + texto); }

// Moves a drop-down list's choice down with the arrow key, as many times (up, when negative).
void TestLaboratorio::elegir(const QString& combo, int veces)
{
    entrada::enfocar(de(combo));
    for (int i = 0; i < std::abs(veces); ++i) entrada::tecla(lab, veces > 0 ? Qt::Key_Down : Qt::Key_Up);
}

void TestLaboratorio::enfocarCodigo(Codigo c)
{
    auto* lista = de<QListWidget>("codigo");
    entrada::clic(lista->viewport(), lista->visualItemRect(lista->item(int(c))).center());
}

// A check box ticked, or unticked, with the space bar.
void TestLaboratorio::marcar(const QString& casilla)
{
    entrada::enfocar(de(casilla));
    entrada::tecla(lab, Qt::Key_Space, Qt::NoModifier, " ");
}

// The cable's slider, from 0 dB, five decibels a page and one an arrow.
void TestLaboratorio::ponerCable(int decibelios)
{
    entrada::enfocar(de("perdida"));
    entrada::tecla(lab, Qt::Key_Home);
    for (int i = 0; i < decibelios / 5; ++i) entrada::tecla(lab, Qt::Key_PageUp);
    for (int i = 0; i < decibelios % 5; ++i) entrada::tecla(lab, Qt::Key_Right);
    QCOMPARE(de<QSlider>("perdida")->value(), decibelios);
}

// One column of the step table, its cells separated by blanks.
QString TestLaboratorio::columna(int columna) const
{
    const auto* modelo = de<QTableView>("pasos")->model();
    QStringList r;
    for (int fila = 0; fila < modelo->rowCount(); ++fila) r << modelo->index(fila, columna).data().toString();
    return r.join(' ');
}

void TestLaboratorio::entrada_data()
{
    QTest::addColumn<int>("forma"); // steps down from "Bits"
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("queda");
    QTest::addColumn<QString>("decodificado");
    QTest::addColumn<QString>("pista");
    fila("bits, blanks ignored", 0, "10 1", "10 1", "101", "3 bits.");
    fila("a letter after bits", 0, "101a", "101", "101", "Solo se admiten los bits 0 y 1");
    fila("hexadecimal", 1, "a5", "a5", "10100101", "8 bits.");
    fila("G is no hexadecimal digit", 1, "AG", "A", "1010", "Solo se admiten las cifras hexadecimales");
    fila("text, one byte each", 2, "Añ", "Añ", "0100000111110001", "16 bits.");
    fila("the euro sign has no byte", 2, "A€", "A", "01000001", "Solo se admiten caracteres de un byte");
}

// What the student types is coded as it is typed; a wrong character pitidos,
// says why, and leaves the rest as it was.
void TestLaboratorio::entrada()
{
    QFETCH(int, forma);
    QFETCH(QString, tecleado);
    QFETCH(QString, queda);
    QFETCH(QString, decodificado);
    QFETCH(QString, pista);
    escribir(QString());
    elegir("entrada", forma);
    escribir(tecleado);
    QCOMPARE(de<QLineEdit>("bits")->text(), queda);
    QCOMPARE(de<QLineEdit>("decodificado")->text(), decodificado);
    QCOMPARE(de<QLineEdit>("leido")->text(), forma == 0 ? QString() : forma == 1 ? queda.toUpper() : queda);
    QVERIFY2(de<QLabel>("pista")->text().startsWith(pista), qPrintable(de<QLabel>("pista")->text()));
    QCOMPARE(avisos->pitidos, queda == tecleado ? 0 : 1);
    QCOMPARE(de<QLineEdit>("bits")->cursorPosition(), queda.size()); // a refused key moves nothing
}

// The bits stay when the form changes; a form that cannot hold them is
// refused, and 4,096 bits are the most.
void TestLaboratorio::cambiarDeForma()
{
    escribir("010000010");
    elegir("entrada", 1);
    QCOMPARE(avisos->pitidos, 1);
    QCOMPARE(de<QComboBox>("entrada")->currentIndex(), 0);
    QCOMPARE(de<QLineEdit>("bits")->text(), QString("010000010"));

    escribir("01000001");
    elegir("entrada", 2);
    QCOMPARE(de<QLineEdit>("bits")->text(), QString("A"));
    entrada::enfocar(de("entrada"));
    entrada::tecla(lab, Qt::Key_Up);
    QCOMPARE(de<QLineEdit>("bits")->text(), QString("41"));

    de<QLineEdit>("bits")->setText(QString(1023, 'F')); // typing 1,024 digits would take long
    entrada::enfocar(de("bits"));
    entrada::tecla(lab, Qt::Key_End);
    entrada::teclear(lab, "F");
    QCOMPARE(de<QLineEdit>("decodificado")->text().size(), 4096);
    entrada::teclear(lab, "F");
    QCOMPARE(de<QLineEdit>("bits")->text().size(), 1024);
    QCOMPARE(de<QLabel>("pista")->text(), QString("Como mucho 4096 bits."));
}

void TestLaboratorio::pasos_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("lista"); // a starting-state list
    QTest::addColumn<int>("abajo");     // moved down so many times
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("ultimoPulso"); // the starting state the lists mean
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("paridad");
    QTest::addColumn<QString>("motivo"); // of the second row
    const auto fila = [](const char* nombre, Codigo c, const char* lista, int abajo, const char* bits, EstadoInicial e,
                         const QString& motivo = {}) {
        ::fila(nombre, int(c), lista, abajo, bits, e.ultimoPulso, e.nivel, e.paridad, motivo);
    };
    fila("HDB3, odd parity", Codigo::Hdb3, "paridad", 1, "0000", {-1, -1, 1},
         "cuatro ceros tras un número impar de marcas desde la última V → 000V");
    fila("B8ZS, last pulse positive", Codigo::B8zs, "ultimoPulso", 1, "00000000", {1, -1, 0},
         "ocho ceros → 000VB0VB: V repite el signo del último pulso y B lo invierte");
    fila("differential Manchester, high start", Codigo::ManchesterDiferencial, "nivelInicial", 2, "10", {-1, 1, 0});
    fila("NRZI of 0 from zero reads as low", Codigo::Nrzi, "nivelInicial", 1, "0", {-1, -1, 0});
    fila("MLT-3 from zero", Codigo::Mlt3, "nivelInicial", 1, "111", {-1, 0, 0});
}

// The step table shows the coder's slots for the code in focus, from the
// starting state the lists set.
void TestLaboratorio::pasos()
{
    QFETCH(int, codigo);
    QFETCH(QString, lista);
    QFETCH(int, abajo);
    QFETCH(QString, bits);
    QFETCH(int, ultimoPulso);
    QFETCH(int, nivel);
    QFETCH(int, paridad);
    QFETCH(QString, motivo);
    escribir(bits);
    if (!lista.isEmpty()) elegir(lista, abajo);
    enfocarCodigo(Codigo(codigo));
    QStringList simbolos, niveles1, niveles2;
    for (const Paso& p : codigos::codificar(Codigo(codigo), bits.toStdString(), {ultimoPulso, nivel, paridad})) {
        simbolos << QString::fromStdString(codigos::simboloPaso(Codigo(codigo), p));
        niveles1 << QString::number(p.nivel1);
        niveles2 << QString::number(p.nivel2);
    }
    QCOMPARE(columna(0).remove(' '), bits);
    QCOMPARE(columna(1), simbolos.join(' '));
    QCOMPARE(columna(2), niveles1.join(' '));
    QCOMPARE(columna(3), niveles2.join(' '));
    const auto* modelo = de<QTableView>("pasos")->model();
    QCOMPARE(modelo->headerData(0, Qt::Vertical).toString(), QString("1")); // bits are counted from 1
    QCOMPARE(modelo->index(1, 4).data().toString(), motivo);
    // B, V and the substituted runs stand out.
    QCOMPARE(modelo->index(1, 0).data(Qt::BackgroundRole).isValid(), !motivo.isEmpty());
    QCOMPARE(de<QLineEdit>("decodificado")->text(), bits);
}

// A pulse injected into a zero of an HDB3 line breaks the alternation: the
// violation shows, in words and on the waveform; a second click takes the
// error back.
void TestLaboratorio::errorEnHdb3()
{
    escribir("1100001000000001000010110000000010");
    const auto& dibujo = lab->dibujo();
    QCOMPARE(int(dibujo.lineas().size()), 2); // AMI and HDB3, as it opens
    auto* area = de<QScrollArea>("dibujo");
    const QPoint bit13 = dibujo.centroDe(1, 12, 0);
    QCOMPARE(dibujo.lineas()[1].pasos[12].nivel1, 0);
    entrada::clic(area->viewport(), bit13);
    QCOMPARE(de<QListWidget>("codigo")->currentRow(), int(Codigo::Hdb3));
    // The receiver takes the pulse for the V of a substitution, so the
    // bits come out right, but the alternation gives the error away, and
    // every violation that follows from it is listed and marked in the
    // step table.
    QCOMPARE(
        de<QLabel>("deteccion")->text(),
        QString("El error no cambia ningún bit. Detectado: violación bipolar no esperada en el bit 13; "
                "violación bipolar no esperada en el bit 15; violación con la polaridad de la anterior en el bit 20."));
    const auto* pasos = de<QTableView>("pasos")->model();
    QVERIFY(pasos->index(12, 4).data().toString().startsWith(
        "error de línea en la primera mitad; violación bipolar no esperada; "));
    QCOMPARE(pasos->index(14, 0).data(Qt::BackgroundRole), pasos->index(12, 0).data(Qt::BackgroundRole));
    QVERIFY(pasos->index(13, 0).data(Qt::BackgroundRole) != pasos->index(12, 0).data(Qt::BackgroundRole));
    QVERIFY(pasos->index(19, 4).data().toString().startsWith("violación con la polaridad de la anterior; "));
    const QImage img = area->viewport()->grab().toImage();
    QCOMPARE(img.pixelColor(bit13 + QPoint(0, 14)), QColor(0x58, 0x18, 0x30));
    QCOMPARE(img.pixelColor(dibujo.centroDe(1, 10, 0) + QPoint(0, 14)), QColor(Qt::black));

    entrada::clic(area->viewport(), bit13);
    QCOMPARE(de<QLabel>("deteccion")->text(), QString());
    QCOMPARE(de<QLineEdit>("decodificado")->text(), de<QLineEdit>("bits")->text());
}

// A positive pulse is drawn above its band's middle, a negative one below;
// at 200 % the trace is two pixels thick, for the projector. Two bits
// stretch to fill the view, so far.
void TestLaboratorio::nivelesDibujados()
{
    escribir("11");
    const auto& dibujo = lab->dibujo();
    QCOMPARE(dibujo.size(), de<QScrollArea>("dibujo")->viewport()->size());
    QCOMPARE(dibujo.centroDe(0, 1, 0).x() - dibujo.centroDe(0, 0, 0).x(), 60);      // the widest half-bit, 30 pixels
    const auto alFinal = qScopeGuard([] { formularios::Zoom::actual().normal(); }); // the zoom is remembered
    for (const int grosor : {1, 2}) {
        const QImage img = de<QScrollArea>("dibujo")->viewport()->grab().toImage();
        const int banda = dibujo.centroDe(1, 0, 0).y() - dibujo.centroDe(0, 0, 0).y();
        const auto trazo = [&](int bit) { // AMI's rows in the first half of the bit, up from the band's middle
            QList<int> filas;
            const QPoint centro = dibujo.centroDe(0, bit, 0);
            for (int dy = -banda / 2; dy < banda / 2; ++dy)
                if (img.pixelColor(centro + QPoint(0, dy)) == laboratorio::colorCodigo(Codigo::Ami)) filas << -dy;
            return filas;
        };
        QVERIFY(!trazo(0).isEmpty() && !trazo(1).isEmpty());
        QVERIFY(trazo(0).last() > 0 && trazo(1).first() < 0);
        QCOMPARE(trazo(0).size(), grosor);
        for (int paso = 0; paso < 3; ++paso) formularios::Zoom::actual().ampliar(); // 200 %
    }
}

// With every code chosen the view scrolls down, and the bits and the clock
// stay at its top: a click there injects nothing into the line beneath.
// The V of a substitution is lettered beside its pulse.
void TestLaboratorio::relojALaVista()
{
    escribir("10000");
    const auto& dibujo = lab->dibujo();
    const QPoint v = dibujo.centroDe(1, 4, 1); // HDB3's 000V, the V's second half
    const auto letrasEn = [&](const QImage& img, QPoint mitad) {
        int r = 0;
        for (int y = mitad.y() - 14; y < mitad.y(); ++y)
            for (int x = mitad.x() - 3; x <= mitad.x() + 3; ++x) r += img.pixelColor(x, y) != QColor(Qt::black);
        return r;
    };
    auto* area = de<QScrollArea>("dibujo");
    QImage img = area->viewport()->grab().toImage();
    QVERIFY(letrasEn(img, v) > 0);
    QCOMPARE(letrasEn(img, dibujo.centroDe(1, 0, 1)), 0); // a mark's second half is empty

    for (Codigo c : codigos::kTodosLosCodigos)
        if (c != Codigo::Ami && c != Codigo::Hdb3) {
            enfocarCodigo(c);
            entrada::tecla(lab, Qt::Key_Space, Qt::NoModifier, " ");
        }
    const int reloj = dibujo.centroDe(-1, 0, 0).y(), banda = dibujo.centroDe(0, 0, 0).y() - reloj;
    const QRect cabecera(0, 0, area->viewport()->width(), reloj + banda / 2); // the bits and the clock
    entrada::enfocar(area);
    img = area->viewport()->grab().toImage();
    for (int i = 0; i < 5; ++i) entrada::tecla(lab, Qt::Key_PageDown);
    QCOMPARE(area->verticalScrollBar()->value(), area->verticalScrollBar()->maximum());
    QVERIFY(area->verticalScrollBar()->value() > cabecera.height());
    const QImage abajo = area->viewport()->grab().toImage();
    QCOMPARE(abajo.copy(cabecera), img.copy(cabecera));
    QVERIFY(abajo != img);

    entrada::clic(area->viewport(), dibujo.centroDe(-1, 2, 0));
    QCOMPARE(de<QLabel>("deteccion")->text(), QString());
}

// The linear scale fits the highest chosen curve (MLT-3 peaks at 5.85)
// with no plateau at its top, its figures are drawn (the "2" among them),
// and the decibel scale, chosen with the keyboard, fits it too.
void TestLaboratorio::graficoDelEspectro()
{
    for (Codigo c : {Codigo::DosBUnoQ, Codigo::Mlt3}) {
        enfocarCodigo(c);
        entrada::tecla(lab, Qt::Key_Space, Qt::NoModifier, " ");
    }
    auto* grafico = de("espectro")->findChild<laboratorio::GraficoEspectro*>();
    QVERIFY(grafico);
    QCOMPARE(grafico->tope(), 7.0);
    const QImage img = grafico->grab().toImage();
    const QRect area = grafico->area();
    const QColor fondo = img.pixelColor(0, 0), mlt3 = laboratorio::colorCodigo(Codigo::Mlt3);
    int cima = area.bottom(), enLaCima = 0, enElDos = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left() + 2; x < area.right(); ++x)
            if (img.pixelColor(x, y) == mlt3) {
                cima = std::min(cima, y);
                enLaCima += y <= area.top() + 1;
            }
    QCOMPARE(enLaCima, 0);
    QVERIFY2(cima < area.top() + area.height() / 5, qPrintable(QString::number(cima - area.top())));
    const int yDos = area.bottom() - qRound(area.height() * 2 / grafico->tope());
    for (int y = yDos - 4; y <= yDos + 4; ++y)
        for (int x = area.left() - 25; x < area.left() - 5; ++x) enElDos += img.pixelColor(x, y) != fondo;
    QVERIFY(enElDos > 0);

    elegir("escala", 1);
    QCOMPARE(grafico->tope(), 10.0); // 10 log 5.85 = 7.7 dB
}

void TestLaboratorio::linea_data()
{
    QTest::addColumn<int>("cable");
    QTest::addColumn<int>("transformador"); // steps down from "Sin transformador"
    QTest::addColumn<int>("ruido");         // steps down from "Sin ruido"
    QTest::addColumn<int>("enFoco");
    QTest::addColumn<int>("malDecididos");
    QTest::addColumn<QString>("ojo");
    fila("no line: the eye wide open", 0, 0, 0, int(Codigo::Hdb3), 0, "Altura del ojo: 100 % · anchura: 100 % del bit");
    fila("6 dB of cable: HDB3 comes through", 6, 0, 0, int(Codigo::Hdb3), 0,
         "Altura del ojo: 77 % · anchura: 100 % del bit");
    fila("30 dB of cable closes AMI's eye", 30, 0, 0, int(Codigo::Ami), 7,
         "El ojo está cerrado: el receptor se equivoca.");
    fila("a transformer at 5 % sags AMI's eye", 0, 3, 0, int(Codigo::Ami), 0,
         "Altura del ojo: 91 % · anchura: 100 % del bit");
    fila("noise at 0 dB", 0, 0, 9, int(Codigo::Ami), 7, "Sin el ruido, altura del ojo: 100 % · anchura: 100 % del bit");
}

// The line between the coder and the receiver: what arrives is drawn under
// each line with the bits the receiver reads from it, its wrong decisions
// are marked and reported, the decoding is of what it decided, and the eye
// of the code in focus is measured. Back to no line, the laboratory reads
// what was sent, as it did before the line was there.
void TestLaboratorio::linea()
{
    QFETCH(int, cable);
    QFETCH(int, transformador);
    QFETCH(int, ruido);
    QFETCH(int, enFoco);
    QFETCH(int, malDecididos);
    QFETCH(QString, ojo);
    const QString enviados = de<QLineEdit>("bits")->text();
    const QImage antes = de<QScrollArea>("dibujo")->viewport()->grab().toImage();
    enfocarCodigo(Codigo(enFoco));
    ponerCable(cable);
    elegir("acoplamiento", transformador);
    elegir("ruido", ruido);
    marcar("recibida");
    const auto& l = lab->dibujo().lineas()[enFoco == int(Codigo::Ami) ? 0 : 1];
    QCOMPARE(int(l.recibida.size()), enviados.size() * 8);
    QCOMPARE(int(l.malDecididos.size()), malDecididos);
    QCOMPARE(QString::fromStdString(l.leidos), de<QLineEdit>("decodificado")->text());
    QCOMPARE(de<QLineEdit>("decodificado")->text() == enviados, malDecididos == 0);
    QCOMPARE(
        de<QLabel>("deteccion")
            ->text()
            .startsWith(
                QString("La línea hace que el receptor decida mal %1 medios bits. Bits erróneos: ").arg(malDecididos)),
        malDecididos > 0);
    QCOMPARE(de<QLabel>("medidasOjo")->text(), ojo);
    if (cable == 0 && transformador == 0 && ruido == 0) { // a clean eye: traces on HDB3's levels, none between them
        auto* grafico = de("ojo")->findChild<laboratorio::GraficoOjo*>();
        const QImage img = grafico->grab().toImage();
        for (const int octavo : {1, 5}) { // each bit's first half
            const int x = grafico->area().left() + grafico->area().width() * octavo / 8;
            const auto en = [&](double nivel) { return img.pixelColor(x, qRound(grafico->y(nivel))); };
            QVERIFY(en(1) != QColor(Qt::black));
            QCOMPARE(en(0.25), QColor(Qt::black));
        }
    }

    marcar("recibida");
    elegir("ruido", -ruido);
    elegir("acoplamiento", -transformador);
    ponerCable(0);
    enfocarCodigo(Codigo::Hdb3);
    QCOMPARE(de<QScrollArea>("dibujo")->viewport()->grab().toImage(), antes);
    QCOMPARE(de<QLineEdit>("decodificado")->text(), enviados);
}

// Sixty-four zeros: AMI's recovered clock slips inside the run, HDB3's
// substitutions keep it; the slips are drawn under the clock.
void TestLaboratorio::relojRecuperado()
{
    escribir("1011001110100101" + QString(64, '0') + "1101");
    QCOMPARE(de<QLabel>("deslizamientos")->text(), QString("Deslizamientos del reloj: 0"));
    QVERIFY(!lab->dibujo().reloj());
    marcar("reloj");
    enfocarCodigo(Codigo::Ami);
    QCOMPARE(de<QLabel>("deslizamientos")->text(), QString("Deslizamientos del reloj: 1"));
    const auto& reloj = lab->dibujo().reloj();
    QVERIFY(reloj && reloj->codigo == Codigo::Ami);
    enfocarCodigo(Codigo::Hdb3);
    QCOMPARE(de<QLabel>("deslizamientos")->text(), QString("Deslizamientos del reloj: 0"));
    QCOMPARE(lab->dibujo().reloj()->codigo, Codigo::Hdb3);
}

// The error rate is measured point by point while the window answers; a
// cancelled run keeps its points, and a new cable drops them, since they
// were measured through another line.
void TestLaboratorio::tasaDeErrores()
{
    auto* grafico = de("ber")->findChild<laboratorio::GraficoBer*>();
    auto* barra = de<QProgressBar>("progresoBer");
    const auto puntos = [&](std::size_t serie) { return grafico->series()[serie].medidos.size(); };
    QVERIFY(grafico->series()[0].conTeoria && !grafico->series()[1].conTeoria); // AMI's closed form; none for HDB3
    entrada::clic(de("medirBer"));
    QVERIFY(de("cancelarBer")->isEnabled() && !de("medirBer")->isEnabled());
    QCOMPARE(barra->maximum(), 14); // two codes, seven points each
    QTRY_VERIFY(barra->value() >= 3);
    entrada::clic(de("cancelarBer"));
    const int medidos = barra->value();
    QTest::qWait(100);
    QCOMPARE(int(puntos(0) + puntos(1)), medidos);
    QVERIFY(de("medirBer")->isEnabled() && !de("cancelarBer")->isEnabled());

    entrada::clic(de("medirBer"));
    QTRY_VERIFY_WITH_TIMEOUT(!de("cancelarBer")->isEnabled(), 20000);
    QCOMPARE(barra->value(), 14);
    QCOMPARE(std::pair(puntos(0), puntos(1)), std::pair(std::size_t(7), std::size_t(7)));
    QCOMPARE(grafico->series()[0].medidos[2].ebn0Db, 4.0);

    ponerCable(1);
    QCOMPARE(std::pair(puntos(0), puntos(1)), std::pair(std::size_t(0), std::size_t(0)));
    QVERIFY(!grafico->series()[0].conTeoria); // the closed form holds only with no cable
}

QTEST_MAIN(TestLaboratorio)
#include "tst_laboratorio.moc"
