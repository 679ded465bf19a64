// SPDX-License-Identifier: GPL-3.0-or-later
// The line between the coder and the receiver: with no impairment every bit
// comes through; with noise the error rate is the theory's; the coupling
// drifts a long run of one level; the cable closes the eye.

#include "codigos/Errores.h"
#include "Filas.h"
#include "linea/Linea.h"
#include "linea/OrdenBer.h"

#include <QTest>

#include <cmath>

using codigos::Codigo;
using linea::AjustesLinea;

Q_DECLARE_METATYPE(codigos::Codigo)

class TestLinea : public QObject {
    Q_OBJECT
private slots:
    void sinNadaLlegaTodo();
    void tasaDeErrores_data();
    void tasaDeErrores();
    void cableConGananciaAutomatica_data();
    void cableConGananciaAutomatica();
    void decisionesErroneas_data();
    void decisionesErroneas();
    void acoplamientoDeriva_data();
    void acoplamientoDeriva();
    void elOjoSeCierra();
    void relojConSesentaYCuatroCeros_data();
    void relojConSesentaYCuatroCeros();
    void ordenBer_data();
    void ordenBer();
};

// With no loss, no coupling and no noise every code decides every bit right.
void TestLinea::sinNadaLlegaTodo()
{
    for (Codigo c : codigos::kTodosLosCodigos)
        QVERIFY2(linea::medirBer(c, {}, 20000, 7).errores == 0, codigos::nombreCodigo(c));
}

void TestLinea::tasaDeErrores_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<double>("ebn0");
    for (Codigo c : {Codigo::NrzPolar, Codigo::Manchester, Codigo::NrzUnipolar, Codigo::Ami})
        for (double ebn0 : {0.0, 4.0, 8.0}) QTest::addRow("%s at %g dB", codigos::nombreCodigo(c), ebn0) << c << ebn0;
}

// A million bits: the errors counted lie within the 99 % binomial interval
// around the theory's rate.
void TestLinea::tasaDeErrores()
{
    QFETCH(Codigo, codigo);
    QFETCH(double, ebn0);
    constexpr long kBits = 1000000;
    AjustesLinea ajustes;
    ajustes.ebn0Db = ebn0;
    const auto m = linea::medirBer(codigo, ajustes, kBits, 20261207);
    const double p = *linea::berTeorica(codigo, ebn0);
    const double margen = 2.576 * std::sqrt(p * (1 - p) / kBits);
    QVERIFY2(std::abs(m.ber() - p) <= margen,
             qPrintable(QString("medida %1, teoría %2 ± %3").arg(m.ber()).arg(p).arg(margen)));
}

void TestLinea::cableConGananciaAutomatica_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<double>("perdida");
    fila("HDB3 at 10 dB", Codigo::Hdb3, 10.0);
    fila("AMI at 10 dB", Codigo::Ami, 10.0);
    fila("Manchester at 20 dB", Codigo::Manchester, 20.0);
    fila("NRZ polar at 6 dB", Codigo::NrzPolar, 6.0);
}

// Through a long cable a pulse arrives low and late: the receiver's gain
// and timing, set on a lone pulse, bring every bit of a noiseless line back.
void TestLinea::cableConGananciaAutomatica()
{
    QFETCH(Codigo, codigo);
    QFETCH(double, perdida);
    AjustesLinea ajustes;
    ajustes.perdidaDb = perdida;
    QCOMPARE(linea::medirBer(codigo, ajustes, 20000, 11).errores, 0L);
}

void TestLinea::decisionesErroneas_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<int>("mitad"); // the half flipped in what was sent
    QTest::addColumn<bool>("malDecidida");
    fila("AMI's second half is never decided", Codigo::Ami, 1, false);
    fila("AMI's pulse is", Codigo::Ami, 0, true);
    fila("CMI decides both halves", Codigo::Cmi, 1, true);
}

// A half-bit changed on its way counts as decided wrong only where the
// receiver decides it: a pulse in the second half of an AMI bit is not
// looked at.
void TestLinea::decisionesErroneas()
{
    QFETCH(Codigo, codigo);
    QFETCH(int, mitad);
    QFETCH(bool, malDecidida);
    auto enviada = codigos::codificar(codigo, "1011");
    const auto decidida = linea::decidir(codigo, linea::formaDeOnda(enviada));
    codigos::inyectarError(codigo, enviada[2], mitad);
    using Mitades = std::set<std::pair<int, int>>;
    const Mitades esperadas = malDecidida ? Mitades{{2, mitad}} : Mitades();
    QCOMPARE(linea::mitadesMalDecididas(codigo, enviada, decidida), esperadas);
}

void TestLinea::acoplamientoDeriva_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<bool>("deriva");
    fila("NRZ unipolar", Codigo::NrzUnipolar, true);
    fila("AMI", Codigo::Ami, false);
    fila("HDB3", Codigo::Hdb3, false);
}

// Through a transformer with its cut-off at 1 % of the bit rate, a long run
// of ones in NRZ unipolar sinks past the threshold and is read as zeros;
// the balanced codes keep their baseline.
void TestLinea::acoplamientoDeriva()
{
    QFETCH(Codigo, codigo);
    QFETCH(bool, deriva);
    const std::string bits = std::string(20, '0') + std::string(200, '1');
    AjustesLinea ajustes;
    ajustes.acoplamiento = 0.01;
    std::mt19937_64 azar(1);
    const auto leidos = codigos::decodificar(
        codigo, linea::decidir(codigo, linea::transmitir(codigo, codigos::codificar(codigo, bits), ajustes, azar)));
    QCOMPARE(leidos.substr(0, 26), bits.substr(0, 26)); // the start of the run comes through
    QCOMPARE(leidos == bits, !deriva);
}

// The longer the cable, the lower the eye of NRZ polar; with no cable and
// no noise it is the full distance between its levels, open the whole bit.
void TestLinea::elOjoSeCierra()
{
    std::mt19937_64 azar(5);
    const std::string bits = linea::bitsAlAzar(2000, azar);
    const auto enviada = codigos::codificar(Codigo::NrzPolar, bits);
    double antes = 2;
    for (double perdida : {0.0, 6.0, 12.0, 18.0}) {
        AjustesLinea ajustes;
        ajustes.perdidaDb = perdida;
        const auto ojo =
            linea::medirOjo(Codigo::NrzPolar, enviada, linea::transmitir(Codigo::NrzPolar, enviada, ajustes, azar));
        if (perdida == 0) QCOMPARE(std::pair(ojo.alto, ojo.ancho), std::pair(1.0, 1.0));
        QVERIFY2(ojo.alto < antes, qPrintable(QString("%1 dB: %2").arg(perdida).arg(ojo.alto)));
        antes = ojo.alto;
    }
    QVERIFY(antes < 0.5);
}

void TestLinea::relojConSesentaYCuatroCeros_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<bool>("desliza");
    fila("AMI", Codigo::Ami, true);
    fila("NRZ polar", Codigo::NrzPolar, true);
    fila("HDB3", Codigo::Hdb3, false);
    fila("B8ZS", Codigo::B8zs, false);
    fila("CMI", Codigo::Cmi, false);
    fila("Manchester", Codigo::Manchester, false);
}

// Sixty-four zeros leave AMI and NRZ without edges, and the receiver's
// clock slips; the substitutions and the transitions in every bit keep it.
void TestLinea::relojConSesentaYCuatroCeros()
{
    QFETCH(Codigo, codigo);
    QFETCH(bool, desliza);
    std::string bits;
    for (int i = 0; i < 4; ++i) bits += "1011001110100101";
    bits += std::string(64, '0');
    for (int i = 0; i < 4; ++i) bits += "1101";
    const auto reloj = linea::recuperarReloj(codigo, linea::formaDeOnda(codigos::codificar(codigo, bits)));
    QCOMPARE(!reloj.deslizamientos.empty(), desliza);
    if (desliza) QVERIFY(reloj.deslizamientos.front() > 64); // inside the run of zeros
}

void TestLinea::ordenBer_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("estado");
    QTest::addColumn<QString>("dicho"); // the output's start, or the error's
    QTest::addColumn<bool>("teoria");   // the last column filled
    fila("a table", QStringList{"--codigo", "nrz polar", "--ebn0", "0,8", "--bits", "20000", "--semilla", "3"}, 0,
         "ebn0_db;bits;errores;ber;ber_teorico\n0;20000;", true);
    fila("no closed form", QStringList{"--codigo", "HDB3", "--ebn0", "-1.5", "--bits", "1000"}, 0,
         "ebn0_db;bits;errores;ber;ber_teorico\n-1.5;1000;", false);
    // The closed forms are for a line with no loss.
    fila("through a cable", QStringList{"--codigo", "NRZ polar", "--ebn0", "4", "--bits", "1000", "--perdida", "3"}, 0,
         "ebn0_db;bits;errores;ber;ber_teorico\n4;1000;", false);
    fila("an unknown code", QStringList{"--codigo", "HDB4", "--ebn0", "1"}, 2, "tramavox: «HDB4» no es un código.",
         false);
    fila("no Eb/N0", QStringList{"--codigo", "AMI"}, 2, "tramavox: faltan los valores de Eb/N0 (--ebn0).", false);
    fila("too much loss", QStringList{"--codigo", "AMI", "--ebn0", "1", "--perdida", "41"}, 2,
         "tramavox: la pérdida del cable ha de ser de 0 a 40 dB.", false);
}

// The table teachers script: its header, a line per Eb/N0 with a decimal
// point, the theory only where it has a closed form; the same seed gives
// the same table; arguments it cannot take get a Spanish reason and 2.
void TestLinea::ordenBer()
{
    QFETCH(QStringList, argumentos);
    QFETCH(int, estado);
    QFETCH(QString, dicho);
    QFETCH(bool, teoria);
    std::vector<std::string> a{"--ber"};
    for (const QString& x : argumentos) a.push_back(x.toStdString());
    std::string salida, error, otraSalida, otroError;
    QCOMPARE(linea::ordenBer(a, salida, error), estado);
    const QString visto = QString::fromStdString(estado == 0 ? salida : error);
    QVERIFY2(visto.startsWith(dicho), qPrintable(visto));
    if (estado != 0) return;
    const QStringList lineas = visto.trimmed().split('\n');
    QCOMPARE(lineas.size(), 1 + int(argumentos[3].count(',')) + 1);
    QCOMPARE(!lineas.last().endsWith(';'), teoria);
    if (argumentos.contains("--semilla")) {
        linea::ordenBer(a, otraSalida, otroError);
        QCOMPARE(otraSalida, salida);
    }
}

QTEST_APPLESS_MAIN(TestLinea)
#include "tst_linea.moc"
