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

} // namespace

class TestPuntos : public QObject {
    Q_OBJECT
private slots:
    void idaYVuelta_data();
    void idaYVuelta();
    void lectura_data();
    void lectura();
    void masDe101Alumnos();
    void caracteresFueraDe1252();
    void archivoAusenteEsTablaVacia();
    void archivoIlegibleDaError();
    void guardarFallidoNoDejaNada();
};

void TestPuntos::idaYVuelta_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one") << linea("XYZ", " 7 5");
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
    QTest::addColumn<QStringList>("nombres");
    QTest::addColumn<QStringList>("totales");
    QTest::addColumn<QStringList>("aciertos");
    const QString ana = QString("Ana").leftJustified(40);
    QTest::newRow("space-5 space-3") << linea("Ana", " 5 3") << QStringList{ana} << QStringList{" 5"} << QStringList{" 3"};
    QTest::newRow("12 answers") << linea("Ana", " 12 7") << QStringList{ana} << QStringList{" 12"} << QStringList{" 7"};
    QTest::newRow("no line end at the end") << QByteArray("Ana").leftJustified(40, ' ') + " 2 1"
                                            << QStringList{ana} << QStringList{" 2"} << QStringList{" 1"};
    QTest::newRow("LF only") << QByteArray("Ana").leftJustified(40, ' ') + " 2 1\n"
                             << QStringList{ana} << QStringList{" 2"} << QStringList{" 1"};
    QTest::newRow("short line") << QByteArray("Ana\r\n") << QStringList{ana} << QStringList{" 0"} << QStringList{" 0"};
    QTest::newRow("hand-edited counts") << linea("Ana", " x -3") << QStringList{ana} << QStringList{" 0"} << QStringList{" 0"};
    QTest::newRow("one count only") << linea("Ana", " 4") << QStringList{ana} << QStringList{" 4"} << QStringList{" 0"};
    QTest::newRow("empty line kept") << QByteArray("\r\n") + linea("Ana", " 1 1")
                                     << QStringList{QString(40, ' '), ana} << QStringList{" 0", " 1"} << QStringList{" 0", " 1"};
    QTest::newRow("name of 45") << QByteArray(45, 'N') + " 1 1\r\n" << QStringList{QString(40, 'N')}
                                << QStringList{" 0"} << QStringList{" 0"};
}

void TestPuntos::lectura()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QStringList, nombres);
    QFETCH(QStringList, totales);
    QFETCH(QStringList, aciertos);
    const TablaAlumnos t = leerPuntos(contenido);
    QCOMPARE(t.nombres, nombres);
    QCOMPARE(t.totales, totales);
    QCOMPARE(t.aciertos, aciertos);
}

void TestPuntos::masDe101Alumnos()
{
    QByteArray contenido;
    for (int i = 0; i < 150; ++i) contenido += linea("Alumno " + QByteArray::number(i), " 1 1");
    TablaAlumnos t = leerPuntos(contenido);
    QCOMPARE(t.num_alumnos(), 150);
    QCOMPARE(t.nombres[149].trimmed(), QString("Alumno 149"));
    t.agregar("Nuevo");
    QCOMPARE(escribirPuntos(t), contenido + linea("Nuevo", " 0 0"));
}

void TestPuntos::caracteresFueraDe1252()
{
    TablaAlumnos t;
    t.agregar(QString::fromUtf8("Zoë Ωmega €"));
    QCOMPARE(escribirPuntos(t), linea("Zo\xeb ?mega \x80", " 0 0"));
}

void TestPuntos::archivoAusenteEsTablaVacia()
{
    QTemporaryDir dir;
    const Carga c = cargarPuntos(dir.filePath("puntos.pnt"));
    QVERIFY(c.error.isEmpty());
    QCOMPARE(c.tabla.num_alumnos(), 0);
}

void TestPuntos::archivoIlegibleDaError()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("puntos.pnt"));
    QVERIFY(!cargarPuntos(dir.filePath("puntos.pnt")).error.isEmpty());
}

void TestPuntos::guardarFallidoNoDejaNada()
{
    QTemporaryDir dir;
    TablaAlumnos t;
    t.agregar("Ana");
    QVERIFY(!guardarPuntos(t, dir.filePath("falta/puntos.pnt")).isEmpty());
    QVERIFY(QDir(dir.path()).mkdir("puntos.pnt"));
    QVERIFY(!guardarPuntos(t, dir.filePath("puntos.pnt")).isEmpty());
    QVERIFY(QFileInfo(dir.filePath("puntos.pnt")).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    // And a save that works replaces the file whole.
    QVERIFY(guardarPuntos(t, dir.filePath("otro.pnt")).isEmpty());
    QFile f(dir.filePath("otro.pnt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), linea("Ana", " 0 0"));
}

QTEST_APPLESS_MAIN(TestPuntos)
#include "tst_puntos.moc"
