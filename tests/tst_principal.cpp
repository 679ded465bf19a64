// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the about window, driven as a user drives them.

#include "ayuda/VentanaAcerca.h"
#include "ayuda/VentanaAyuda.h"
#include "Ayudantes.h"
#include "Filas.h"
#include "formularios/AreaDibujo.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstring>

using ayuda::VentanaAcerca;

namespace {

const QStringList kEtiquetas{"eticlk", "etinrz", "etirz", "etiami", "etihdb"};
const QStringList kMenus{"reloj", "VisuNrz", "VisuRz", "VisuAmi", "VisuHdb"};
const QList<QColor> kColores{QColor(0, 255, 255), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                             QColor(255, 128, 0)};
const QColor kGris(128, 128, 128);

QColor colorDe(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

QString binarioDe(const QString& numero)
{
    return QString::number(numero.toInt(nullptr, 16), 2).rightJustified(16, '0');
}

} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void alAbrir();
    void disposicion();
    void teclas_data();
    void teclas();
    void teclasRechazadas_data();
    void teclasRechazadas();
    void menuYEtiquetaCoinciden_data();
    void menuYEtiquetaCoinciden();
    void dobleClicEnEtiquetaAlternaUnaVez();
    void ocultarYVerTodos();
    void deslizador_data();
    void deslizador();
    void guardarYCopiarImagen();
    void zoom();
    void loQueGuardaElArranque();
    void escCierra_data();
    void escCierra();
    void preguntaQueBorraEmpiezaEnNo_data();
    void preguntaQueBorraEmpiezaEnNo();
    void acercaDeYCierre();

private:
    template <typename T = QWidget>
    T* hijo(const QString& nombre) const
    {
        return v.hijo<T>(nombre);
    }
    QString numero() const { return hijo<QLineEdit>("número")->text(); }
    QImage imagen() const { return hijo<formularios::AreaDibujo>("Pantalla")->lienzo().imagen(); }

    Programa v;
    AvisosDePrueba* avisos = nullptr;
};

void TestPrincipal::init()
{
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestPrincipal::cleanup()
{
    formularios::Zoom::actual().normal();
    v.cerrar();
    delete avisos;
}

// At start: 0000, all traces drawn at T = 240, the focus
// on the drawing area, a window of fixed size; the start-up timer has
// fired and stopped, and an exposure redraws.
void TestPrincipal::alAbrir()
{
    QCOMPARE(numero(), QString("0000"));
    QCOMPARE(inicio::modeloEjercicio().estadoPantalla().semiperiodo, 240);
    QCOMPARE(QApplication::focusWidget(), hijo("Pantalla"));
    QCOMPARE(v.p->minimumSize(), v.p->maximumSize());
    // Redrawn again with the same number, the texts still show their start.
    v.p->actualizarPantalla();
    QCOMPARE(hijo<QLineEdit>("Text1")->cursorPosition(), 0);
    QCOMPARE(hijo<QLineEdit>("binario")->cursorPosition(), 0);
    const QImage img = imagen(); // the first grid line one bit in, the clock's top
    QCOMPARE(img.pixelColor(32, 100), QColor(0, 0, 192));
    QCOMPARE(img.pixelColor(5, 0), QColor(128, 255, 255));
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    QTest::qWait(300);
    QCOMPARE(pintado.count(), 0);
    hijo("Pantalla")->repaint();
    QCOMPARE(pintado.count(), 1);
    // The focus shows on the drawing's border, never over its traces.
    auto* pantalla = hijo("Pantalla");
    const QImage visto = pantalla->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(visto.copy(pantalla->contentsRect()), img.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(visto.pixelColor(0, 0), pantalla->palette().color(QPalette::Highlight));
}

// Labels stand beside their traces inside the strip's border, right-aligned
// (that no caption is cut, the languages' test checks); the number frame covers the question at full
// height and uncovers it cut down, hiding its own controls.
void TestPrincipal::disposicion()
{
    const int borde = hijo("Picture1")->contentsRect().top();
    for (int i = 0; i < kEtiquetas.size(); ++i) {
        auto* l = hijo<QLabel>(kEtiquetas[i]);
        QCOMPARE(l->y() - borde, formatos::aPixeles(100 + 500 * i));
        QVERIFY(l->alignment() & Qt::AlignRight);
    }

    auto* pregunta = hijo<QLabel>("Label4");
    auto* marco = hijo<QGroupBox>("Num_persiana");
    const QPoint centro = pregunta->geometry().center();
    QVERIFY(pregunta->parentWidget()->childAt(centro) != pregunta);
    QVERIFY(!pregunta->isVisible()); // nor read out by a screen reader
    inicio::modeloEjercicio().proponer();
    QCOMPARE(pregunta->parentWidget()->childAt(centro), pregunta);
    for (const char* oculto : {"número", "binario", "Text1", "Reset", "Label1", "Label2", "Label3"})
        QVERIFY2(hijo(oculto)->y() >= marco->height(), oculto);
}

void TestPrincipal::teclas_data()
{
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("numero");
    fila("shift register", "Pantalla", "12345", "2345");
    fila("letters, either case", "Pantalla", "abcdEF", "CDEF");
    fila("focus on slider", "periodo", "9f", "009F");
    fila("focus on binario", "binario", "c3", "00C3");
    fila("focus on Reset", "Reset", "8421", "8421");
}

// Wherever the focus is, each digit is taken once and redraws once, and the
// texts follow the number.
void TestPrincipal::teclas()
{
    QFETCH(QString, foco);
    QFETCH(QString, tecleado);
    QFETCH(QString, numero);
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    v.teclear(foco, tecleado);
    QCOMPARE(this->numero(), numero);
    QCOMPARE(pintado.count(), tecleado.size());
    QCOMPARE(avisos->pitidos, 0);
    QCOMPARE(hijo<QLineEdit>("binario")->text(), binarioDe(numero));
    QCOMPARE(hijo<QLineEdit>("binario")->cursorPosition(), 0);
    entrada::clic(hijo("Reset"));
    QCOMPARE(this->numero(), QString("0000"));
    QCOMPARE(pintado.count(), tecleado.size() + 1);
}

void TestPrincipal::teclasRechazadas_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("texto"); // as an X server gives it
    QTest::addColumn<int>("pitidos");
    for (const char* t : {"/", ":", "@", "G", "`", "g", " ", "\u00e9", "\r", "\b", "\x1b"}) {
        const QString c = QString::fromUtf8(t);
        QTest::addRow("%d", c.at(0).unicode()) << int(entrada::teclaDe(c.at(0))) << 0 << c << 1;
    }
    // Keys that carry no character on a desktop do not beep either.
    fila("Alt+5", int(Qt::Key_5), int(Qt::AltModifier), "5", 0);
    fila("Super+a", int(Qt::Key_A), int(Qt::MetaModifier), "a", 0);
    fila("Delete", int(Qt::Key_Delete), 0, "\x7f", 0);
    fila("Right arrow", int(Qt::Key_Right), 0, "", 0);
    fila("Tab", int(Qt::Key_Tab), 0, "\t", 0);
    fila("Shift+Tab", int(Qt::Key_Backtab), int(Qt::ShiftModifier), "\t", 0);
}

// The neighbours of the accepted ranges and other characters beep once;
// nothing leaves the number or the picture changed.
void TestPrincipal::teclasRechazadas()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, texto);
    QFETCH(int, pitidos);
    v.teclear("Pantalla", "5a");
    const QImage antes = imagen();
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    entrada::tecla(v.p, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores), texto);
    QCOMPARE(avisos->pitidos, pitidos);
    QCOMPARE(numero(), QString("005A"));
    QCOMPARE(pintado.count(), 0);
    QCOMPARE(imagen(), antes);
}

void TestPrincipal::menuYEtiquetaCoinciden_data()
{
    QTest::addColumn<int>("traza");
    QTest::addColumn<QString>("como"); // from the menu, a click on the label, or a key on it
    QTest::addColumn<int>("fila");     // a pixel row on the trace for 0000
    const QList<int> filas{13, 46, 80, 113, 146};
    for (int i = 0; i < 5; ++i)
        for (const char* como : {"menu", "clic", "espacio", "enter"})
            QTest::addRow("%s %s", qPrintable(kEtiquetas[i]), como) << i << QString(como) << filas[i];
}

// Choosing a trace from its menu, clicking its label or pressing Space or
// Enter on it hides it (check mark, grey label, gone from the picture), and
// the second time shows it again.
void TestPrincipal::menuYEtiquetaCoinciden()
{
    QFETCH(int, traza);
    QFETCH(QString, como);
    QFETCH(int, fila);
    auto* item = hijo<QAction>(kMenus[traza]);
    auto* etiqueta = hijo<QLabel>(kEtiquetas[traza]);
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    const QPoint muestra(20, fila); // between grid lines
    for (bool visible : {false, true}) {
        if (como == "clic") {
            entrada::clic(etiqueta);
        } else if (como == "menu") {
            item->trigger();
        } else {
            entrada::enfocar(etiqueta);
            if (como == "espacio")
                entrada::tecla(v.p, Qt::Key_Space, Qt::NoModifier, " ");
            else
                entrada::tecla(v.p, Qt::Key_Return, Qt::NoModifier, "\r");
        }
        QCOMPARE(item->isChecked(), visible);
        QCOMPARE(colorDe(etiqueta), visible ? kColores[traza] : kGris);
        QCOMPARE(imagen().pixelColor(muestra) != QColor(Qt::black), visible);
    }
    QCOMPARE(pintado.count(), 2);
}

void TestPrincipal::dobleClicEnEtiquetaAlternaUnaVez()
{
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    entrada::dobleClic(hijo("etiami"));
    QVERIFY(!hijo<QAction>("VisuAmi")->isChecked());
    QCOMPARE(pintado.count(), 1);
}

// "Ocultar todos" sets, it does not toggle; each of the two redraws once.
// The HDB3 text is the number's, whether or not its trace is shown.
void TestPrincipal::ocultarYVerTodos()
{
    hijo<QAction>("VisuRz")->trigger();
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    for (bool ver : {false, true}) {
        hijo<QAction>(ver ? "todos" : "ocultar")->trigger();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(hijo<QAction>(kMenus[i])->isChecked(), ver);
            QCOMPARE(colorDe(hijo<QLabel>(kEtiquetas[i])), ver ? kColores[i] : kGris);
        }
        if (!ver) v.teclear("Pantalla", "FFFF");
        QCOMPARE(hijo<QLineEdit>("Text1")->text(), QString(128, '1'));
        QCOMPARE(hijo("Pantalla")->accessibleDescription(),
                 QString("Forma de onda de 16 bits: ") +
                     (ver ? "reloj, NRZ, RZ, AMI y HDB3" : "ninguna señal a la vista"));
    }
    QCOMPARE(pintado.count(), 6);
}

void TestPrincipal::deslizador_data()
{
    QTest::addColumn<QList<int>>("teclas");
    QTest::addColumn<int>("valor");
    fila("right", QList<int>{Qt::Key_Right}, 7);
    fila("page up from 1", QList<int>{Qt::Key_Home, Qt::Key_PageUp}, 6);
    fila("past the top", QList<int>{Qt::Key_End, Qt::Key_Right}, 10);
    fila("past the bottom", QList<int>{Qt::Key_Home, Qt::Key_Left}, 1);
}

// Every user move redraws once at the new period, even one that leaves the
// slider where it was; a value set by the program redraws nothing.
void TestPrincipal::deslizador()
{
    QFETCH(QList<int>, teclas);
    QFETCH(int, valor);
    auto* s = hijo<formularios::Deslizador>("periodo");
    entrada::enfocar(s);
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    for (int t : teclas) entrada::tecla(v.p, Qt::Key(t));
    QCOMPARE(s->value(), valor);
    QCOMPARE(inicio::modeloEjercicio().estadoPantalla().semiperiodo, valor * 40);
    QCOMPARE(pintado.count(), teclas.size());
    QCOMPARE(imagen().pixelColor(2 * valor * 40 / 15, 100), QColor(0, 0, 192));
    s->setValue(3);
    QCOMPARE(pintado.count(), teclas.size());
    QCOMPARE(inicio::modeloEjercicio().estadoPantalla().semiperiodo, valor * 40);
}

void TestPrincipal::guardarYCopiarImagen()
{
    QTemporaryDir dir;
    v.teclear("Pantalla", "8421");
    const QString png = dir.filePath("ondas.png"), svg = dir.filePath("ondas.svg");
    avisos->ficheros = {png, svg};
    v.p->guardarImagen();
    v.p->guardarImagen();
    QVERIFY(avisos->mensajes.isEmpty());
    QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32), imagen());
    QCOMPARE(avisos->carpetasOfrecidas.value(1), dir.path()); // where the last one went
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    QVERIFY(xml.contains("viewBox=\"0 0 8715 2475\""));
    for (const char* color : {"#ff0000", "#ffff00", "#00ff00", "#ff8000", "#80ffff", "#0000c0", "#c0c0ff"})
        QVERIFY2(xml.contains(color), color);
    v.p->copiarImagen();
    QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), imagen());

    // A folder that is not there: a Spanish message naming the file, no file.
    avisos->ficheros = {dir.filePath("no/existe/ondas.png")};
    v.p->guardarImagen();
    QCOMPARE(avisos->mensajes.size(), 1);
    QVERIFY(avisos->mensajes[0].startsWith("No se pudo guardar la imagen en"));
    QVERIFY(avisos->mensajes[0].contains("ondas.png"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);
}

// The projector zoom scales the whole window and its drawing, draws the
// traces two device pixels wide from 200 %, is remembered, and Ctrl+0 gives
// back exactly the window of 100 %. The about window's picture follows.
void TestPrincipal::zoom()
{
    const QImage antes = imagen();
    const QSize cliente = v.p->centralWidget()->size();
    const auto atajo = [this](Qt::Key k, const char* texto) { entrada::tecla(v.p, k, Qt::ControlModifier, texto); };
    atajo(Qt::Key_Plus, "+");
    atajo(Qt::Key_Plus, "+"); // 150 %
    QCOMPARE(v.p->centralWidget()->size(), QSize(957, 353));
    QCOMPARE(hijo("etihdb")->y() - hijo("Picture1")->contentsRect().top(), 2100 * 3 / 2 / 15);
    QCOMPARE(hijo<QLineEdit>("número")->font().pixelSize(), qRound(14.25 * 96 / 72 * 1.5));
    QCOMPARE(QSettings("Tramavox", "Tramavox").value("ventanas/zoom").toDouble(), 1.5);
    atajo(Qt::Key_Plus, "+"); // 200 %: the first grid line, 480 twips in, is 64 and 65
    const QImage doble = imagen();
    QCOMPARE(doble.width(), 2 * 585 - 2 * 4);
    for (int x : {63, 64, 65, 66})
        QCOMPARE(doble.pixelColor(x, 200), x == 64 || x == 65 ? QColor(0, 0, 192) : QColor(Qt::black));
    hijo<QAction>("acercade")->trigger();
    QCOMPARE(control<QLabel>(ventana("acerca"), "imagenAcerca")->pixmap().size(), QSize(400, 232));
    entrada::activar(v.p);
    atajo(Qt::Key_0, "0");
    QCOMPARE(v.p->centralWidget()->size(), cliente);
    QCOMPARE(imagen(), antes);
    QCOMPARE(control<QLabel>(ventana("acerca"), "imagenAcerca")->pixmap().size(), QSize(200, 116));
    QCOMPARE(avisos->pitidos, 0);
}

// What a fresh start of the program reads from its settings: the zoom it
// opens with, whether its main window fits the screen, and the first three
// exercises it proposes. It starts on the
// projector's screen, or on a teacher's larger one.
QStringList otroArranque(QSettings& ajustes, const QString& clave, const QVariant& valor, bool monitor = false)
{
    if (valor.isValid())
        ajustes.setValue(clave, valor);
    else
        ajustes.remove(clave);
    ajustes.sync();
    QTemporaryDir carpeta;
    QProcess arranque;
    arranque.setWorkingDirectory(carpeta.path());
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    if (monitor) entorno.insert("QT_QPA_PLATFORM", entorno.value("QT_QPA_PLATFORM").replace("proyector", "monitor"));
    arranque.setProcessEnvironment(entorno);
    arranque.start(QCoreApplication::applicationFilePath(), {"--arranque"});
    return arranque.waitForFinished(30000) ? QString::fromLatin1(arranque.readAllStandardOutput()).split(' ')
                                           : QStringList();
}

// The zoom a teacher left is the zoom the next start opens with, as far as
// the screen holds the main window: 300 % on a large monitor, 200 % on the
// projector. Each start proposes its own exercises, unless the teacher fixed
// the seed: then every start proposes the same ones.
void TestPrincipal::loQueGuardaElArranque()
{
    QSettings ajustes("Tramavox", "Tramavox");
    // Whatever happens here, the next start opens at 100 % with the tests' seed.
    const auto alFinal = qScopeGuard([&] {
        ajustes.setValue("ventanas/zoom", 1.0);
        ajustes.setValue("ejercicios/semilla", 20261206);
    });
    QCOMPARE(otroArranque(ajustes, "ventanas/zoom", 3.0, true).mid(0, 2), (QStringList{"3", "1"}));
    QCOMPARE(otroArranque(ajustes, "ventanas/zoom", 3.0).mid(0, 2), (QStringList{"2", "1"}));
    QCOMPARE(otroArranque(ajustes, "ventanas/zoom", 1.0, true).mid(0, 2), (QStringList{"1", "1"}));
    const QStringList alAzar = otroArranque(ajustes, "ejercicios/semilla", {}).mid(2);
    QCOMPARE(alAzar.size(), 3);
    QVERIFY(otroArranque(ajustes, "ejercicios/semilla", {}).mid(2) != alAzar);
    const QStringList fijos = otroArranque(ajustes, "ejercicios/semilla", 1234).mid(2);
    QCOMPARE(otroArranque(ajustes, "ejercicios/semilla", 1234).mid(2), fijos);
    QVERIFY(otroArranque(ajustes, "ejercicios/semilla", 99).mid(2) != fijos);
}

void TestPrincipal::escCierra_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("ventana");
    fila("Acerca de", "acercade", "acerca");
    fila("help", "ayuda", "ayu");
    fila("laboratory", "laboratorio", "lab");
    fila("trainer", "entrenador", "entrenador");
    fila("exercises", "prop", "Ejerc");
}

// Esc closes our windows, and the exercise window, as their close button
// does.
void TestPrincipal::escCierra()
{
    QFETCH(QString, menu);
    QFETCH(QString, ventana);
    hijo<QAction>(menu)->trigger();
    QWidget* w = ::ventana(ventana);
    QVERIFY(w);
    entrada::activar(w);
    entrada::tecla(w, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QVERIFY(!::ventana(ventana));
}

void TestPrincipal::preguntaQueBorraEmpiezaEnNo_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    fila("Enter", int(Qt::Key_Return), "\r");
    fila("Space", int(Qt::Key_Space), " ");
    fila("Esc", int(Qt::Key_Escape), "\x1b");
}

// Reset and deleting a student ask yes or no: a key pressed on the question
// as it opens never erases anything. Qt's own box, not the tests' stand-in.
void TestPrincipal::preguntaQueBorraEmpiezaEnNo()
{
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    formularios::Avisos deQt;
    QTimer::singleShot(0, [&] {
        QWidget* pregunta = QApplication::activeModalWidget();
        QVERIFY(pregunta);
        entrada::tecla(pregunta, Qt::Key(tecla), Qt::NoModifier, texto);
    });
    QCOMPARE(deQt.mensaje(v.p, "¿Borrar a «Ana» y sus estadísticas?", formularios::Avisos::Botones::SiNo,
                          formularios::Avisos::Icono::Aviso),
             formularios::Avisos::Respuesta::No);
}

// The about window shows its text whole; "Aceptar" hides it and redraws,
// and it comes back where it was; its close button redraws too.
// Closing the main window closes it and the help window.
void TestPrincipal::acercaDeYCierre()
{
    hijo<QAction>("acercade")->trigger();
    auto* a = ventana<VentanaAcerca>("acerca");
    QVERIFY(a);
    entrada::activar(a);
    QCOMPARE(QApplication::focusWidget(), control(a, "Command1"));
    auto* texto = control<QTextEdit>(a, "Text1");
    QVERIFY(texto->toPlainText().startsWith("Progama de ejercicio de los códigos \n"));
    QVERIFY(texto->document()->size().height() <= texto->contentsRect().height());
    a->move(300, 200);
    QSignalSpy pintado(v.p, &VentanaPrincipal::pintado);
    entrada::clic(control(a, "Command1"));
    QVERIFY(!a->isVisible());
    QCOMPARE(pintado.count(), 1);
    hijo<QAction>("acercade")->trigger();
    QCOMPARE(ventana<VentanaAcerca>("acerca"), a);
    QCOMPARE(a->pos(), QPoint(300, 200));
    entrada::cerrar(a);
    QCOMPARE(pintado.count(), 2);
    QVERIFY(!inicio::acerca().cargado());

    // Closing the main window closes the others, and no window is left.
    hijo<QAction>("acercade")->trigger();
    entrada::activar(v.p);
    entrada::tecla(v.p, Qt::Key_F1); // "Ayuda ..."
    QVERIFY(ventana("ayu"));
    entrada::cerrar(v.p);
    QVERIFY(!inicio::principal().cargado() && !inicio::acerca().cargado() && !inicio::ayuda().cargado());
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--arranque") == 0) {
        QStandardPaths::setTestModeEnabled(true);
        inicio::Main();
        auto* p = ventana<VentanaPrincipal>("principal");
        const bool cabe = p->screen()->availableGeometry().contains(p->frameGeometry());
        std::printf("%g %d", formularios::Zoom::actual().factor(), int(cabe));
        for (int i = 0; i < 3; ++i) {
            inicio::modeloEjercicio().proponer();
            std::printf(" %s", qPrintable(inicio::modeloEjercicio().numero()));
        }
        return 0;
    }
    TestPrincipal t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_principal.moc"
