// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random user actions on the real windows, with a fixed seed,
// checking after each one what users rely on, and that "puntos.pnt" holds
// exactly the answers counted, across many openings of the exercise window.

#include "Ayudantes.h"
#include "exercise/Ejerc.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vector>

namespace {

constexpr int kPasos = 1500; // a few seconds: longer walks found nothing the other tests miss
const QStringList kMenus{"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb", "todos", "ocultar"};
const QString kTeclas = QStringLiteral("0123456789abcdefABCDEFgG -/:@`é\r\b");
const QRegularExpression kCuatroCifras(QStringLiteral("^[0-9A-F]{4}$"));

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
    void contestar();
    void elegirAlumno();
    void comprobar(int paso);
    void comprobarArchivo();
    QWidget* enEjerc(const QString& nombre, int indice = -1) const { return control(ejerc(), nombre, indice); }
    Ejerc* ejerc() const { return inicio::Ejerc().cargado() ? inicio::Ejerc().cargar() : nullptr; }
    int azar(int n) { return int(rng.bounded(n)); }
    QString teclaAlAzar() { return QString(kTeclas[azar(int(kTeclas.size()))]); }

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
    for (int paso = 0; paso < kPasos && !QTest::currentTestFailed(); ++paso) {
        if (ejerc()) accionEjercicio();
        else accionPrincipal();
        comprobar(paso);
    }
    if (ejerc()) entrada::cerrar(ejerc());
    comprobarArchivo();
    QVERIFY2(respuestas > 30, "the walk should answer a good number of exercises");
    v.cerrar();
}

void TestSoak::accionPrincipal()
{
    switch (azar(7)) {
    case 0: entrada::teclearEn(v.hijo("Pantalla"), teclaAlAzar()); break;
    case 1: entrada::clic(v.hijo("Reset")); break;
    case 2: v.hijo<QAction>(kMenus[azar(int(kMenus.size()))])->trigger(); break;
    case 3: entrada::clic(v.hijo(QStringList{"eticlk", "etinrz", "etirz", "etiami", "etihdb"}[azar(5)])); break;
    case 4:
        entrada::enfocar(v.hijo("periodo"));
        entrada::tecla(v.p, azar(2) ? Qt::Key_PageUp : Qt::Key_Left);
        break;
    case 5: {
        const bool acerca = azar(2);
        v.hijo<QAction>(acerca ? "acercade" : "ayuda")->trigger();
        entrada::cerrar(ventana(acerca ? "acerca" : "ayu"));
        break;
    }
    case 6: // each opening reloads the list from the file
        v.hijo<QAction>("prop")->trigger();
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
    case 4: contestar(); break;
    case 5: elegirAlumno(); break;
    case 6: {
        const bool si = azar(2);
        avisos.respuestas = {si ? forms::Avisos::Respuesta::Si : forms::Avisos::Respuesta::No};
        entrada::clic(enEjerc("Reset"));
        if (si && seleccionado >= 0) modelo[seleccionado] = {};
        break;
    }
    case 7:
        entrada::enfocar(enEjerc("periodo"));
        entrada::tecla(ejerc(), azar(2) ? Qt::Key_Left : Qt::Key_Right);
        break;
    case 8: {
        const QString c = teclaAlAzar();
        entrada::teclearEn(enEjerc("solu"), c);
        if (c == QLatin1String(" ")) solucionVista = true; // Space presses the focused button
        break;
    }
    case 9:
        if (azar(3) != 0) break;
        entrada::cerrar(ejerc());
        comprobarArchivo();
        break;
    }
}

void TestSoak::contestar()
{
    QWidget* aceptar = enEjerc("aceptar");
    if (!aceptar->isVisible()) return; // answered already: wait for a new exercise
    const QString numero = v.p->numeroActual();
    entrada::teclearEn(enEjerc("solu"), azar(2) ? numero : QString("%1").arg(azar(0x10000), 4, 16, QChar('0')));
    const bool correcta = control<QLineEdit>(ejerc(), "número")->text() == numero;
    const auto mensajes = avisos.mensajes.size();
    entrada::clic(aceptar);
    if (seleccionado < 0) {
        QCOMPARE(avisos.mensajes.size(), mensajes + 1); // "Has de introducir un alumno…"
        return;
    }
    if (!solucionVista) {
        ++modelo[seleccionado].total;
        modelo[seleccionado].bien += correcta;
        ++respuestas;
    }
    solucionVista = true;
}

// Down from nobody chosen picks the first name, then the next ones (each
// choice sends the focus away from the box); or a name typed and Enter.
void TestSoak::elegirAlumno()
{
    auto* combo = control<QComboBox>(ejerc(), "alumno");
    if (combo->count() > 0 && azar(4) != 0) {
        seleccionado = azar(combo->count());
        entrada::teclearEn(combo, QString(QChar(0x7f)));
        for (int k = 0; k <= seleccionado; ++k) {
            entrada::enfocar(combo);
            entrada::tecla(combo, Qt::Key_Down);
        }
        return;
    }
    entrada::teclearEn(combo, QChar(0x7f) + QStringList{"Ana", "Luis", "Eva"}[azar(3)] + QLatin1Char('\r'));
    modelo.push_back({});
    seleccionado = int(modelo.size()) - 1;
}

void TestSoak::comprobar(int paso)
{
    const QString numero = v.p->numeroActual();
    const QByteArray donde = QByteArray("step ") + QByteArray::number(paso);
    QVERIFY2(kCuatroCifras.match(numero).hasMatch(), donde);
    QVERIFY2(v.p->isEnabled() == (ejerc() == nullptr), donde);
    if (Ejerc* e = ejerc()) {
        QVERIFY2(control<QComboBox>(e, "alumno")->currentIndex() == seleccionado, donde);
        QVERIFY2(kCuatroCifras.match(control<QLineEdit>(e, "número")->text()).hasMatch(), donde);
    }
}

// The file holds, for each student entry, exactly the answers counted.
void TestSoak::comprobarArchivo()
{
    const QList<QByteArray> lineas = leer("puntos.pnt").split('\n');
    QCOMPARE(int(lineas.size()) - 1, int(modelo.size()));
    for (int i = 0; i < int(modelo.size()); ++i) {
        const QList<QByteArray> cuentas = lineas[i].mid(40).simplified().split(' ');
        QCOMPARE(cuentas.value(0).toInt(), modelo[i].total);
        QCOMPARE(cuentas.value(1).toInt(), modelo[i].bien);
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
