#include "Ayudantes.h"
#include "exercise/Ejerc.h"
#include "forms/Controls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstring>
#include <set>

namespace {

const QString kPrompt = "Introduce tu nombre";
const QStringList kMenusCodigo{"VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"};

QByteArray linea(const QByteArray& nombre, const QByteArray& cuentas)
{
    return nombre.leftJustified(40, ' ') + cuentas + "\r\n";
}

QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

QString otroNumero(const QString& n)
{
    return QString::number((n.toInt(nullptr, 16) + 1) % 65536, 16).toUpper().rightJustified(4, '0');
}

} // namespace

class TestEjercicio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void abrirOcultaElNumero();
    void principalDeshabilitadoNoTomaNada();
    void agregarAlumno_data();
    void agregarAlumno();
    void nombreTalComoSeEscribe();
    void nombreConFocoNoCambiaRespuesta();
    void alumnoDeLaLista();
    void flechaDesdeNingunAlumno();
    void respuestas_data();
    void respuestas();
    void sinAlumnoNoCuenta();
    void porcentajeConSeparadorLocal();
    void reset_data();
    void reset();
    void codigoFijoYAleatorio();
    void deslizadorMandaAlPrincipal();
    void cerrarDevuelveLaVentanaYGuarda();
    void guardadoFallidoAvisaYCierra();
    void cerrarPrincipalGuardaEstadisticas();
    void mismaSecuenciaEnDosArranques();

private:
    bool abrirEjercicio();
    void escribirNombre(const QString& nombre, Qt::Key fin = Qt::Key_Return);
    void elegirDeLaLista(int indice);
    void contestar(const QString& respuesta);
    template <typename T = QWidget>
    T* de(const QString& nombre, int indice = -1) const { return control<T>(e, nombre, indice); }
    QString texto(const QString& nombre) const { return de<QLineEdit>(nombre)->text(); }
    QStringList cuentas() const { return {texto("total"), texto("mal"), texto("bien"), texto("tciento")}; }
    QStringList lista() const
    {
        QStringList r;
        for (int i = 0; i < de<QComboBox>("alumno")->count(); ++i) r << de<QComboBox>("alumno")->itemText(i);
        return r;
    }

    VentanaPrincipal v;
    AvisosDePrueba* avisos = nullptr;
    QTemporaryDir* dir = nullptr;
    Ejerc* e = nullptr;
    QString puntos;
};

void TestEjercicio::init()
{
    QLocale::setDefault(QLocale::c());
    dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(dir->path()));
    puntos = dir->filePath("puntos.pnt");
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestEjercicio::cleanup()
{
    v.cerrar();
    e = nullptr;
    delete avisos;
    delete dir;
}

bool TestEjercicio::abrirEjercicio()
{
    v.hijo<QAction>("prop")->trigger();
    e = ventana<Ejerc>("Ejerc");
    if (e) entrada::activar(e);
    return e;
}

// Tab into the name box (which selects what it shows), clear it, type, and
// end with Enter or Tab.
void TestEjercicio::escribirNombre(const QString& nombre, Qt::Key fin)
{
    entrada::enfocar(de("alumno"));
    entrada::teclear(e, QChar(0x7f) + nombre);
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
    entrada::clic(vista->viewport(), vista->visualRect(combo->model()->index(indice, 0)).center());
}

void TestEjercicio::contestar(const QString& respuesta)
{
    entrada::enfocar(de("solu"));
    entrada::teclear(e, respuesta);
    entrada::clic(de("aceptar"));
}

void TestEjercicio::abrirOcultaElNumero()
{
    QVERIFY(abrirEjercicio());
    QVERIFY(!v.p->isEnabled());
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), formatos::aPixeles(250));
    QVERIFY(QRegularExpression("^[0-9A-F]{4}$").match(v.p->numeroActual()).hasMatch());
    QVERIFY(de<QRadioButton>("tipo_cod", 4)->isChecked());
    QCOMPARE(de<QComboBox>("alumno")->currentText(), kPrompt);
    QCOMPARE(texto("número"), QString("0000"));
    // Random code: the clock and exactly one code.
    QVERIFY(v.hijo<QAction>("reloj")->isChecked());
    int codigos = 0;
    for (const QString& c : kMenusCodigo) codigos += v.hijo<QAction>(c)->isChecked();
    QCOMPARE(codigos, 1);
    // The verdict is covered by the answer frame.
    QVERIFY(de("respuesta")->isVisible());
    QVERIFY(de("respuesta")->geometry().contains(de("bienmal")->geometry()));
}

// While the exercise runs, the main window takes no keys, clicks or close
// requests: the student cannot set the number and then answer it.
void TestEjercicio::principalDeshabilitadoNoTomaNada()
{
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    const QString numero = v.p->numeroActual();
    QSignalSpy pintado(v.p, &Principal::pintado);
    entrada::activar(v.p);
    entrada::teclear(v.p, "1234");
    entrada::clic(v.hijo("etinrz"));
    entrada::clic(v.hijo("Reset"));
    QCOMPARE(v.p->numeroActual(), numero);
    QCOMPARE(pintado.count(), 0);
    QCOMPARE(avisos->beeps, 0);
    entrada::cerrar(v.p);
    QVERIFY(inicio::principal().cargado());
    QVERIFY(inicio::Ejerc().cargado());

    contestar("1234");
    QCOMPARE(de<QLabel>("bienmal")->text(), numero == "1234" ? QString("La respuesta es correcta")
                                                             : QString("La respuesta es incorrecta"));
    entrada::cerrar(e);
    QVERIFY(v.p->isEnabled());
    entrada::cerrar(v.p); // now it ends the program
    QVERIFY(!inicio::principal().cargado());
}

void TestEjercicio::agregarAlumno_data()
{
    QTest::addColumn<QStringList>("tecleados");
    QTest::addColumn<QStringList>("lista");
    const auto n = [](const QString& s) { return s.left(40).leftJustified(40); };
    QTest::newRow("new name") << QStringList{"Ana"} << QStringList{n("Ana")};
    QTest::newRow("prompt ignored") << QStringList{kPrompt} << QStringList{};
    QTest::newRow("duplicate added") << QStringList{"Ana", "Ana"} << QStringList{n("Ana"), n("Ana")};
    QTest::newRow("empty name") << QStringList{""} << QStringList{QString(40, ' ')};
    QTest::newRow("45 characters") << QStringList{QString(45, 'x')} << QStringList{QString(40, 'x')};
    QTest::newRow("leading space") << QStringList{" Eva"} << QStringList{n(" Eva")};
}

// Enter in the name box adds the student, shows the zero counts, and the
// focus leaves the box with the name shown from its first letter.
void TestEjercicio::agregarAlumno()
{
    QFETCH(QStringList, tecleados);
    QFETCH(QStringList, lista);
    QVERIFY(abrirEjercicio());
    for (const QString& t : tecleados) escribirNombre(t);
    QCOMPARE(this->lista(), lista);
    QCOMPARE(Ejerc::tabla().nombres, lista);
    auto* combo = de<QComboBox>("alumno");
    if (lista.isEmpty()) {
        QCOMPARE(combo->currentText(), kPrompt);
        return;
    }
    QCOMPARE(combo->currentIndex(), lista.size() - 1);
    QCOMPARE(QApplication::focusWidget(), de("NoVer"));
    QCOMPARE(cuentas(), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(de<QProgressBar>("estadis")->value(), 0);
    QCOMPARE(Ejerc::tabla().totales.last(), QString(" 0"));
    QCOMPARE(combo->lineEdit()->cursorPosition(), 0);
}

// The box adds what was typed, letter for letter: no completion from the
// list, no case folding.
void TestEjercicio::nombreTalComoSeEscribe()
{
    escribir(puntos, linea("Ana", " 1 1") + linea("pedro G\xf3mez", " 2 1"));
    QVERIFY(abrirEjercicio());
    escribirNombre("An", Qt::Key_Tab);
    escribirNombre("pedro");
    escribirNombre("ana");
    QCOMPARE(lista().mid(2), (QStringList{QString("An").leftJustified(40), QString("pedro").leftJustified(40),
                                          QString("ana").leftJustified(40)}));
    QCOMPARE(cuentas(), (QStringList{"0", "0", "0", "0"}));
}

void TestEjercicio::nombreConFocoNoCambiaRespuesta()
{
    QVERIFY(abrirEjercicio());
    entrada::enfocar(de("alumno"));
    entrada::teclear(e, "abc1");
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(avisos->beeps, 0);
    entrada::tecla(e, Qt::Key_Return, Qt::NoModifier, "\r");
    entrada::teclear(e, "abc1");
    QCOMPARE(texto("número"), QString("ABC1"));
}

// A student chosen from the list shows the counts of the file, the name
// from its first letter, and the list is wide enough for every name.
void TestEjercicio::alumnoDeLaLista()
{
    const QByteArray largo = "Mar\xed" "a de las Mercedes Fern\xe1" "ndez Olmo";
    escribir(puntos, linea("Luis", " 12 7") + linea("Pepe", " 2 9") + linea(largo, " 1 1"));
    QVERIFY(abrirEjercicio());
    auto* combo = de<QComboBox>("alumno");
    const QList<QStringList> esperado{{" 12", "5", " 7", "58.3333333333333", "58"},
                                      {" 2", "-7", " 9", "450", "100"}}; // hand-edited: bar clamped
    for (int i = 0; i < esperado.size(); ++i) {
        elegirDeLaLista(i);
        QCOMPARE(combo->currentIndex(), i);
        QCOMPARE(cuentas() << QString::number(de<QProgressBar>("estadis")->value()), esperado[i]);
        QCOMPARE(combo->lineEdit()->cursorPosition(), 0);
        QCOMPARE(QApplication::focusWidget(), de("NoVer"));
    }
    elegirDeLaLista(2);
    const int nombreLargo = combo->view()->fontMetrics().horizontalAdvance(QString::fromLatin1(largo));
    combo->showPopup();
    QVERIFY(combo->view()->viewport()->width() > nombreLargo);
    combo->hidePopup();
}

// Nothing is chosen when the window opens or after typing: Down then
// chooses the first student, not the second.
void TestEjercicio::flechaDesdeNingunAlumno()
{
    escribir(puntos, linea("Ana", " 5 3") + linea("Luis", " 12 7"));
    QVERIFY(abrirEjercicio());
    auto* combo = de<QComboBox>("alumno");
    QCOMPARE(combo->currentIndex(), -1);
    entrada::enfocar(combo);
    entrada::tecla(e, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(texto("total"), QString(" 5"));

    entrada::enfocar(combo);
    entrada::teclear(e, "x");
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString("x"));
    entrada::tecla(e, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(lista().size(), 2);
}

void TestEjercicio::respuestas_data()
{
    QTest::addColumn<bool>("acierta");
    QTest::addColumn<bool>("mira");
    QTest::addColumn<QString>("veredicto");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QStringList>("cuentas"); // total, mal, bien, tciento
    QTest::newRow("right") << true << false << "La respuesta es correcta" << QColor(0, 0, 255)
                           << QStringList{"1", "0", "1", "100"};
    QTest::newRow("wrong") << false << false << "La respuesta es incorrecta" << QColor(255, 0, 0)
                           << QStringList{"1", "1", "0", "0"};
    QTest::newRow("cheat, right") << true << true << "Trampa, trampa, miraste la solución" << QColor(0, 0, 255)
                                  << QStringList{"0", "0", "0", "0"};
    QTest::newRow("cheat, wrong") << false << true << "Trampa, trampa, miraste la solución" << QColor(255, 0, 0)
                                  << QStringList{"0", "0", "0", "0"};
}

void TestEjercicio::respuestas()
{
    QFETCH(bool, acierta);
    QFETCH(bool, mira);
    QFETCH(QString, veredicto);
    QFETCH(QColor, color);
    QFETCH(QStringList, cuentas);
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    if (mira) {
        entrada::clic(de("solu"));
        QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), formatos::aPixeles(975));
    }
    const QString numero = v.p->numeroActual();
    contestar("7" + (acierta ? numero : otroNumero(numero))); // the first digit scrolls out
    auto* bienmal = de<QLabel>("bienmal");
    QCOMPARE(bienmal->text(), veredicto);
    QCOMPARE(bienmal->palette().color(QPalette::WindowText), color);
    QCOMPARE(this->cuentas(), cuentas);
    QCOMPARE(de<QProgressBar>("estadis")->value(), cuentas[3].toInt());
    QVERIFY(!de("aceptar")->isVisible()); // no second answer to the same exercise
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), formatos::aPixeles(975));
    QCOMPARE(Ejerc::tabla().totales[0], cuentas[0]);

    // A new exercise covers the verdict and hides the number again.
    entrada::clic(de("proponer"));
    QVERIFY(de("respuesta")->isVisible());
    QCOMPARE(bienmal->text(), QString());
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), formatos::aPixeles(250));
}

void TestEjercicio::sinAlumnoNoCuenta()
{
    QVERIFY(abrirEjercicio());
    contestar(v.p->numeroActual());
    QCOMPARE(avisos->mensajes, QStringList{"Has de introducir un alumno o elegir uno de la lista"});
    QCOMPARE(avisos->ultimoIcono, forms::Avisos::Icono::Critico);
    QVERIFY(de("respuesta")->isVisible());
    QCOMPARE(texto("total"), QString("0"));
}

// The percentage has the user's decimal comma and shows from its first digit.
void TestEjercicio::porcentajeConSeparadorLocal()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    for (bool acierta : {true, false, false}) {
        const QString n = v.p->numeroActual();
        contestar(acierta ? n : otroNumero(n));
        entrada::clic(de("proponer"));
    }
    QCOMPARE(texto("tciento"), QString("33,3333333333333"));
    QCOMPARE(de<QLineEdit>("tciento")->cursorPosition(), 0);
    QCOMPARE(de<QProgressBar>("estadis")->value(), 33);
}

void TestEjercicio::reset_data()
{
    QTest::addColumn<bool>("conAlumno");
    QTest::addColumn<bool>("si");
    QTest::newRow("yes, student") << true << true;
    QTest::newRow("no, student") << true << false;
    QTest::newRow("yes, nobody") << false << true;
}

void TestEjercicio::reset()
{
    QFETCH(bool, conAlumno);
    QFETCH(bool, si);
    escribir(puntos, linea("Ana", " 5 3"));
    QVERIFY(abrirEjercicio());
    elegirDeLaLista(0);
    if (!conAlumno) { // edited: nobody selected
        entrada::enfocar(de("alumno"));
        entrada::teclear(e, "x");
    }
    avisos->respuestas = {si ? forms::Avisos::Respuesta::Si : forms::Avisos::Respuesta::No};
    entrada::clic(de("Reset"));
    QCOMPARE(avisos->mensajes, QStringList{"Esta acción borrará tus estadísticas. ¿Deseas continuar?"});
    QCOMPARE(avisos->ultimosBotones, forms::Avisos::Botones::SiNo);
    QCOMPARE(texto("total"), si ? QString("0") : QString(" 5"));
    QCOMPARE(Ejerc::tabla().totales[0], si && conAlumno ? QString("0") : QString(" 5"));
    QCOMPARE(Ejerc::tabla().aciertos[0], si && conAlumno ? QString("0") : QString(" 3"));
}

// A fixed code keeps its trace from proposal to proposal; "Aleatorio"
// shows the clock and one code, drawn afresh each time.
void TestEjercicio::codigoFijoYAleatorio()
{
    QVERIFY(abrirEjercicio());
    std::set<QString> vistos;
    for (int i = 0; i < 30; ++i) {
        if (i == 0 || i == 5) entrada::clic(de("tipo_cod", i == 0 ? 2 : 4), QPoint(5, 5));
        entrada::clic(de("proponer"));
        QStringList marcados;
        for (const QString& c : kMenusCodigo)
            if (v.hijo<QAction>(c)->isChecked()) marcados << c;
        QVERIFY(v.hijo<QAction>("reloj")->isChecked());
        QCOMPARE(marcados.size(), 1);
        if (i < 5) QCOMPARE(marcados[0], QString("VisuAmi"));
        else vistos.insert(marcados[0]);
    }
    QCOMPARE(int(vistos.size()), 4);
}

void TestEjercicio::deslizadorMandaAlPrincipal()
{
    QVERIFY(abrirEjercicio());
    QCOMPARE(de<forms::Slider>("periodo")->value(), 6);
    entrada::enfocar(de("periodo"));
    entrada::tecla(e, Qt::Key_End);
    QCOMPARE(v.hijo<forms::Slider>("periodo")->value(), 10);
    QCOMPARE(v.p->semiperiodo(), 400);
}

void TestEjercicio::cerrarDevuelveLaVentanaYGuarda()
{
    QVERIFY(!QFile::exists(puntos));
    QVERIFY(abrirEjercicio());
    escribirNombre("XYZ");
    contestar(v.p->numeroActual());
    for (int i = 0; i < 3; ++i) {
        entrada::clic(de("proponer"));
        contestar(i == 0 ? "G" : otroNumero(v.p->numeroActual()));
    }
    entrada::clic(de("proponer"));
    entrada::clic(de("solu"));
    contestar(v.p->numeroActual());
    entrada::cerrar(e);
    QVERIFY(v.p->isEnabled());
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), formatos::aPixeles(975));
    for (const char* c : {"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"}) QVERIFY(v.hijo<QAction>(c)->isChecked());
    // Four counted answers, one right; the one after the solution counts nothing.
    QCOMPARE(leer(puntos), linea("XYZ", " 4 1"));

    // Reopening reads the file again.
    QVERIFY(abrirEjercicio());
    elegirDeLaLista(0);
    QCOMPARE(texto("tciento"), QString("25"));
}

void TestEjercicio::guardadoFallidoAvisaYCierra()
{
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    QVERIFY(QDir(dir->path()).mkdir("puntos.pnt")); // the file cannot be written now
    e->close();
    QCOMPARE(avisos->mensajes.size(), 1);
    QVERIFY(avisos->mensajes[0].startsWith("No se pudieron guardar las estadísticas en"));
    QVERIFY(avisos->mensajes[0].contains("puntos.pnt"));
    QVERIFY(v.p->isEnabled());
    QVERIFY(!inicio::Ejerc().cargado());
}

// The program closing its main window (at the end of a session, say) still
// closes the exercise window, which saves.
void TestEjercicio::cerrarPrincipalGuardaEstadisticas()
{
    QVERIFY(abrirEjercicio());
    escribirNombre("Ana");
    contestar(v.p->numeroActual());
    v.cerrar();
    QVERIFY(!inicio::Ejerc().cargado());
    QCOMPARE(leer(puntos), linea("Ana", " 1 1"));
}

// Run as a child process: open the program, propose ten exercises and print
// the numbers and codes, so that two fresh starts can be compared.
static int imprimirSecuencia()
{
    VentanaPrincipal v;
    if (!v.abrir()) return 1;
    v.hijo<QAction>("prop")->trigger();
    Ejerc* e = ventana<Ejerc>("Ejerc");
    for (int i = 0; i < 10; ++i) {
        QStringList marcados;
        for (const QString& c : kMenusCodigo)
            if (v.hijo<QAction>(c)->isChecked()) marcados << c;
        printf("%s %s\n", qPrintable(v.p->numeroActual()), qPrintable(marcados.join(',')));
        entrada::clic(control(e, "proponer"));
    }
    return 0;
}

void TestEjercicio::mismaSecuenciaEnDosArranques()
{
    QStringList salidas;
    for (int i = 0; i < 2; ++i) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {"--imprimir-secuencia"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        salidas << QString::fromLatin1(p.readAllStandardOutput());
    }
    QCOMPARE(salidas[0].count('\n'), 10);
    QCOMPARE(salidas[0], salidas[1]);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--imprimir-secuencia") == 0) {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        return imprimirSecuencia();
    }
    TestEjercicio t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ejercicio.moc"
