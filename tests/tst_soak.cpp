// Thousands of random user actions on the real windows, with a fixed seed,
// checking after each one what users rely on.

#include "Ayudantes.h"
#include "exercise/Ejerc.h"
#include "forms/Acerca.h"
#include "forms/Ayu.h"
#include "forms/Controls.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vector>

namespace {

constexpr int kPasos = 10000;
const QStringList kMenus{"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb", "todos", "ocultar"};
const QStringList kEtiquetas{"eticlk", "etinrz", "etirz", "etiami", "etihdb"};
const QStringList kNombres{"Ana", "Luis", "Eva"};
const QString kTeclas = QStringLiteral("0123456789abcdefABCDEFgG -/:@`é\r\b");

struct Cuenta {
    int total = 0;
    int bien = 0;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void accionesAlAzar();

private:
    void accionPrincipal();
    void accionEjercicio();
    void comprobar(int paso);
    void comprobarArchivo();
    template <typename T = QWidget>
    T* enEjerc(const QString& nombre, int indice = -1) const
    {
        for (T* w : ejerc()->findChildren<T*>(nombre))
            if (indice < 0 || w->property("index").toInt() == indice) return w;
        qFatal("no control %s", qPrintable(nombre));
    }
    Ejerc* ejerc() const { return inicio::Ejerc().cargado() ? inicio::Ejerc().cargar() : nullptr; }
    int azar(int n) { return int(rng.bounded(n)); }
    void teclear(QWidget* foco, const QString& texto)
    {
        QApplication::setActiveWindow(foco->window());
        foco->setFocus();
        // Any character, accented and control ones included, as a keyboard sends it.
        for (QChar c : texto) {
            const int tecla = c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
            QKeyEvent pulsa(QEvent::KeyPress, tecla, Qt::NoModifier, QString(c));
            QKeyEvent suelta(QEvent::KeyRelease, tecla, Qt::NoModifier, QString(c));
            QApplication::sendEvent(foco, &pulsa);
            QApplication::sendEvent(foco, &suelta);
        }
    }

    QRandomGenerator rng{20261206};
    VentanaPrincipal v;
    AvisosDePrueba avisos;
    std::vector<Cuenta> modelo; // one per list entry, as in the file
    int seleccionado = -1;
    bool solucionVista = false;
    int respuestas = 0;
};

void TestSoak::accionesAlAzar()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(v.abrir());
    for (int paso = 0; paso < kPasos; ++paso) {
        if (ejerc()) accionEjercicio();
        else accionPrincipal();
        comprobar(paso);
        if (QTest::currentTestFailed()) return;
    }
    if (ejerc()) ejerc()->close();
    comprobarArchivo();
    QVERIFY2(respuestas > 200, "the walk should answer a good number of exercises");
    v.cerrar();
}

void TestSoak::accionPrincipal()
{
    switch (azar(9)) {
    case 0:
    case 1: teclear(v.hijo("Pantalla"), QString(kTeclas[azar(int(kTeclas.size()))])); break;
    case 2: QTest::mouseClick(v.hijo("Reset"), Qt::LeftButton); break;
    case 3: v.hijo<QAction>(kMenus[azar(int(kMenus.size()))])->trigger(); break;
    case 4: QTest::mouseClick(v.hijo(kEtiquetas[azar(5)]), Qt::LeftButton); break;
    case 5: {
        auto* s = v.hijo<forms::Slider>("periodo");
        s->setFocus();
        const Qt::Key teclas[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(s, teclas[azar(6)]);
        break;
    }
    case 6: {
        v.hijo<QAction>("acercade")->trigger();
        auto* a = ventana<Acerca>("acerca");
        if (azar(2)) QTest::mouseClick(a->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        else a->close();
        break;
    }
    case 7:
        if (azar(4) == 0) {
            v.hijo<QAction>("ayuda")->trigger();
            if (azar(2)) ventana<Ayu>("ayu")->close();
        }
        break;
    case 8:
        v.hijo<QAction>("prop")->trigger();
        // Each opening reloads the list from the file.
        seleccionado = -1;
        solucionVista = false;
        break;
    }
}

void TestSoak::accionEjercicio()
{
    switch (azar(10)) {
    case 0:
        QTest::mouseClick(enEjerc("proponer"), Qt::LeftButton);
        solucionVista = false;
        break;
    case 1:
        QTest::mouseClick(enEjerc("solu"), Qt::LeftButton);
        solucionVista = true;
        break;
    case 2: QTest::mouseClick(enEjerc("tipo_cod", azar(5)), Qt::LeftButton, {}, QPoint(5, 5)); break;
    case 3:
    case 4: {
        auto* aceptar = enEjerc<QPushButton>("aceptar");
        if (!aceptar->isVisible()) break; // answered already: wait for a new exercise
        const QString numero = v.p->numeroActual();
        const bool acierta = azar(2) == 0;
        teclear(enEjerc("solu"), acierta ? numero : QString("%1").arg(azar(0x10000), 4, 16, QChar('0')));
        const bool correcta = enEjerc<QLineEdit>("número")->text() == numero;
        const int mensajes = int(avisos.mensajes.size());
        QTest::mouseClick(aceptar, Qt::LeftButton);
        if (seleccionado < 0) {
            QCOMPARE(int(avisos.mensajes.size()), mensajes + 1);
            break;
        }
        if (!solucionVista) {
            ++modelo[seleccionado].total;
            modelo[seleccionado].bien += correcta;
            ++respuestas;
        }
        solucionVista = true;
        break;
    }
    case 5: {
        auto* combo = enEjerc<QComboBox>("alumno");
        if (combo->count() > 0 && azar(4) != 0) {
            const int i = azar(combo->count());
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            seleccionado = i;
        } else {
            QApplication::setActiveWindow(ejerc());
            combo->setFocus();
            combo->lineEdit()->selectAll();
            QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
            QTest::keyClicks(combo->lineEdit(), kNombres[azar(3)]);
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            modelo.push_back({});
            seleccionado = int(modelo.size()) - 1;
        }
        break;
    }
    case 6: {
        const bool si = azar(2);
        avisos.respuestas = {si ? forms::Avisos::Respuesta::Si : forms::Avisos::Respuesta::No};
        QTest::mouseClick(enEjerc("Reset"), Qt::LeftButton);
        if (si && seleccionado >= 0) modelo[seleccionado] = {};
        break;
    }
    case 7: {
        auto* s = enEjerc<forms::Slider>("periodo");
        s->setFocus();
        QTest::keyClick(s, azar(2) ? Qt::Key_Left : Qt::Key_Right);
        break;
    }
    case 8: teclear(enEjerc("solu"), QString(kTeclas[azar(int(kTeclas.size()))])); break;
    case 9:
        if (azar(3) == 0) {
            ejerc()->close();
            comprobarArchivo();
        }
        break;
    }
}

void TestSoak::comprobar(int paso)
{
    const QString numero = v.p->numeroActual();
    const QString donde = QStringLiteral("step %1").arg(paso);
    QVERIFY2(QRegularExpression("^[0-9A-F]{4}$").match(numero).hasMatch(), qPrintable(donde));
    const QString bits = QString::number(numero.toInt(nullptr, 16), 2).rightJustified(16, '0');
    QVERIFY2(v.hijo<QLineEdit>("binario")->text() == bits, qPrintable(donde));
    QVERIFY2(v.p->isEnabled() == (ejerc() == nullptr), qPrintable(donde));
    QVERIFY2(!NoPintar, qPrintable(donde));
    if (auto* e = ejerc()) {
        const QString respuesta = e->findChild<QLineEdit*>("número")->text();
        QVERIFY2(QRegularExpression("^[0-9A-F]{4}$").match(respuesta).hasMatch(), qPrintable(donde));
    }
}

// The file holds, for each student entry, exactly the answers counted.
void TestSoak::comprobarArchivo()
{
    QFile f("puntos.pnt");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = f.readAll().split('\n');
    QCOMPARE(int(lineas.size()) - 1, int(modelo.size()));
    for (int i = 0; i < int(modelo.size()); ++i) {
        const QList<QByteArray> cuentas = lineas[i].mid(40).simplified().split(' ');
        QCOMPARE(cuentas.value(0).toInt(), modelo[i].total);
        QCOMPARE(cuentas.value(1).toInt(), modelo[i].bien);
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
