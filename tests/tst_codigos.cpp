// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen line codes against hand-worked vectors of their references,
// decoding as the inverse of coding, what a receiver finds in a line with
// an error in it, the shape of each code's spectrum, and the main window's
// own coder of the 16-bit word.

#include "codigos/Codificador.h"
#include "codigos/CodigosLinea.h"
#include "codigos/Correccion.h"
#include "codigos/EntradaBits.h"
#include "codigos/Errores.h"
#include "codigos/Espectro.h"
#include "codigos/Fallos.h"
#include "Filas.h"

#include <QRandomGenerator>

#include <cmath>
#include <QTest>
#include <set>
#include <tuple>

using namespace codigos;

namespace {

// "1/0 0/0 -1/0": each slot's two half-bit levels.
QString niveles(const std::vector<Paso>& pasos)
{
    QStringList r;
    for (const Paso& p : pasos) r << QStringLiteral("%1/%2").arg(p.nivel1).arg(p.nivel2);
    return r.join(' ');
}

QString simbolos(Codigo c, const std::vector<Paso>& pasos)
{
    QString r;
    for (const Paso& p : pasos) r += QString::fromStdString(simboloPaso(c, p)) + (c == Codigo::DosBUnoQ ? " " : "");
    return r.trimmed();
}

std::string repetir(const std::string& s, int veces)
{
    std::string r;
    while (veces-- > 0) r += s;
    return r;
}

// B8ZS read by a receiver that takes out only whole 000VB0VB patterns and
// reads every other pulse as a mark, written as a sliding window.
std::string b8zsDePatronesEnteros(const std::vector<Paso>& linea)
{
    std::string r;
    int ultimo = -1;
    for (size_t i = 0; i < linea.size();) {
        const int patron[8] = {0, 0, 0, ultimo, -ultimo, 0, -ultimo, ultimo};
        bool entero = i + 8 <= linea.size();
        for (size_t k = 0; entero && k < 8; ++k) entero = linea[i + k].nivel1 == patron[k];
        if (entero) {
            r += "00000000";
            i += 8;
            continue;
        }
        r += linea[i].nivel1 != 0 ? '1' : '0';
        if (linea[i].nivel1 != 0) ultimo = linea[i].nivel1;
        ++i;
    }
    return r;
}

int distintos(const std::string& a, const std::string& b)
{
    int r = 0;
    for (size_t i = 0; i < a.size(); ++i) r += a[i] != b[i];
    return r;
}

} // namespace

Q_DECLARE_METATYPE(codigos::Codigo)

class TestCodigos : public QObject {
    Q_OBJECT
private slots:
    void vectores_data();
    void vectores();
    void decodificarDeshaceCodificar();
    void estadosAlAzar();
    void errorDeLinea_data();
    void errorDeLinea();
    void b8zsNoMultiplicaUnError();
    void loQueDetectaCadaCodigo();
    void estadosImposibles_data();
    void estadosImposibles();
    void otraForma_data();
    void otraForma();
    void espectro_data();
    void espectro();
    void fallosTipicos_data();
    void fallosTipicos();
    void dibujoCorregido_data();
    void dibujoCorregido();
    // The main window's own coder of the 16-bit word.
    void binario_data();
    void binario();
    void hdb3_data();
    void hdb3();
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
    const auto fila = [](const char* nombre, Codigo c, const char* bits, const char* sim, const char* niv,
                         int ultimo = -1, int nivel = -1,
                         int paridad = 0) { ::fila(nombre, c, bits, ultimo, nivel, paridad, sim, niv); };
    fila("NRZ unipolar", Codigo::NrzUnipolar, "1010", "1010", "1/1 0/0 1/1 0/0");
    fila("NRZ polar", Codigo::NrzPolar, "10", "10", "1/1 -1/-1");
    fila("NRZI: a transition for each 1", Codigo::Nrzi, "1101", "1101", "1/1 -1/-1 -1/-1 1/1");
    fila("RZ", Codigo::Rz, "10", "10", "1/0 0/0");
    fila("AMI", Codigo::Ami, "1011", "1011", "1/0 0/0 -1/0 1/0");
    fila("AMI, last pulse positive", Codigo::Ami, "11", "11", "-1/0 1/0", 1);
    fila("pseudoternary: full-width marks", Codigo::Pseudoternario, "0100", "0100", "1/1 0/0 -1/-1 1/1");
    fila("HDB3: no mark yet, B00V", Codigo::Hdb3, "0000", "B00V", "1/0 0/0 0/0 1/0");
    fila("HDB3: one mark, 000V", Codigo::Hdb3, "100001", "1000V1", "1/0 0/0 0/0 0/0 1/0 -1/0");
    fila("HDB3: a run longer than four", Codigo::Hdb3, "000000000", "B00VB00V0",
         "1/0 0/0 0/0 1/0 -1/0 0/0 0/0 -1/0 0/0");
    fila("B8ZS: eight zeros", Codigo::B8zs, "00000000", "000VB0VB", "0/0 0/0 0/0 -1/0 1/0 0/0 1/0 -1/0");
    fila("B8ZS: after a mark", Codigo::B8zs, "1000000001", "1000VB0VB1", "1/0 0/0 0/0 0/0 1/0 -1/0 0/0 -1/0 1/0 -1/0");
    fila("B8ZS: a run longer than eight", Codigo::B8zs, "10000000000", "1000VB0VB00",
         "1/0 0/0 0/0 0/0 1/0 -1/0 0/0 -1/0 1/0 0/0 0/0");
    fila("CMI", Codigo::Cmi, "1101", "1101", "1/1 -1/-1 -1/1 1/1");
    fila("Manchester: 1 rises at mid-bit", Codigo::Manchester, "10", "10", "-1/1 1/-1");
    fila("differential Manchester", Codigo::ManchesterDiferencial, "0110", "0110", "1/-1 -1/1 1/-1 1/-1");
    fila("2B1Q", Codigo::DosBUnoQ, "10110100", "+3 +3 +1 +1 -1 -1 -3 -3", "3/3 3/3 1/1 1/1 -1/-1 -1/-1 -3/-3 -3/-3");
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
    QCOMPARE(::simbolos(codigo, linea), simbolos);
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
    fila("AMI: a lost pulse", Codigo::Ami, "1011", 2, 0, "1001", bipolar + "4");
    // Two pulses, not three, now stand before the first V: an even count.
    fila("HDB3: a lost mark before B00V", Codigo::Hdb3, "1100001", 1, 0, "0000001",
         bipolar + "3; violación que no cuadra con la paridad inicial en el bit 6");
    fila("HDB3: 000V where the parity asks for B00V", Codigo::Hdb3, "0011", 2, 0, "0000",
         "violación que no cuadra con la paridad inicial en el bit 4");
    fila("HDB3: a lost V", Codigo::Hdb3, "100001", 4, 0, "100001",
         "cuatro ceros seguidos, imposibles en HDB3, en el bit 5");
    // A broken pattern is no substitution: its pulses are read as marks.
    fila("B8ZS: a lost B", Codigo::B8zs, "100000000", 5, 0, "100010011", bipolar + "5");
    fila("B8ZS: a lost mark is no V", Codigo::B8zs, "1111111011110111", 3, 0, "1110111011110111", bipolar + "5");
    fila("CMI: a 0 turned into a 1", Codigo::Cmi, "10", 1, 0, "11", "violación de la alternancia CMI en el bit 2");
    fila("Manchester: no mid-bit edge", Codigo::Manchester, "10", 0, 1, "00",
         "falta la transición a mitad de bit en el bit 1");
    fila("differential Manchester: no mid-bit edge", Codigo::ManchesterDiferencial, "0110", 1, 1, "0100",
         "falta la transición a mitad de bit en el bit 2");
    fila("NRZ polar cannot tell", Codigo::NrzPolar, "10", 0, 0, "00", "");
    fila("2B1Q: the sign flips", Codigo::DosBUnoQ, "10", 0, 0, "00", "");
    fila("HDB3: a mark after a V", Codigo::Hdb3, "0000000", 6, 0, "0000000",
         "violación con la polaridad de la anterior en el bit 7");
    fila("MLT-3: a lost pulse", Codigo::Mlt3, "11", 1, 0, "10", "");
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
    for (const auto& v : codigos::violaciones(codigo, linea)) encontradas << QString::fromStdString(v.texto());
    QCOMPARE(encontradas.join("; "), violaciones);
}

// Every single error on lines with long runs of zeros: B8ZS's receiver
// gets no more bits wrong than one that decodes only whole patterns.
void TestCodigos::b8zsNoMultiplicaUnError()
{
    QRandomGenerator azar(8);
    int nuestros = 0, patrones = 0, sustituidos = 0;
    for (int l = 0; l < 400; ++l) {
        std::string bits(48, '0');
        for (char& b : bits) b = azar.bounded(4) == 0 ? '1' : '0';
        const auto linea = codificar(Codigo::B8zs, bits);
        sustituidos += std::count_if(linea.begin(), linea.end(), [](const Paso& p) { return p.sustituido; });
        for (size_t i = 0; i < linea.size(); ++i)
            for (int mitad : {0, 1}) {
                auto conError = linea;
                inyectarError(Codigo::B8zs, conError[i], mitad);
                const int mal = distintos(decodificar(Codigo::B8zs, conError), bits);
                const int malPatrones = distintos(b8zsDePatronesEnteros(conError), bits);
                if (mal > malPatrones) QFAIL(qPrintable(QStringLiteral("%1, slot %2").arg(bits.c_str()).arg(i)));
                nuestros += mal;
                patrones += malPatrones;
            }
    }
    QCOMPARE(nuestros, patrones);
    QVERIFY(sustituidos > 400 * 8); // the lines did hold patterns to break
}

// Which codes reveal line errors, and why each slot of a run of eight
// zeros is what it is: the second run follows the first V.
void TestCodigos::loQueDetectaCadaCodigo()
{
    // A code said to detect errors reports some single error on a line with
    // marks and long runs of zeros; one said not to never reports any.
    const std::string bits = "110000100000000100001011";
    for (Codigo c : kTodosLosCodigos) {
        bool visto = false;
        const auto limpia = codificar(c, bits);
        for (size_t i = 0; i < limpia.size(); ++i)
            for (int mitad : {0, 1}) {
                auto linea = limpia;
                inyectarError(c, linea[i], mitad);
                visto |= !violaciones(c, linea).empty();
            }
        QVERIFY2(visto == detectaErrores(c), nombreCodigo(c));
    }
    const auto hdb3 = codificar(Codigo::Hdb3, "100000000");
    QStringList razones;
    for (size_t i = 0; i < hdb3.size(); ++i)
        razones << QString::fromStdString(razonPaso(Codigo::Hdb3, hdb3, i)).section(' ', -1);
    QCOMPARE(razones.join(' '), QString(" 000V 000V 000V 000V B00V B00V B00V B00V"));
}

// A starting state the code never has, or a character that is no bit, is
// refused where it enters, and so is a spectrum of too few bits.
void TestCodigos::estadosImposibles_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<int>("ultimoPulso");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QString>("bits");
    fila("NRZI from level 0", Codigo::Nrzi, -1, 0, "0");
    fila("differential Manchester from 0", Codigo::ManchesterDiferencial, -1, 0, "1");
    fila("AMI after a zero pulse", Codigo::Ami, 0, -1, "1");
    fila("MLT-3 from 0 after a zero pulse", Codigo::Mlt3, 0, 0, "1");
    fila("HDB3 after a pulse of 2", Codigo::Hdb3, 2, -1, "1");
    fila("a blank among the bits", Codigo::NrzPolar, -1, -1, "1 0");
}

void TestCodigos::estadosImposibles()
{
    QFETCH(Codigo, codigo);
    QFETCH(int, ultimoPulso);
    QFETCH(int, nivel);
    QFETCH(QString, bits);
    const EstadoInicial inicio{ultimoPulso, nivel, 0};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, codificar(codigo, bits.toStdString(), inicio));
    if (bits != "1 0") QVERIFY_THROWS_EXCEPTION(std::invalid_argument, decodificar(codigo, {}, inicio));
    if (codigo == Codigo::Nrzi) {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, densidadEspectral(codigo, 127));
        QVERIFY(!std::isnan(densidadEspectral(codigo, 128)[0]));
    }
}

void TestCodigos::otraForma_data()
{
    QTest::addColumn<int>("forma");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("escrito"); // "-": that form cannot hold them
    QString cifras;
    for (int d = 0; d < 16; ++d) cifras += QString::number(d, 2).rightJustified(4, '0');
    fila("every hexadecimal digit", int(FormaEntrada::Hexadecimal), cifras, "0123456789ABCDEF");
    fila("text: ~", int(FormaEntrada::Texto), "01111110", "~");
    fila("text: no-break space", int(FormaEntrada::Texto), "10100000", "\u00A0");
    fila("text: DEL", int(FormaEntrada::Texto), "01111111", "-");
    fila("text: a C1 control", int(FormaEntrada::Texto), "10011111", "-");
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
    QTest::addColumn<QList<double>>("nulos"); // where the textbooks put a null, in bit rates
    const auto fila = [](Codigo c, QList<double> nulos) { ::fila(nombreCodigo(c), c, nulos); };
    fila(Codigo::NrzUnipolar, {1, 2});
    fila(Codigo::NrzPolar, {1, 2});
    fila(Codigo::Nrzi, {1, 2});
    fila(Codigo::Rz, {2});
    fila(Codigo::Ami, {0, 1, 2});
    fila(Codigo::Pseudoternario, {0, 1, 2});
    fila(Codigo::Hdb3, {0});
    fila(Codigo::B8zs, {0});
    fila(Codigo::Cmi, {0, 2});
    fila(Codigo::Manchester, {0, 2});
    fila(Codigo::ManchesterDiferencial, {0, 2});
    fila(Codigo::DosBUnoQ, {0.5, 1, 1.5, 2});
    fila(Codigo::Mlt3, {1, 2});
}

// The estimate follows the closed form within 3 % of the peak (RMS, away
// from discrete lines), its 0 Hz point included, with nulls where the
// textbooks put them and (nearly) all the line's power below twice the bit
// rate.
void TestCodigos::espectro()
{
    QFETCH(Codigo, codigo);
    QFETCH(QList<double>, nulos);
    const auto d = densidadEspectral(codigo);
    QCOMPARE(int(d.size()), kPuntosEspectro);
    const auto frecuencia = [](int k) { return 2.0 * k / (kPuntosEspectro - 1); };
    const auto cercaDeRaya = [&](int k) { return tieneRayas(codigo) && (k % 128 <= 2 || k % 128 >= 126); };
    double pico = 0, potencia = 0;
    for (int k = 0; k < kPuntosEspectro; ++k) {
        if (!cercaDeRaya(k)) pico = std::max(pico, d[size_t(k)]);
        const bool extremo = k == 0 || k == kPuntosEspectro - 1;
        potencia += d[size_t(k)] * (extremo ? 1.0 : 2.0) / (kPuntosEspectro - 1);
    }
    for (double f : nulos) {
        const double v = d[size_t(qRound(f * (kPuntosEspectro - 1) / 2))];
        QVERIFY2(v < 0.02 * pico, qPrintable(QStringLiteral("%1 at %2").arg(v).arg(f)));
    }
    QVERIFY2(potencia > 0.85 && potencia < 1.05, qPrintable(QString::number(potencia)));
    if (!densidadTeorica(codigo, 0)) return;
    double cuadrados = 0;
    int puntos = 0;
    for (int k = 0; k < kPuntosEspectro; ++k) {
        if (cercaDeRaya(k)) continue;
        cuadrados += std::pow(d[size_t(k)] - *densidadTeorica(codigo, frecuencia(k)), 2);
        ++puntos;
    }
    const double rms = std::sqrt(cuadrados / puntos) / pico;
    QVERIFY2(rms < 0.03, qPrintable(QString::number(rms)));
    if (!tieneRayas(codigo)) QVERIFY(std::abs(d[0] - *densidadTeorica(codigo, 0)) < 0.1 * pico);
}

void TestCodigos::binario_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("bits"); // empty: the text has no binary form
    fila("00A5, lower case", "00a5", "0000000010100101");
    fila("leading 8", "8421", "1000010000100001");
    fila("one digit", "F", "0000000000001111");
    fila("empty", "", "");
    fila("G", "00G0", "");
    fila("five digits", "12345", "");
}

void TestCodigos::binario()
{
    QFETCH(QString, numero);
    QFETCH(QString, bits);
    const auto r = codigos::binario(numero.toStdString());
    QCOMPARE(r.has_value(), !bits.isEmpty());
    if (r) QCOMPARE(QString::fromStdString(*r), bits);
}

// Where the string starts (no mark yet: even parity, B00V) and a run across
// two copies of the word; the coder's rules are checked on every length and
// state in decodificarDeshaceCodificar.
void TestCodigos::hdb3_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("inicio");
    fila("0000", "0000", QString::fromStdString(repetir("B00V", 32)));
    fila("run spans word copies", "0001", "B00VB00VB00V0001000VB00VB00V0001000V");
}

void TestCodigos::hdb3()
{
    QFETCH(QString, numero);
    QFETCH(QString, inicio);
    const auto s = simbolosHdb3(*codigos::binario(numero.toStdString()));
    QCOMPARE(int(s.size()), kHdb3Symbols);
    QCOMPARE(QString::fromStdString(s).left(inicio.size()), inicio);
}

void TestCodigos::fallosTipicos_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QStringList>("fallos"); // how each mistake's description starts
    fila("HDB3 with a run of four zeros", Codigo::Hdb3, "10000",
         QStringList{"sin sustituciones", "se eligió mal", "la V lleva", "se empezó"});
    // No run to substitute: AMI draws the same, and there is no V.
    fila("HDB3 with none", Codigo::Hdb3, "1101", QStringList{"se empezó"});
    fila("Manchester", Codigo::Manchester, "1001", QStringList{"las transiciones", "así es NRZ", "así es Manchester"});
    fila("NRZ unipolar of all zeros", Codigo::NrzUnipolar, "0000", QStringList{"unos y ceros", "así es NRZ polar"});
}

// Each typical mistake is kept only where it shows: its line differs from
// the right one and from the mistakes before it.
void TestCodigos::fallosTipicos()
{
    QFETCH(Codigo, codigo);
    QFETCH(QString, bits);
    QFETCH(QStringList, fallos);
    const auto hallados = codigos::fallosTipicos(codigo, bits.toStdString(), {});
    QCOMPARE(int(hallados.size()), fallos.size());
    for (std::size_t i = 0; i < hallados.size(); ++i) {
        QVERIFY2(QString::fromStdString(hallados[i].que).startsWith(fallos[int(i)]), hallados[i].que.c_str());
        QVERIFY(!mismoDibujo(hallados[i].linea, codificar(codigo, bits.toStdString())));
    }
}

void TestCodigos::dibujoCorregido_data()
{
    QTest::addColumn<Codigo>("codigo");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("dibujado"); // two halves a bit: +, - or 0; ? not drawn
    QTest::addColumn<int>("mal");
    QTest::addColumn<int>("primera");
    QTest::addColumn<QString>("porque");
    fila("HDB3 right", Codigo::Hdb3, "10000", "+0 00 00 00 +0", 0, -1, "");
    fila("HDB3 drawn as AMI", Codigo::Hdb3, "10000", "+0 00 00 00 00", 1, 8,
         "aquí va V: cuatro ceros tras un número impar de marcas desde la última V → 000V");
    fila("HDB3, B00V left out", Codigo::Hdb3, "0000", "00 00 00 00", 2, 0,
         "aquí va B: cuatro ceros tras un número par de marcas desde la última V → B00V");
    fila("AMI, a mark that does not alternate", Codigo::Ami, "101", "+0 00 +0", 1, 4, "la marca debe alternar");
    fila("AMI, a whole-bit pulse", Codigo::Ami, "1", "++", 1, 1, "el pulso dura medio bit");
    fila("Manchester with no mid-bit edge", Codigo::Manchester, "10", "-- +-", 1, 1,
         "falta la transición a mitad de bit");
    fila("NRZ polar, two halves not drawn", Codigo::NrzPolar, "10", "+? ?-", 2, 1, "falta dibujar este medio bit");
}

// The halves that differ from the coder's are counted, and the first is
// explained as the laboratory would.
void TestCodigos::dibujoCorregido()
{
    QFETCH(Codigo, codigo);
    QFETCH(QString, bits);
    QFETCH(QString, dibujado);
    QFETCH(int, mal);
    QFETCH(int, primera);
    QFETCH(QString, porque);
    std::vector<int> mitades;
    for (QChar m : dibujado.remove(' '))
        mitades.push_back(m == '+' ? 1 : m == '-' ? -1 : m == '0' ? 0 : codigos::kSinDibujar);
    const auto c = codigos::corregir(codigo, bits.toStdString(), {}, mitades);
    QCOMPARE(c.mal, mal);
    QCOMPARE(c.primera, primera);
    QCOMPARE(QString::fromStdString(c.porque), porque);
}

// Drawn starting states reach every state a code may start from, and no
// other: MLT-3 may start at zero, NRZI only high or low.
void TestCodigos::estadosAlAzar()
{
    QRandomGenerator azar(3);
    for (Codigo c : {Codigo::Mlt3, Codigo::Nrzi}) {
        std::set<std::tuple<int, int, int>> vistos;
        for (int i = 0; i < 400; ++i) {
            const EstadoInicial e = estadoAlAzar(c, [&](int n) { return int(azar.bounded(n)); });
            vistos.insert({e.ultimoPulso, e.nivel, e.paridad});
        }
        const std::set<int> niveles = c == Codigo::Mlt3 ? std::set<int>{-1, 0, 1} : std::set<int>{-1, 1};
        std::set<std::tuple<int, int, int>> todos;
        for (int u : {-1, 1})
            for (int n : niveles)
                for (int p : {0, 1}) todos.insert({u, n, p});
        QCOMPARE(vistos, todos);
    }
}

QTEST_APPLESS_MAIN(TestCodigos)
#include "tst_codigos.moc"
