// The statistics file "puntos.pnt": its bytes, read and written.

#include "exercise/ArchivoPuntos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ejercicio;

namespace {

QByteArray linea(const QByteArray& nombre, const QByteArray& cuentas)
{
    return nombre.leftJustified(40, ' ') + cuentas + "\r\n";
}

// The table in one line: name (its padding dropped), count texts as kept.
QString resumen(const TablaAlumnos& t)
{
    QStringList r;
    for (int i = 0; i < t.num_alumnos(); ++i) {
        if (t.nombres[i].size() != kAnchoNombre) return QStringLiteral("<name not 40 wide>");
        QString nombre = t.nombres[i];
        while (nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
        r << nombre + '|' + t.totales[i] + '|' + t.aciertos[i];
    }
    return r.join(';');
}

} // namespace

class TestPuntos : public QObject {
    Q_OBJECT
private slots:
    void idaYVuelta_data();
    void idaYVuelta();
    void lectura_data();
    void lectura();
    void tablaSinLimiteYFueraDe1252();
    void archivoAusenteIlegibleOFallido();
};

void TestPuntos::idaYVuelta_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no answers yet") << linea("Ana", " 0 0");
    QTest::newRow("several, accents") << linea("Mar\xed" "a Pe\xf1" "a", " 9 9") + linea("\x80uro", " 3 1") +
                                             linea(QByteArray(40, 'L'), " 1 0");
    QTest::newRow("counts of 10 or more") << linea("Luis", " 12 7") + linea("Eva", " 103 99");
}

// A file written by the program reads back and saves again byte for byte.
void TestPuntos::idaYVuelta()
{
    QFETCH(QByteArray, contenido);
    QCOMPARE(escribirPuntos(leerPuntos(contenido)), contenido);
}

void TestPuntos::lectura_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("tabla");
    const QByteArray ana = QByteArray("Ana").leftJustified(40, ' ');
    QTest::newRow("space-5 space-3") << linea("Ana", " 5 3") << "Ana| 5| 3";
    QTest::newRow("12 answers") << linea("Ana", " 12 7") << "Ana| 12| 7";
    QTest::newRow("no line end at the end") << ana + " 2 1" << "Ana| 2| 1";
    QTest::newRow("LF only") << ana + " 2 1\n" << "Ana| 2| 1";
    QTest::newRow("short line") << QByteArray("Ana\r\n") << "Ana| 0| 0";
    QTest::newRow("hand-edited counts") << linea("Ana", " x -3") << "Ana| 0| 0";
    QTest::newRow("one count only") << linea("Ana", " 4") << "Ana| 4| 0";
    QTest::newRow("empty line kept") << QByteArray("\r\n") + linea("Ana", " 1 1") << "| 0| 0;Ana| 1| 1";
    QTest::newRow("name of 45") << QByteArray(45, 'N') + " 1 1\r\n" << QString(40, 'N') + "| 0| 0";
}

void TestPuntos::lectura()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, tabla);
    QCOMPARE(resumen(leerPuntos(contenido)), tabla);
}

// The table grows past 101 students; a character Windows-1252 cannot hold
// is written as "?".
void TestPuntos::tablaSinLimiteYFueraDe1252()
{
    QByteArray contenido;
    for (int i = 0; i < 150; ++i) contenido += linea("Alumno " + QByteArray::number(i), " 1 1");
    TablaAlumnos t = leerPuntos(contenido);
    QCOMPARE(t.num_alumnos(), 150);
    t.agregar(QString::fromUtf8("Zoë Ωmega €"));
    QCOMPARE(escribirPuntos(t), contenido + linea("Zo\xeb ?mega \x80", " 0 0"));
}

// A missing file is an empty table; one that cannot be read is an error; a
// save that fails leaves nothing behind, one that works writes the whole file.
void TestPuntos::archivoAusenteIlegibleOFallido()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    const Carga ausente = cargarPuntos(ruta);
    QVERIFY(ausente.error.isEmpty());
    QCOMPARE(ausente.tabla.num_alumnos(), 0);

    TablaAlumnos t;
    t.agregar("Ana");
    QVERIFY(!guardarPuntos(t, dir.filePath("falta/puntos.pnt")).isEmpty());
    QVERIFY(QDir(dir.path()).mkdir("puntos.pnt"));
    QVERIFY(!cargarPuntos(ruta).error.isEmpty());
    QVERIFY(!guardarPuntos(t, ruta).isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    QVERIFY(guardarPuntos(t, dir.filePath("otro.pnt")).isEmpty());
    QFile f(dir.filePath("otro.pnt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), linea("Ana", " 0 0"));
}

QTEST_APPLESS_MAIN(TestPuntos)
#include "tst_puntos.moc"
