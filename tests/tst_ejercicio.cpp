#include "Ayudantes.h"
#include "exercise/Ejerc.h"
#include "forms/Controls.h"

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
#include <QTemporaryDir>

#include <cstring>
#include <set>

namespace {

const QString kPrompt = "Introduce tu nombre";
const QStringList kCodigos{"VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"};

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

} // namespace

class TestEjercicio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void abrirOcultaElNumero();
    void agregarAlumno_data();
    void agregarAlumno();
    void nombreConFocoNoCambiaRespuesta();
    void respuestas_data();
    void respuestas();
    void sinAlumnoNoCuenta();
    void porcentajeConSeparadorLocal();
    void alumnoDelArchivo();
    void reset_data();
    void reset();
    void codigoFijoYAleatorio();
    void deslizadorMandaAlPrincipal();
    void cerrarDevuelveLaVentanaYGuarda();
    void guardadoFallidoAvisaYCierra();
    void cerrarPrincipalGuardaEstadisticas();
    void mismaSecuenciaEnDosArranques();

private:
    Ejerc* abrirEjercicio();
    void elegirAlumno(const QString& nombre);
    void contestar(const QString& respuesta);
    template <typename T = QWidget>
    T* de(const QString& nombre, int indice = -1) const
    {
        for (T* w : e->findChildren<T*>(nombre))
            if (indice < 0 || w->property("index").toInt() == indice) return w;
        qFatal("no control %s", qPrintable(nombre));
    }
    QString texto(const QString& nombre) const { return de<QLineEdit>(nombre)->text(); }

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

Ejerc* TestEjercicio::abrirEjercicio()
{
    v.hijo<QAction>("prop")->trigger();
    e = ventana<Ejerc>("Ejerc");
    return e;
}

void TestEjercicio::elegirAlumno(const QString& nombre)
{
    auto* combo = de<QComboBox>("alumno");
    QApplication::setActiveWindow(e);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), nombre);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
}

void TestEjercicio::contestar(const QString& respuesta)
{
    QWidget* foco = de("solu");
    QApplication::setActiveWindow(e);
    foco->setFocus();
    QTest::keyClicks(foco, respuesta);
    QTest::mouseClick(de("aceptar"), Qt::LeftButton);
}

void TestEjercicio::abrirOcultaElNumero()
{
    QVERIFY(abrirEjercicio());
    QVERIFY(!v.p->isEnabled());
    QCOMPARE(e->windowTitle(), QString("Ejercicios"));
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(250));
    QVERIFY(QRegularExpression("^[0-9A-F]{4}$").match(v.p->numeroActual()).hasMatch());
    QVERIFY(de<QRadioButton>("tipo_cod", 4)->isChecked());
    for (int i = 0; i < 4; ++i) QVERIFY(!de<QRadioButton>("tipo_cod", i)->isChecked());
    QCOMPARE(de<QComboBox>("alumno")->currentText(), kPrompt);
    QCOMPARE(de<QComboBox>("alumno")->count(), 0);
    for (const char* c : {"total", "bien", "mal", "tciento"}) QCOMPARE(texto(c), QString("0"));
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(de<QGroupBox>("Frame1")->title(), QString("Código a  ejercitar"));
    // Random code: the clock and exactly one code.
    QVERIFY(v.hijo<QAction>("reloj")->isChecked());
    int codigos = 0;
    for (const QString& c : kCodigos) codigos += v.hijo<QAction>(c)->isChecked();
    QCOMPARE(codigos, 1);
    // The verdict is covered by the answer frame.
    QVERIFY(de("respuesta")->isVisible());
    QVERIFY(de("respuesta")->geometry().contains(de("bienmal")->geometry()));
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

void TestEjercicio::agregarAlumno()
{
    QFETCH(QStringList, tecleados);
    QFETCH(QStringList, lista);
    QVERIFY(abrirEjercicio());
    for (const QString& t : tecleados) elegirAlumno(t);
    auto* combo = de<QComboBox>("alumno");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, lista);
    QCOMPARE(Ejerc::tabla().nombres, lista);
    if (!lista.isEmpty()) {
        QCOMPARE(QApplication::focusWidget(), de("NoVer"));
        for (const char* c : {"total", "bien", "mal", "tciento"}) QCOMPARE(texto(c), QString("0"));
        QCOMPARE(de<QProgressBar>("estadis")->value(), 0);
        QCOMPARE(Ejerc::tabla().totales.last(), QString(" 0"));
    } else {
        QCOMPARE(combo->currentText(), kPrompt);
    }
}

void TestEjercicio::nombreConFocoNoCambiaRespuesta()
{
    QVERIFY(abrirEjercicio());
    auto* combo = de<QComboBox>("alumno");
    QApplication::setActiveWindow(e);
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), "abc1");
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(avisos->beeps, 0);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "abc1");
    QCOMPARE(texto("número"), QString("ABC1"));
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
    elegirAlumno("Ana");
    if (mira) {
        QTest::mouseClick(de("solu"), Qt::LeftButton);
        QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(975));
    }
    const QString numero = v.p->numeroActual();
    const QString otro = QString::number((numero.toInt(nullptr, 16) + 1) % 65536, 16).toUpper().rightJustified(4, '0');
    contestar("7" + (acierta ? numero : otro)); // the first digit scrolls out
    auto* bienmal = de<QLabel>("bienmal");
    QCOMPARE(bienmal->text(), veredicto);
    QCOMPARE(bienmal->palette().color(QPalette::WindowText), color);
    QCOMPARE((QStringList{texto("total"), texto("mal"), texto("bien"), texto("tciento")}), cuentas);
    QCOMPARE(de<QProgressBar>("estadis")->value(), cuentas[3].toInt());
    QVERIFY(!de("respuesta")->isVisible());
    QVERIFY(!de("aceptar")->isVisible()); // no second answer to the same exercise
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(975));
    QCOMPARE(Ejerc::tabla().totales[0], cuentas[0]);

    // A new exercise covers the verdict and hides the number again.
    QTest::mouseClick(de("proponer"), Qt::LeftButton);
    QVERIFY(de("respuesta")->isVisible());
    QCOMPARE(bienmal->text(), QString());
    QCOMPARE(texto("número"), QString("0000"));
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(250));
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

void TestEjercicio::porcentajeConSeparadorLocal()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QVERIFY(abrirEjercicio());
    elegirAlumno("Ana");
    for (bool acierta : {true, true, false}) {
        const QString n = v.p->numeroActual();
        contestar(acierta ? n : QString(n).replace(3, 1, n[3] == '0' ? "1" : "0"));
        QTest::mouseClick(de("proponer"), Qt::LeftButton);
    }
    QCOMPARE(texto("tciento"), QString("66,6666666666667"));
    QCOMPARE(de<QProgressBar>("estadis")->value(), 67);
}

void TestEjercicio::alumnoDelArchivo()
{
    escribir(puntos, linea("Ana", " 5 3") + linea("Luis", " 12 7") + linea("Eva", " 0 0") + linea("Pepe", " 2 9"));
    QVERIFY(abrirEjercicio());
    auto* combo = de<QComboBox>("alumno");
    QCOMPARE(combo->count(), 4);
    const QList<QStringList> esperado{{" 5", "2", " 3", "60", "60"},
                                      {" 12", "5", " 7", "58.3333333333333", "58"},
                                      {" 0", "0", " 0", "0", "0"},
                                      {" 2", "-7", " 9", "450", "100"}}; // hand-edited: bar clamped
    for (int i = 0; i < 4; ++i) {
        combo->setCurrentIndex(i);
        emit combo->activated(i);
        QCOMPARE((QStringList{texto("total"), texto("mal"), texto("bien"), texto("tciento"),
                              QString::number(de<QProgressBar>("estadis")->value())}),
                 esperado[i]);
    }
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
    auto* combo = de<QComboBox>("alumno");
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    if (!conAlumno) QTest::keyClicks(combo->lineEdit(), "x"); // edited: nobody selected
    avisos->respuestas = {si ? forms::Avisos::Respuesta::Si : forms::Avisos::Respuesta::No};
    QTest::mouseClick(de("Reset", -1), Qt::LeftButton);
    QCOMPARE(avisos->mensajes, QStringList{"Esta acción borrará tus estadísticas. ¿Deseas continuar?"});
    QCOMPARE(avisos->ultimosBotones, forms::Avisos::Botones::SiNo);
    QCOMPARE(avisos->ultimoIcono, forms::Avisos::Icono::Ninguno);
    QCOMPARE(texto("total"), si ? QString("0") : QString(" 5"));
    QCOMPARE(Ejerc::tabla().totales[0], si && conAlumno ? QString("0") : QString(" 5"));
    QCOMPARE(Ejerc::tabla().aciertos[0], si && conAlumno ? QString("0") : QString(" 3"));
}

void TestEjercicio::codigoFijoYAleatorio()
{
    QVERIFY(abrirEjercicio());
    QTest::mouseClick(de("tipo_cod", 2), Qt::LeftButton, {}, QPoint(5, 5));
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(de("proponer"), Qt::LeftButton);
        QVERIFY(v.hijo<QAction>("VisuAmi")->isChecked());
        QVERIFY(v.hijo<QAction>("reloj")->isChecked());
        for (const char* c : {"VisuNrz", "VisuRz", "VisuHdb"}) QVERIFY(!v.hijo<QAction>(c)->isChecked());
    }
    QTest::mouseClick(de("tipo_cod", 4), Qt::LeftButton, {}, QPoint(5, 5));
    std::set<QString> vistos;
    for (int i = 0; i < 30; ++i) {
        QTest::mouseClick(de("proponer"), Qt::LeftButton);
        QStringList marcados;
        for (const QString& c : kCodigos)
            if (v.hijo<QAction>(c)->isChecked()) marcados << c;
        QCOMPARE(marcados.size(), 1);
        vistos.insert(marcados[0]);
    }
    QCOMPARE(int(vistos.size()), 4);
}

void TestEjercicio::deslizadorMandaAlPrincipal()
{
    QVERIFY(abrirEjercicio());
    auto* s = de<forms::Slider>("periodo");
    QCOMPARE(s->value(), 6);
    s->setFocus();
    QTest::keyClick(s, Qt::Key_End);
    QCOMPARE(v.hijo<forms::Slider>("periodo")->value(), 10);
    QCOMPARE(v.p->semiperiodo(), 400);
}

void TestEjercicio::cerrarDevuelveLaVentanaYGuarda()
{
    QVERIFY(!QFile::exists(puntos));
    QVERIFY(abrirEjercicio());
    elegirAlumno("XYZ");
    contestar(v.p->numeroActual());
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(de("proponer"), Qt::LeftButton);
        contestar(i == 0 ? "G" : QString(v.p->numeroActual()).replace(0, 1, v.p->numeroActual()[0] == 'F' ? "0" : "F"));
    }
    QTest::mouseClick(de("proponer"), Qt::LeftButton);
    QTest::mouseClick(de("solu"), Qt::LeftButton);
    contestar(v.p->numeroActual());
    e->close();
    QVERIFY(v.p->isEnabled());
    QCOMPARE(v.hijo<QGroupBox>("Num_persiana")->height(), forms::aPixeles(975));
    for (const char* c : {"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"}) QVERIFY(v.hijo<QAction>(c)->isChecked());
    // Four counted answers, one right; the one after the solution counts nothing.
    QCOMPARE(leer(puntos), linea("XYZ", " 4 1"));

    // Reopening reads the file again.
    QVERIFY(abrirEjercicio());
    QCOMPARE(de<QComboBox>("alumno")->count(), 1);
    emit de<QComboBox>("alumno")->activated(0);
    QCOMPARE(texto("tciento"), QString("25"));
}

void TestEjercicio::guardadoFallidoAvisaYCierra()
{
    QVERIFY(abrirEjercicio());
    elegirAlumno("Ana");
    QVERIFY(QDir(dir->path()).mkdir("puntos.pnt")); // the file cannot be written now
    e->close();
    QCOMPARE(avisos->mensajes.size(), 1);
    QVERIFY(avisos->mensajes[0].startsWith("No se pudieron guardar las estadísticas en"));
    QVERIFY(avisos->mensajes[0].contains("puntos.pnt"));
    QVERIFY(v.p->isEnabled());
    QVERIFY(!inicio::Ejerc().cargado());
}

void TestEjercicio::cerrarPrincipalGuardaEstadisticas()
{
    QVERIFY(abrirEjercicio());
    elegirAlumno("Ana");
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
        for (const QString& c : kCodigos)
            if (v.hijo<QAction>(c)->isChecked()) marcados << c;
        printf("%s %s\n", qPrintable(v.p->numeroActual()), qPrintable(marcados.join(',')));
        QMetaObject::invokeMethod(e->findChild<QPushButton*>("proponer"), "click");
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
    QVERIFY(salidas[0].split('\n').toVector().size() > 1);
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
