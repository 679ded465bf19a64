#include "Ayudantes.h"
#include "forms/Acerca.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>

class TestAcerca : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(v.abrir()); }
    void cleanup() { v.cerrar(); }
    void textos();
    void aceptarOcultaYRedibuja();
    void cerrarRedibujaYPrincipalLoCierra();

private:
    Acerca* abrir()
    {
        v.hijo<QAction>("acercade")->trigger();
        return ventana<Acerca>("acerca");
    }
    VentanaPrincipal v;
};

void TestAcerca::textos()
{
    Acerca* a = abrir();
    QVERIFY(a);
    QCOMPARE(a->windowTitle(), QString("Acerca de Tramavox"));
    const QString esperado = QStringList{
        "Progama de ejercicio de los códigos ",
        "de datos serie usados en telefonía desarrollado para el módulo ",
        "de inciación profesional \"Sistemas ",
        "de Telefonía\", perteneciente al ",
        "ciclo formativo de grado superior ",
        "\"Sistemas de Telecomunicación e ",
        "Informáticos\".",
        ""}.join('\n');
    auto* texto = a->findChild<QTextEdit*>("Text1");
    QCOMPARE(texto->toPlainText().remove('\r'), esperado);
    QVERIFY(texto->alignment() & Qt::AlignHCenter);
    // Every line shows without scrolling.
    QVERIFY(texto->document()->size().height() <= texto->contentsRect().height());
    QCOMPARE(a->findChild<QLabel*>("Label2")->text(),
             QString("    Ciclo Formativo de Grado Superior   Sistemas de Telecomunicación e Informáticos."));
    QCOMPARE(a->findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(a->findChild<QLabel*>("Label3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(a->findChild<QLabel*>("imagenAcerca")->pixmap().size(), QSize(200, 116));
    QVERIFY(!a->windowIcon().isNull());
}

void TestAcerca::aceptarOcultaYRedibuja()
{
    Acerca* a = abrir();
    a->move(300, 200);
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::clic(control(a, "Command1"));
    QVERIFY(!a->isVisible());
    QCOMPARE(pintado.count(), 1);
    QVERIFY(inicio::acerca().cargado());
    // Choosing the item again shows the same window where it was.
    QCOMPARE(abrir(), a);
    QCOMPARE(a->pos(), QPoint(300, 200));
}

void TestAcerca::cerrarRedibujaYPrincipalLoCierra()
{
    Acerca* a = abrir();
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::cerrar(a);
    QCOMPARE(pintado.count(), 1);
    QVERIFY(!inicio::acerca().cargado());
    abrir();
    v.cerrar();
    QVERIFY(!inicio::acerca().cargado());
}

QTEST_MAIN(TestAcerca)
#include "tst_acerca.moc"
