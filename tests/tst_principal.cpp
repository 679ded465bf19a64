#include "Ayudantes.h"
#include "forms/Controls.h"
#include "forms/DrawingArea.h"
#include "mainwindow/Principal.h"
#include "mainwindow/inicio.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void estadoInicial();
    void menus_data();
    void menus();
    void etiquetasJuntoASusTrazas();
    void preguntaBajoElMarco();
    void textosCompletos();
    void focoInicialYTamanoFijo();
    void temporizadorRedibujaUnaVez();
    void exposicionRedibuja();
    void cerrarTerminaElPrograma();

private:
    VentanaPrincipal v;
    template <typename T>
    T* hijo(const QString& nombre) const { return v.hijo<T>(nombre); }
};

void TestPrincipal::init()
{
    if (QString(QTest::currentTestFunction()) != "temporizadorRedibujaUnaVez") QVERIFY(v.abrir());
}

void TestPrincipal::cleanup()
{
    v.cerrar();
}

void TestPrincipal::estadoInicial()
{
    QCOMPARE(v.p->windowTitle(), QString("Sistemas de Telefonía (Tramavox)"));
    QCOMPARE(hijo<QLineEdit>("número")->text(), QString("0000"));
    QVERIFY(hijo<QLineEdit>("número")->isReadOnly());
    QCOMPARE(hijo<forms::Slider>("periodo")->value(), 6);
    QCOMPARE(v.p->semiperiodo(), 240);
    QCOMPARE(hijo<QLineEdit>("binario")->text(), QString("0000000000000000"));
    QCOMPARE(hijo<QLineEdit>("Text1")->text(), QString("B00V").repeated(32));
    QCOMPARE(hijo<QGroupBox>("Frame2")->title(), QString("Periodo "));
    QCOMPARE(hijo<QGroupBox>("Num_persiana")->title(), QString("Número"));
    QCOMPARE(hijo<QPushButton>("Reset")->text(), QString("Reset"));
    QCOMPARE(hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(975));

    // The picture shows the grid and the clock's high level at the top.
    const QImage img = hijo<forms::DrawingArea>("Pantalla")->canvas().imagen();
    QCOMPARE(img.pixelColor(32, 100), QColor(0, 0, 192));
    QCOMPARE(img.pixelColor(5, 0), QColor(128, 255, 255));
}

void TestPrincipal::menus_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("marcado");
    QTest::newRow("reloj") << "reloj" << "Reloj" << true;
    QTest::newRow("VisuNrz") << "VisuNrz" << "NRZ" << true;
    QTest::newRow("VisuRz") << "VisuRz" << "RZ" << true;
    QTest::newRow("VisuAmi") << "VisuAmi" << "AMI RZ" << true;
    QTest::newRow("VisuHdb") << "VisuHdb" << "HBD3 RZ" << true;
    QTest::newRow("todos") << "todos" << "Ver todos" << false;
    QTest::newRow("ocultar") << "ocultar" << "Ocultar todos" << false;
    QTest::newRow("prop") << "prop" << "Proponer ejercicio" << false;
    QTest::newRow("acercade") << "acercade" << "Acerca de ..." << false;
    QTest::newRow("ayuda") << "ayuda" << "Ayuda ..." << false;
}

void TestPrincipal::menus()
{
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(bool, marcado);
    auto* item = hijo<QAction>(nombre);
    QCOMPARE(item->text(), texto);
    QCOMPARE(item->isChecked(), marcado);
    QVERIFY(item->isEnabled());
    QStringList titulos;
    for (QAction* a : v.p->menuBar()->actions()) titulos << a->text();
    QCOMPARE(titulos, (QStringList{"Ver", "Utilidades", "Ayuda"}));
}

void TestPrincipal::etiquetasJuntoASusTrazas()
{
    const int borde = hijo<QWidget>("Picture1")->contentsRect().top();
    const QStringList nombres{"eticlk", "etinrz", "etirz", "etiami", "etihdb"};
    const QList<int> topes{100, 600, 1100, 1600, 2100};
    for (int i = 0; i < nombres.size(); ++i)
        QCOMPARE(hijo<QLabel>(nombres[i])->y() - borde, forms::aPixeles(topes[i]));
    QCOMPARE(hijo<QLabel>("etihdb")->text(), QString("HDB3"));
    QCOMPARE(hijo<QLabel>("eticlk")->cursor().shape(), Qt::PointingHandCursor);
}

// The question lies within the number frame, which covers it at full height
// and uncovers it cut down to its caption strip.
void TestPrincipal::preguntaBajoElMarco()
{
    auto* pregunta = hijo<QLabel>("Label4");
    auto* marco = hijo<QGroupBox>("Num_persiana");
    QCOMPARE(pregunta->text(), QString("¿A qué número hexadecimal se corresponde el código que se muestra?"));
    const QPoint centro = pregunta->geometry().center();
    QWidget* cliente = pregunta->parentWidget();
    QVERIFY(cliente->childAt(centro) != pregunta);
    forms::ponerAlto(marco, 250);
    QCOMPARE(cliente->childAt(centro), pregunta);
    for (const char* oculto : {"número", "binario", "Text1", "Reset", "Label1", "Label2", "Label3"}) {
        auto* w = hijo<QWidget>(oculto);
        QVERIFY2(w->y() >= marco->height(), oculto);
    }
    const int finTexto = pregunta->x() + pregunta->fontMetrics().horizontalAdvance(pregunta->text());
    QVERIFY(finTexto < marco->geometry().right());
}

void TestPrincipal::textosCompletos()
{
    for (QLabel* l : v.p->findChildren<QLabel*>()) {
        const int ancho = l->fontMetrics().horizontalAdvance(l->text());
        QVERIFY2(ancho <= l->width(), qPrintable(l->objectName()));
    }
    for (QPushButton* b : v.p->findChildren<QPushButton*>())
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(), qPrintable(b->objectName()));
}

void TestPrincipal::focoInicialYTamanoFijo()
{
    QCOMPARE(QApplication::focusWidget(), hijo<QWidget>("Pantalla"));
    QCOMPARE(v.p->minimumSize(), v.p->maximumSize());
    QCOMPARE(v.p->centralWidget()->size(), QSize(638, 235));
}

// The picture is drawn by the first repaint and once more by the timer,
// which then stops for good.
void TestPrincipal::temporizadorRedibujaUnaVez()
{
    Principal* cargada = inicio::principal().cargar();
    QSignalSpy pintado(cargada, &Principal::pintado);
    QVERIFY(v.abrir());
    QCOMPARE(v.p, cargada);
    QVERIFY(pintado.count() >= 2);
    const int antes = pintado.count();
    QTest::qWait(300); // a stopped timer must not fire again
    QCOMPARE(pintado.count(), antes);
}

void TestPrincipal::exposicionRedibuja()
{
    QSignalSpy pintado(v.p, &Principal::pintado);
    auto* area = hijo<QWidget>("Pantalla");
    area->repaint();
    QCOMPARE(pintado.count(), 1);
    // Showing a fresh redraw asks for none more.
    v.p->ActPant();
    area->repaint();
    QCOMPARE(pintado.count(), 2);
}

void TestPrincipal::cerrarTerminaElPrograma()
{
    QVERIFY(QApplication::quitOnLastWindowClosed());
    v.cerrar();
    QVERIFY(!inicio::principal().cargado());
    // No window is left open (none of the others was ever opened), so the
    // program ends with the main window.
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
