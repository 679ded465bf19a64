// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window, driven as a student and a teacher drive it.

#include "almacen/Estadisticas.h"
#include "almacen/Numeros.h"
#include "ayuda/DisenoAcerca.h"
#include "ayuda/DisenoAyuda.h"
#include "Ayudantes.h"
#include "ClaseCompartida.h"
#include "ejercicio/CabeceraAgrupada.h"
#include "ejercicio/DisenoEjercicios.h"
#include "ejercicio/DisenoVistaClase.h"
#include "ejercicio/ModeloClase.h"
#include "ejercicio/VentanaEjercicios.h"
#include "ejercicio/VistaClase.h"
#include "entrenador/DisenoEntrenador.h"
#include "Filas.h"
#include "formularios/AreaDibujo.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"
#include "laboratorio/DisenoLaboratorio.h"
#include "modelo/Aleatorio.h"
#include "principal/DisenoPrincipal.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using ejercicio::VentanaEjercicios;

namespace {

const QString kPrompt = "Introduce tu nombre";

QString otroNumero(const QString& n)
{
    return QString::number((n.toInt(nullptr, 16) + 1) % 65536, 16).toUpper().rightJustified(4, '0');
}

// The code traces the main window shows.
QStringList codigosVistos(const Programa& v)
{
    QStringList r;
    for (const char* c : {"VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"})
        if (v.hijo<QAction>(c)->isChecked()) r << c;
    return r;
}

// The bits whose slots the drawing shades, read off its pixels: a spot
// between the clock and NRZ, clear of the edges that fall on half bits.
quint16 bitsSombreados(const Programa& v)
{
    const QImage img = v.hijo<formularios::AreaDibujo>("Pantalla")->lienzo().imagen();
    quint16 bits = 0;
    for (int bit = 0; bit < 16; ++bit) {
        if (img.pixelColor(32 * bit + 8, 30) == QColor(0x58, 0x18, 0x30)) bits |= 0x8000 >> bit;
    }
    return bits;
}

} // namespace

class TestEjercicio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void abrirConElPrincipalDeshabilitado();
    void agregarAlumno_data();
    void agregarAlumno();
    void nombresParecidos_data();
    void nombresParecidos();
    void alumnoDeLaLista();
    void respuestas_data();
    void respuestas();
    void otroCodigoEsOtraPregunta();
    void sucesosParaElProfesor();
    void profesorDeLaClase();
    void vistaQueSigueLaClase();
    void examenEnDosCopias();
    void alumnoBorradoEnOtraCopia();
    void cerrarDevuelveLaVentanaYGuarda();
    void guardadoFallidoConservaLosResultados();
    void vistaDeLaClase();
    void nombrePegadoYNombreRechazado();
    void carpetaQueNoSirve();
    void claseEnUnaCarpetaCompartida_data();
    void claseEnUnaCarpetaCompartida();
    void soloConElTeclado();
    void cabeEnLaPantalla_data();
    void cabeEnLaPantalla();

private:
    void disenosTraducidos();
    bool abrirEjercicio();
    void escribirNombre(const QString& nombre, Qt::Key fin = Qt::Key_Return);
    void elegirDeLaLista(int indice);
    void contestar(const QString& respuesta);
    template <typename T = QWidget>
    T* de(const QString& nombre, int indice = -1) const
    {
        return control<T>(e, nombre, indice);
    }
    QString texto(const QString& nombre) const { return de<QLineEdit>(nombre)->text(); }
    QStringList cuentas() const { return {texto("total"), texto("mal"), texto("bien"), texto("tciento")}; }
    int alturaPersiana() const { return v.hijo("Num_persiana")->height(); }

    Programa v;
    AvisosDePrueba* avisos = nullptr;
    QTemporaryDir* dir = nullptr;
    VentanaEjercicios* e = nullptr;
};

void TestEjercicio::init()
{
    QLocale::setDefault(QLocale::c());
    dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(dir->path()));
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestEjercicio::cleanup()
{
    formularios::Zoom::actual().normal();
    v.cerrar();
    e = nullptr;
    delete avisos;
    delete dir;
}

// Ctrl+E, "Proponer ejercicio", in the main window.
bool TestEjercicio::abrirEjercicio()
{
    entrada::activar(v.p);
    entrada::tecla(v.p, Qt::Key_E, Qt::ControlModifier, "\x05");
    e = ventana<VentanaEjercicios>("Ejerc");
    if (e) entrada::activar(e);
    return e;
}

// Tab into the name box (which selects what it shows), clear it, type, and
// end with Enter or Tab.
void TestEjercicio::escribirNombre(const QString& nombre, Qt::Key fin)
{
    entrada::teclearEn(de("alumno"), QChar(0x7f) + nombre);
    entrada::tecla(e, fin, Qt::NoModifier, fin == Qt::Key_Return ? "\r" : "\t");
}

// Opens the drop-down list with a click and clicks one of its items.
void TestEjercicio::elegirDeLaLista(int indice)
{
    auto* combo = de<QComboBox>("alumno");
    entrada::activar(e);
    entrada::clic(combo, QPoint(combo->width() - 5, combo->height() / 2));
    QAbstractItemView* vista = combo->view();
    QVERIFY(QTest::qWaitFor([vista] { return vista->isVisible(); }));
    vista->scrollTo(combo->model()->index(indice, 0)); // as the wheel would, in a long list
    entrada::clic(vista->viewport(), vista->visualRect(combo->model()->index(indice, 0)).center());
}

void TestEjercicio::contestar(const QString& respuesta)
{
    entrada::teclearEn(de("solu"), respuesta);
    entrada::clic(de("aceptar"));
}

// Opening hides the number and shows the clock and one random code. While
// the exercise runs the main window takes no keys, clicks or close requests
// (the student cannot set the number and answer it), but the exercise
// window's slider drives it.
void TestEjercicio::abrirConElPrincipalDeshabilitado()
{
    QVERIFY(abrirEjercicio());
    QVERIFY(!v.p->isEnabled());
    QCOMPARE(alturaPersiana(), formatos::aPixeles(250));
    QVERIFY(de<QRadioButton>("tipo_cod", 4)->isChecked());
    QVERIFY(v.hijo<QAction>("reloj")->isChecked());
    QCOMPARE(codigosVistos(v).size(), 1);
    QVERIFY(de("respuesta")->geometry().contains(de("bienmal")->geometry()));
    // The hidden number is in no box and the verdict not there yet, so no
    // screen reader can read them out.
    QVERIFY(!de("bienmal")->isVisible());
    for (const char* caja : {"número", "binario", "Text1"}) {
        QVERIFY2(v.hijo<QLineEdit>(caja)->text().isEmpty(), caja);
        QVERIFY2(QAccessible::queryAccessibleInterface(v.hijo(caja))->text(QAccessible::Value).isEmpty(), caja);
    }

    const QString numero = inicio::modeloEjercicio().numero();
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    entrada::activar(v.p);
    entrada::teclear(v.p, "1234");
    entrada::clic(v.hijo("etinrz"));
    entrada::clic(v.hijo("Reset"));
    entrada::tecla(v.p, Qt::Key_E, Qt::ControlModifier, "\x05"); // "Proponer ejercicio"
    entrada::tecla(v.p, Qt::Key_F1);                             // "Ayuda ..."
    entrada::cerrar(v.p);
    QVERIFY(!ventana("ayu"));
    QCOMPARE(inicio::modeloEjercicio().numero(), numero);
    QCOMPARE(pintado.count(), 0);
    QCOMPARE(avisos->pitidos, 0);
    QVERIFY(inicio::principal().cargado() && inicio::ejercicios().cargado());

    entrada::enfocar(de("periodo"));
    entrada::tecla(e, Qt::Key_End);
    QCOMPARE(inicio::modeloEjercicio().estadoPantalla().semiperiodo, 400);
    v.p->close(); // the program's own close, as when the session ends, still goes through
    QVERIFY(!inicio::ejercicios().cargado() && !inicio::principal().cargado());
}

void TestEjercicio::agregarAlumno_data()
{
    QTest::addColumn<QStringList>("tecleados");
    QTest::addColumn<QStringList>("lista");
    const auto n = [](const QString& s) { return s.left(40).leftJustified(40); };
    fila("new name", QStringList{"Ana"}, QStringList{n("Ana")});
    fila("prompt ignored", QStringList{kPrompt}, QStringList{});
    fila("empty name", QStringList{""}, QStringList{QString(40, ' ')});
    fila("45 characters", QStringList{QString(45, 'x')}, QStringList{QString(40, 'x')});
    fila("blanks at the ends", QStringList{" Eva "}, QStringList{n("Eva")});
}

// Enter in the name box adds the student and shows its zero counts; the
// letters typed there were not answer digits; the focus then leaves the box,
// whose name shows from its first letter, and digits go to the answer.
void TestEjercicio::agregarAlumno()
{
    QFETCH(QStringList, tecleados);
    QFETCH(QStringList, lista);
    QVERIFY(abrirEjercicio());
    for (const QString& t : tecleados) escribirNombre(t);
    QCOMPARE(inicio::estadisticas().tabla().nombres, lista);
    auto* combo = de<QComboBox>("alumno");
    QCOMPARE(combo->count(), lista.size());
    QCOMPARE(texto("número"), QString("0000"));
    if (lista.isEmpty()) {
        QCOMPARE(combo->currentText(), kPrompt);
        return;
    }
    QCOMPARE(combo->currentIndex(), lista.size() - 1);
    QCOMPARE(combo->lineEdit()->cursorPosition(), 0);
    QCOMPARE(cuentas(), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(de<QProgressBar>("estadis")->value(), 0);
    entrada::teclear(e, "a1");
    QCOMPARE(texto("número"), QString("00A1"));
}

void TestEjercicio::nombresParecidos_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<int>("fin");          // the key that ends the name
    QTest::addColumn<bool>("esElMismo");   // the answer to the question
    QTest::addColumn<QString>("pregunta"); // the name it asks about; empty: none
    QTest::addColumn<QString>("elegido");
    fila("other case and accents, the same", "maría perez", int(Qt::Key_Return), true, "María Pérez", "María Pérez");
    fila("other case, another student", "MARIA PEREZ", int(Qt::Key_Return), false, "María Pérez", "MARIA PEREZ");
    fila("letter for letter, the same", "pedro Gómez", int(Qt::Key_Return), true, "pedro Gómez", "pedro Gómez");
    fila("the start of a name, no completion", "Marí", int(Qt::Key_Tab), true, "", "Marí");
}

// A name that differs from a student's only in case or accents asks whether
// it is that student before adding another; other names are added letter
// for letter, never completed from the list.
void TestEjercicio::nombresParecidos()
{
    QFETCH(QString, tecleado);
    QFETCH(int, fin);
    QFETCH(bool, esElMismo);
    QFETCH(QString, pregunta);
    QFETCH(QString, elegido);
    escribir(QStringLiteral("puntos.pnt"), lineaPuntos("Mar\xed"
                                                       "a P\xe9rez",
                                                       " 1 1") +
                                               lineaPuntos("pedro G\xf3mez", " 2 1"));
    QVERIFY(abrirEjercicio());
    avisos->respuestas = {esElMismo ? formularios::Avisos::Respuesta::Si : formularios::Avisos::Respuesta::No};
    escribirNombre(tecleado, Qt::Key(fin));
    QCOMPARE(avisos->mensajes.join('|'), pregunta.isEmpty()
                                             ? QString()
                                             : "Ya hay un alumno «" + pregunta +
                                                   "». ¿Eres tú?\n"
                                                   "Responde No solo si eres otro alumno con un nombre parecido.");
    auto* combo = de<QComboBox>("alumno");
    QCOMPARE(almacen::sinRelleno(combo->currentText()), elegido);
    QCOMPARE(combo->count(), esElMismo && !pregunta.isEmpty() ? 2 : 3);
}

// A student chosen from the list shows the counts of the file, the name
// from its first letter, and the list is wide enough for every name. The
// percentage has the user's decimal comma and shows whole at every zoom.
void TestEjercicio::alumnoDeLaLista()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QByteArray largo = "Mar\xed"
                             "a de las Mercedes Fern\xe1"
                             "ndez Olmo";
    escribir(QStringLiteral("puntos.pnt"),
             lineaPuntos("Luis", " 12 7") + lineaPuntos("Pepe", " 2 9") + lineaPuntos(largo, " 1 0"));
    QVERIFY(abrirEjercicio());
    // The hand-edited line is said once, and kept out of the list.
    QCOMPARE(avisos->mensajes, QStringList{"Estas líneas de «" + dir->filePath("puntos.pnt") +
                                           "» no son de ningún alumno y se dejan como están: línea 2: tiene más "
                                           "aciertos (9) que respuestas (2)."});
    auto* combo = de<QComboBox>("alumno");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QString("Luis")); // without the file's padding
    // Rows 1 and 0, in that order: the long name's counts, then Luis's.
    const QList<QStringList> esperado{{" 1", "1", " 0", "0", "0"}, {" 12", "5", " 7", "58,33", "58"}};
    for (int k = 0; k < 2; ++k) {
        const int i = 1 - k;
        elegirDeLaLista(i);
        QCOMPARE(combo->currentIndex(), i);
        QCOMPARE(cuentas() << QString::number(de<QProgressBar>("estadis")->value()), esperado[k]);
        QCOMPARE(combo->lineEdit()->cursorPosition(), 0);
        QCOMPARE(QApplication::focusWidget(), de("NoVer"));
    }
    auto* caja = de<QLineEdit>("tciento");
    for (int paso = 0; paso < 4; ++paso) {
        QVERIFY(caja->fontMetrics().horizontalAdvance(caja->text()) < caja->contentsRect().width() - 4);
        entrada::tecla(e, Qt::Key_Plus, Qt::ControlModifier, "+");
    }
    formularios::Zoom::actual().normal();
    combo->showPopup();
    const int nombreLargo = combo->view()->fontMetrics().horizontalAdvance(QString::fromLatin1(largo));
    QVERIFY(combo->view()->viewport()->width() > nombreLargo);
    combo->hidePopup();
}

void TestEjercicio::respuestas_data()
{
    QTest::addColumn<QString>("alumno");
    QTest::addColumn<bool>("acierta");
    QTest::addColumn<bool>("mira");
    QTest::addColumn<QString>("veredicto");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QStringList>("cuentas"); // total, mal, bien, tciento
    const QColor azul(0, 0, 255), rojo(255, 0, 0);
    const QString trampa = "Trampa, trampa, miraste la solución";
    fila("right", "Ana", true, false, "La respuesta es correcta", azul, QStringList{"1", "0", "1", "100"});
    fila("wrong", "Ana", false, false, "La respuesta es incorrecta", rojo, QStringList{"1", "1", "0", "0"});
    fila("cheat, right", "Ana", true, true, trampa, azul, QStringList{"0", "0", "0", "0"});
    fila("cheat, wrong", "Ana", false, true, trampa, rojo, QStringList{"0", "0", "0", "0"});
    fila("nobody", "", true, false, "", QColor(), QStringList{"0", "0", "0", "0"});
}

// The verdict, its color and the counts; the answer frame and the shading
// of misread bits stay until the next exercise, which hides the number again. With nobody chosen a
// message asks for a student and nothing is counted.
void TestEjercicio::respuestas()
{
    QFETCH(QString, alumno);
    QFETCH(bool, acierta);
    QFETCH(bool, mira);
    QFETCH(QString, veredicto);
    QFETCH(QColor, color);
    QFETCH(QStringList, cuentas);
    QVERIFY(abrirEjercicio());
    if (!alumno.isEmpty()) escribirNombre(alumno);
    if (mira) {
        entrada::clic(de("solu"));
        QCOMPARE(alturaPersiana(), formatos::aPixeles(975));
    }
    const QString numero = inicio::modeloEjercicio().numero();
    const QString dicho = acierta ? numero : otroNumero(numero);
    contestar("7" + dicho); // the first digit scrolls out
    QCOMPARE(this->cuentas(), cuentas);
    if (alumno.isEmpty()) {
        QCOMPARE(avisos->mensajes, QStringList{"Has de introducir un alumno o elegir uno de la lista"});
        QVERIFY(de("aceptar")->isVisible());
        return;
    }
    auto* bienmal = de<QLabel>("bienmal");
    QVERIFY(bienmal->isVisible());
    QCOMPARE(bienmal->text(), veredicto);
    QCOMPARE(bienmal->palette().color(QPalette::WindowText), color);
    QCOMPARE(de<QProgressBar>("estadis")->value(), cuentas[3].toInt());
    QVERIFY(!de("aceptar")->isVisible()); // no second answer to the same exercise
    QCOMPARE(alturaPersiana(), formatos::aPixeles(975));
    QCOMPARE(v.hijo<QLineEdit>("número")->text(), numero);
    QCOMPARE(QString::number(inicio::estadisticas().tabla().totales[0].valor()), cuentas[0].trimmed());
    QCOMPARE(bitsSombreados(v), quint16(numero.toUInt(nullptr, 16) ^ dicho.toUInt(nullptr, 16)));
    // Only counted answers reach the log (after its header).
    QCOMPARE(inicio::estadisticas().historial().count('\n'), mira ? 1 : 2);

    entrada::clic(de("proponer"));
    QCOMPARE(bitsSombreados(v), quint16(0));
    QVERIFY(de("aceptar")->isVisible());
    QVERIFY(!bienmal->isVisible());
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(alturaPersiana(), formatos::aPixeles(250));
    QCOMPARE(v.hijo<QLineEdit>("Text1")->text(), QString());
}

// With a question on screen, another code asks another number in it, so a
// hard question cannot be read again in an easy code: the answer counts
// under the code it was shown in. Once answered, a code only changes the
// traces.
void TestEjercicio::otroCodigoEsOtraPregunta()
{
    modelo::sembrarAleatorio(2026); // questions that are told apart by their numbers
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    entrada::clic(de("tipo_cod", 3)); // HDB3
    const QString pregunta = inicio::modeloEjercicio().numero();
    entrada::clic(de("tipo_cod", 0)); // NRZ
    QCOMPARE(codigosVistos(v), QStringList{"VisuNrz"});
    QCOMPARE(alturaPersiana(), formatos::aPixeles(250));
    const QString numero = inicio::modeloEjercicio().numero();
    QVERIFY(numero != pregunta);
    contestar(numero);
    QCOMPARE(texto("bien"), QString("1"));
    QVERIFY(inicio::estadisticas().historial().endsWith(",Ana,NRZ," + numero.toLatin1() + "," + numero.toLatin1() +
                                                        ",bien,leer\r\n"));
    entrada::clic(de("tipo_cod", 3));
    QCOMPARE(codigosVistos(v), QStringList{"VisuHdb"});
    QCOMPARE(inicio::modeloEjercicio().numero(), numero);
    QCOMPARE(alturaPersiana(), formatos::aPixeles(975));
}

// "Sí" to "Reset" clears the shown counts, and the chosen student's in the
// file at once. A look at the solution and a reset are no longer without
// trace: the class view lists both, newest first, with the desk and what
// the reset cleared, and counts each student's looks, which a reset does
// not clear.
void TestEjercicio::sucesosParaElProfesor()
{
    escribir(QStringLiteral("puntos.pnt"), lineaPuntos("Ana", " 5 3"));
    QVERIFY(abrirEjercicio());
    elegirDeLaLista(0);
    entrada::clic(de("tipo_cod", 3)); // HDB3
    const QString mirado = inicio::modeloEjercicio().numero();
    entrada::clic(de("solu"));
    entrada::clic(de("proponer"));
    contestar(inicio::modeloEjercicio().numero());
    avisos->respuestas = {formularios::Avisos::Respuesta::Si};
    entrada::clic(de("Reset"));
    QCOMPARE(avisos->mensajes, QStringList{"Esta acción borrará tus estadísticas. ¿Deseas continuar?"});
    QCOMPARE(avisos->ultimosBotones, formularios::Avisos::Botones::SiNo);
    QCOMPARE(texto("total"), QString("0"));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana", " 0 0"));
    entrada::clic(de("Detalles"));
    QWidget* d = ventana("detalles");
    QVERIFY(d);
    const QAbstractItemModel* sucesos = control<QTableView>(d, "sucesos")->model();
    QStringList filas;
    for (int f = 0; f < sucesos->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 1; c < sucesos->columnCount(); ++c) celdas << sucesos->index(f, c).data().toString();
        filas << celdas.join(" | ");
    }
    const QString puesto = QDir(".tramavox").entryList({"*.reg"}).value(0).section('-', 0, 0);
    QCOMPARE(filas, (QStringList{"Ana | " + puesto + " | Cuentas a cero | 6 respuestas, 4 aciertos",
                                 "Ana | " + puesto + " | Solución vista | HDB3 " + mirado}));
    const QAbstractItemModel* tabla = control<QTableView>(d, "tabla")->model();
    QCOMPARE(tabla->headerData(6, Qt::Horizontal).toString(), QString("Soluciones vistas"));
    QCOMPARE((QStringList{tabla->index(0, 1).data().toString(), tabla->index(0, 6).data().toString()}),
             (QStringList{"0", "1"}));
}

// Once the teacher sets a password from the class view, deleting a student
// and resetting counts take it: a wrong one, or none, changes nothing.
void TestEjercicio::profesorDeLaClase()
{
    using R = formularios::Avisos::Respuesta;
    escribir(QStringLiteral("puntos.pnt"), lineaPuntos("Ana", " 5 3") + lineaPuntos("Luis", " 2 1"));
    QVERIFY(abrirEjercicio());
    entrada::clic(de("Detalles"));
    QWidget* d = ventana("detalles");
    QVERIFY(d);
    avisos->contrasenas = {"tiza y pizarra", "tiza y pizarr"};
    entrada::clic(control(d, "profesor"));
    QCOMPARE(avisos->mensajes.last(), QString("Las dos contraseñas no coinciden: no se ha cambiado nada."));
    avisos->contrasenas = {"tiza y pizarra", "tiza y pizarra"};
    entrada::clic(control(d, "profesor"));
    QVERIFY(avisos->mensajes.last().startsWith("Contraseña del profesor guardada."));
    auto* tabla = control<QTableView>(d, "tabla");
    for (const QString& clave : {QString("tiza"), QString("tiza y pizarra")}) {
        tabla->selectRow(1);
        avisos->respuestas = {R::Si};
        avisos->contrasenas = {clave};
        entrada::clic(control(d, "borrar"));
    }
    QCOMPARE(avisos->mensajes.mid(avisos->mensajes.size() - 4),
             (QStringList{"Solo el profesor puede borrar a un alumno. Escribe la contraseña del profesor:",
                          "Esa no es la contraseña del profesor.",
                          "¿Borrar a «Luis» y sus estadísticas? Sus respuestas "
                          "quedan en el historial.",
                          "Solo el profesor puede borrar a un alumno. Escribe la contraseña del profesor:"}));
    QCOMPARE(tabla->model()->rowCount(), 1);
    entrada::activar(d);
    entrada::tecla(d, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    entrada::activar(e);
    elegirDeLaLista(0);
    avisos->respuestas = {R::Si};
    entrada::clic(de("Reset"));              // and the password box cancelled
    QCOMPARE(texto("total"), QString(" 5")); // as "puntos.pnt" writes it
    avisos->respuestas = {R::Si};
    avisos->contrasenas = {"tiza y pizarra"};
    entrada::clic(de("Reset"));
    QCOMPARE(texto("total"), QString("0"));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana", " 0 0"));
}

// The class view follows the class while it is open: what another copy of
// the program records shows within the refresh period, with each student's
// last answer (and who is answering now), and the row chosen stays chosen.
void TestEjercicio::vistaQueSigueLaClase()
{
    escribir(QStringLiteral("puntos.pnt"), lineaPuntos("Zoe", " 5 3"));
    QVERIFY(abrirEjercicio());
    entrada::clic(de("Detalles"));
    QWidget* d = ventana("detalles");
    QVERIFY(d);
    auto* tabla = control<QTableView>(d, "tabla");
    tabla->selectRow(0);
    QProcess otra;
    otra.setWorkingDirectory(dir->path());
    otra.start(QCoreApplication::applicationFilePath(), {"--responder", "2", "Eva"});
    QVERIFY(otra.waitForFinished(30000));
    QCOMPARE(otra.exitCode(), 0);
    const QAbstractItemModel* filas = tabla->model();
    QTRY_COMPARE_WITH_TIMEOUT(filas->rowCount(), 2, ejercicio::VistaClase::kRefrescoMs + 2000);
    QCOMPARE(filas->index(0, 0).data().toString(), QString("Eva")); // in name order
    QCOMPARE(filas->index(0, 1).data().toString(), QString("2"));
    const QString ultima = filas->index(0, ejercicio::ModeloClase::kColumnaUltima).data().toString();
    QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d · [A-Z0-9]+ · bien · ahora$").match(ultima).hasMatch(),
             qPrintable(ultima));
    QCOMPARE(filas->index(1, ejercicio::ModeloClase::kColumnaUltima).data().toString(),
             QString());                                                 // Zoe: none recorded
    QCOMPARE(tabla->selectionModel()->selectedRows().value(0).row(), 1); // Zoe, still
    // Following the class writes nothing: a share is not written every few seconds.
    const auto ficheros = [this] {
        QStringList r;
        for (const QFileInfo& f :
             QDir(dir->filePath(".tramavox")).entryInfoList(QDir::Files) + QDir(dir->path()).entryInfoList(QDir::Files))
            r << f.fileName() + ' ' + QString::number(f.size()) + ' ' + f.lastModified().toString(Qt::ISODateWithMs);
        return r;
    };
    const QStringList antes = ficheros();
    QTest::qWait(ejercicio::VistaClase::kRefrescoMs + 500);
    QCOMPARE(ficheros(), antes);
}

// An exam set from the class view reaches another copy of the program in
// the folder; that copy, killed and started again, goes on at the question
// it had reached; the marks count each question once; the end stops the
// desks, and the marks are exported.
void TestEjercicio::examenEnDosCopias()
{
    escribir(QStringLiteral("puntos.pnt"), lineaPuntos("Luis", " 4 4"));
    QVERIFY(abrirEjercicio());
    entrada::clic(de("Detalles"));
    QWidget* d = ventana("detalles");
    QVERIFY(d);
    QVERIFY(!control(d, "terminarExamen")->isEnabled());
    // The teacher fills the dialog in by keyboard: the name, AMI and HDB3 only, three questions.
    bool rellenado = false;
    QTimer::singleShot(0, [&rellenado] {
        QWidget* dialogo = QApplication::activeModalWidget();
        if (!dialogo || dialogo->objectName() != "dialogoExamen") return;
        entrada::teclearEn(control(dialogo, "nombreExamen"), "Parcial 1");
        for (const char* codigo : {"codigoExamen0", "codigoExamen1"}) entrada::clic(control(dialogo, codigo));
        entrada::enfocar(control(dialogo, "preguntasExamen"));
        entrada::tecla(dialogo, Qt::Key_A, Qt::ControlModifier);
        entrada::teclear(dialogo, "3");
        entrada::tecla(dialogo, Qt::Key_Return, Qt::NoModifier, "\r");
        rellenado = true;
    });
    entrada::clic(control(d, "empezarExamen"));
    QVERIFY(rellenado);
    QVERIFY(control(d, "terminarExamen")->isEnabled());
    QCOMPARE(control<QLabel>(d, "tituloNotas")->text(),
             QString("Examen «Parcial 1» (en curso, quedan 20 min) · preguntas: 3 · códigos: AMI, HDB3 · 20 min"));
    // This desk sees it within a look at the class: no solution, no other code, no laboratory.
    QTRY_VERIFY_WITH_TIMEOUT(!de("solu")->isEnabled(), 5000);
    QVERIFY(!de("tipo_cod", modelo::CodigoNrz)->isEnabled());
    v.hijo<QAction>("laboratorio")->trigger();
    QCOMPARE(avisos->mensajes.takeLast(),
             QString("Durante el examen «Parcial 1» el laboratorio y el entrenador están cerrados."));
    QVERIFY(!ventana("lab"));

    // Eva answers one question at the other desk, which is then killed.
    const auto desk = [this](const QStringList& argumentos) {
        auto* p = new QProcess;
        p->setWorkingDirectory(dir->path());
        p->start(QCoreApplication::applicationFilePath(), QStringList{"--examen"} + argumentos);
        return p;
    };
    std::unique_ptr<QProcess> primera(desk({"1", "Eva", "quedarse"}));
    QVERIFY2(primera->waitForReadyRead(30000), primera->readAllStandardError().constData());
    QCOMPARE(primera->readLine().trimmed(), QByteArray("Pregunta 1/3: bien"));
    primera->kill();
    QVERIFY(primera->waitForFinished(5000));
    // Started again, it goes on at question 2, and refuses a fourth.
    std::unique_ptr<QProcess> segunda(desk({"2", "Eva", "salir"}));
    QVERIFY2(segunda->waitForFinished(30000), segunda->readAllStandardError().constData());
    QCOMPARE(segunda->readAllStandardOutput(), QByteArray("Pregunta 2/3: mal\nPregunta 3/3: bien\n"
                                                          "Ya has respondido todas las preguntas del examen.\n"));
    QCOMPARE(segunda->exitCode(), 0);

    // Luis answers here, the same first question Eva had; the teacher ends the exam.
    escribirNombre("Luis");
    entrada::clic(de("proponer"));
    const QString enPantalla = de<QLabel>("examen")->text();
    QVERIFY2(QRegularExpression("^Pregunta 1/3\nQuedan (20:00|19:[0-5]\\d)$").match(enPantalla).hasMatch(),
             qPrintable(enPantalla));
    contestar(inicio::modeloEjercicio().numero());
    entrada::clic(de("proponer"));
    avisos->respuestas = {formularios::Avisos::Respuesta::Si};
    entrada::clic(control(d, "terminarExamen"));
    QTRY_VERIFY_WITH_TIMEOUT(de("solu")->isEnabled(), 5000);
    QCOMPARE(de<QLabel>("examen")->text(), QString("Examen terminado"));
    contestar(inicio::modeloEjercicio().numero()); // question 2, asked before the end
    QCOMPARE(avisos->mensajes.takeLast(), QString("El examen ha terminado: esta respuesta ya no cuenta."));

    const QAbstractItemModel* notas = control<QTableView>(d, "notas")->model();
    QStringList filas;
    for (int f = 0; f < notas->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 0; c < 4; ++c) celdas << notas->index(f, c).data().toString();
        filas << celdas.join(" | ");
    }
    QCOMPARE(notas->columnCount(), 6); // and AMI's and HDB3's right answers
    QCOMPARE(filas, (QStringList{"Eva | 3 / 3 | 2 | 6,7", "Luis | 1 / 3 | 1 | 3,3"}));
    avisos->ficheros = {dir->filePath("notas.csv")};
    entrada::clic(control(d, "exportarNotas"));
    const QList<QByteArray> csv = leer("notas.csv").split('\n');
    QCOMPARE(
        csv.value(1),
        QByteArray("Alumno;Respondidas;Aciertos;Nota;AMI respondidas;AMI aciertos;HDB3 respondidas;HDB3 aciertos\r"));
    QVERIFY2(csv.value(2).startsWith("Eva;3;2;6,7;"), csv.value(2).constData());
    QVERIFY2(csv.value(3).startsWith("Luis;1;1;3,3;"), csv.value(3).constData());
}

// The chosen student, removed by another copy while chosen here, is no
// longer the one answers count for: the next answer asks for a student.
void TestEjercicio::alumnoBorradoEnOtraCopia()
{
    escribir("puntos.pnt", lineaPuntos("Ana", " 5 3") + lineaPuntos("Bea", " 1 1"));
    QVERIFY(abrirEjercicio());
    elegirDeLaLista(1);
    {
        almacen::Estadisticas otroPuesto(dir->filePath("puntos.pnt"));
        otroPuesto.abrir();
        QCOMPARE(otroPuesto.borrarAlumno("Bea", 1), QString());
        otroPuesto.cerrar();
    }
    entrada::clic(de("Detalles")); // saves, and finds Bea gone
    ventana("detalles")->close();
    QCOMPARE(de<QComboBox>("alumno")->count(), 1);
    contestar(inicio::modeloEjercicio().numero());
    QCOMPARE(avisos->mensajes, QStringList{"Has de introducir un alumno o elegir uno de la lista"});
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana", " 5 3"));
}

// Closing gives the main window back with the number and every trace
// shown, and saves the counted answer.
void TestEjercicio::cerrarDevuelveLaVentanaYGuarda()
{
    QVERIFY(abrirEjercicio());
    escribirNombre("XYZ");
    contestar(otroNumero(inicio::modeloEjercicio().numero()));
    entrada::cerrar(e);
    QVERIFY(v.p->isEnabled());
    QCOMPARE(alturaPersiana(), formatos::aPixeles(975));
    QCOMPARE(bitsSombreados(v), quint16(0));
    for (const char* c : {"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"}) QVERIFY(v.hijo<QAction>(c)->isChecked());
    QCOMPARE(leer(QStringLiteral("puntos.pnt")), lineaPuntos("XYZ", " 1 0"));
}

// An answer that cannot be recorded (the records' folder taken away and a
// file put in its place) is kept and counted: the student is told once,
// not at every answer, and it is recorded as soon as the folder is back.
// On closing, the window stays unless the user saves a copy elsewhere or
// chooses to close without saving.
void TestEjercicio::guardadoFallidoConservaLosResultados()
{
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    QVERIFY(QDir(".tramavox").removeRecursively());
    escribir(".tramavox", "no es una carpeta");
    contestar(inicio::modeloEjercicio().numero());
    entrada::clic(de("proponer"));
    contestar(inicio::modeloEjercicio().numero());
    QCOMPARE(avisos->mensajes,
             QStringList{"No se pudo anotar la respuesta en la carpeta de la clase «" + dir->path() +
                         "»: no se puede crear en ella la carpeta de los registros «.tramavox»: «.tramavox» no es "
                         "una carpeta. Se guarda en este puesto y se anotará en cuanto se pueda; no se te volverá a "
                         "avisar hasta entonces."});
    QCOMPARE(texto("total"), QString("2"));

    entrada::cerrar(e); // "Cancelar", the cautious choice
    QCOMPARE(avisos->opciones, (QStringList{"Reintentar", "Guardar una copia…", "Cerrar sin guardar", "Cancelar"}));
    QVERIFY(inicio::ejercicios().cargado());
    QVERIFY(!v.p->isEnabled());
    v.p->close(); // the main window does not close over it either
    QVERIFY(inicio::principal().cargado());

    // Back: both answers are recorded, and the next one with them.
    QVERIFY(QFile::remove(".tramavox"));
    entrada::clic(de("proponer"));
    contestar(inicio::modeloEjercicio().numero());
    QCOMPARE(avisos->mensajes.size(), 3); // told once, and asked at both closings
    almacen::AlmacenClase otroPuesto(dir->filePath("puntos.pnt"));
    QCOMPARE(otroPuesto.abrir(), QString());
    QCOMPARE(otroPuesto.vista().tabla.totales.value(0).valor(), 3);

    QVERIFY(QDir(".tramavox").removeRecursively());
    escribir(".tramavox", "no es una carpeta");
    entrada::clic(de("proponer"));
    contestar(inicio::modeloEjercicio().numero());
    avisos->elecciones = {1};
    avisos->ficheros = {dir->filePath("copia.pnt")};
    entrada::cerrar(e);
    QVERIFY(!inicio::ejercicios().cargado());
    QCOMPARE(leer(dir->filePath("copia.pnt")), lineaPuntos("Ana", " 4 4"));
}

// The teacher's view of a class of 155: every student with counts and
// percentage, in Spanish order or sorted by a click on a column's header, a
// bar for each percentage (also on the selected row), the answers per code
// from the log and since when, the CSV a Spanish spreadsheet reads in the
// order shown, the PDF report, and a duplicate deleted. With every window
// open, a screen reader finds a name for each of their controls.
void TestEjercicio::vistaDeLaClase()
{
    QByteArray clase;
    for (int i = 0; i < 150; ++i)
        clase += lineaPuntos("Alumno " + QByteArray::number(i),
                             " " + QByteArray::number(10 + i % 7) + " " + QByteArray::number(i % 11));
    for (const char* nombre : {"Zoe", "\xd3scar", "\xcd\xf1igo", "\xc1lvaro"}) clase += lineaPuntos(nombre, " 3 1");
    escribir("puntos.pnt", lineaPuntos("Ana", " 5 3") + clase + lineaPuntos("Ana", " 0 0"));
    escribir("historial.csv", "fecha,alumno,codigo,numero,respuesta,resultado\r\n"
                              "2026-12-06T10:00:00,Ana,HDB3,8421,8421,bien\r\n"
                              "2026-12-06T10:01:00,Ana,HDB3,00A5,00A4,mal\r\n"
                              "2026-11-30T09:00:00,Alumno 1,AMI,0001,0001,bien\r\n"); // from another copy
    QVERIFY(abrirEjercicio());
    entrada::clic(de("Detalles"));
    QWidget* d = ventana("detalles");
    QVERIFY(d);
    auto* tabla = control<QTableView>(d, "tabla");
    QCOMPARE(tabla->model()->rowCount(), 156);
    const auto celda = [tabla](int fila, int columna) {
        return tabla->model()->index(fila, columna).data().toString();
    };
    QStringList nombres;
    for (int i = 0; i < 156; ++i)
        if (!celda(i, 0).startsWith("Alumno ")) nombres << celda(i, 0);
    QCOMPARE(nombres, (QStringList{"Álvaro", "Ana", "Ana", "Íñigo", "Óscar", "Zoe"}));
    QCOMPARE(control<QLabel>(d, "desde")->text(),
             QString("Respuestas por código desde el 2026-11-30, la primera anotada en el historial:"));
    auto* cabecera = tabla->horizontalHeader();
    entrada::clic(cabecera->viewport(), QPoint(cabecera->sectionViewportPosition(4) + 5, 5)); // "%"
    QCOMPARE(celda(0, 4), QString("0,0"));
    entrada::clic(cabecera->viewport(), QPoint(cabecera->sectionViewportPosition(4) + 5, 5));
    QCOMPARE(celda(0, 4), QString("100,0"));
    int ana = 0;
    while (celda(ana, 0) != QLatin1String("Ana")) ++ana;
    QCOMPARE((QStringList{celda(ana, 1), celda(ana, 2), celda(ana, 3), celda(ana, 4)}),
             (QStringList{"5", "3", "2", "60,0"}));
    tabla->scrollTo(tabla->model()->index(ana, 5));
    const QImage vista = tabla->viewport()->grab().toImage();
    const QRect barra = tabla->visualRect(tabla->model()->index(ana, 5));
    QCOMPARE(vista.pixelColor(barra.left() + barra.width() / 2, barra.center().y()), QColor(40, 110, 200));
    QCOMPARE(vista.pixelColor(barra.right() - 4, barra.center().y()) == QColor(40, 110, 200), false);
    tabla->selectRow(ana);
    QCOMPARE(tabla->viewport()->grab().toImage().pixelColor(barra.left() + barra.width() / 2, barra.center().y()),
             tabla->palette().color(QPalette::HighlightedText));
    const QAbstractItemModel* codigos = control<QTableView>(d, "codigos")->model();
    const int anaCodigos = codigos->match(codigos->index(0, 0), Qt::DisplayRole, "Ana").value(0).row();
    QCOMPARE(codigos->index(anaCodigos, 7).data().toString(), QString("1")); // HDB3 right
    QCOMPARE(codigos->index(anaCodigos, 8).data().toString(), QString("1")); // HDB3 wrong
    QCOMPARE(codigos->headerData(8, Qt::Horizontal).toString(), QString("HDB3 mal"));

    avisos->ficheros = {dir->filePath("clase.csv"), dir->filePath("clase.pdf")};
    entrada::clic(control(d, "exportar"));
    entrada::clic(control(d, "imprimir"));
    const QByteArray csv = leer(dir->filePath("clase.csv"));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                           "Alumno;Total;Aciertos;Errores;Porcentaje;NRZ aciertos;NRZ errores;"));
    QVERIFY(csv.contains("\r\nAna;5;3;2;60,0;0;0;0;0;0;0;1;1;0\r\n"));
    QStringList enPantalla{"Alumno"}, enCsv;
    for (int i = 0; i < 156; ++i) enPantalla << celda(i, 0);
    for (const QByteArray& l : csv.mid(3).split('\n'))
        if (!l.isEmpty()) enCsv << QString::fromUtf8(l.left(l.indexOf(';')));
    QCOMPARE(enCsv, enPantalla);
    const QByteArray pdf = leer(dir->filePath("clase.pdf"));
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n"), 8); // 156 students, 46 to a page, in two tables

    // The duplicate "Ana" at the end, entered by mistake, goes: in file order
    // it is the last row.
    entrada::clic(cabecera->viewport(), QPoint(cabecera->sectionViewportPosition(1) + 5, 5)); // "Total", up
    tabla->selectRow(0);
    QCOMPARE((QStringList{celda(0, 0), celda(0, 1)}), (QStringList{"Ana", "0"}));
    avisos->respuestas = {formularios::Avisos::Respuesta::Si};
    entrada::clic(control(d, "borrar"));
    QCOMPARE(tabla->model()->rowCount(), 155);
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana", " 5 3") + clase);
    QCOMPARE(de<QComboBox>("alumno")->count(), 155);
    QVERIFY(avisos->mensajes.last().startsWith("¿Borrar a «Ana»"));

    v.hijo<QAction>("acercade")->trigger();
    v.hijo<QAction>("ayuda")->trigger();
    v.hijo<QAction>("laboratorio")->trigger();
    v.hijo<QAction>("entrenador")->trigger();
    // Every control has a name, a drop-down list its label's, not its value;
    // the drawings are pictures.
    QStringList sinNombre;
    for (const char* nombre : {"principal", "Ejerc", "acerca", "ayu", "detalles", "lab", "entrenador"})
        for (QWidget* c : ventana(nombre)->findChildren<QWidget*>()) {
            if (!c->property("twips").isValid() || !c->isVisible() || c->objectName().endsWith("_cliente")) continue;
            const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            const auto* lista = qobject_cast<QComboBox*>(c);
            if (a->text(QAccessible::Name).trimmed().isEmpty() ||
                (lista && a->text(QAccessible::Name) != c->accessibleName()))
                sinNombre << QString(nombre) + '/' + c->objectName();
        }
    QVERIFY2(sinNombre.isEmpty(), qPrintable(sinNombre.join(", ")));
    QWidget* lab = ventana("lab");
    for (QWidget* dibujo : {v.hijo("Pantalla"), control(lab, "dibujo")->findChild<QWidget*>("dibujoCodigos"),
                            control(lab, "espectro")->findChild<QWidget*>("graficoEspectro"),
                            control(lab, "ojo")->findChild<QWidget*>("graficoOjo"),
                            control(lab, "ber")->findChild<QWidget*>("graficoBer"),
                            ventana("entrenador")->findChild<QWidget*>("dibujoEntrenador")})
        QCOMPARE(QAccessible::queryAccessibleInterface(dibujo)->role(), QAccessible::Graphic);
    disenosTraducidos();
    entrada::activar(d);
    entrada::tecla(d, Qt::Key_Escape, Qt::NoModifier, "\x1b"); // Esc closes the view, as its close button does
    QVERIFY(!ventana("detalles"));
}

namespace {

// Marks every text of ours it is asked for, as a translation would change it.
class TraductorMarcado : public QTranslator {
public:
    static QString marcar(const QString& texto) { return QStringLiteral("\u2039%1\u203a").arg(texto); }
    QString translate(const char*, const char* fuente, const char*, int) const override
    {
        return fuente && *fuente ? marcar(QString::fromUtf8(fuente)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// What a control or menu shows: its caption, or its list's items.
QString textoDe(QObject* o)
{
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* lista = qobject_cast<QComboBox*>(o)) {
        QStringList items;
        for (int i = 0; i < lista->count(); ++i) items << lista->itemText(i);
        return items.join('|');
    }
    return {};
}

// The texts a window shows (captions, lists, table titles, menus, its title,
// what a screen reader hears) that hold words outside a marked translation.
QStringList textosSinTraducir(QWidget* ventana)
{
    QStringList textos{ventana->windowTitle()};
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ventana) || w->objectName() == "alumno") continue; // the students' names are data
        textos << textoDe(w) << w->accessibleName() << w->accessibleDescription();
        if (auto* lista = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < lista->count(); ++i) textos << lista->item(i)->text();
        if (auto* cabecera = qobject_cast<QHeaderView*>(w); cabecera && cabecera->orientation() == Qt::Horizontal)
            for (int i = 0; i < cabecera->count(); ++i)
                for (const int rol : {int(Qt::DisplayRole), ejercicio::CabeceraAgrupada::kRolGrupo,
                                      ejercicio::CabeceraAgrupada::kRolApartado})
                    textos << cabecera->model()->headerData(i, Qt::Horizontal, rol).toString();
    }
    for (QAction* a : ventana->findChildren<QAction*>()) textos << a->text();
    static const QRegularExpression marcado(QStringLiteral("\u2039[^\u2039\u203a]*\u203a"));
    static const QRegularExpression palabra(QStringLiteral("[a-záéíóúñ]{3,}"));
    QStringList r;
    for (QString t : textos) {
        const QString original = t;
        for (qsizetype antes = -1; antes != t.size();) { // translations nested in others, inside out
            antes = t.size();
            t.remove(marcado);
        }
        if (t.contains(palabra)) r << ventana->objectName() + ": " + original;
    }
    return r;
}

} // namespace

// Every caption, list, menu item, title and accessible name of the designs
// goes through the translation system: under a translator that marks each
// text, the open windows relabel at once, and what the windows wrote
// themselves (a count, a verdict, a table's titles) is written again in
// marked words; without it the Spanish comes back.
void TestEjercicio::disenosTraducidos()
{
    using formularios::Tipo;
    struct Texto {
        std::function<QString()> ver;
        QString diseno, antes;
    };
    std::vector<Texto> textos;
    for (const auto& def : {principal::disenoPrincipal(), ejercicio::disenoEjercicios(), ejercicio::disenoVistaClase(),
                            ayuda::disenoAcerca(), ayuda::disenoAyuda(), laboratorio::disenoLaboratorio(),
                            entrenador::disenoEntrenador()}) {
        QWidget* v = ventana(def.nombre);
        textos.push_back({[v] { return v->windowTitle(); }, def.titulo, {}});
        for (const auto& c : def.controles) {
            QWidget* w = control(v, c.nombre, c.indice);
            if (!c.texto.isEmpty() && c.tipo != Tipo::Texto && c.tipo != Tipo::Combo)
                textos.push_back({[w] { return textoDe(w); }, c.texto, {}});
            if (!c.nombreAccesible.isEmpty())
                textos.push_back({[w] { return w->accessibleName(); }, c.nombreAccesible, {}});
        }
        for (const auto& m : def.menus) {
            QObject* o = v->findChild<QObject*>(m.nombre);
            textos.push_back({[o] { return textoDe(o); }, m.texto, {}});
        }
    }
    for (Texto& t : textos) t.antes = t.ver();
    TraductorMarcado marcador;
    QCoreApplication::installTranslator(&marcador);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // the windows hear of it
    int traducidos = 0;
    for (const Texto& t : textos)
        if (t.antes == t.diseno) { // the others the window writes
            QCOMPARE(t.ver(), TraductorMarcado::marcar(t.diseno));
            ++traducidos;
        }
    QVERIFY2(traducidos > 150, qPrintable(QString::number(traducidos))); // not a check of nothing
    // What the windows write themselves is relabelled too: no words are left
    // outside a translation, only numbers, bits and codes' letters.
    QStringList sinTraducir;
    for (QWidget* v : QApplication::topLevelWidgets())
        if (v->isVisible()) sinTraducir << textosSinTraducir(v);
    QVERIFY2(sinTraducir.isEmpty(), qPrintable(sinTraducir.join('\n')));
    QCoreApplication::removeTranslator(&marcador);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    for (const Texto& t : textos) QCOMPARE(t.ver(), t.antes);
}

// Run as a child process in the folder it is started in: type `nombre`
// and answer `veces` exercises right, saying after each how many are given
// (a class's session kills some copies at random moments, and then counts).
// A child process's desk: the exercise window open, `nombre` typed as its
// student (a second copy of the same student is asked whether it is them:
// yes). Null if the program did not open.
static VentanaEjercicios* abrirPuesto(Programa& v, AvisosDePrueba& avisos, const QString& nombre)
{
    if (!v.abrir()) return nullptr;
    v.hijo<QAction>("prop")->trigger();
    VentanaEjercicios* e = ventana<VentanaEjercicios>("Ejerc");
    avisos.respuestas = {formularios::Avisos::Respuesta::Si};
    entrada::teclearEn(control(e, "alumno"), nombre + '\r');
    avisos.mensajes.removeIf([](const QString& m) { return m.startsWith("Ya hay un alumno"); });
    return e;
}

static int responder(int veces, const QString& nombre)
{
    Programa v;
    AvisosDePrueba avisos;
    VentanaEjercicios* e = abrirPuesto(v, avisos, nombre);
    if (!e) return 1;
    for (int i = 0; i < veces; ++i) {
        entrada::teclearEn(control(e, "solu"), inicio::modeloEjercicio().numero());
        entrada::clic(control(e, "aceptar"));
        std::printf("%d\n", i + 1);
        std::fflush(stdout);
        entrada::clic(control(e, "proponer"));
    }
    entrada::cerrar(e);
    if (!avisos.mensajes.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(avisos.mensajes.join('\n')));
    return avisos.mensajes.isEmpty() ? 0 : 2;
}

// A name pasted from a spreadsheet cell brings its line end, which is
// dropped; a letter the file cannot hold is refused as it is typed, with
// the reason beside the box, so the file never renames a student.
void TestEjercicio::nombrePegadoYNombreRechazado()
{
    QVERIFY(abrirEjercicio());
    QApplication::clipboard()->setText("Ana García\r\n");
    entrada::teclearEn(de("alumno"), QString(QChar(0x7f)));
    entrada::tecla(e, Qt::Key_V, Qt::ControlModifier);
    entrada::tecla(e, Qt::Key_Return, Qt::NoModifier, "\r");
    contestar(inicio::modeloEjercicio().numero());
    entrada::clic(de("proponer"));
    entrada::teclearEn(de("alumno"), QChar(0x7f) + QString("Łu"));
    QCOMPARE(avisos->pitidos, 1);
    QCOMPARE(QToolTip::text(), QString("El nombre no puede llevar «Ł»: el fichero de notas no puede guardarlo."));
    entrada::tecla(e, Qt::Key_Return, Qt::NoModifier, "\r");
    contestar(inicio::modeloEjercicio().numero());
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana Garc\xed"
                                             "a",
                                             " 1 1") +
                                     lineaPuntos("u", " 1 1"));
    QVERIFY(avisos->mensajes.isEmpty());
}

// A class folder that cannot hold the class (here its log is a folder, so
// it cannot be taken as it was) is said as the window opens, naming the
// folder and why; the student may keep the answers in a folder of their own.
void TestEjercicio::carpetaQueNoSirve()
{
    QVERIFY(QDir().mkdir("historial.csv"));
    QVERIFY(QDir().mkdir("mia"));
    avisos->elecciones = {0};
    avisos->ficheros = {dir->filePath("mia/puntos.pnt")};
    QVERIFY(abrirEjercicio());
    QCOMPARE(avisos->mensajes, QStringList{"La carpeta «" + dir->path() +
                                           "» no puede guardar las respuestas de la clase: no se pudo "
                                           "leer «" +
                                           dir->filePath("historial.csv") +
                                           "»: es una carpeta, no un fichero. Puedes "
                                           "guardarlas en una carpeta tuya."});
    QCOMPARE(avisos->opciones, (QStringList{"Guardar en una carpeta mía…", "Seguir sin guardar"}));
    escribirNombre("Ana");
    contestar(inicio::modeloEjercicio().numero());
    QCOMPARE(avisos->mensajes.size(), 1);
    QCOMPARE(leer(dir->filePath("mia/puntos.pnt")), lineaPuntos("Ana", " 1 1"));
    QVERIFY(!QFileInfo::exists("puntos.pnt"));
}

void TestEjercicio::claseEnUnaCarpetaCompartida_data()
{
    QTest::addColumn<bool>("carpetaDeSoloLectura");
    QTest::addColumn<int>("matar"); // how many copies are killed at a random moment
    fila("setgid group folder, copies killed", false, 3);
    fila("read-only folder, the teacher's records folder, copies killed", true, 3);
}

// Six students of one group, one of them with two copies open, answer at
// once in the class's folder, each as their own user; some copies are killed
// at random moments. Every answer recorded is counted once, on top of what
// the class had before: each student's total in "puntos.pnt" equals their
// whole lines in "historial.csv", and the files stay the class's.
void TestEjercicio::claseEnUnaCarpetaCompartida()
{
    QFETCH(bool, carpetaDeSoloLectura);
    QFETCH(int, matar);
    if (::geteuid() != 0) QSKIP("students of one group need root to become them");
    constexpr int kAlumnos = 6, kRespuestas = 30;
    const QString clase = dir->filePath("clase");
    QVERIFY(QDir().mkdir(clase));
    QCOMPARE(::chmod(QFile::encodeName(dir->path()).constData(), 0755), 0);
    // The teacher's files, written by the class; in a folder the class may
    // not add to, the teacher made the records' folder for it.
    prepararCarpetaDeClase(clase, carpetaDeSoloLectura);
    const QString programa = programaParaTodos(dir->path());
    std::vector<std::unique_ptr<QProcess>> copias;
    for (int i = 0; i <= kAlumnos; ++i) // the last copy is the first student's second one
        copias.push_back(
            lanzarAlumno(programa, clase, dir->filePath("casa" + QString::number(i)), i % kAlumnos, kRespuestas));
    const FinDeLasCopias fin = esperarCopias(copias, matar, 20261206, kRespuestas);
    const ClaseTrasLaSesion final = claseTrasLaSesion(clase);
    const QStringList faltas = faltasDeLaSesion(fin, final);
    QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join('\n')));
    qInfo("%d answers counted by %d copies, %d of them killed", final.total(), kAlumnos + 1, fin.totalMuertas());
    // The summaries stay the class's: its group may go on writing them.
    for (const char* nombre : {"/puntos.pnt", "/historial.csv"}) {
        struct stat datos = {};
        QCOMPARE(::stat(QFile::encodeName(clase + nombre).constData(), &datos), 0);
        QCOMPARE((QList<uint>{datos.st_gid, datos.st_mode & 0060u}), (QList<uint>{kGrupoClase, 0060}));
    }
}

// A student with only a keyboard: the name first (the letters never reach
// the answer), then answers given with Enter and the next exercise asked for
// with Enter. Tab never stops on a box that is only read. The zoom and the
// help answer from this window while the main window is disabled.
void TestEjercicio::soloConElTeclado()
{
    QVERIFY(abrirEjercicio());
    QCOMPARE(QApplication::focusWidget(), de("alumno"));
    entrada::teclear(e, "Eva1\r");
    QCOMPARE(inicio::estadisticas().tabla().nombres, QStringList{QString("Eva1").leftJustified(40)});
    QCOMPARE(texto("número"), QString("0000"));
    for (bool acierta : {true, false}) {
        const QString n = inicio::modeloEjercicio().numero();
        entrada::teclear(e, (acierta ? n : otroNumero(n)) + '\r');
        QCOMPARE(QApplication::focusWidget(), de("proponer"));
        entrada::teclear(e, "\r");
        QVERIFY(de("aceptar")->isVisible());
    }
    QCOMPARE(cuentas(), (QStringList{"2", "1", "1", "50"}));
    QSet<QString> paradas;
    for (int i = 0; i < 30; ++i) {
        entrada::tecla(e, Qt::Key_Tab, Qt::NoModifier, "\t");
        paradas << QApplication::focusWidget()->objectName();
    }
    QVERIFY(paradas.contains("alumno") && paradas.contains("aceptar"));
    for (const char* leido : {"total", "bien", "mal", "tciento", "NoVer"}) QVERIFY2(!paradas.contains(leido), leido);
    entrada::tecla(e, Qt::Key_Plus, Qt::ControlModifier, "+");
    QCOMPARE(formularios::Zoom::actual().factor(), 1.25);
    entrada::tecla(e, Qt::Key_0, Qt::ControlModifier, "0");
    QCOMPARE(formularios::Zoom::actual().factor(), 1.0);
    entrada::tecla(e, Qt::Key_F1);
    QVERIFY(ventana("ayu"));
}

void TestEjercicio::cabeEnLaPantalla_data()
{
    QTest::addColumn<int>("pulsaciones"); // of Ctrl++
    QTest::addColumn<int>("porcentaje");
    fila("100 %", 0, 100);
    fila("150 %", 2, 150);
    fila("200 %", 3, 200);
    fila("300 % asked, 200 % fits", 5, 200);
}

// On the projector's screen every window is wholly visible at every zoom,
// the zoom stopping where the main window would not fit (and the menu
// saying so); the exercise window leaves every trace of the drawing in sight.
void TestEjercicio::cabeEnLaPantalla()
{
    QFETCH(int, pulsaciones);
    QFETCH(int, porcentaje);
    escribir("historial.csv", {});
    for (int i = 0; i < pulsaciones; ++i) entrada::tecla(v.p, Qt::Key_Plus, Qt::ControlModifier, "+");
    QCOMPARE(v.hijo<QAction>("zoomActual")->text(), QString("Ampliación: %1 %").arg(porcentaje));
    QCOMPARE(v.hijo<QAction>("ampliar")->isEnabled(), porcentaje < 200);
    for (const char* menu : {"acercade", "ayuda", "laboratorio", "entrenador"}) v.hijo<QAction>(menu)->trigger();
    QVERIFY(abrirEjercicio());
    entrada::clic(de("Detalles"));
    const QRect libre = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* nombre : {"principal", "Ejerc", "acerca", "ayu", "lab", "detalles", "entrenador"}) {
        const QRect r = ventana(nombre)->frameGeometry();
        QVERIFY2(
            libre.contains(r),
            qPrintable(QString("%1: %2,%3 %4×%5").arg(nombre).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    }
    QWidget* pantalla = v.hijo("Pantalla");
    QVERIFY(!e->frameGeometry().intersects(QRect(pantalla->mapToGlobal(QPoint()), pantalla->size())));
    // Qt's own radio marks and letters grow too (menu items: see the languages' test).
    const auto* estilo = static_cast<const QProxyStyle*>(QApplication::style());
    QCOMPARE(estilo->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth),
             qRound(estilo->baseStyle()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) * porcentaje / 100.0));
    const double letra = QApplication::font().pointSizeF(); // of message boxes and file dialogs
    entrada::tecla(e, Qt::Key_0, Qt::ControlModifier, "0");
    QCOMPARE(letra, QApplication::font().pointSizeF() * porcentaje / 100);
}

// Run as a child process: an exam's desk. Types `nombre`, proposes and
// answers `veces` questions (the second one wrong), saying each as the
// window shows it, then asks for one more; stays until killed if told to.
static int examen(int veces, const QString& nombre, bool quedarse)
{
    Programa v;
    AvisosDePrueba avisos;
    VentanaEjercicios* e = abrirPuesto(v, avisos, nombre);
    if (!e) return 1;
    for (int i = 0; i < veces; ++i) {
        entrada::clic(control(e, "proponer"));
        const QString pregunta = control<QLabel>(e, "examen")->text().section('\n', 0, 0);
        const bool bien = !pregunta.startsWith("Pregunta 2/");
        QString respuesta = inicio::modeloEjercicio().numero();
        if (!bien) respuesta[3] = respuesta[3] == '0' ? '1' : '0';
        entrada::teclearEn(control(e, "proponer"), respuesta);
        entrada::clic(control(e, "aceptar"));
        std::printf("%s: %s\n", qPrintable(pregunta), bien ? "bien" : "mal");
        std::fflush(stdout);
    }
    entrada::clic(control(e, "proponer"));
    for (const QString& m : std::as_const(avisos.mensajes)) std::printf("%s\n", qPrintable(m));
    std::fflush(stdout);
    if (quedarse)
        for (;;) QTest::qWait(1000);
    entrada::cerrar(e);
    return 0;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 4 && std::strcmp(argv[1], "--examen") == 0)
        return examen(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]), std::strcmp(argv[4], "quedarse") == 0);
    if (argc > 3 && std::strcmp(argv[1], "--responder") == 0)
        return responder(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestEjercicio t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ejercicio.moc"
