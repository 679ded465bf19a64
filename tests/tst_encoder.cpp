// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecode/CodigosLinea.h"
#include "linecode/Encoder.h"
#include "linecode/Errores.h"

#include <QTest>

#include <vector>

using namespace linecode;

namespace {

std::string repetir(const std::string& s, int veces)
{
    std::string r;
    while (veces-- > 0) r += s;
    return r;
}

// The first-half levels of bits 0..n-1 of a walker.
template <typename Walker>
std::vector<int> primerasMitades(Walker&& w, int bits)
{
    std::vector<int> r;
    for (int b = 0; b < bits; ++b) {
        r.push_back(w.siguiente());
        if (w.siguiente() != 0) r.push_back(99); // second halves must return to zero
    }
    return r;
}

QString texto(const std::vector<int>& v)
{
    QStringList l;
    for (int x : v) l << QString::number(x);
    return l.join(' ');
}

} // namespace

class TestEncoder : public QObject {
    Q_OBJECT
private slots:
    void binario_data();
    void binario();
    void hdb3_data();
    void hdb3();
    void hdb3CumpleSusReglasParaTodoNumero();
    void amiSigueEnLaPalabraSiguiente();
    void hdb3MasAllaDeLaCadenaEsCero();
};

void TestEncoder::binario_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("bits"); // empty: the text has no binary form
    QTest::newRow("00A5, lower case") << "00a5" << "0000000010100101";
    QTest::newRow("FFFF") << "FFFF" << "1111111111111111";
    QTest::newRow("leading 8") << "8421" << "1000010000100001";
    QTest::newRow("one digit") << "F" << "0000000000001111";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("G") << "00G0" << "";
    QTest::newRow("space") << " 123" << "";
    QTest::newRow("five digits") << "12345" << "";
}

void TestEncoder::binario()
{
    QFETCH(QString, numero);
    QFETCH(QString, bits);
    const auto r = linecode::binario(numero.toStdString());
    QCOMPARE(r.has_value(), !bits.isEmpty());
    if (r) QCOMPARE(QString::fromStdString(*r), bits);
}

// Where the string starts (no mark yet: even parity, B00V) and a run across
// two copies of the word; the rules themselves are checked over every number.
void TestEncoder::hdb3_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("inicio");
    QTest::newRow("0000") << "0000" << QString::fromStdString(repetir("B00V", 32));
    QTest::newRow("run spans word copies") << "0001" << "B00VB00VB00V0001000VB00VB00V0001000V";
}

void TestEncoder::hdb3()
{
    QFETCH(QString, numero);
    QFETCH(QString, inicio);
    const auto s = simbolosHdb3(*linecode::binario(numero.toStdString()));
    QCOMPARE(int(s.size()), kHdb3Symbols);
    QCOMPARE(QString::fromStdString(s).left(inicio.size()), inicio);
}

// Over every number: the substitutions undo to the eight-fold word, the
// main window's pulse walker gives each symbol the level of the line-code
// module, and a receiver finds no violation of HDB3's rules in that line.
void TestEncoder::hdb3CumpleSusReglasParaTodoNumero()
{
    char numero[5];
    for (int n = 0; n < 65536; ++n) {
        std::snprintf(numero, sizeof numero, "%04X", n);
        const std::string bin = *linecode::binario(numero);
        const std::string s = simbolosHdb3(bin);
        std::string deshecho = s;
        for (char& c : deshecho) if (c == 'B' || c == 'V') c = '0';
        if (deshecho != repetir(bin, kHdb3Copies)) QFAIL(numero);

        const auto linea = codificar(Codigo::Hdb3, repetir(bin, kHdb3Copies));
        if (!violaciones(Codigo::Hdb3, linea).empty()) QFAIL(numero);
        NivelesHdb3 niveles(s);
        for (int k = 0; k < kHdb3Symbols; ++k) {
            const int nivel = niveles.siguiente();
            niveles.siguiente();
            if (nivel != linea[size_t(k)].nivel1) QFAIL(numero);
        }
    }
}

// AMI's polarity runs on from one copy of the word into the next.
void TestEncoder::amiSigueEnLaPalabraSiguiente()
{
    QCOMPARE(texto(primerasMitades(NivelesAmi(*linecode::binario("8001")), 19)),
             QString("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1 1 0 0"));
}

void TestEncoder::hdb3MasAllaDeLaCadenaEsCero()
{
    const std::string s = simbolosHdb3(*linecode::binario("FFFF"));
    NivelesHdb3 walker(s);
    const auto niveles = primerasMitades(walker, kHdb3Symbols + 4);
    QCOMPARE(niveles[kHdb3Symbols - 1], -1);
    for (int k = kHdb3Symbols; k < kHdb3Symbols + 4; ++k) QCOMPARE(niveles[k], 0);
}

QTEST_APPLESS_MAIN(TestEncoder)
#include "tst_encoder.moc"
