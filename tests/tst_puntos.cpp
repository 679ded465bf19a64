// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file "puntos.pnt": its bytes, read and written.

#include "Archivos.h"
#include "ejercicio/ArchivoPuntos.h"
#include "ejercicio/Clase.h"
#include "ejercicio/Diario.h"
#include "ejercicio/InformeClase.h"
#include "ejercicio/PuntosCompartidos.h"
#include "Filas.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Cerrojo.h"
#include "formatos/Csv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <QProcess>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ejercicio;

namespace {

const QString kEnlace = QStringLiteral("es un enlace simbólico, y por seguridad no se sigue");

// The table in one line: name (its padding dropped), count texts as kept.
QString resumen(const TablaAlumnos& t)
{
    QStringList r;
    for (int i = 0; i < t.num_alumnos(); ++i) {
        if (t.nombres[i].size() != kAnchoNombre) return QStringLiteral("<name not 40 wide>");
        QString nombre = t.nombres[i];
        while (nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
        r << nombre + '|' + t.totales[i].texto() + '|' + t.aciertos[i].texto();
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
    void discoLlenoDejaElAnterior();
    void soloFicherosNormalesYDeTamanoSensato();
    void fusion_data();
    void fusion();
    void enlacesNoSeSiguen();
    void nombres_data();
    void nombres();
    void camposCsv_data();
    void camposCsv();
    void borrarPorNombre();
    void cerrojoDeOtroProceso();
    void motivosDeNoPoderGuardar_data();
    void motivosDeNoPoderGuardar();
    void copiaMuertaEntreLosDosFicheros();
    void discoQueNoGuarda();
    void informeDeLaClase();
};

void TestPuntos::idaYVuelta_data()
{
    QTest::addColumn<QByteArray>("contenido");
    fila("empty", QByteArray());
    fila("several, accents", lineaPuntos("Mar\xed"
                                         "a Pe\xf1"
                                         "a",
                                         " 9 9") +
                                 lineaPuntos("\x80uro", " 3 1") + lineaPuntos(QByteArray(40, 'L'), " 1 0"));
    fila("counts of 10 or more", lineaPuntos("Luis", " 12 7") + lineaPuntos("Eva", " 103 99"));
    fila("largest 64-bit counts", lineaPuntos("Ana", " 9223372036854775807 9223372036854775807"));
    fila("bytes Windows-1252 leaves undefined", lineaPuntos("\x81\x8d\x8f\x90\x9d", " 1 1"));
    fila("lines of no student, where they were", "\r\n" + lineaPuntos("Pepe", " 2 9") + lineaPuntos("Eva", " 1 1") +
                                                     lineaPuntos("Ana", " x -3") + QByteArray(3, '\0') + "\r\n");
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
    QTest::addColumn<QStringList>("avisos");
    QTest::addColumn<bool>("utf8");
    const QByteArray ana = QByteArray("Ana").leftJustified(40, ' ');
    const QString noSonCuentas = QStringLiteral("las cuentas no son dos números enteros positivos");
    fila("the name alone", QByteArray("Ana\r\n"), "Ana| 0| 0", QStringList(), false);
    fila("one count only", lineaPuntos("Ana", " 4"), "Ana| 4| 0", QStringList(), false);
    fila("no padding", QByteArray("Ana 5 3\r\nLuis  Mar 12 7\r\n"), "Ana| 5| 3;Luis Mar| 12| 7", QStringList(), false);
    fila("mixed ends", ana + " 1 1\r\n" + ana + " 2 1\n" + ana + " 3 1\r" + ana + " 4 1",
         "Ana| 1| 1;Ana| 2| 1;Ana| 3| 1;Ana| 4| 1", QStringList(), false);
    fila("beyond 64 bits: the largest", lineaPuntos("Ana", " 99999999999999999999 1"), "Ana| 9223372036854775807| 1",
         QStringList(), false);
    fila("unreadable counts", lineaPuntos("Ana", " x 3") + lineaPuntos("Eva", " 5 -3"), "",
         QStringList{"línea 1: " + noSonCuentas, "línea 2: " + noSonCuentas}, false);
    fila("blank, more right than answers", "  \r\n" + lineaPuntos("Pepe", " 2 9") + lineaPuntos("Eva", " 1 1"),
         "Eva| 1| 1", QStringList{"línea 1: está en blanco", "línea 2: tiene más aciertos (9) que respuestas (2)"},
         false);
    fila("NULs, counts without a name", QByteArray(4, '\0') + "\r\n" + QByteArray(29, ' ') + " 0 0\r\n", "",
         QStringList{"línea 1: tiene caracteres nulos", "línea 2: no tiene nombre"}, false);
    fila("name of 45", QByteArray(45, 'N') + " 1 1\r\n", "", QStringList{"línea 1: el nombre pasa de 40 caracteres"},
         false);
    fila("UTF-8 with its mark", "\xEF\xBB\xBF" + QString("María 3 1\r\n").toUtf8(), "María| 3| 1", QStringList(), true);
    fila("UTF-8 without it", lineaPuntos(QString("Begoña").toUtf8(), " 2 2"), "Begoña| 2| 2", QStringList(), true);
}

// Hand-edited files: what can be read is, and the lines that are no
// student's are said, not turned into students.
void TestPuntos::lectura()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, tabla);
    QFETCH(QStringList, avisos);
    QFETCH(bool, utf8);
    Lecturas l;
    QCOMPARE(resumen(leerPuntos(contenido, &l)), tabla);
    QCOMPARE(l.avisos, avisos);
    QCOMPARE(l.utf8, utf8);
}

// The table grows past 101 students; a character Windows-1252 cannot hold
// is written as "?".
void TestPuntos::tablaSinLimiteYFueraDe1252()
{
    QTemporaryDir dir;
    QByteArray contenido;
    for (int i = 0; i < 1000; ++i) contenido += lineaPuntos("Alumno " + QByteArray::number(i), " 1 1");
    escribir(dir.filePath("puntos.pnt"), contenido);
    TablaAlumnos t = cargarPuntos(dir.filePath("puntos.pnt")).tabla;
    QCOMPARE(t.num_alumnos(), 1000);
    t.agregar(QString::fromUtf8("Zoë Ωmega €"));
    QCOMPARE(escribirPuntos(t), contenido + lineaPuntos("Zo\xeb ?mega \x80", " 0 0"));
}

// A write that fails part-way (the disk fills up; here the process's file
// size limit stands in for it) leaves the old file whole, nothing beside it,
// and says why in Spanish.
void TestPuntos::discoLlenoDejaElAnterior()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    const QByteArray antes = lineaPuntos("Ana", " 5 3");
    escribir(ruta, antes);
    const TablaAlumnos t =
        leerPuntos(lineaPuntos("Luis", " 1 1") + lineaPuntos("Eva", " 2 2") + lineaPuntos("Pepe", " 3 3"));
    struct rlimit limite = {};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const struct rlimit pequeno = {64, limite.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &pequeno);
    const QString error = guardarPuntos(t, ruta);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    QCOMPARE(error, QString("el fichero sería demasiado grande"));
    QCOMPARE(leer(ruta), antes);
    ::setrlimit(RLIMIT_FSIZE, &pequeno);
    const QString alAnadir = formatos::anadirAlFinal(ruta, QByteArray(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &limite);
    QCOMPARE(alAnadir, QString("el fichero sería demasiado grande"));
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
    QCOMPARE(cargarPuntos(fifo).error, QString("no es un fichero normal"));
    QCOMPARE(cargarPuntos(cero).error, kEnlace);
    QVERIFY(QDir(dir.path()).mkdir("carpeta.pnt"));
    QCOMPARE(cargarPuntos(dir.filePath("carpeta.pnt")).error, QString("es una carpeta, no un fichero"));
    QVERIFY(cargarPuntos(grande).error.startsWith("el fichero es demasiado grande"));
    QCOMPARE(guardarPuntos(leerPuntos(lineaPuntos("Ana", " 1 1")), fifo), QString("no es un fichero normal"));
    QVERIFY(QFileInfo(cero).isSymLink());
}

void TestPuntos::fusion_data()
{
    QTest::addColumn<QByteArray>("base");  // the file as this copy read it
    QTest::addColumn<QByteArray>("disco"); // the file now, as other copies left it
    QTest::addColumn<QByteArray>("mia");   // this copy's table
    QTest::addColumn<bool>("reiniciado");  // this copy reset the first student
    QTest::addColumn<QString>("tabla");
    const QByteArray ana = lineaPuntos("Ana", " 5 3"), luis = lineaPuntos("Luis", " 1 0");
    fila("both answered", ana, lineaPuntos("Ana", " 7 4"), lineaPuntos("Ana", " 6 4"), false, "Ana|8|5");
    fila("both added students", ana, ana + luis, ana + lineaPuntos("Eva", " 1 1"), false,
         "Ana| 5| 3;Luis| 1| 0;Eva| 1| 1");
    fila("reset here", ana, lineaPuntos("Ana", " 7 4"), lineaPuntos("Ana", "0 0"), true, "Ana| 0| 0");
    fila("removed elsewhere, no new answers", ana + luis, luis, ana + lineaPuntos("Luis", " 2 1"), false, "Luis|2|1");
    fila("removed elsewhere, new answers", ana, QByteArray(), lineaPuntos("Ana", " 6 3"), false, "Ana|1|0");
    fila("reset here, removed elsewhere", ana + luis, luis, lineaPuntos("Ana", "0 0") + luis, true, "Luis| 1| 0");
    fila("the largest count holds", ana, lineaPuntos("Ana", " 9223372036854775806 0"), lineaPuntos("Ana", " 8 3"),
         false, "Ana|9223372036854775807|0");
}

// This copy's new answers are added to what the other copies wrote.
void TestPuntos::fusion()
{
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, disco);
    QFETCH(QByteArray, mia);
    QFETCH(bool, reiniciado);
    QFETCH(QString, tabla);
    const Fusion f =
        fusionar(leerPuntos(disco), leerPuntos(base), leerPuntos(mia), reiniciado ? QSet<int>{0} : QSet<int>{});
    QCOMPARE(resumen(f.tabla), tabla);
}

// No save reads or writes through a link: a classmate's link to the
// teacher's notes or to another's ~/.bashrc is refused, never followed, and
// a dangling link makes no file at its far end.
void TestPuntos::enlacesNoSeSiguen()
{
    QTemporaryDir dir;
    const QString puntos = dir.filePath("puntos.pnt"), notas = dir.filePath("notas.txt"),
                  bashrc = dir.filePath("bashrc");
    escribir(notas, "notas del profesor\n");
    escribir(bashrc, "alias ls='ls -l'\n");
    QVERIFY(QFile::link(notas, puntos));
    PuntosCompartidos compartidos(puntos);
    QCOMPARE(compartidos.cargar().error, kEnlace);
    TablaAlumnos t = leerPuntos(lineaPuntos("Ana", " 1 1"));
    const RespuestaContada respuesta{QDateTime::currentDateTime(), "$(id>~/pwned)", "AMI", "0001", "0001", true};
    QCOMPARE(compartidos.guardar(t, {respuesta}).error, kEnlace);
    QCOMPARE(leer(notas), QByteArray("notas del profesor\n"));
    QVERIFY(QFileInfo(puntos).isSymLink());

    QVERIFY(QFile::remove(puntos));
    QVERIFY(QFile::link(bashrc, dir.filePath("historial.csv")));
    const auto hecho = compartidos.guardar(t, {respuesta});
    QVERIFY(hecho.puntosGuardados);
    QCOMPARE(hecho.error, kEnlace);
    QCOMPARE(leer(bashrc), QByteArray("alias ls='ls -l'\n"));

    QVERIFY(QFile::link(dir.filePath("nada.pnt"), dir.filePath("colgante.pnt")));
    QCOMPARE(guardarPuntos(t, dir.filePath("colgante.pnt")), kEnlace);
    QCOMPARE(formatos::anadirAlFinal(dir.filePath("colgante.pnt"), "x"), kEnlace);
    QVERIFY(!QFileInfo::exists(dir.filePath("nada.pnt")));
    QVERIFY(QFile::link("yo.pnt", dir.filePath("yo.pnt")));
    QCOMPARE(cargarPuntos(dir.filePath("yo.pnt")).error, kEnlace);
}

void TestPuntos::nombres_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("limpio");
    QTest::addColumn<QString>("motivo");
    fila("two cells", "Ana\nPepe", "AnaPepe", "");
    fila("tabs, NUL, separators, blanks", " \tEva\u2028 Ruiz\x00 ", "Eva Ruiz", "");
    fila("40 characters", QString(40, 'x'), QString(40, 'x'), "");
    fila("41 characters", QString(41, 'x'), QString(41, 'x'), "El nombre no puede pasar de 40 caracteres.");
    fila("outside the first plane", "Eva 😀", "Eva 😀",
         "El nombre no puede llevar «😀»: el fichero de notas no puede guardarlo.");
    fila("Windows-1252 beyond Latin-1", "€ Œuvre", "€ Œuvre", "");
}

// Names never hold what would break a line of the file, and are held only
// as the file can keep them.
void TestPuntos::nombres()
{
    QFETCH(QString, tecleado);
    QFETCH(QString, limpio);
    QFETCH(QString, motivo);
    QCOMPARE(nombreLimpio(tecleado), limpio);
    QCOMPARE(motivoNombreNoValido(limpio), motivo);
}

void TestPuntos::camposCsv_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("campo");
    fila("plain", "Ana", "Ana");
    fila("=", "=1+1", "'=1+1");
    fila("tab", "\tx", "'\tx");
    fila("CR", "\r=x", "\"'\r=x\"");
    fila("apostrophe first", "'=x", "''=x");
    fila("apostrophe inside", "O'Brien", "O'Brien");
    fila("separator, quotes", "a;\"b\"", "\"a;\"\"b\"\"\"");
    fila("quotes and the log's separator", "Ana \"la\", B", "\"Ana \"\"la\"\", B\"");
}

// No student's name reaches a spreadsheet as a formula, and the log reads
// back the name that was written.
void TestPuntos::camposCsv()
{
    QFETCH(QString, texto);
    QFETCH(QString, campo);
    QCOMPARE(formatos::campoCsv(texto, ';'), campo);
    if (!campo.startsWith('"')) QCOMPARE(formatos::campoCsvLeido(campo), texto);
    TablaAlumnos t;
    t.agregar(texto, modelo::Cuenta(3), modelo::Cuenta(2));
    const auto respuesta = [&](const char* codigo, bool bien, const char* modo = "leer") {
        return lineaHistorial({QDateTime::currentDateTime(), t.nombres[0], codigo, "1", "1", bien, modo});
    };
    // The exercise window's four codes always; a code the trainer drew, apart.
    std::vector<CodigoClase> codigos;
    const auto filas = filasClase(t,
                                  kCabeceraHistorial + respuesta("RZ", true) + respuesta("RZ", true) +
                                      respuesta("AMI", false) + respuesta("B8ZS", false, "dibujar"),
                                  &codigos);
    QCOMPARE(codigos.size(), size_t(5));
    QCOMPARE(codigos.back().titulo(), QString("B8ZS (dibujo)"));
    QCOMPARE(filas[0].bienPorCodigo, (std::vector<qint64>{0, 2, 0, 0, 0}));
    QCOMPARE(filas[0].malPorCodigo, (std::vector<qint64>{0, 0, 1, 0, 1}));
}

// The class view deletes the student it names: with the view filled
// before another copy removed a student, its row 1 ("S02") is S03's place
// in the file now; a student already gone is refused, not mistaken.
void TestPuntos::borrarPorNombre()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    escribir(ruta, lineaPuntos("S01", " 1 1") + lineaPuntos("S02", " 2 2") + lineaPuntos("S03", " 3 3"));
    PuntosCompartidos esta(ruta), otra(ruta);
    TablaAlumnos mia = esta.cargar().tabla, suya = otra.cargar().tabla;
    QVERIFY(otra.borrar(nombreDeTabla("S01"), 0, suya).error.isEmpty());
    mia.totales[2] = modelo::Cuenta(4);
    QVERIFY(esta.guardar(mia, {}).error.isEmpty());
    const auto hecho = esta.borrar(nombreDeTabla("S02"), 1, mia);
    QVERIFY(hecho.error.isEmpty());
    QCOMPARE(hecho.posiciones, (QVector<int>{-1, 0}));
    QCOMPARE(leer(ruta), lineaPuntos("S03", " 4 3"));
    QCOMPARE(esta.borrar(nombreDeTabla("S01"), 0, mia).error,
             QString("«S01» ya no está en el fichero: otra copia del programa lo ha borrado"));
    QCOMPARE(leer(ruta), lineaPuntos("S03", " 4 3"));
    // A line of no student's stays where it stood.
    TablaAlumnos conBlanco = leerPuntos(lineaPuntos("S01", " 1 1") + "\r\n" + lineaPuntos("S02", " 1 1"));
    conBlanco.quitar(1);
    QCOMPARE(escribirPuntos(conBlanco), lineaPuntos("S01", " 1 1") + "\r\n");
}

// A child process that holds the lock of `ruta` as `usuario` until it is
// killed, as a copy of the program busy saving (with `reemplazar`, it has
// put the new file in the old one's place); killed when it goes.
class Titular {
public:
    Titular(const QString& ruta, uid_t usuario, bool reemplazar = false)
    {
        int tubo[2];
        if (::pipe(tubo) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(tubo[0]);
            if (usuario != ::geteuid() && ::setuid(usuario) != 0) ::_exit(1);
            formatos::Cerrojo suyo(ruta);
            if (::write(tubo[1], suyo.tomado() ? "1" : "0", 1) != 1) ::_exit(1);
            if (reemplazar) {
                QThread::msleep(300); // long enough for another copy to wait on the old file
                formatos::escribirEntero(ruta, "nuevo\r\n", suyo);
            }
            ::pause();
            ::_exit(0);
        }
        ::close(tubo[1]);
        char tomado = 0;
        tomado_ = ::read(tubo[0], &tomado, 1) == 1 && tomado == '1';
        ::close(tubo[0]);
    }
    ~Titular() { matar(); }
    bool tomado() const { return tomado_; }
    pid_t pid() const { return pid_; }
    void matar()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    bool tomado_ = false;
};

// A lock held by a live process, of this user or another, is never broken;
// the message names the holder where it can be known; the moment the holder
// dies, however it dies, the lock is free.
void TestPuntos::cerrojoDeOtroProceso()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    escribir(ruta, lineaPuntos("Ana", " 1 1"));
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755) |
                 ::chmod(QFile::encodeName(ruta).constData(), 0666),
             0);
    for (const uid_t usuario : {::geteuid(), uid_t(65534)}) {
        if (usuario != ::geteuid() && ::geteuid() != 0) continue;
        Titular otro(ruta, usuario);
        QVERIFY(otro.tomado());
        const formatos::Cerrojo ocupado(ruta, 300);
        QVERIFY(!ocupado.tomado());
        // A student's copy can name only the student's own copies; root's, any.
        const QString quien = QStringLiteral("otra copia del programa (proceso %1 del usuario «%2») lo está guardando")
                                  .arg(otro.pid())
                                  .arg(QString::fromLocal8Bit(::getpwuid(usuario)->pw_name));
        QVERIFY2(ocupado.error().startsWith(quien), qPrintable(ocupado.error()));
        otro.matar();
        QVERIFY(formatos::Cerrojo(ruta, 0).tomado());
    }
    // A save puts a new file in the old one's place: it is held until the
    // save ends, and a copy that was waiting on the old file then takes the
    // new one, so no third copy works beside it.
    Titular guardando(ruta, ::geteuid(), true);
    QVERIFY(guardando.tomado());
    std::atomic<int> esperando{0};
    std::thread otraCopia([&] {
        const formatos::Cerrojo suyo(ruta);
        esperando = suyo.tomado() ? 1 : -1;
        while (esperando == 1) QThread::msleep(10);
    });
    QThread::msleep(500);
    QCOMPARE(leer(ruta), QByteArray("nuevo\r\n"));
    QVERIFY(!formatos::Cerrojo(ruta, 100).tomado());
    guardando.matar();
    QVERIFY(QTest::qWaitFor([&] { return esperando != 0; }));
    QCOMPARE(int(esperando), 1);
    QVERIFY(!formatos::Cerrojo(ruta, 100).tomado());
    esperando = 2;
    otraCopia.join();
    QVERIFY(formatos::Cerrojo(ruta, 0).tomado());
}

void TestPuntos::motivosDeNoPoderGuardar_data()
{
    QTest::addColumn<QString>("preparar"); // what the folder is like
    QTest::addColumn<QString>("error");
    fila("folder removed", "sin carpeta", "la carpeta no existe");
    fila("a folder of the file's name", "carpeta", "es una carpeta, no un fichero");
}

// Each cause of a save that cannot even take the lock says its own reason,
// not "another copy holds it".
void TestPuntos::motivosDeNoPoderGuardar()
{
    QFETCH(QString, preparar);
    QFETCH(QString, error);
    QTemporaryDir raiz;
    const QString carpeta = raiz.filePath("clase"), ruta = carpeta + "/puntos.pnt";
    if (preparar != "sin carpeta") QVERIFY(QDir().mkdir(carpeta));
    if (preparar == "carpeta") QVERIFY(QDir().mkdir(ruta));
    PuntosCompartidos p(ruta);
    TablaAlumnos t = leerPuntos(lineaPuntos("Eva", " 1 1"));
    QCOMPARE(p.guardar(t, {}).error, error);
}

// A copy killed after writing the totals and before the log leaves a note;
// the next copy to open the file writes the owed lines, once. A note whose
// totals never reached the file owes nothing; totals left half written are
// put back as they were.
void TestPuntos::copiaMuertaEntreLosDosFicheros()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt"), historial = dir.filePath("historial.csv");
    const QByteArray antes = lineaPuntos("Ana", " 1 1"), despues = lineaPuntos("Ana", " 2 2");
    const QByteArray primera = kCabeceraHistorial + "2026-12-06T10:00:00,Ana,AMI,0001,0001,bien\r\n";
    const QByteArray segunda = "2026-12-06T10:01:00,Ana,AMI,0002,0002,bien\r\n";
    escribir(historial, primera);
    escribir(ruta, despues);
    Diario diario(ruta);
    QVERIFY(diario.anotar({primera.size(), Diario::huella(despues), segunda, antes, despues}));
    escribir(historial, primera + segunda.left(10)); // killed while adding, even
    for (int vez = 0; vez < 2; ++vez) {
        PuntosCompartidos(ruta).cargar();
        QCOMPARE(leer(historial), primera + segunda);
        QVERIFY(!diario.leer());
    }
    const QByteArray eva = despues + lineaPuntos("Eva", " 1 1");
    QVERIFY(diario.anotar({(primera + segunda).size(), Diario::huella(eva), "no escrita\r\n", despues, eva}));
    PuntosCompartidos(ruta).cargar();
    QCOMPARE(leer(historial), primera + segunda);
    QCOMPARE(leer(ruta), despues);
    // Killed while writing the totals in place: the old bytes come back;
    // a hand edit made after the kill stays.
    const auto tras = [&](const QByteArray& ahora) {
        diario.anotar({(primera + segunda).size(), Diario::huella(eva), "no escrita\r\n", despues, eva});
        escribir(ruta, ahora);
        PuntosCompartidos(ruta).cargar();
        return leer(ruta);
    };
    QCOMPARE(tras(eva.left(50)), despues);
    QCOMPARE(tras(lineaPuntos("Ana", " 3 3")), lineaPuntos("Ana", " 3 3"));
    QCOMPARE(leer(historial), primera + segunda);
}

// A disk that takes the bytes but cannot keep them (fsync fails): the save
// and the log's line are reported as failed, and both files stay as they
// were. Run in a child whose fsync always fails.
void TestPuntos::discoQueNoGuarda()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt"), historial = dir.filePath("historial.csv");
    escribir(ruta, lineaPuntos("Ana", " 1 1"));
    escribir(historial, kCabeceraHistorial);
    QProcess hijo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("LD_PRELOAD", TRAMAVOX_FALLAR_FSYNC);
    entorno.insert("ASAN_OPTIONS", entorno.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    hijo.setProcessEnvironment(entorno);
    hijo.start(QCoreApplication::applicationFilePath(), {"--guardar", ruta, historial});
    QVERIFY(hijo.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(hijo.readAllStandardOutput()),
             QString("error de lectura o escritura en el disco\nerror de lectura o escritura en el disco\n"));
    QCOMPARE(leer(ruta), lineaPuntos("Ana", " 1 1"));
    QCOMPARE(leer(historial), kCabeceraHistorial);
}

// What the report draws, page by page.
struct HojaGrabada : HojaInforme {
    struct Texto {
        QRectF donde;
        Qt::Alignment alineacion;
        QString texto;
    };
    std::vector<std::vector<Texto>> paginas{1};
    void texto(const QRectF& donde, Qt::Alignment a, const QString& t, int, bool) override
    {
        paginas.back().push_back({donde, a, t});
    }
    void barra(const QRectF& donde) override { paginas.back().push_back({donde, Qt::AlignLeft, "barra"}); }
    void nuevaPagina() override { paginas.emplace_back(); }
};

// The report of a class of 100: every page within 15 mm margins and
// numbered "Página k de N", numbers aligned on the right, the students in
// the order given, and the per-code tables after the counts, four codes a
// table.
void TestPuntos::informeDeLaClase()
{
    DatosInforme datos{{}, {}, {}, "2026-12-06", QDate(2026, 12, 6)};
    for (const char* c : {"NRZ", "RZ", "AMI", "HDB3", "B8ZS"}) datos.codigos.push_back({c, false});
    datos.codigos.push_back({"HDB3", true});
    for (int i = 0; i < 100; ++i) {
        FilaClase f{"S" + QString::number(99 - i), 10, i % 11, {0, 0, 7, 0, 0, 0}, {0, 0, 0, 0, 0, 1}};
        datos.cuentas.push_back(f);
    }
    datos.porCodigo = datos.cuentas;
    HojaGrabada hoja;
    dibujarInforme(hoja, datos);
    const QRectF dentro(kMargenInforme, kMargenInforme, kAnchoA4 - 2 * kMargenInforme, kAltoA4 - 2 * kMargenInforme);
    const int n = int(hoja.paginas.size());
    QCOMPARE(n, 9); // 46 students a page, three tables
    QStringList nombres;
    for (int k = 0; k < n; ++k) {
        int pies = 0;
        for (const auto& t : hoja.paginas[size_t(k)]) {
            QVERIFY2(dentro.contains(t.donde), qPrintable(t.texto));
            bool numero = false;
            t.texto.toInt(&numero);
            if (numero) QVERIFY2(t.alineacion & Qt::AlignRight, qPrintable(t.texto));
            if (t.texto.startsWith("S")) nombres << t.texto;
            pies += t.texto == QStringLiteral("Página %1 de %2").arg(k + 1).arg(n);
        }
        QCOMPARE(pies, 1);
    }
    QCOMPARE(nombres.size(), 300);
    QCOMPARE(nombres.mid(0, 3), (QStringList{"S99", "S98", "S97"}));
    QCOMPARE(nombres.mid(100, 2), (QStringList{"S99", "S98"}));
    QCOMPARE(hoja.paginas[3][1].texto,
             QString("domingo, 6 de diciembre de 2026 · Respuestas por código desde el 2026-12-06"));
    QCOMPARE(hoja.paginas[6][5].texto, QString("HDB3 (dibujo) bien")); // after the name and B8ZS
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--guardar") == 0) {
        std::printf("%s\n%s\n",
                    qPrintable(guardarPuntos(leerPuntos(lineaPuntos("Ana", " 2 2")), QString::fromLocal8Bit(argv[2]))),
                    qPrintable(formatos::anadirAlFinal(QString::fromLocal8Bit(argv[3]), "una linea\r\n")));
        return 0;
    }
    TestPuntos t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_puntos.moc"
