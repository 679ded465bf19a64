#include "Ayudantes.h"
#include "forms/Controls.h"
#include "forms/DrawingArea.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QStringList kEtiquetas{"eticlk", "etinrz", "etirz", "etiami", "etihdb"};
const QStringList kMenus{"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"};
const QList<QColor> kColores{QColor(0, 255, 255), QColor(255, 0, 0), QColor(255, 255, 0),
                             QColor(0, 255, 0), QColor(255, 128, 0)};
const QColor kGris(128, 128, 128);

QColor colorDe(const QLabel* l)
{
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class TestInteraccion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void teclas_data();
    void teclas();
    void teclasRechazadas_data();
    void teclasRechazadas();
    void teclasSinCaracter_data();
    void teclasSinCaracter();
    void dobleClicEnEtiquetaAlternaUnaVez();
    void menuContextualEnCastellano();
    void digitoConFocoEnBinario();
    void resetRedibujaSiempre();
    void menuYEtiquetaCoinciden_data();
    void menuYEtiquetaCoinciden();
    void ocultarTodosTrasOcultarAlgunos();
    void tosDibujaUnaVez();
    void hdb3OcultoConservaTexto1();
    void deslizador_data();
    void deslizador();
    void valorPuestoPorProgramaNoRedibuja();
    void guardarPngYSvg();
    void guardarFallaConMensaje();
    void copiarImagen();

private:
    VentanaPrincipal v;
    AvisosDePrueba* avisos = nullptr;
    QLineEdit* numero() const { return v.hijo<QLineEdit>("número"); }
    QImage imagen() const { return v.hijo<forms::DrawingArea>("Pantalla")->canvas().imagen(); }
};

void TestInteraccion::init()
{
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestInteraccion::cleanup()
{
    v.cerrar();
    delete avisos;
}

void TestInteraccion::teclas_data()
{
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("numero");
    QTest::newRow("shift register") << "Pantalla" << "12345" << "2345";
    QTest::newRow("small letter") << "Pantalla" << "a" << "000A";
    QTest::newRow("letters") << "Pantalla" << "abcdEF" << "CDEF";
    QTest::newRow("four zeros clear") << "Pantalla" << "F0000" << "0000";
    QTest::newRow("focus on slider") << "periodo" << "9f" << "009F";
    QTest::newRow("focus on Text1") << "Text1" << "c3" << "00C3";
    QTest::newRow("focus on number") << "número" << "8421" << "8421";
}

void TestInteraccion::teclas()
{
    QFETCH(QString, foco);
    QFETCH(QString, tecleado);
    QFETCH(QString, numero);
    QSignalSpy pintado(v.p, &Principal::pintado);
    v.teclear(foco, tecleado);
    QCOMPARE(this->numero()->text(), numero);
    QCOMPARE(pintado.count(), tecleado.size());
    QCOMPARE(avisos->beeps, 0);
    const QString bits = QString::number(numero.toInt(nullptr, 16), 2).rightJustified(16, '0');
    QCOMPARE(v.hijo<QLineEdit>("binario")->text(), bits);
}

void TestInteraccion::teclasRechazadas_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    QTest::newRow("47 /") << int(Qt::Key_Slash) << "/";
    QTest::newRow("58 :") << int(Qt::Key_Colon) << ":";
    QTest::newRow("64 @") << int(Qt::Key_At) << "@";
    QTest::newRow("71 G") << int(Qt::Key_G) << "G";
    QTest::newRow("96 `") << int(Qt::Key_QuoteLeft) << "`";
    QTest::newRow("103 g") << int(Qt::Key_G) << "g";
    QTest::newRow("space") << int(Qt::Key_Space) << " ";
    QTest::newRow("minus") << int(Qt::Key_Minus) << "-";
    QTest::newRow("accented") << int(Qt::Key_Eacute) << "é";
    QTest::newRow("enter 13") << int(Qt::Key_Return) << "\r";
    QTest::newRow("backspace 8") << int(Qt::Key_Backspace) << "\b";
    QTest::newRow("escape 27") << int(Qt::Key_Escape) << "\x1b";
}

// A rejected key beeps once and leaves the number, the texts and the picture
// as they were.
void TestInteraccion::teclasRechazadas()
{
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    v.teclear("Pantalla", "5a");
    const QImage antes = imagen();
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::tecla(v.p, Qt::Key(tecla), Qt::NoModifier, texto);
    QCOMPARE(avisos->beeps, 1);
    QCOMPARE(numero()->text(), QString("005A"));
    QCOMPARE(pintado.count(), 0);
    QCOMPARE(imagen(), antes);
}

void TestInteraccion::teclasSinCaracter_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("texto"); // as an X server gives it
    QTest::newRow("Alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << "5";
    QTest::newRow("Super+a") << int(Qt::Key_A) << int(Qt::MetaModifier) << "a";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << "\x7f";
    QTest::newRow("Right arrow") << int(Qt::Key_Right) << int(Qt::NoModifier) << "";
}

// Keys that carry no character on a desktop neither enter a digit nor beep.
void TestInteraccion::teclasSinCaracter()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, texto);
    v.teclear("Pantalla", "5a");
    entrada::tecla(v.p, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores), texto);
    QCOMPARE(numero()->text(), QString("005A"));
    QCOMPARE(avisos->beeps, 0);
}

void TestInteraccion::dobleClicEnEtiquetaAlternaUnaVez()
{
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::dobleClic(v.hijo("etiami"));
    QVERIFY(!v.hijo<QAction>("VisuAmi")->isChecked());
    QCOMPARE(pintado.count(), 1);
}

// Qt's own texts, such as a text box's context menu, are Spanish too.
void TestInteraccion::menuContextualEnCastellano()
{
    std::unique_ptr<QMenu> menu(v.hijo<QLineEdit>("binario")->createStandardContextMenu());
    QStringList textos;
    for (QAction* a : menu->actions()) textos << a->text().remove('&').section('\t', 0, 0);
    QVERIFY2(textos.contains("Copiar") && textos.contains("Seleccionar todo"), qPrintable(textos.join('|')));
}

// binario only shows what the redraw wrote: a digit typed into it scrolls the
// number and leaves the binary text right.
void TestInteraccion::digitoConFocoEnBinario()
{
    v.teclear("binario", "7");
    QCOMPARE(numero()->text(), QString("0007"));
    QCOMPARE(v.hijo<QLineEdit>("binario")->text(), QString("0000000000000111"));
    v.teclear("Text1", "1");
    QCOMPARE(v.hijo<QLineEdit>("Text1")->text().left(8), QString("B00VB00V"));
    QCOMPARE(v.hijo<QLineEdit>("Text1")->text().size(), 128);
}

void TestInteraccion::resetRedibujaSiempre()
{
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::clic(v.hijo("Reset"));
    QCOMPARE(numero()->text(), QString("0000"));
    QCOMPARE(pintado.count(), 1);
    v.teclear("Pantalla", "AB");
    entrada::clic(v.hijo("Reset"));
    QCOMPARE(numero()->text(), QString("0000"));
    QCOMPARE(v.hijo<QLineEdit>("binario")->text(), QString("0000000000000000"));
    QCOMPARE(pintado.count(), 4);
}

void TestInteraccion::menuYEtiquetaCoinciden_data()
{
    QTest::addColumn<int>("traza");
    QTest::addColumn<bool>("porEtiqueta");
    QTest::addColumn<int>("fila"); // a pixel row on the trace's baseline for 0000
    const QList<int> filas{13, 46, 80, 113, 146}; // clock low, then baselines / 15
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("%s menu", qPrintable(kMenus[i])) << i << false << filas[i];
        QTest::addRow("%s label", qPrintable(kEtiquetas[i])) << i << true << filas[i];
    }
}

// Choosing a trace from its menu or clicking its label hides it (check mark,
// grey label, gone from the picture) and the second time shows it again.
void TestInteraccion::menuYEtiquetaCoinciden()
{
    QFETCH(int, traza);
    QFETCH(bool, porEtiqueta);
    QFETCH(int, fila);
    auto* item = v.hijo<QAction>(kMenus[traza]);
    auto* etiqueta = v.hijo<QLabel>(kEtiquetas[traza]);
    QSignalSpy pintado(v.p, &Principal::pintado);
    const auto elegir = [&] {
        if (porEtiqueta) entrada::clic(etiqueta);
        else item->trigger();
    };
    const QPoint muestra(20, fila); // between grid lines
    QVERIFY(imagen().pixelColor(muestra) != QColor(Qt::black));

    elegir();
    QVERIFY(!item->isChecked());
    QCOMPARE(colorDe(etiqueta), kGris);
    QCOMPARE(imagen().pixelColor(muestra), QColor(Qt::black));
    QCOMPARE(pintado.count(), 1);

    elegir();
    QVERIFY(item->isChecked());
    QCOMPARE(colorDe(etiqueta), kColores[traza]);
    QVERIFY(imagen().pixelColor(muestra) != QColor(Qt::black));
    QCOMPARE(pintado.count(), 2);
}

void TestInteraccion::ocultarTodosTrasOcultarAlgunos()
{
    v.hijo<QAction>("VisuRz")->trigger();
    v.hijo<QAction>("reloj")->trigger();
    QSignalSpy pintado(v.p, &Principal::pintado);
    v.hijo<QAction>("ocultar")->trigger();
    QCOMPARE(pintado.count(), 1);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!v.hijo<QAction>(kMenus[i])->isChecked());
        QCOMPARE(colorDe(v.hijo<QLabel>(kEtiquetas[i])), kGris);
    }
    v.hijo<QAction>("todos")->trigger();
    QCOMPARE(pintado.count(), 2);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(v.hijo<QAction>(kMenus[i])->isChecked());
        QCOMPARE(colorDe(v.hijo<QLabel>(kEtiquetas[i])), kColores[i]);
    }
    QVERIFY(!v.hijo<QAction>("todos")->isChecked());
}

void TestInteraccion::tosDibujaUnaVez()
{
    QSignalSpy pintado(v.p, &Principal::pintado);
    v.p->tos(false, true);
    QCOMPARE(pintado.count(), 1);
    QVERIFY(v.hijo<QAction>("reloj")->isChecked());
    for (int i = 1; i < 5; ++i) QVERIFY(!v.hijo<QAction>(kMenus[i])->isChecked());
    QVERIFY(!NoPintar);
}

void TestInteraccion::hdb3OcultoConservaTexto1()
{
    v.hijo<QAction>("VisuHdb")->trigger();
    v.teclear("Pantalla", "FFFF");
    QCOMPARE(v.hijo<QLineEdit>("Text1")->text(), QString("B00V").repeated(32));
    QCOMPARE(v.hijo<QLineEdit>("binario")->text(), QString("1111111111111111"));
    v.hijo<QAction>("VisuHdb")->trigger();
    QCOMPARE(v.hijo<QLineEdit>("Text1")->text(), QString("1").repeated(128));
}

void TestInteraccion::deslizador_data()
{
    QTest::addColumn<QList<int>>("teclas");
    QTest::addColumn<int>("valor");
    QTest::newRow("right") << QList<int>{Qt::Key_Right} << 7;
    QTest::newRow("left") << QList<int>{Qt::Key_Left} << 5;
    QTest::newRow("end") << QList<int>{Qt::Key_End} << 10;
    QTest::newRow("home") << QList<int>{Qt::Key_Home} << 1;
    QTest::newRow("page up") << QList<int>{Qt::Key_Home, Qt::Key_PageUp} << 6;
    QTest::newRow("past the top") << QList<int>{Qt::Key_End, Qt::Key_Right} << 10;
    QTest::newRow("past the bottom") << QList<int>{Qt::Key_Home, Qt::Key_Left, Qt::Key_Left} << 1;
}

// Every user move redraws once with the new period, even one that leaves
// the slider where it was.
void TestInteraccion::deslizador()
{
    QFETCH(QList<int>, teclas);
    QFETCH(int, valor);
    auto* s = v.hijo<forms::Slider>("periodo");
    entrada::enfocar(s);
    QSignalSpy pintado(v.p, &Principal::pintado);
    for (int t : teclas) entrada::tecla(v.p, Qt::Key(t));
    QCOMPARE(s->value(), valor);
    QCOMPARE(v.p->semiperiodo(), valor * 40);
    QCOMPARE(pintado.count(), teclas.size());
    QCOMPARE(avisos->beeps, 0); // arrow keys carry no character
    // The grid's first line stands one bit (2T) from the left.
    const int x = (2 * valor * 40) / 15;
    QCOMPARE(imagen().pixelColor(x, 100), QColor(0, 0, 192));
}

void TestInteraccion::valorPuestoPorProgramaNoRedibuja()
{
    QSignalSpy pintado(v.p, &Principal::pintado);
    v.hijo<forms::Slider>("periodo")->setValue(3);
    QCOMPARE(pintado.count(), 0);
    QCOMPARE(v.p->semiperiodo(), 240);
    v.p->periodo_Scroll();
    QCOMPARE(v.p->semiperiodo(), 120);
    QCOMPARE(pintado.count(), 1);
}

void TestInteraccion::guardarPngYSvg()
{
    QTemporaryDir dir;
    v.teclear("Pantalla", "8421");
    const QString png = dir.filePath("ondas.png"), svg = dir.filePath("ondas.svg");
    avisos->ficheros = {png, svg};
    v.p->guardarImagen();
    v.p->guardarImagen();
    QVERIFY(avisos->mensajes.isEmpty());
    QImage leida(png);
    QCOMPARE(leida.convertToFormat(QImage::Format_RGB32), imagen());
    // The second dialog opens where the first file went.
    QCOMPARE(avisos->carpetasOfrecidas.value(1), dir.path());

    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    QVERIFY(xml.contains("<svg"));
    QVERIFY(xml.contains("viewBox=\"0 0 8715 2475\""));
    for (const char* color : {"#ff0000", "#ffff00", "#00ff00", "#ff8000", "#80ffff", "#0000c0", "#c0c0ff"})
        QVERIFY2(xml.contains(color), color);
}

void TestInteraccion::guardarFallaConMensaje()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("no/existe/ondas.png");
    avisos->ficheros = {ruta};
    v.p->guardarImagen();
    QCOMPARE(avisos->mensajes.size(), 1);
    QVERIFY(avisos->mensajes[0].startsWith("No se pudo guardar la imagen en"));
    QVERIFY(avisos->mensajes[0].contains("ondas.png"));
    QCOMPARE(avisos->ultimoIcono, forms::Avisos::Icono::Critico);
    QVERIFY(!QFile::exists(ruta));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestInteraccion::copiarImagen()
{
    v.p->copiarImagen();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), imagen());
}

QTEST_MAIN(TestInteraccion)
#include "tst_interaccion.moc"
