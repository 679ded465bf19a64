// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen line codes against hand-worked vectors of their references,
// decoding as the inverse of coding, what a receiver finds in a line with
// an error in it, the shape of each code's spectrum, and the main window's
// own coder of the 16-bit word.

#include "linecode/CodigosLinea.h"
#include "linecode/Encoder.h"
#include "linecode/EntradaBits.h"
#include "linecode/Errores.h"
#include "linecode/Espectro.h"

#include <QRandomGenerator>
#include <QTest>

using namespace linecode;

namespace {

// "1/0 0/0 -1/0": each slot's two half-bit levels.
QString niveles(const std::vector<Paso>& pasos)
{
    QStringList r;
    for (const Paso& p : pasos) r << QStringLiteral("%1/%2").arg(p.nivel1).arg(p.nivel2);
    return r.join(' ');
}

QString simbolos(const std::vector<Paso>& pasos)
{
    QString r;
    for (const Paso& p : pasos) r += QString::fromStdString(p.simbolo) + (p.simbolo.size() > 1 ? " " : "");
    return r.trimmed();
}

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

Q_DECLARE_METATYPE(linecode::Codigo)

class TestCodigos : public QObject {
    Q_OBJECT
private slots:
    void vectores_data();
    void vectores();
    void decodificarDeshaceCodificar();
    void errorDeLinea_data();
    void errorDeLinea();
    void loQueDetectaCadaCodigo();
    void otraForma_data();
    void otraForma();
    void espectro_data();
    void espectro();
    // The main window's own coder of the 16-bit word.
    void binario_data();
    void binario();
    void hdb3_data();
    void hdb3();
    void hdb3CumpleSusReglasParaTodoNumero();
    void amiSigueEnLaPalabraSiguiente();
    void hdb3MasAllaDeLaCadenaEsCero();
};

void TestCodigos::vectores_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("ultimoPulso");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("paridad");
    QTest::addColumn<QString>("simbolos");
    QTest::addColumn<QString>("niveles");
    const auto fila = [](const char* nombre, Codigo c, const char* bits, const char* sim, const char* niv, int ultimo = -1,
                         int nivel = -1, int paridad = 0) {
        QTest::newRow(nombre) << c << bits << ultimo << nivel << paridad << sim << niv;
    };
    fila("NRZ unipolar", Codigo::NrzUnipolar, "1010", "1010", "1/1 0/0 1/1 0/0");
    fila("NRZ polar", Codigo::NrzPolar, "10", "10", "1/1 -1/-1");
    fila("NRZI: a transition for each 1", Codigo::Nrzi, "1101", "1101", "1/1 -1/-1 -1/-1 1/1");
    fila("RZ", Codigo::Rz, "10", "10", "1/0 0/0");
    fila("AMI", Codigo::Ami, "1011", "1011", "1/0 0/0 -1/0 1/0");
    fila("AMI, last pulse positive", Codigo::Ami, "11", "11", "-1/0 1/0", 1);
    fila("pseudoternary", Codigo::Pseudoternario, "0100", "0100", "1/0 0/0 -1/0 1/0");
    fila("HDB3: no mark yet, B00V", Codigo::Hdb3, "0000", "B00V", "1/0 0/0 0/0 1/0");
    fila("HDB3: one mark, 000V", Codigo::Hdb3, "100001", "1000V1", "1/0 0/0 0/0 0/0 1/0 -1/0");
    fila("HDB3: a run longer than four", Codigo::Hdb3, "000000000", "B00VB00V0", "1/0 0/0 0/0 1/0 -1/0 0/0 0/0 -1/0 0/0");
    fila("B8ZS: eight zeros", Codigo::B8zs, "00000000", "000VB0VB", "0/0 0/0 0/0 -1/0 1/0 0/0 1/0 -1/0");
    fila("B8ZS: after a mark", Codigo::B8zs, "1000000001", "1000VB0VB1",
         "1/0 0/0 0/0 0/0 1/0 -1/0 0/0 -1/0 1/0 -1/0");
    fila("B8ZS: a run longer than eight", Codigo::B8zs, "10000000000", "1000VB0VB00",
         "1/0 0/0 0/0 0/0 1/0 -1/0 0/0 -1/0 1/0 0/0 0/0");
    fila("CMI", Codigo::Cmi, "1101", "1101", "1/1 -1/-1 -1/1 1/1");
    fila("Manchester: 1 rises at mid-bit", Codigo::Manchester, "10", "10", "-1/1 1/-1");
    fila("differential Manchester", Codigo::ManchesterDiferencial, "0110", "0110", "1/-1 -1/1 1/-1 1/-1");
    fila("2B1Q", Codigo::DosBUnoQ, "10110100", "+3 +3 +1 +1 -1 -1 -3 -3",
         "3/3 3/3 1/1 1/1 -1/-1 -1/-1 -3/-3 -3/-3");
    fila("2B1Q, odd length", Codigo::DosBUnoQ, "011", "-1 -1 +3", "-1/-1 -1/-1 3/3");
    fila("MLT-3 from -1", Codigo::Mlt3, "11101", "11101", "0/0 1/1 0/0 0/0 -1/-1");
}

void TestCodigos::vectores()
{
    QFETCH(Codigo, codigo);
    QFETCH(QString, bits);
    QFETCH(int, ultimoPulso);
    QFETCH(int, nivel);
    QFETCH(int, paridad);
    QFETCH(QString, simbolos);
    QFETCH(QString, niveles);
    const EstadoInicial inicio{ultimoPulso, nivel, paridad};
    const auto linea = codificar(codigo, bits.toStdString(), inicio);
    QCOMPARE(::simbolos(linea), simbolos);
    QCOMPARE(::niveles(linea), niveles);
    QCOMPARE(QString::fromStdString(decodificar(codigo, linea, inicio)), bits);
}

// For every length from 1 to 4,096 bits, every code and a starting state
// taken in turn, decoding a coded random string gives it back and the
// receiver finds no violation in it; the short lengths try every starting
// state.
void TestCodigos::decodificarDeshaceCodificar()
{
    QRandomGenerator azar(20261206);
    std::vector<EstadoInicial> estados;
    for (int ultimo : {-1, 1})
        for (int nivel : {-1, 0, 1})
            for (int paridad : {0, 1}) estados.push_back({ultimo, nivel, paridad});
    for (int n = 1; n <= 4096; ++n) {
        std::string bits(size_t(n), '0');
        for (char& b : bits) b = azar.bounded(2) ? '1' : '0';
        if (n % 64 == 0) bits.replace(0, 16, 16, '0'); // long runs of zeros too
        for (Codigo c : kTodosLosCodigos) {
            for (size_t e = 0; e < estados.size(); ++e) {
                if (n > 64 && e != size_t(n) % estados.size()) continue;
                const EstadoInicial& inicio = estados[e];
                if (inicio.nivel == 0 && c != Codigo::Mlt3) continue; // the others have no zero level
                const auto linea = codificar(c, bits, inicio);
                if (decodificar(c, linea, inicio) != bits || !violaciones(c, linea, inicio).empty())
                    QFAIL(qPrintable(QStringLiteral("%1, %2 bits, state %3").arg(nombreCodigo(c)).arg(n).arg(e)));
            }
        }
    }
}

void TestCodigos::errorDeLinea_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("bit");
    QTest::addColumn<int>("mitad");
    QTest::addColumn<QString>("leidos");
    QTest::addColumn<QString>("violaciones");
    const QString bipolar = "violación bipolar no esperada en el bit ";
    QTest::newRow("AMI: a lost pulse") << Codigo::Ami << "1011" << 2 << 0 << "1001" << bipolar + "4";
    QTest::newRow("HDB3: a lost mark before B00V") << Codigo::Hdb3 << "1100001" << 1 << 0 << "0000001" << bipolar + "3";
    QTest::newRow("HDB3: a lost V") << Codigo::Hdb3 << "100001" << 4 << 0 << "100001"
                                    << "cuatro ceros seguidos, imposibles en HDB3, en el bit 5";
    QTest::newRow("B8ZS: a lost B") << Codigo::B8zs << "100000000" << 5 << 0 << "100000000" << bipolar + "5";
    QTest::newRow("CMI: a 0 turned into a 1") << Codigo::Cmi << "10" << 1 << 0 << "11"
                                              << "violación de la alternancia CMI en el bit 2";
    QTest::newRow("Manchester: no mid-bit edge") << Codigo::Manchester << "10" << 0 << 1 << "00"
                                                 << "falta la transición a mitad de bit en el bit 1";
    QTest::newRow("NRZ polar cannot tell") << Codigo::NrzPolar << "10" << 0 << 0 << "00" << "";
    QTest::newRow("2B1Q: the sign flips") << Codigo::DosBUnoQ << "10" << 0 << 0 << "00" << "";
    QTest::newRow("HDB3: a mark after a V") << Codigo::Hdb3 << "0000000" << 6 << 0 << "0000000"
                                            << "violación con la polaridad de la anterior en el bit 7";
    QTest::newRow("MLT-3: a lost pulse") << Codigo::Mlt3 << "11" << 1 << 0 << "10" << "";
}

// One half-bit changed on the line: the bits the receiver reads, and the
// violations that give the error away.
void TestCodigos::errorDeLinea()
{
    QFETCH(Codigo, codigo);
    QFETCH(QString, bits);
    QFETCH(int, bit);
    QFETCH(int, mitad);
    QFETCH(QString, leidos);
    QFETCH(QString, violaciones);
    auto linea = codificar(codigo, bits.toStdString());
    inyectarError(codigo, linea[size_t(bit)], mitad);
    QCOMPARE(QString::fromStdString(decodificar(codigo, linea)), leidos);
    QStringList encontradas;
    for (const auto& v : linecode::violaciones(codigo, linea)) encontradas << QString::fromStdString(v.texto);
    QCOMPARE(encontradas.join("; "), violaciones);
}

// Which codes reveal line errors, and why each slot of a run of eight
// zeros is what it is: the second run follows the first V.
void TestCodigos::loQueDetectaCadaCodigo()
{
    QStringList detectan;
    for (Codigo c : kTodosLosCodigos)
        if (detectaErrores(c)) detectan << nombreCodigo(c);
    QCOMPARE(detectan.join(", "), QString("AMI, Pseudoternario, HDB3, B8ZS, CMI, Manchester"));
    const auto linea = codificar(Codigo::Hdb3, "100000000");
    QStringList razones;
    for (size_t i = 0; i < linea.size(); ++i) razones << QString::fromStdString(razonPaso(Codigo::Hdb3, linea, i)).section(' ', -1);
    QCOMPARE(razones.join(' '), QString(" 000V 000V 000V 000V B00V B00V B00V B00V"));
}

void TestCodigos::otraForma_data()
{
    QTest::addColumn<int>("forma");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("escrito"); // "-": that form cannot hold them
    QString cifras;
    for (int d = 0; d < 16; ++d) cifras += QString::number(d, 2).rightJustified(4, '0');
    QTest::newRow("every hexadecimal digit") << int(FormaEntrada::Hexadecimal) << cifras << "0123456789ABCDEF";
    QTest::newRow("text: ~") << int(FormaEntrada::Texto) << "01111110" << "~";
    QTest::newRow("text: no-break space") << int(FormaEntrada::Texto) << "10100000" << "\u00A0";
    QTest::newRow("text: DEL") << int(FormaEntrada::Texto) << "01111111" << "-";
    QTest::newRow("text: a C1 control") << int(FormaEntrada::Texto) << "10011111" << "-";
}

// Bits written back as hexadecimal or text, when that form can hold them.
void TestCodigos::otraForma()
{
    QFETCH(int, forma);
    QFETCH(QString, bits);
    QFETCH(QString, escrito);
    const auto texto = escribirBits(FormaEntrada(forma), bits.toStdString());
    QCOMPARE(texto ? QString::fromStdU32String(*texto) : QString("-"), escrito);
}

void TestCodigos::espectro_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<double>("nulo"); // where the density vanishes, in bit rates
    QTest::addColumn<double>("alto"); // where it is high
    QTest::newRow("NRZ polar") << Codigo::NrzPolar << 1.0 << 0.0;
    QTest::newRow("MLT-3") << Codigo::Mlt3 << 1.0 << 0.0;
    QTest::newRow("AMI") << Codigo::Ami << 0.0 << 0.5;
    QTest::newRow("HDB3") << Codigo::Hdb3 << 0.0 << 0.5;
    QTest::newRow("Manchester") << Codigo::Manchester << 0.0 << 1.0;
    QTest::newRow("CMI: a line at the bit rate") << Codigo::Cmi << 0.0 << 1.0;
    QTest::newRow("RZ: a line at the bit rate") << Codigo::Rz << 2.0 << 1.0;
    QTest::newRow("2B1Q: symbols at half the bit rate") << Codigo::DosBUnoQ << 0.5 << 0.0;
}

// Nulls and humps where the theory puts them, and (nearly) all the line's
// power between 0 and twice the bit rate.
void TestCodigos::espectro()
{
    QFETCH(Codigo, codigo);
    QFETCH(double, nulo);
    QFETCH(double, alto);
    const auto d = densidadEspectral(codigo);
    QCOMPARE(int(d.size()), kPuntosEspectro);
    const auto en = [&](double f) { return d[size_t(qRound(f * (kPuntosEspectro - 1) / 2))]; };
    QVERIFY2(en(nulo) < 0.05, qPrintable(QString::number(en(nulo))));
    QVERIFY2(en(alto) > 0.5, qPrintable(QString::number(en(alto))));
    double potencia = 0;
    for (double v : d) potencia += v * 2.0 / (kPuntosEspectro - 1);
    QVERIFY2(potencia > 0.85 && potencia < 1.05, qPrintable(QString::number(potencia)));
}

void TestCodigos::binario_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("bits"); // empty: the text has no binary form
    QTest::newRow("00A5, lower case") << "00a5" << "0000000010100101";
    QTest::newRow("leading 8") << "8421" << "1000010000100001";
    QTest::newRow("one digit") << "F" << "0000000000001111";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("G") << "00G0" << "";
    QTest::newRow("five digits") << "12345" << "";
}

void TestCodigos::binario()
{
    QFETCH(QString, numero);
    QFETCH(QString, bits);
    const auto r = linecode::binario(numero.toStdString());
    QCOMPARE(r.has_value(), !bits.isEmpty());
    if (r) QCOMPARE(QString::fromStdString(*r), bits);
}

// Where the string starts (no mark yet: even parity, B00V) and a run across
// two copies of the word; the rules themselves are checked over every number.
void TestCodigos::hdb3_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("inicio");
    QTest::newRow("0000") << "0000" << QString::fromStdString(repetir("B00V", 32));
    QTest::newRow("run spans word copies") << "0001" << "B00VB00VB00V0001000VB00VB00V0001000V";
}

void TestCodigos::hdb3()
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
void TestCodigos::hdb3CumpleSusReglasParaTodoNumero()
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
void TestCodigos::amiSigueEnLaPalabraSiguiente()
{
    QCOMPARE(texto(primerasMitades(NivelesAmi(*linecode::binario("8001")), 19)),
             QString("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1 1 0 0"));
}

void TestCodigos::hdb3MasAllaDeLaCadenaEsCero()
{
    const std::string s = simbolosHdb3(*linecode::binario("FFFF"));
    NivelesHdb3 walker(s);
    const auto niveles = primerasMitades(walker, kHdb3Symbols + 4);
    QCOMPARE(niveles[kHdb3Symbols - 1], -1);
    for (int k = kHdb3Symbols; k < kHdb3Symbols + 4; ++k) QCOMPARE(niveles[k], 0);
}

QTEST_APPLESS_MAIN(TestCodigos)
#include "tst_codigos.moc"
