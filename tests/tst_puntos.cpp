// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics file "puntos.pnt": its bytes, read and written; and the
// class's records, on which every count stands.

#include "almacen/AlmacenClase.h"
#include "almacen/ArchivoPuntos.h"
#include "almacen/Profesor.h"
#include "Archivos.h"
#include "ejercicio/Clase.h"
#include "ejercicio/CuentasClase.h"
#include "ejercicio/InformeClase.h"
#include "ejercicio/ModeloClase.h"
#include "ejercicio/NotasExamen.h"
#include "Filas.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Csv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
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

using namespace almacen;
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
    void clase_data();
    void clase();
    void contrasenaDelProfesor_data();
    void contrasenaDelProfesor();
    void lineasDeRegistro_data();
    void lineasDeRegistro();
    void horasDelHistorial();
    void respuestasDeDosPuestos();
    void ultimaRespuestaAhora();
    void preguntasYNotasDeUnExamen();
    void enlacesNoSeSiguen();
    void nombres_data();
    void nombres();
    void camposCsv_data();
    void camposCsv();
    void motivosDeNoPoderAbrir_data();
    void motivosDeNoPoderAbrir();
    void registroCortadoPorUnaMuerte();
    void temporalesQueQuedan_data();
    void temporalesQueQuedan();
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
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"puntos.pnt"});
    // A record cut short the same way is not counted anywhere; it is kept,
    // counted here, and written whole (once) when there is room again.
    AlmacenClase almacen(ruta), otroPuesto(ruta);
    QCOMPARE(almacen.abrir(), QString());
    Evento respuesta;
    respuesta.respuesta = {QDateTime::currentDateTimeUtc(), "Ana", "AMI", "0001", "0001", true};
    const QFileInfoList registros = QDir(almacen.carpetaRegistros()).entryInfoList({"*.reg"}, QDir::Files);
    QCOMPARE(registros.size(), 1);
    const struct rlimit aMedias = {rlim_t(registros[0].size() + 20), limite.rlim_max}; // part of a line
    ::setrlimit(RLIMIT_FSIZE, &aMedias);
    const QString alRegistrar = almacen.registrar({respuesta, respuesta});
    ::setrlimit(RLIMIT_FSIZE, &limite);
    QCOMPARE(alRegistrar, QString("el fichero sería demasiado grande"));
    QVERIFY(almacen.hayPendientes());
    QCOMPARE(almacen.vista().tabla.totales[0].valor(), 7);
    QCOMPARE(otroPuesto.abrir(), QString());
    QCOMPARE(otroPuesto.vista().tabla.totales[0].valor(), 5);
    QCOMPARE(almacen.registrar({respuesta}), QString());
    QVERIFY(!almacen.hayPendientes());
    otroPuesto.releer();
    QCOMPARE(resumen(otroPuesto.vista().tabla), QString("Ana|8|6"));
    QCOMPARE(leer(ruta), lineaPuntos("Ana", " 8 6"));
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

// Events of two desks' files, "a" and "b", one a step, in time order:
// "a R Ana +" an answer (right; "-" wrong), "a A Eva" a student added,
// "a Z Ana b1" a reset knowing the first line of b (and a's own earlier
// lines), "a B Ana" a deletion, "b I" a hand edit taken as the new starting
// point (`editado`), knowing what its cut says. "Ana#1" is the second Ana.
Registros eventosDe(const QString& guion, const QByteArray& editado)
{
    Registros archivos;
    QDateTime cuando = QDateTime::fromString("2026-12-08T09:00:00Z", Qt::ISODate);
    for (const QString& paso : guion.split(';', Qt::SkipEmptyParts)) {
        const QStringList p = paso.trimmed().split(' ');
        Evento e;
        e.archivo = p[0];
        e.tipo = Evento::Tipo(p[1].at(0).toLatin1());
        e.orden = archivos[e.archivo].size() + 1;
        e.respuesta.cuando = cuando = cuando.addSecs(1);
        const QStringList alumno = p.value(2).split('#');
        e.respuesta.alumno = alumno[0];
        e.vez = alumno.value(1).toInt();
        e.respuesta.correcta = p.value(3) == "+";
        e.corte[e.archivo] = e.orden - 1;
        for (const QString& c : p.mid(e.tipo == Evento::Tipo::Inicio ? 2 : 3))
            e.corte[c.left(1)] = std::max(e.corte.value(c.left(1)), c.mid(1).toLongLong());
        if (e.tipo == Evento::Tipo::Inicio) e.puntos = editado;
        // Every line goes through the file format, as a desk reads it.
        archivos[e.archivo].push_back(*decodificar(codificar(e)));
        archivos[e.archivo].back().archivo = e.archivo;
    }
    return archivos;
}

void TestPuntos::clase_data()
{
    QTest::addColumn<QByteArray>("inicio"); // "puntos.pnt" when the records began
    QTest::addColumn<QString>("guion");
    QTest::addColumn<QByteArray>("editado");
    QTest::addColumn<QString>("tabla");
    const QByteArray ana = lineaPuntos("Ana", " 5 3"), luis = lineaPuntos("Luis", " 1 0");
    fila("both desks answered", ana, "a R Ana +; b R Ana -", QByteArray(), "Ana|7|4");
    fila("students added at both", ana, "a A Eva; b A Luis; b R Luis +", QByteArray(), "Ana| 5| 3;Eva| 0| 0;Luis|1|1");
    fila("a reset clears what it knew", ana, "a R Ana +; b R Ana +; a Z Ana", QByteArray(), "Ana|1|1");
    fila("a reset that knew both desks", ana, "a R Ana +; b R Ana +; a Z Ana b1", QByteArray(), "Ana|0|0");
    fila("deleted, no answers since", ana + luis, "b B Ana", QByteArray(), "Luis| 1| 0");
    fila("deleted, with an answer it could not know", ana, "a R Ana +; b B Ana", QByteArray(), "Ana|1|1");
    fila("deleted, then added again", ana, "b B Ana; b A Ana; a R Ana -", QByteArray(), "Ana|1|0");
    fila("two students of one name", ana + lineaPuntos("Ana", " 0 0"), "a R Ana#1 +; b Z Ana", QByteArray(),
         "Ana|0|0;Ana|1|1");
    fila("the largest count holds", lineaPuntos("Ana", " 9223372036854775806 0"), "a R Ana +; b R Ana +", QByteArray(),
         "Ana|9223372036854775807|2");
    fila("a hand edit takes over what it knew", ana, "a R Ana +; b R Ana +; b I a1; a R Ana -; b R Luis +",
         lineaPuntos("Ana", " 9 9"), "Ana|10|9;Luis|1|1");
}

// The class every desk works out from the same records.
void TestPuntos::clase()
{
    QFETCH(QByteArray, inicio);
    QFETCH(QString, guion);
    QFETCH(QByteArray, editado);
    QFETCH(QString, tabla);
    Registros archivos = eventosDe(guion, editado);
    Evento primero;
    primero.tipo = Evento::Tipo::Inicio;
    primero.orden = 1;
    primero.archivo = "0";
    primero.puntos = inicio;
    primero.respuesta.cuando = QDateTime::fromString("2026-12-08T08:00:00Z", Qt::ISODate);
    archivos["0"].push_back(primero);
    const EstadoClase v = calcularClase(archivos);
    QCOMPARE(resumen(v.tabla), tabla);
    QCOMPARE(v.respuestas.size(), guion.count(" R "));
}

void TestPuntos::contrasenaDelProfesor_data()
{
    QTest::addColumn<QString>("danar"); // what becomes of the file once set: "" (nothing), or how it is damaged
    QTest::addColumn<int>("estado");    // Profesor::Estado afterwards
    QTest::addColumn<bool>("entra");    // the password set still opens
    const int con = int(Profesor::Estado::ConProfesor), danado = int(Profesor::Estado::Danado);
    fila("as set", "", con, true);
    fila("one letter of the hash changed", "letra", con, false);
    fila("the hash cut short", "corto", danado, false);
    fila("emptied", "vacio", danado, false);
    fila("another program's file", "ajeno", danado, false);
}

// The teacher's password is kept only as a salted slow hash: the right one
// opens, a wrong one does not, and a file someone edited lets nobody in
// rather than anybody. Changing it takes the current one.
void TestPuntos::contrasenaDelProfesor()
{
    QFETCH(QString, danar);
    QFETCH(int, estado);
    QFETCH(bool, entra);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(".tramavox"));
    Profesor profesor(dir.filePath("puntos.pnt"));
    QCOMPARE(profesor.estado(), Profesor::Estado::SinProfesor);
    QVERIFY(!profesor.comprobar(""));
    QVERIFY(!profesor.poner("corta").isEmpty());
    QCOMPARE(profesor.poner("señor profe"), QString());
    const QByteArray guardado = leer(profesor.ruta());
    QVERIFY(!guardado.contains(QString("señor").toUtf8()) && !guardado.contains(" profe"));
    if (danar == "letra") {
        QByteArray otro = guardado;
        const qsizetype i = otro.size() - 5; // inside the hash, past its salt
        otro[i] = otro[i] == 'A' ? 'B' : 'A';
        escribir(profesor.ruta(), otro);
    } else if (danar == "corto") {
        escribir(profesor.ruta(), guardado.left(guardado.size() / 2));
    } else if (danar == "vacio") {
        escribir(profesor.ruta(), "");
    } else if (danar == "ajeno") {
        escribir(profesor.ruta(), "password=señor profe\n");
    }
    QCOMPARE(int(profesor.estado()), estado);
    QCOMPARE(profesor.comprobar("señor profe"), entra);
    QVERIFY(!profesor.comprobar("señor prof"));
    QVERIFY(!profesor.comprobar(""));
    if (!entra) {
        QVERIFY(!profesor.poner("otra más", "señor profe").isEmpty());
        return;
    }
    QVERIFY(!profesor.poner("otra más", "señor prof").isEmpty());
    QCOMPARE(profesor.poner("otra más", "señor profe"), QString());
    QVERIFY(profesor.comprobar("otra más") && !profesor.comprobar("señor profe"));
    // The same password again is another hash: each has its own salt.
    QCOMPARE(profesor.poner("señor profe", "otra más"), QString());
    QVERIFY(leer(profesor.ruta()) != guardado && profesor.comprobar("señor profe"));
}

namespace {
// CRC-32 bit by bit, as zip and PNG have it: lines as other copies wrote them.
quint32 crc32(const QByteArray& datos)
{
    quint32 c = ~0u;
    for (const char b : datos) {
        c ^= quint8(b);
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}
} // namespace

void TestPuntos::lineasDeRegistro_data()
{
    QTest::addColumn<char>("tipo");
    QTest::addColumn<QString>("alumno");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("bien");
    QTest::addColumn<int>("pregunta"); // of an exam; 0 for none
    using N = qint64;
    fila("an answer, its name with a tab, a backslash and a line end", 'R', "Ana\tde\\la\nPeña", N(0), N(0), 0);
    fila("an answer to an exam's question", 'R', "Ana", N(0), N(0), 7);
    fila("a reset, with the counts it cleared", 'Z', "Luis", N(6), N(4), 0);
    fila("a deletion", 'B', "Eva", N(3), N(0), 0);
    fila("a solution shown", 'V', "Íñigo", N(0), N(0), 0);
    fila("a solution shown to nobody chosen", 'V', "", N(0), N(0), 0);
    fila("an exam started", 'E', "", N(0), N(0), 0);
    fila("an exam ended", 'X', "", N(0), N(0), 0);
}

// A line of a record file reads back as it was written, and is whole or
// nothing: one cut short by a kill, damaged on the way, or of a kind this
// version does not know gives nothing.
void TestPuntos::lineasDeRegistro()
{
    QFETCH(char, tipo);
    QFETCH(QString, alumno);
    QFETCH(qint64, total);
    QFETCH(qint64, bien);
    QFETCH(int, pregunta);
    Evento e;
    e.tipo = Evento::Tipo(tipo);
    e.orden = 7;
    e.respuesta = {QDateTime::fromString("2026-12-08T09:00:00.123Z", Qt::ISODateWithMs),
                   alumno,
                   "HDB3",
                   "00A5",
                   "00A4",
                   false,
                   "dibujar"};
    e.respuesta.examen = pregunta > 0 ? "5f3a" : "";
    e.respuesta.pregunta = pregunta;
    const bool deExamen = e.tipo == Evento::Tipo::Examen || e.tipo == Evento::Tipo::FinExamen;
    if (deExamen) {
        auto x = std::make_shared<Examen>();
        x->id = "5f3a";
        x->nombre = "Parcial\t1";
        x->codigos = QStringList{"AMI", "HDB3"};
        x->preguntas = 12;
        x->segundos = 900;
        x->semilla = 18446744073709551615ull;
        x->mismaSerie = false;
        e.examen = x;
    } else {
        e.vez = 1;
    }
    e.total = total;
    e.bien = bien;
    if (e.tipo == Evento::Tipo::Reinicio || e.tipo == Evento::Tipo::Baja) e.corte = {{"p1", 3}, {"p2", 9}};
    const QByteArray linea = codificar(e);
    QCOMPARE(linea.count('\n'), 1);
    // Read alone, and twice through the texts already known, the second time from them.
    TextosComunes comunes;
    for (TextosComunes* textos : {static_cast<TextosComunes*>(nullptr), &comunes, &comunes}) {
        const auto vuelta = decodificar(linea, textos);
        QVERIFY(vuelta);
        QCOMPARE(codificar(*vuelta), linea);
        QCOMPARE(vuelta->respuesta.alumno, alumno);
        QCOMPARE(vuelta->respuesta.pregunta, pregunta);
        if (deExamen) {
            QCOMPARE(vuelta->examen->id, QString("5f3a"));
            // The start says when it started; the end, when it ended.
            QCOMPARE(e.tipo == Evento::Tipo::Examen ? vuelta->examen->inicio : *vuelta->examen->fin,
                     e.respuesta.cuando);
            continue;
        }
        QCOMPARE((QList<qint64>{vuelta->vez, vuelta->total, vuelta->bien}), (QList<qint64>{1, total, bien}));
    }
    if (e.tipo == Evento::Tipo::Reinicio) {
        // As copies wrote it before a reset kept the counts: the line without them.
        QByteArray cuerpo = linea.left(linea.lastIndexOf('\t'));
        cuerpo = cuerpo.left(cuerpo.lastIndexOf('\t'));
        cuerpo = cuerpo.left(cuerpo.lastIndexOf('\t') + 1);
        const auto anterior = decodificar(cuerpo + QByteArray::number(crc32(cuerpo), 16).rightJustified(8, '0') + '\n');
        QVERIFY(anterior);
        QCOMPARE((QList<qint64>{anterior->vez, anterior->total, anterior->bien}), (QList<qint64>{1, 0, 0}));
        QCOMPARE(anterior->corte, e.corte);
    }
    QVERIFY(!decodificar(linea.chopped(1)));
    QByteArray danada = linea;
    danada[5] = danada[5] ^ 0x04;
    QVERIFY(!decodificar(danada));
    QByteArray otroTipo = linea;
    otroTipo[2] = 'Q';
    QVERIFY(!decodificar(otroTipo));
}

// The log says each answer's local time, the clock of the classroom, across
// the changes of summer time, leap days and before 1970, the way Qt says it.
void TestPuntos::horasDelHistorial()
{
    RespuestaContada r{{}, "Ana", "AMI", "0001", "0001", true, "leer"};
    QStringList distintas;
    const auto probar = [&](const QDateTime& cuando) {
        r.cuando = cuando;
        const QString esperada = cuando.toLocalTime().toString(Qt::ISODate) + ",Ana,";
        const QString escrita = QString::fromUtf8(lineaHistorial(r).left(esperada.size()));
        if (escrita != esperada && distintas.size() < 5) distintas << escrita + " instead of " + esperada;
    };
    const QDateTime desde = QDateTime::fromString("2023-12-31T22:00:00Z", Qt::ISODate);
    for (qint64 minuto = 0; minuto < 370 * 24 * 60; minuto += 47) probar(desde.addSecs(minuto * 60 + 59));
    for (const char* cuando : {"1969-12-31T23:59:59.999Z", "1900-02-28T12:00:00Z", "2000-02-29T23:30:00Z"})
        probar(QDateTime::fromString(cuando, Qt::ISODateWithMs));
    QVERIFY2(distintas.isEmpty(), qPrintable(distintas.join('\n')));
}

// Two desks answer in turns: the class view counts each answer under its
// code, read or drawn, right or wrong, from the day of the earliest; the log
// has them in the order they were given, whichever desk recorded them.
void TestPuntos::respuestasDeDosPuestos()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    AlmacenClase uno(ruta), otro(ruta);
    QCOMPARE(uno.abrir(), QString());
    QCOMPARE(otro.abrir(), QString());
    const auto respuesta = [](const char* cuando, const char* alumno, const char* codigo, bool bien, const char* modo) {
        Evento e;
        e.respuesta = {QDateTime::fromString(cuando, Qt::ISODate), alumno, codigo, "0001", "0001", bien, modo};
        return e;
    };
    QCOMPARE(uno.registrar({respuesta("2026-12-01T10:02:00Z", "Ana", "AMI", true, "leer")}), QString());
    QCOMPARE(otro.registrar({respuesta("2026-11-30T10:01:00Z", "Ana", "HDB3", false, "dibujar")}), QString());
    QCOMPARE(int(otro.respuestas().anotadas.size()), 2); // put in order, then an older one comes
    QCOMPARE(uno.registrar({respuesta("2026-12-01T10:03:00Z", "Luis", "AMI", false, "leer"),
                            respuesta("2026-12-01T09:00:00Z", "Ana", "AMI", false, "leer")}),
             QString());
    // A view that follows the class counts only what came since, and says
    // what counting it all again says, late clocks and resets included.
    ejercicio::CuentasClase siguiendo;
    const auto comoSeVe = [](const std::vector<FilaClase>& filas, const std::vector<ejercicio::CodigoClase>& codigos,
                             const QString& desde) {
        QStringList r{desde};
        for (const auto& f : filas) {
            r << QStringLiteral("%1 %2/%3 %4").arg(f.nombre).arg(f.bien).arg(f.total).arg(f.soluciones);
            if (f.ultima) r << f.ultima->cuando.toString(Qt::ISODate) + " " + f.ultima->codigo;
            for (size_t c = 0; c < codigos.size(); ++c)
                r << QStringLiteral("%1 %2/%3").arg(codigos[c].titulo()).arg(f.bienPorCodigo[c]).arg(f.malPorCodigo[c]);
        }
        return r;
    };
    const auto comprobarQueSigue = [&] {
        otro.releer();
        const RespuestasClase respuestas = otro.respuestas();
        siguiendo.anotar(respuestas);
        std::vector<ejercicio::CodigoClase> codigos, deNuevo;
        QString desde, desdeDeNuevo;
        const auto filas = siguiendo.filas(otro.vista().tabla, &codigos, &desde);
        const auto todas = ejercicio::filasClase(otro.vista().tabla, respuestas, &deNuevo, &desdeDeNuevo);
        QCOMPARE(comoSeVe(filas, codigos, desde), comoSeVe(todas, deNuevo, desdeDeNuevo));
    };
    comprobarQueSigue();
    QCOMPARE(otro.registrar({respuesta("2026-12-01T11:00:00Z", "Luis", "RZ", true, "leer")}), QString());
    comprobarQueSigue();
    // A read made off the window's thread and taken after the store read the
    // same lines itself adds nothing twice.
    QCOMPARE(uno.registrar({respuesta("2026-12-01T11:30:00Z", "Ana", "AMI", true, "leer")}), QString());
    const LoNuevo tarde = AlmacenClase::leerLoNuevo(otro.carpetaRegistros(), otro.hastaDonde());
    QVERIFY(!tarde.trozos.isEmpty());
    otro.releer();
    const qsizetype leidas = otro.vista().respuestas.size();
    otro.tomar(tarde);
    QCOMPARE(otro.vista().respuestas.size(), leidas);
    comprobarQueSigue();
    // Many more desks, each seen after the class was worked out: the answers
    // already counted stay where they were as the table of files grows.
    constexpr int kMasPuestos = 40;
    for (int i = 0; i < kMasPuestos; ++i) {
        AlmacenClase mas(ruta);
        QCOMPARE(mas.abrir(), QString());
        QCOMPARE(mas.registrar(
                     {respuesta(i % 2 ? "2026-12-02T10:00:00Z" : "2026-11-29T10:00:00Z", "Eva", "NRZ", true, "leer")}),
                 QString());
        comprobarQueSigue();
    }
    // A reset makes the store work the class out again, its answers in
    // another order, and it comes with an answer from a desk not seen yet.
    Evento reinicio;
    reinicio.tipo = Evento::Tipo::Reinicio;
    reinicio.respuesta.cuando = QDateTime::fromString("2026-12-01T12:00:00Z", Qt::ISODate);
    reinicio.respuesta.alumno = "Luis";
    reinicio.corte = uno.corteDe("Luis", 0);
    QCOMPARE(uno.registrar({reinicio}), QString());
    AlmacenClase ultimo(ruta);
    QCOMPARE(ultimo.abrir(), QString());
    QCOMPARE(ultimo.registrar({respuesta("2026-12-03T10:00:00Z", "Luis", "HDB3", true, "leer")}), QString());
    comprobarQueSigue();
    std::vector<ejercicio::CodigoClase> codigos;
    QString desde;
    const auto filas = ejercicio::filasClase(otro.vista().tabla, otro.respuestas(), &codigos, &desde);
    QStringList vistas;
    for (const auto& f : filas)
        for (size_t c = 0; c < codigos.size(); ++c)
            if (f.bienPorCodigo[c] + f.malPorCodigo[c] > 0)
                vistas << QStringLiteral("%1 %2 %3/%4")
                              .arg(f.nombre, codigos[c].titulo())
                              .arg(f.bienPorCodigo[c])
                              .arg(f.malPorCodigo[c]);
    vistas.sort();
    QCOMPARE(vistas, (QStringList{"Ana AMI 2/1", "Ana HDB3 (dibujo) 0/1", "Eva NRZ 40/0", "Luis AMI 0/1",
                                  "Luis HDB3 1/0", "Luis RZ 1/0"}));
    QCOMPARE(desde, QString("2026-11-29"));
    QStringList enElLog;
    for (const QByteArray& l : otro.historial().split('\n').mid(1))
        if (!l.isEmpty()) enElLog << QString::fromUtf8(l.split(',').mid(1, 2).join(' ')) + " " + l.split(',').value(5);
    QCOMPARE(enElLog.size(), 7 + kMasPuestos);
    QCOMPARE(enElLog.mid(kMasPuestos / 2 - 1, 6), (QStringList{"Eva NRZ bien", "Ana HDB3 mal", "Ana AMI mal",
                                                               "Ana AMI bien", "Luis AMI mal", "Luis RZ bien"}));
}

// Every desk works an exam's questions out of its seed alone, so a desk
// started again asks what it asked; the marks count each question once.
void TestPuntos::preguntasYNotasDeUnExamen()
{
    Examen x;
    x.id = "a1";
    x.nombre = "Parcial";
    x.codigos = QStringList{"AMI", "HDB3"};
    x.preguntas = 40;
    x.semilla = 2026;
    x.inicio = QDateTime::fromString("2026-12-08T09:00:00Z", Qt::ISODate);
    const auto serie = [&x](const QString& puesto) {
        QStringList r;
        for (int n = 1; n <= x.preguntas; ++n) r << x.pregunta(n, puesto).codigo + ' ' + x.pregunta(n, puesto).numero;
        return r;
    };
    const QStringList aula1 = serie("aula1");
    QCOMPARE(serie("aula2"), aula1);
    QVERIFY(aula1.filter(QRegularExpression("^(AMI|HDB3) [0-9A-F]{4}$")).size() == x.preguntas);
    QVERIFY(!aula1.filter("AMI").isEmpty() && !aula1.filter("HDB3").isEmpty());
    QCOMPARE(QSet<QString>(aula1.begin(), aula1.end()).size(), x.preguntas); // no question twice, here
    x.mismaSerie = false;
    QCOMPARE(serie("aula1"), serie("aula1"));
    QVERIFY(serie("aula1") != serie("aula2"));
    x.semilla = 2027;
    QVERIFY(serie("aula1") != aula1);
    QCOMPARE(x.segundosQuedan(x.inicio.addSecs(x.segundos - 61)), qint64(61));
    QCOMPARE(x.segundosQuedan(x.limite().addSecs(5)), qint64(0));
    QVERIFY(x.enCurso(x.inicio) && !x.enCurso(x.limite()));

    // Ana answers question 1 twice (two desks), and 2; Luis 1; an answer of
    // another exam, and one outside any, count for nothing here.
    x.preguntas = 4;
    std::deque<Evento> eventos;
    const auto respuesta = [&](const char* alumno, const char* codigo, bool bien, const char* examen, int pregunta) {
        Evento e;
        e.respuesta = {x.inicio.addSecs(qint64(eventos.size())), alumno, codigo, "0001", "0001", bien};
        e.respuesta.examen = examen;
        e.respuesta.pregunta = pregunta;
        eventos.push_back(e);
    };
    respuesta("Ana", "AMI", true, "a1", 1);
    respuesta("Ana", "AMI", false, "a1", 1);
    respuesta("Ana", "HDB3", true, "a1", 2);
    respuesta("Luis", "HDB3", false, "a1", 1);
    respuesta("Luis", "HDB3", true, "b2", 1);
    respuesta("Luis", "AMI", true, "", 0);
    RespuestasClase todas;
    for (const Evento& e : eventos) todas.leidas << &e;
    QStringList notas;
    for (const NotaExamen& n : notasExamen(x, todas))
        notas << QStringLiteral("%1 %2/%3 %4 AMI %5/%6 HDB3 %7/%8")
                     .arg(n.alumno)
                     .arg(n.aciertos)
                     .arg(n.respondidas)
                     .arg(textoNota(n.nota(x)))
                     .arg(n.aciertosPorCodigo[0])
                     .arg(n.respondidasPorCodigo[0])
                     .arg(n.aciertosPorCodigo[1])
                     .arg(n.respondidasPorCodigo[1]);
    QCOMPARE(notas, (QStringList{"Ana 2/2 5,0 AMI 1/1 HDB3 1/1", "Luis 0/1 0,0 AMI 0/0 HDB3 0/1"}));
}

// The last answer says «ahora» while it is under two minutes old, and stops
// saying it as time goes on, with no new answer.
void TestPuntos::ultimaRespuestaAhora()
{
    FilaClase f;
    f.nombre = "Ana";
    const QDateTime entonces = QDateTime::fromString("2026-12-08T10:00:00Z", Qt::ISODate);
    f.ultima = RespuestaContada{entonces, "Ana", "HDB3", "0001", "0001", true, "dibujar"};
    ModeloClase m(ModeloClase::Vista::Cuentas);
    m.ponerFilas({f}, {}, entonces.addSecs(119));
    const auto ultima = [&m] { return m.index(0, ModeloClase::kColumnaUltima).data().toString(); };
    QVERIFY2(ultima().endsWith(" · HDB3 (dibujo) · bien · ahora"), qPrintable(ultima()));
    QSignalSpy cambio(&m, &QAbstractItemModel::dataChanged);
    m.ponerAhora(entonces.addSecs(121));
    QCOMPARE(cambio.count(), 1);
    QVERIFY2(ultima().endsWith(" · HDB3 (dibujo) · bien"), qPrintable(ultima()));
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
    QVERIFY(AlmacenClase(puntos).abrir().endsWith("puntos.pnt»: " + kEnlace));
    QVERIFY(QFile::remove(puntos));
    QVERIFY(QFile::link(bashrc, dir.filePath("historial.csv")));
    QVERIFY(AlmacenClase(puntos).abrir().endsWith("historial.csv»: " + kEnlace));
    QVERIFY(QFile::remove(dir.filePath("historial.csv")));
    // A records' folder that leads elsewhere is no records' folder.
    QVERIFY(QDir().mkdir(dir.filePath("otra")));
    QVERIFY(QDir().rmdir(dir.filePath(".tramavox")));
    QVERIFY(QFile::link(dir.filePath("otra"), dir.filePath(".tramavox")));
    QCOMPARE(
        AlmacenClase(puntos).abrir(),
        QString("no se puede crear en ella la carpeta de los registros «.tramavox»: «.tramavox» no es una carpeta"));
    QVERIFY(QDir(dir.filePath("otra")).isEmpty());
    QCOMPARE(leer(notas), QByteArray("notas del profesor\n"));
    QCOMPARE(leer(bashrc), QByteArray("alias ls='ls -l'\n"));

    const TablaAlumnos t = leerPuntos(lineaPuntos("Ana", " 1 1"));
    QVERIFY(QFile::link(dir.filePath("nada.pnt"), dir.filePath("colgante.pnt")));
    QCOMPARE(guardarPuntos(t, dir.filePath("colgante.pnt")), kEnlace);
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
    const QByteArray log = kCabeceraHistorial + respuesta("RZ", true) + respuesta("RZ", true) +
                           respuesta("AMI", false) + respuesta("B8ZS", false, "dibujar");
    RespuestasClase respuestas;
    respuestas.anteriores = log;
    const auto filas = filasClase(t, respuestas, &codigos);
    QCOMPARE(codigos.size(), size_t(5));
    QCOMPARE(codigos.back().titulo(), QString("B8ZS (dibujo)"));
    QCOMPARE(filas[0].bienPorCodigo, (std::vector<qint64>{0, 2, 0, 0, 0}));
    QCOMPARE(filas[0].malPorCodigo, (std::vector<qint64>{0, 0, 1, 0, 1}));
}

void TestPuntos::motivosDeNoPoderAbrir_data()
{
    QTest::addColumn<QString>("preparar"); // what the folder is like
    QTest::addColumn<QString>("error");
    fila("folder removed", "sin carpeta",
         "no se puede crear en ella la carpeta de los registros «.tramavox»: el fichero o su carpeta ya no está (otro "
         "puesto o el servidor lo ha quitado)");
    fila("a file where the records go", ".tramavox",
         "no se puede crear en ella la carpeta de los registros «.tramavox»: «.tramavox» no es una carpeta");
    fila("a folder of the statistics' name", "puntos.pnt",
         "no se pudo leer «%1/puntos.pnt»: es una carpeta, no un fichero");
}

// Each cause of a class folder that cannot hold the class says its own
// reason, and nothing is left behind.
void TestPuntos::motivosDeNoPoderAbrir()
{
    QFETCH(QString, preparar);
    QFETCH(QString, error);
    QTemporaryDir raiz;
    const QString carpeta = raiz.filePath("clase");
    if (preparar != "sin carpeta") QVERIFY(QDir().mkdir(carpeta));
    if (preparar == ".tramavox") escribir(carpeta + "/.tramavox", {});
    if (preparar == "puntos.pnt") QVERIFY(QDir().mkdir(carpeta + "/puntos.pnt"));
    AlmacenClase almacen(carpeta + "/puntos.pnt");
    QCOMPARE(almacen.abrir(), error.arg(carpeta));
    QVERIFY(!almacen.abierto());
    QVERIFY(QDir(carpeta + "/.tramavox").isEmpty());
}

// A copy killed while it wrote leaves a line cut short: the others count
// the lines before it, and only them.
void TestPuntos::registroCortadoPorUnaMuerte()
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    AlmacenClase almacen(ruta);
    QCOMPARE(almacen.abrir(), QString());
    Evento respuesta;
    respuesta.respuesta = {QDateTime::currentDateTimeUtc(), "Eva", "AMI", "0001", "0001", true};
    respuesta.orden = 1;
    QByteArray muerto = codificar(respuesta);
    respuesta.orden = 2;
    muerto += codificar(respuesta).left(30);
    escribir(almacen.carpetaRegistros() + "/muerto.reg", muerto);
    almacen.releer();
    QCOMPARE(resumen(almacen.vista().tabla), QString("Eva|1|1"));
    QCOMPARE(almacen.registrar({respuesta}), QString());
    QCOMPARE(leer(ruta), lineaPuntos("Eva", " 2 2"));
}

void TestPuntos::temporalesQueQuedan_data()
{
    QTest::addColumn<QString>("autor"); // of this desk: "muerto" (a process gone) or "vivo" (this one)
    QTest::addColumn<int>("minutos");   // how long ago it was last written
    QTest::addColumn<bool>("seVa");
    fila("a copy of this desk that is gone", "muerto", 0, true);
    fila("a copy of this desk still at work, for long", "vivo", 0, false);
    fila("another desk's copy, now", "otro-1000-1-1-ab", 0, false);
    fila("another desk's copy, long ago", "otro-1000-1-1-ab", 11, true);
    fila("an older program's, now", "", 0, false);
    fila("an older program's, long ago", "", 11, true);
}

// A copy killed while it replaced a summary leaves its temporary file: the
// next copy to open the class takes it away once no writer can be at it.
void TestPuntos::temporalesQueQuedan()
{
    QFETCH(QString, autor);
    QFETCH(int, minutos);
    QFETCH(bool, seVa);
    QTemporaryDir dir;
    const QString ruta = dir.filePath("puntos.pnt");
    AlmacenClase primera(ruta);
    QCOMPARE(primera.abrir(), QString());
    const QString puesto = QDir(primera.carpetaRegistros()).entryList({"*.reg"}).value(0).section('-', 0, 0);
    const pid_t muerto = ::fork();
    if (muerto == 0) ::_exit(0);
    ::waitpid(muerto, nullptr, 0);
    if (autor == "muerto" || autor == "vivo")
        autor = QStringLiteral("%1-%2-%3-1-ab").arg(puesto).arg(::getuid()).arg(autor == "vivo" ? ::getpid() : muerto);
    for (const QString& resumen : {ruta, dir.filePath("historial.csv")}) {
        const QString temporal = formatos::prefijoTemporal(resumen, autor) + "Q1w2e3";
        escribir(temporal, "a half-written summary");
        const QDateTime entonces = QDateTime::currentDateTime().addSecs(-60 * minutos);
        QFile f(temporal);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(entonces, QFileDevice::FileModificationTime));
    }
    AlmacenClase segunda(ruta);
    QCOMPARE(segunda.abrir(), QString());
    const QStringList quedan = QDir(dir.path()).entryList({".*.*.*"}, QDir::Files | QDir::Hidden);
    QCOMPARE(quedan.size(), seVa ? 0 : 2);
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
    hijo.start(QCoreApplication::applicationFilePath(), {"--guardar", ruta});
    QVERIFY(hijo.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(hijo.readAllStandardOutput()),
             QString("error de lectura o escritura en el disco\nno se pudo guardar la copia del historial: error de "
                     "lectura o escritura en el disco\n"));
    QCOMPARE(leer(ruta), lineaPuntos("Ana", " 1 1"));
    QCOMPARE(leer(historial), kCabeceraHistorial);
    QVERIFY(QDir(dir.filePath(".tramavox")).isEmpty());
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
        FilaClase f{"S" + QString::number(99 - i), 10, i % 11, {0, 0, 7, 0, 0, 0}, {0, 0, 0, 0, 0, 1}, 0, {}};
        datos.cuentas.push_back(f);
    }
    datos.porCodigo = datos.cuentas;
    Examen x;
    x.nombre = "Parcial";
    x.codigos = QStringList{"AMI", "HDB3"};
    x.preguntas = 4;
    x.inicio = QDateTime::fromString("2026-12-06T09:00:00Z", Qt::ISODate);
    x.fin = x.inicio.addSecs(300);
    datos.examen = x;
    datos.notas = {{"S1", 4, 3, {2, 2}, {2, 1}}};
    HojaGrabada hoja;
    dibujarInforme(hoja, datos);
    const QRectF dentro(kMargenInforme, kMargenInforme, kAnchoA4 - 2 * kMargenInforme, kAltoA4 - 2 * kMargenInforme);
    const int n = int(hoja.paginas.size());
    QCOMPARE(n, 10); // 46 students a page, three tables, then the exam's marks
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
    QCOMPARE(nombres.size(), 301);
    QCOMPARE(nombres.mid(0, 3), (QStringList{"S99", "S98", "S97"}));
    QCOMPARE(nombres.mid(100, 2), (QStringList{"S99", "S98"}));
    QCOMPARE(hoja.paginas[3][1].texto,
             QString("domingo, 6 de diciembre de 2026 · Respuestas por código desde el 2026-12-06"));
    QCOMPARE(hoja.paginas[6][5].texto, QString("HDB3 (dibujo) bien")); // after the name and B8ZS
    QStringList examen;
    for (const auto& t : hoja.paginas.back()) examen << t.texto;
    QCOMPARE(examen.mid(1, 7), (QStringList{"domingo, 6 de diciembre de 2026 · Examen «Parcial» (terminado) · "
                                            "preguntas: 4 · códigos: AMI, HDB3 · 20 min",
                                            "Alumno", "Preguntas", "Nota", "AMI", "HDB3", "Página 10 de 10"}));
    QCOMPARE(examen.mid(8), (QStringList{"S1", "4 / 4", "7,5", "2 / 2", "1 / 2"}));
}

int main(int argc, char** argv)
{
    // The classroom's clock, with its summer time, whatever this machine's is.
    qputenv("TZ", "Europe/Madrid");
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--guardar") == 0) {
        std::printf("%s\n%s\n",
                    qPrintable(guardarPuntos(leerPuntos(lineaPuntos("Ana", " 2 2")), QString::fromLocal8Bit(argv[2]))),
                    qPrintable(AlmacenClase(QString::fromLocal8Bit(argv[2])).abrir()));
        return 0;
    }
    TestPuntos t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_puntos.moc"
