// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise without its windows: proposals, answers, the counts they
// add to, and what the main window is told to draw.

#include "Filas.h"
#include "modelo/Aleatorio.h"
#include "modelo/Ejercicio.h"

#include <QTest>

#include <limits>
#include <set>

using modelo::Cuenta;
using modelo::Ejercicio;
using modelo::Ronda;

namespace {

// The code traces shown, by name; the clock apart.
QStringList codigosVistos(const Ejercicio& m)
{
    QStringList r;
    for (int t = codigos::Nrz; t < codigos::kTrazas; ++t)
        if (m.visibles()[t]) r << codigos::kDatosTrazas[t].nombre;
    return r;
}

QStringList textos(const Ejercicio& m) { return {m.total().texto(), m.bien().texto(), m.mal().texto()}; }

} // namespace

class TestModelo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void proponer();
    void codigoFijoYAleatorio();
    void cuentas();
};

void TestModelo::init() { modelo::sembrarAleatorio(20261207); }

// Four capital hexadecimal digits, hidden, the answer and the shading of
// the last answer cleared. (That a seed gives the same numbers is checked
// across real starts of the program.)
void TestModelo::proponer()
{
    Ejercicio m;
    m.abrirEjercicios();
    m.elegirAlumno(0, Cuenta(), Cuenta());
    QStringList numeros;
    for (int i = 0; i < 20; ++i) {
        m.ponerRespuesta("FFFF");
        m.responder();
        m.proponer();
        QVERIFY(m.numeroOculto() && m.ronda() == Ronda::Propuesto);
        QCOMPARE(m.respuesta(), QString("0000"));
        QCOMPARE(m.estadoPantalla().bitsErroneos, 0);
        QVERIFY2(QRegularExpression("^[0-9A-F]{4}$").match(m.numero()).hasMatch(), qPrintable(m.numero()));
        numeros << m.numero();
    }
    QVERIFY(QSet<QString>(numeros.begin(), numeros.end()).size() > 15);
}

// A fixed code keeps its trace from proposal to proposal; the random choice
// shows the clock and one code, drawn afresh each time. Closing shows all.
void TestModelo::codigoFijoYAleatorio()
{
    Ejercicio m;
    m.empezar();
    m.abrirEjercicios();
    m.elegirCodigo(modelo::CodigoAmi);
    std::set<QString> vistos;
    for (int i = 0; i < 30; ++i) {
        if (i == 5) m.elegirCodigo(modelo::CodigoAleatorio);
        m.proponer();
        QVERIFY(m.visibles()[codigos::Reloj]);
        const QStringList codigos = codigosVistos(m);
        QCOMPARE(codigos.size(), 1);
        QCOMPARE(m.codigoPreguntado(), codigos[0]);
        if (i < 5) QCOMPARE(codigos[0], QString("AMI"));
        if (i >= 5) vistos.insert(codigos[0]);
    }
    QCOMPARE(int(vistos.size()), 4);
    m.terminar();
    QVERIFY(!m.enCurso() && !m.numeroOculto());
    QCOMPARE(codigosVistos(m).size(), 4);
}

// Counts read from the file keep their blank until an answer works them
// out; an answer counts once, nothing without a student; a reset gives
// plain zeros; a count at its largest value stays there and says so.
void TestModelo::cuentas()
{
    Ejercicio m;
    m.abrirEjercicios();
    m.proponer();
    QVERIFY(!m.responder()); // nobody chosen
    QCOMPARE(m.ronda(), Ronda::Propuesto);
    m.elegirAlumno(0, Cuenta::leida(5), Cuenta::leida(3));
    QCOMPARE(textos(m), (QStringList{" 5", " 3", "2"}));
    QCOMPARE(m.porcentaje(), 60.0);
    m.ponerRespuesta(m.numero() == "0101" ? "0000" : "0101");
    QVERIFY(m.responder()->contada);
    QVERIFY(!m.responder()->contada); // the same exercise again
    QCOMPARE(textos(m), (QStringList{"6", "3", "3"}));
    m.reiniciarCuentas();
    QCOMPARE(textos(m), (QStringList{"0", "0", "0"}));
    QCOMPARE(m.alumno(), 0);
    constexpr qint64 kMaximo = std::numeric_limits<qint64>::max();
    m.elegirAlumno(1, Cuenta::leida(kMaximo), Cuenta::leida(kMaximo));
    m.proponer();
    m.ponerRespuesta(m.numero());
    QVERIFY(m.responder()->saturada);
    QCOMPARE(m.total().valor(), kMaximo);
    m.olvidarAlumno();
    QCOMPARE(m.alumno(), -1);
    QCOMPARE(textos(m), (QStringList{"0", "0", "0"}));
}

QTEST_GUILESS_MAIN(TestModelo)
#include "tst_modelo.moc"
