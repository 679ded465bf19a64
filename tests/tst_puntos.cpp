// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file "puntos.pnt": its bytes, read and written.

#include "Archivos.h"
#include "exercise/ArchivoPuntos.h"
#include "exercise/PuntosCompartidos.h"
#include "formatos/ArchivoEntero.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ejercicio;

namespace {

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

// Runs `accion` in a child process as another user, with `grupo` among its
// groups: the permission checks a classroom folder puts on a student, which
// root never meets. Returns what the action returned.
QString comoOtroUsuario(uid_t usuario, gid_t grupo, const std::function<QString()>& accion)
{
    int tubo[2];
    if (::pipe(tubo) != 0) return QStringLiteral("<pipe>");
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        const gid_t grupos[] = {grupo};
        if (::setgroups(1, grupos) != 0 || ::setgid(grupo) != 0 || ::setuid(usuario) != 0) ::_exit(1);
        const QByteArray r = accion().toUtf8();
        if (::write(tubo[1], r.constData(), size_t(r.size())) < 0) ::_exit(1);
        ::_exit(0);
    }
    ::close(tubo[1]);
    QByteArray salida;
    char trozo[256];
    for (ssize_t n; (n = ::read(tubo[0], trozo, sizeof trozo)) > 0;) salida.append(trozo, n);
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? QString::fromUtf8(salida) : QStringLiteral("<child failed>");
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
    void archivoAusente();
    void discoLlenoDejaElAnterior();
    void soloFicherosNormalesYDeTamanoSensato();
    void carpetaCompartidaYCarpetaDeSoloLectura();
    void fusion_data();
    void fusion();
};

void TestPuntos::idaYVuelta_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("several, accents") << linea("Mar\xed" "a Pe\xf1" "a", " 9 9") + linea("\x80uro", " 3 1") +
                                             linea(QByteArray(40, 'L'), " 1 0");
    QTest::newRow("counts of 10 or more") << linea("Luis", " 12 7") + linea("Eva", " 103 99");
    QTest::newRow("largest 64-bit counts") << linea("Ana", " 9223372036854775807 9223372036854775807");
    QTest::newRow("bytes Windows-1252 leaves undefined") << linea("\x81\x8d\x8f\x90\x9d", " 1 1");
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
    QTest::newRow("short line") << QByteArray("Ana\r\n") << "Ana| 0| 0";
    QTest::newRow("hand-edited counts") << linea("Ana", " x -3") << "Ana| 0| 0";
    QTest::newRow("one count only") << linea("Ana", " 4") << "Ana| 4| 0";
    QTest::newRow("empty line kept") << QByteArray("\r\n") + linea("Ana", " 1 1") << "| 0| 0;Ana| 1| 1";
    QTest::newRow("name of 45") << QByteArray(45, 'N') + " 1 1\r\n" << QString(40, 'N') + "| 0| 0";
    QTest::newRow("mixed ends") << ana + " 1 1\r\n" + ana + " 2 1\n" + ana + " 3 1\r" + ana + " 4 1"
                                << "Ana| 1| 1;Ana| 2| 1;Ana| 3| 1;Ana| 4| 1";
    QTest::newRow("beyond 64 bits: the largest") << linea("Ana", " 99999999999999999999 1") << "Ana| 9223372036854775807| 1";
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

// A missing file is an empty table, created whole by the first save; a
// save into a folder that is not there fails and says why.
void TestPuntos::archivoAusente()
{
    QTemporaryDir dir;
    const Carga ausente = cargarPuntos(dir.filePath("puntos.pnt"));
    QVERIFY(ausente.error.isEmpty());
    QCOMPARE(ausente.tabla.num_alumnos(), 0);
    const TablaAlumnos t = leerPuntos(linea("Ana", " 0 0"));
    QCOMPARE(guardarPuntos(t, dir.filePath("falta/puntos.pnt")), QString("la carpeta no existe"));
    QVERIFY(guardarPuntos(t, dir.filePath("puntos.pnt")).isEmpty());
    QCOMPARE(leer(dir.filePath("puntos.pnt")), linea("Ana", " 0 0"));
}

// A write that fails part-way (the disk fills up; here the process's file
// size limit stands in for it) leaves the old file whole, nothing beside it,
// and says why in Spanish.
void TestPuntos::discoLlenoDejaElAnterior()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    const QByteArray antes = linea("Ana", " 5 3");
    escribir(ruta, antes);
    const TablaAlumnos t = leerPuntos(linea("Luis", " 1 1") + linea("Eva", " 2 2") + linea("Pepe", " 3 3"));
    struct rlimit limite {};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const struct rlimit pequeno {64, limite.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &pequeno);
    const QString error = guardarPuntos(t, ruta);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    QCOMPARE(error, QString("el fichero sería demasiado grande"));
    QCOMPARE(leer(ruta), antes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"puntos.pnt"});
}

// A FIFO, a device behind a link, a folder or a huge file of that name is
// refused at once (no hang, no memory eaten), and never written over.
void TestPuntos::soloFicherosNormalesYDeTamanoSensato()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.pnt"), cero = dir.filePath("cero.pnt"), grande = dir.filePath("grande.pnt");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QVERIFY(QFile::link("/dev/zero", cero));
    QFile g(grande);
    QVERIFY(g.open(QIODevice::WriteOnly) && g.resize(64 * 1024 * 1024));
    g.close();
    for (const QString& ruta : {fifo, cero})
        QCOMPARE(cargarPuntos(ruta).error, QString("no es un fichero normal"));
    QVERIFY(QDir(dir.path()).mkdir("carpeta.pnt"));
    QCOMPARE(cargarPuntos(dir.filePath("carpeta.pnt")).error, QString("es una carpeta, no un fichero"));
    QVERIFY(cargarPuntos(grande).error.startsWith("el fichero es demasiado grande"));
    QCOMPARE(guardarPuntos(leerPuntos(linea("Ana", " 1 1")), fifo), QString("no es un fichero normal"));
    QVERIFY(QFileInfo(cero).isSymLink());
}

// In a folder a class shares (owner and group kept, setgid folder) a
// student's save keeps the file's owner, group and mode; in a folder the
// student may not write, a file the student may write is saved in place.
void TestPuntos::carpetaCompartidaYCarpetaDeSoloLectura()
{
    if (::geteuid() != 0) QSKIP("switching to a student's user needs root");
    constexpr uid_t kProfesor = 65534, kAlumno = 65533;
    constexpr gid_t kClase = 100;
    QTemporaryDir raiz;
    QVERIFY(QFile::setPermissions(raiz.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                   QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
    const QByteArray carpeta = QFile::encodeName(raiz.filePath("clase")), archivo = carpeta + "/puntos.pnt";
    QVERIFY(QDir().mkdir(raiz.filePath("clase")));
    escribir(QString::fromLocal8Bit(archivo), linea("Ana", " 1 1"));
    QCOMPARE(::chown(carpeta.constData(), kProfesor, kClase) | ::chmod(carpeta.constData(), 02775), 0);
    QCOMPARE(::chown(archivo.constData(), kProfesor, kClase) | ::chmod(archivo.constData(), 0664), 0);
    const TablaAlumnos t = leerPuntos(linea("Ana", " 2 1"));
    QCOMPARE(comoOtroUsuario(kAlumno, kClase, [&] { return guardarPuntos(t, QString::fromLocal8Bit(archivo)); }), QString());
    struct stat datos {};
    QCOMPARE(::stat(archivo.constData(), &datos), 0);
    QCOMPARE(datos.st_uid, kProfesor);
    QCOMPARE(datos.st_gid, kClase);
    QCOMPARE(datos.st_mode & 07777, mode_t(0664));
    QCOMPARE(leer(QString::fromLocal8Bit(archivo)), linea("Ana", " 2 1"));

    QCOMPARE(::chmod(carpeta.constData(), 0755) | ::chown(archivo.constData(), kAlumno, kClase), 0);
    const TablaAlumnos mas = leerPuntos(linea("Ana", " 3 2") + linea("Luis", " 1 0"));
    QCOMPARE(comoOtroUsuario(kAlumno, kClase, [&] { return guardarPuntos(mas, QString::fromLocal8Bit(archivo)); }), QString());
    QCOMPARE(leer(QString::fromLocal8Bit(archivo)), linea("Ana", " 3 2") + linea("Luis", " 1 0"));
    QCOMPARE(QDir(QString::fromLocal8Bit(carpeta)).entryList(QDir::Files | QDir::Hidden), QStringList{"puntos.pnt"});
}

void TestPuntos::fusion_data()
{
    QTest::addColumn<QByteArray>("base");  // the file as this copy read it
    QTest::addColumn<QByteArray>("disco"); // the file now, as other copies left it
    QTest::addColumn<QByteArray>("mia");   // this copy's table
    QTest::addColumn<bool>("reiniciado");  // this copy reset the first student
    QTest::addColumn<QString>("tabla");
    const QByteArray ana = linea("Ana", " 5 3"), luis = linea("Luis", " 1 0");
    QTest::newRow("both answered") << ana << linea("Ana", " 7 4") << linea("Ana", " 6 4") << false << "Ana|8|5";
    QTest::newRow("both added students") << ana << ana + luis << ana + linea("Eva", " 1 1") << false
                                         << "Ana| 5| 3;Luis| 1| 0;Eva| 1| 1";
    QTest::newRow("reset here") << ana << linea("Ana", " 7 4") << linea("Ana", "0 0") << true << "Ana| 0| 0";
    QTest::newRow("removed elsewhere, no new answers") << ana + luis << luis << ana + linea("Luis", " 2 1") << false
                                                       << "Luis|2|1";
    QTest::newRow("removed elsewhere, new answers") << ana << QByteArray() << linea("Ana", " 6 3") << false << "Ana|1|0";
    QTest::newRow("the largest count holds") << ana << linea("Ana", " 9223372036854775806 0") << linea("Ana", " 8 3")
                                             << false << "Ana|9223372036854775807|0";
}

// This copy's new answers are added to what the other copies wrote.
void TestPuntos::fusion()
{
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, disco);
    QFETCH(QByteArray, mia);
    QFETCH(bool, reiniciado);
    QFETCH(QString, tabla);
    const Fusion f = fusionar(leerPuntos(disco), leerPuntos(base), leerPuntos(mia), reiniciado ? QSet<int>{0} : QSet<int>{});
    QCOMPARE(resumen(f.tabla), tabla);
}

QTEST_APPLESS_MAIN(TestPuntos)
#include "tst_puntos.moc"
