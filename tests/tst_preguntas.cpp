// SPDX-License-Identifier: GPL-3.0-or-later
// The questions for Moodle: the bank read back as Moodle reads it, and the
// command line run as a teacher's script runs it.

#include "Archivos.h"
#include "Filas.h"
#include "preguntas/BancoMoodle.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace preguntas;

namespace {

struct Respuesta {
    QString fraccion, texto, comentario;
    QByteArray png;
};

struct Leida {
    QString tipo, nombre, categoria;
    QByteArray png; // of the question's text
    QList<Respuesta> respuestas;
};

// The bank as Moodle's importer walks it: questions, their texts, answers
// and embedded files.
QList<Leida> leerBanco(const QByteArray& xml)
{
    QList<Leida> r;
    QXmlStreamReader x(xml);
    QString categoria;
    QStringList camino;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            camino << x.name().toString();
            if (x.name() == u"question") {
                r.append({x.attributes().value("type").toString(), {}, categoria, {}, {}});
            } else if (x.name() == u"answer") {
                r.last().respuestas.append({x.attributes().value("fraction").toString(), {}, {}, {}});
            } else if (x.name() == u"file") {
                const QByteArray png = QByteArray::fromBase64(x.readElementText().toLatin1());
                camino.removeLast();
                (camino.last() == u"answer" ? r.last().respuestas.last().png : r.last().png) = png;
            } else if (x.name() == u"text") {
                const QString texto = x.readElementText();
                camino.removeLast();
                const QString& dentro = camino.last();
                if (dentro == u"category") categoria = texto, r.removeLast();
                if (dentro == u"name") r.last().nombre = texto;
                if (dentro == u"answer") r.last().respuestas.last().texto = texto;
                if (dentro == u"feedback" && camino.value(camino.size() - 2) == u"answer")
                    r.last().respuestas.last().comentario = texto;
            }
        } else if (x.isEndElement()) {
            camino.removeLast();
        }
    }
    if (x.hasError()) qWarning("%s", qPrintable(x.errorString()));
    return r;
}

QByteArray pngDe(const Pregunta& p, const std::vector<codigos::Paso>& linea)
{
    return imagenPng(p.codigo, linea, p.bits, p.tipo == Tipo::Elegir);
}

} // namespace

class TestPreguntas : public QObject {
    Q_OBJECT
private slots:
    void bancoDeTodosLosCodigos();
    void ordenDeMoodle_data();
    void ordenDeMoodle();
};

// Every code asked both ways, each under its own category. A waveform to
// read is the coder's line for its bits, which are the answer in bits and
// in hexadecimal; a picture to choose has one right answer, the coder's,
// and three different wrong ones, each saying what mistake it shows.
void TestPreguntas::bancoDeTodosLosCodigos()
{
    Pedido pedido; // every code
    pedido.preguntas = 26;
    pedido.semilla = 20261207;
    const std::vector<Pregunta> generadas = generarPreguntas(pedido);
    const QList<Leida> leidas = leerBanco(bancoMoodle(generadas));
    QCOMPARE(leidas.size(), 26);
    for (const Leida& l : leidas) {
        const int k = l.nombre.section('(', -1).chopped(1).toInt() - 1;
        const Pregunta& p = generadas[std::size_t(k)];
        const QString nombre = QString::fromUtf8(codigos::nombreCodigo(p.codigo));
        QVERIFY2(l.nombre.startsWith(nombre + ':') && l.categoria.endsWith("/Tramavox/" + nombre),
                 qPrintable(l.nombre));
        QCOMPARE(l.tipo, p.tipo == Tipo::Leer ? "shortanswer" : "multichoice");
        if (p.tipo == Tipo::Leer) {
            const auto linea = codigos::codificar(p.codigo, p.bits, p.inicio);
            QCOMPARE(l.png, pngDe(p, linea));
            QVERIFY(l.png != imagenPng(p.codigo, linea, p.bits, true)); // the answer is not written above it
            QCOMPARE(l.respuestas.size(), 2);
            QCOMPARE(l.respuestas[0].texto, QString::fromStdString(p.bits));
            QCOMPARE(l.respuestas[1].texto,
                     QString::number(std::stoull(p.bits, nullptr, 2), 16).toUpper().rightJustified(4, '0'));
            continue;
        }
        QCOMPARE(l.respuestas.size(), 4);
        QSet<QByteArray> distintas;
        for (const Respuesta& r : l.respuestas) {
            QVERIFY(!QImage::fromData(r.png).isNull());
            distintas << r.png;
            if (r.fraccion == "100")
                QCOMPARE(r.png, pngDe(p, codigos::codificar(p.codigo, p.bits, p.inicio)));
            else
                QVERIFY2(r.fraccion == "0" && r.comentario.size() > 20, qPrintable(r.comentario));
        }
        QCOMPARE(distintas.size(), 4);
        QCOMPARE(std::count_if(l.respuestas.begin(), l.respuestas.end(), [](auto& r) { return r.fraccion == "100"; }),
                 1);
    }
}

void TestPreguntas::ordenDeMoodle_data()
{
    QTest::addColumn<QStringList>("opciones"); // after the file's name
    QTest::addColumn<int>("salida");
    QTest::addColumn<QString>("error");
    fila("every option",
         QStringList{"--preguntas", "6", "--codigos", "HDB3,manchester diferencial,MLT-3", "--bits", "24", "--semilla",
                     "5"},
         0, "");
    fila("an unknown code", QStringList{"--codigos", "HDB4"}, 2, "tramavox: «HDB4» no es un código; los códigos son ");
    fila("bits that make no hexadecimal", QStringList{"--bits", "10"}, 2,
         "tramavox: los bits han de ser un múltiplo de 4");
    fila("no value", QStringList{"--preguntas"}, 2, "tramavox: a «--preguntas» le falta su valor");
    fila("a folder that is not there", QStringList{"--carpeta"}, 1, "tramavox: no se pudo escribir");
}

// The same seed writes the same bytes; a run that works prints nothing, and
// one that cannot says why in Spanish, leaves no file and fails.
void TestPreguntas::ordenDeMoodle()
{
    QFETCH(QStringList, opciones);
    QFETCH(int, salida);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const bool enOtraCarpeta = opciones == QStringList{"--carpeta"};
    const QString fichero = dir.filePath(enOtraCarpeta ? "no/banco.xml" : "banco.xml");
    if (enOtraCarpeta) opciones.clear();
    const auto correr = [&](const QString& destino) {
        QProcess p;
        p.start(TRAMAVOX_PROGRAMA, QStringList{"--moodle", destino} + opciones);
        p.waitForFinished(60000);
        return std::tuple(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()));
    };
    const auto [codigo, dicho] = correr(fichero);
    QCOMPARE(codigo, salida);
    QVERIFY2(error.isEmpty() ? dicho.isEmpty() : dicho.startsWith(error), qPrintable(dicho));
    QCOMPARE(QFile::exists(fichero), salida == 0);
    if (salida != 0) return;
    QCOMPARE(leerBanco(leer(fichero)).size(), 6);
    correr(dir.filePath("otra.xml"));
    QCOMPARE(leer(dir.filePath("otra.xml")), leer(fichero));
}

QTEST_MAIN(TestPreguntas)
#include "tst_preguntas.moc"
