// Thousands of random user actions on the real windows, with a fixed seed,
// checking after each one what users rely on.

#include "Ayudantes.h"
#include "exercise/Ejerc.h"
#include "ayuda/Acerca.h"
#include "ayuda/Ayu.h"
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
        entrada::enfocar(foco);
        entrada::teclear(foco, texto);
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
    case 2: entrada::clic(v.hijo("Reset")); break;
    case 3: v.hijo<QAction>(kMenus[azar(int(kMenus.size()))])->trigger(); break;
    case 4: entrada::clic(v.hijo(kEtiquetas[azar(5)])); break;
    case 5: {
        entrada::enfocar(v.hijo("periodo"));
        const Qt::Key teclas[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        entrada::tecla(v.p, teclas[azar(6)]);
        break;
    }
    case 6: {
        v.hijo<QAction>("acercade")->trigger();
        auto* a = ventana<Acerca>("acerca");
        if (azar(2)) entrada::clic(control(a, "Command1"));
        else entrada::cerrar(a);
        break;
    }
    case 7:
        if (azar(4) == 0) {
            v.hijo<QAction>("ayuda")->trigger();
            if (azar(2)) entrada::cerrar(ventana<Ayu>("ayu"));
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
        entrada::clic(enEjerc("proponer"));
        solucionVista = false;
        break;
    case 1:
        entrada::clic(enEjerc("solu"));
        solucionVista = true;
        break;
    case 2: entrada::clic(enEjerc("tipo_cod", azar(5)), QPoint(5, 5)); break;
    case 3:
    case 4: {
        auto* aceptar = enEjerc<QPushButton>("aceptar");
        if (!aceptar->isVisible()) break; // answered already: wait for a new exercise
        const QString numero = v.p->numeroActual();
        const bool acierta = azar(2) == 0;
        teclear(enEjerc("solu"), acierta ? numero : QString("%1").arg(azar(0x10000), 4, 16, QChar('0')));
        const bool correcta = enEjerc<QLineEdit>("número")->text() == numero;
        const int mensajes = int(avisos.mensajes.size());
        entrada::clic(aceptar);
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
            // Down from nobody chosen picks the first name, then the next
            // ones (each choice sends the focus away from the box).
            const int i = azar(combo->count());
            entrada::enfocar(combo);
            entrada::teclear(combo, QString(QChar(0x7f)));
            for (int k = 0; k <= i; ++k) {
                entrada::enfocar(combo);
                entrada::tecla(combo, Qt::Key_Down);
            }
            seleccionado = i;
        } else {
            entrada::enfocar(combo);
            entrada::teclear(combo, QChar(0x7f) + kNombres[azar(3)] + QLatin1Char('\r'));
            modelo.push_back({});
            seleccionado = int(modelo.size()) - 1;
        }
        break;
    }
    case 6: {
        const bool si = azar(2);
        avisos.respuestas = {si ? forms::Avisos::Respuesta::Si : forms::Avisos::Respuesta::No};
        entrada::clic(enEjerc("Reset"));
        if (si && seleccionado >= 0) modelo[seleccionado] = {};
        break;
    }
    case 7: {
        entrada::enfocar(enEjerc("periodo"));
        entrada::tecla(ejerc(), azar(2) ? Qt::Key_Left : Qt::Key_Right);
        break;
    }
    case 8: {
        const QChar c = kTeclas[azar(int(kTeclas.size()))];
        teclear(enEjerc("solu"), QString(c));
        if (c == QLatin1Char(' ')) solucionVista = true; // Space presses the focused button
        break;
    }
    case 9:
        if (azar(3) == 0) {
            entrada::cerrar(ejerc());
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
        QVERIFY2(e->findChild<QComboBox*>("alumno")->currentIndex() == seleccionado, qPrintable(donde));
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
