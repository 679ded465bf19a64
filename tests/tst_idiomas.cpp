// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the classroom languages: the translations complete and
// faithful to their Spanish (every number, list item and space in place),
// the windows relabelled when the language changes, captions that fit in
// every language at every zoom, and files that do not change with it.

#include "almacen/Estadisticas.h"
#include "Ayudantes.h"
#include "Filas.h"
#include "inicio/inicio.h"

#include "codigos/CodigosLinea.h"
#include "ejercicio/CabeceraAgrupada.h"
#include "ejercicio/VentanaEjercicios.h"
#include "formularios/Idioma.h"
#include "formularios/Zoom.h"
#include "laboratorio/GraficoOjo.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QXmlStreamReader>

namespace {

const QStringList kTraducidos{"ca", "gl", "eu", "en"};

// What a translation must keep of its source: the numbers it fills in, the
// items of a list, the line breaks and the spaces at either end (texts that
// are joined to others).
QString forma(const QString& texto)
{
    QStringList marcas;
    static const QRegularExpression numero(QStringLiteral("%L?[1-9]"));
    for (auto it = numero.globalMatch(texto); it.hasNext();) marcas << it.next().captured();
    marcas.sort();
    return QStringLiteral("%1 |×%2 ¶×%3 %4%5")
        .arg(marcas.join(QLatin1Char(',')))
        .arg(texto.count(QLatin1Char('|')))
        .arg(texto.count(QLatin1Char('\n')))
        .arg(texto.startsWith(QLatin1Char(' ')))
        .arg(texto.endsWith(QLatin1Char(' ')));
}

// Room a text needs in a head or a cell, on either side of it.
int margen(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, w); }

// Every head and every cell of a table that does not show whole: a head
// narrower than its text, or a code's title narrower than the columns
// grouped under it.
QStringList tablaCortada(const QTableView* tabla)
{
    QStringList r;
    const QHeaderView* cabecera = tabla->horizontalHeader();
    const QAbstractItemModel* m = tabla->model();
    const QFontMetrics letra = cabecera->fontMetrics();
    for (int i = 0; i < cabecera->count(); ++i) {
        const QString grupo = m->headerData(i, Qt::Horizontal, ejercicio::CabeceraAgrupada::kRolGrupo).toString();
        const QString apartado = m->headerData(i, Qt::Horizontal, ejercicio::CabeceraAgrupada::kRolApartado).toString();
        const QString cabeza = grupo.isEmpty() ? m->headerData(i, Qt::Horizontal).toString() : apartado;
        const int ancho = cabecera->sectionSize(i);
        if (letra.horizontalAdvance(cabeza) + 2 * margen(cabecera) > ancho) r << cabeza;
        if (!grupo.isEmpty() &&
            (i == 0 || m->headerData(i - 1, Qt::Horizontal, ejercicio::CabeceraAgrupada::kRolGrupo) != grupo)) {
            int span = 0;
            for (int j = i; j < cabecera->count() &&
                            m->headerData(j, Qt::Horizontal, ejercicio::CabeceraAgrupada::kRolGrupo) == grupo;
                 ++j)
                span += cabecera->sectionSize(j);
            if (letra.horizontalAdvance(grupo) + 2 * margen(cabecera) > span) r << grupo;
        }
        for (int fila = 0; fila < m->rowCount(); ++fila) {
            const QString celda = m->index(fila, i).data().toString();
            if (tabla->fontMetrics().horizontalAdvance(celda) + 2 * margen(tabla) > tabla->columnWidth(i)) r << celda;
        }
    }
    for (QString& t : r) t = tabla->window()->objectName() + "/" + tabla->objectName() + ": " + t;
    return r;
}

// Every caption a window shows that does not fit its control, menu items
// and tables included.
QStringList cortados(const QWidget* ventana)
{
    QStringList r;
    for (auto* tabla : ventana->findChildren<QTableView*>())
        if (tabla->isVisibleTo(ventana)) r << tablaCortada(tabla);
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ventana)) continue;
        bool cabe = true;
        QString texto;
        if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull() && !l->text().isEmpty()) {
            texto = l->text();
            cabe = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                 : l->fontMetrics().horizontalAdvance(texto) <= l->contentsRect().width();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
            texto = b->text();
            cabe = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)
                       ? b->sizeHint().width() <= b->width()
                       : b->fontMetrics().horizontalAdvance(texto) < b->width();
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            texto = g->title();
            cabe = g->fontMetrics().horizontalAdvance(texto) < g->width();
        }
        if (!cabe) r << ventana->objectName() + "/" + w->objectName() + ": " + texto;
    }
    for (QMenu* menu : ventana->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (menu->actionGeometry(a).width() <= menu->fontMetrics().horizontalAdvance(a->text()))
                r << ventana->objectName() + "/" + menu->objectName() + ": " + a->text();
    return r;
}

// A class with the longest name a student may have, and answers in every
// code, read and drawn, recorded by another desk.
void claseConTodosLosCodigos()
{
    const QString nombre = QString(40, QChar(u'Á'));
    QByteArray puntos = lineaPuntos(nombre.toLatin1(), " 0 0") + lineaPuntos("Ana", " 0 0");
    almacen::Evento inicio;
    inicio.tipo = almacen::Evento::Tipo::Inicio;
    inicio.orden = 1;
    inicio.puntos = puntos;
    inicio.respuesta.cuando = QDateTime::currentDateTimeUtc().addSecs(-600);
    QByteArray registro = almacen::codificar(inicio);
    for (const codigos::Codigo c : codigos::kTodosLosCodigos)
        for (const char* modo : {"leer", "dibujar"}) {
            almacen::Evento e;
            e.orden = int(registro.count('\n')) + 1;
            e.respuesta = {inicio.respuesta.cuando.addSecs(e.orden),
                           nombre,
                           QString::fromUtf8(codigos::nombreCodigo(c)),
                           "8421",
                           "8421",
                           true,
                           QString::fromLatin1(modo)};
            registro += almacen::codificar(e);
        }
    QVERIFY(QDir().mkpath(".tramavox"));
    escribir(".tramavox/otroPuesto-1.reg", registro);
    escribir("puntos.pnt", puntos);
}

} // namespace

class TestIdiomas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void traducciones_data();
    void traducciones();
    void ventanasEnCadaIdioma_data();
    void ventanasEnCadaIdioma();
    void rotulosQueCaben_data();
    void rotulosQueCaben();
    void idiomaDelSistema_data();
    void idiomaDelSistema();
    void ayudaEnCadaIdioma_data();
    void ayudaEnCadaIdioma();
    void ayudaDelProfesor();

private:
    void abrirTodas();
    // From the menu; the windows hear of it as the event loop goes on.
    void elegir(const QString& idioma) const
    {
        v.hijo<QAction>("idioma_" + idioma)->trigger();
        QCoreApplication::processEvents();
    }

    Programa v;
    AvisosDePrueba* avisos = nullptr;
    QTemporaryDir* dir = nullptr;
};

void TestIdiomas::init()
{
    dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(dir->path()));
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestIdiomas::cleanup()
{
    formularios::Idioma::actual().elegir("es");
    formularios::Zoom::actual().normal();
    v.cerrar();
    delete avisos;
    delete dir;
}

// Every window the program has, open at once.
void TestIdiomas::abrirTodas()
{
    for (const char* menu : {"acercade", "ayuda", "laboratorio", "entrenador"}) v.hijo<QAction>(menu)->trigger();
    entrada::activar(v.p);
    entrada::tecla(v.p, Qt::Key_E, Qt::ControlModifier, "\x05");
    auto* e = ventana<ejercicio::VentanaEjercicios>("Ejerc");
    QVERIFY(e);
    entrada::clic(control(e, "Detalles"));
}

void TestIdiomas::traducciones_data()
{
    QTest::addColumn<QString>("fichero");
    for (const QString& f : QDir(TRAMAVOX_TRADUCCIONES).entryList({"*.ts"}))
        QTest::newRow(qPrintable(f)) << QString(TRAMAVOX_TRADUCCIONES "/" + f);
}

// Each text is translated, and its translation keeps what the program fills
// in or cuts: a lost %1 drops a number, a lost '|' an item of a list.
void TestIdiomas::traducciones()
{
    QFETCH(QString, fichero);
    QFile f(fichero);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QString fuente;
    int mensajes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) fuente = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (xml.name() != QLatin1String("translation")) continue;
        const bool inacabada = !xml.attributes().value("type").isEmpty();
        const QString traduccion = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        QVERIFY2(!inacabada && !traduccion.isEmpty(), qPrintable(fuente));
        QVERIFY2(fuente.contains('&') || forma(traduccion) == forma(fuente), qPrintable(fuente + " → " + traduccion));
        ++mensajes;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(mensajes > 100);
}

void TestIdiomas::ventanasEnCadaIdioma_data()
{
    QTest::addColumn<QString>("idioma");
    // The View menu, Propose, the laboratory, the zoom, Qt's own Copy of a
    // text box's menu, and how the about text begins.
    QTest::addColumn<QStringList>("rotulos");
    fila("Spanish", "es",
         QStringList{"Ver", "Proponer", "Laboratorio de códigos", "Ampliación: 100 %", "&Copiar",
                     "Progama de ejercicio"});
    fila("Catalan", "ca",
         QStringList{"Visualitza", "Proposa", "Laboratori de codis", "Ampliació: 100 %", "&Copia",
                     "Programa d'exercici"});
    fila("Galician", "gl",
         QStringList{"Ver", "Propor", "Laboratorio de códigos", "Ampliación: 100 %", "&Copiar",
                     "Programa de exercicio"});
    fila("Basque", "eu",
         QStringList{"Ikusi", "Proposatu", "Kode-laborategia", "Handiagotzea: % 100", "&Kopiatu",
                     "Telefonian erabiltzen"});
    fila("English", "en",
         QStringList{"View", "Propose", "Code laboratory", "Zoom: 100 %", "&Copy", "Practice program"});
}

// Choosing a language relabels the open windows at once with its own
// translations, and an answer given meanwhile is kept in the files exactly
// as in Spanish.
void TestIdiomas::ventanasEnCadaIdioma()
{
    QFETCH(QString, idioma);
    QFETCH(QStringList, rotulos);
    abrirTodas();
    elegir(idioma);
    QCOMPARE(formularios::Idioma::actual().codigo(), idioma);
    QVERIFY(v.hijo<QAction>("idioma_" + idioma)->isChecked());
    auto* e = ventana<ejercicio::VentanaEjercicios>("Ejerc");
    QCOMPARE(v.hijo<QMenu>("ver")->title(), rotulos[0]);
    QCOMPARE(control<QAbstractButton>(e, "proponer")->text(), rotulos[1]);
    QCOMPARE(ventana("lab")->windowTitle(), rotulos[2]);
    QCOMPARE(v.hijo<QAction>("zoomActual")->text(), rotulos[3]);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), rotulos[4]);
    QVERIFY(control<QTextEdit>(ventana("acerca"), "Text1")->toPlainText().startsWith(rotulos[5]));
    QCOMPARE(formularios::localeEnUso().toString(0.5), QLocale(idioma).toString(0.5)); // the plots' numbers

    const QString numero = inicio::modeloEjercicio().numero();
    entrada::teclearEn(control(e, "alumno"), "Ana\r");
    entrada::teclearEn(control(e, "solu"), numero);
    entrada::clic(control(e, "aceptar"));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Ana", " 1 1"));
    const QStringList anotada = QString::fromUtf8(inicio::estadisticas().historial()).split("\r\n").value(1).split(',');
    QCOMPARE(anotada.mid(1),
             (QStringList{"Ana", inicio::modeloEjercicio().codigoPreguntado(), numero, numero, "bien", "leer"}));

    // Back in Spanish, the verdict the window wrote is Spanish again (every
    // other text is checked to relabel by the exercise window's tests).
    elegir("es");
    QCOMPARE(control<QLabel>(e, "bienmal")->text(), QString("La respuesta es correcta"));
}

void TestIdiomas::rotulosQueCaben_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<int>("pulsaciones"); // of Ctrl++
    for (const QString& idioma : QStringList{"es"} + kTraducidos) {
        QTest::newRow(qPrintable(idioma + " 100 %")) << idioma << 0;
        QTest::newRow(qPrintable(idioma + " 300 %")) << idioma << 5;
    }
}

// No caption is cut in any window, in any language, at 100 % nor at 300 %
// (on a teacher's large screen, which holds every window at 300 %).
void TestIdiomas::rotulosQueCaben()
{
    QFETCH(QString, idioma);
    QFETCH(int, pulsaciones);
    v.cerrar();
    claseConTodosLosCodigos();
    QVERIFY(v.abrir());
    abrirTodas();
    QVERIFY(control<QTableView>(ventana("detalles"), "codigos")->model()->columnCount() >= 1 + 2 * 2 * 13);
    elegir(idioma);
    for (int i = 0; i < pulsaciones; ++i) entrada::tecla(v.p, Qt::Key_Plus, Qt::ControlModifier, "+");
    QCOMPARE(formularios::Zoom::actual().porcentaje(), pulsaciones ? 300 : 100);
    QStringList cortes;
    for (const char* nombre : {"principal", "Ejerc", "acerca", "ayu", "lab", "detalles", "entrenador"})
        cortes << cortados(ventana(nombre));
    QVERIFY2(cortes.isEmpty(), qPrintable(cortes.join('\n')));
}

void TestIdiomas::idiomaDelSistema_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language"); // the desktop's list of languages
    QTest::addColumn<QString>("elegido");  // in the settings
    QTest::addColumn<QString>("error");    // of a wrong command line
    fila("Basque system", "eu_ES.UTF-8", "", "", "«XYZ» ez da kode bat");
    fila("Catalan system", "ca_ES@valencia", "", "", "«XYZ» no és un codi");
    fila("French system: Spanish", "fr_FR.UTF-8", "", "", "«XYZ» no es un código");
    fila("French first, then Galician", "fr_FR.UTF-8", "fr:gl", "", "«XYZ» non é un código");
    fila("English chosen on a Galician system", "gl_ES.UTF-8", "", "en", "“XYZ” is not a code");
}

// Without a choice the program speaks the system's language, when it is one
// of its own, and Spanish otherwise; a choice made in the menu wins. The
// command line speaks it too.
void TestIdiomas::idiomaDelSistema()
{
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(QString, elegido);
    QFETCH(QString, error);
    // Settings of its own, so that the tests running beside see none of it.
    QTemporaryDir configuracion;
    if (!elegido.isEmpty()) {
        QVERIFY(QDir(configuracion.path()).mkdir("Tramavox"));
        escribir(configuracion.filePath("Tramavox/Tramavox.conf"), "[ventanas]\nidioma=" + elegido.toUtf8() + "\n");
    }
    QProcess orden;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("LANGUAGE", language);
    entorno.insert("LC_ALL", lang);
    entorno.insert("XDG_CONFIG_HOME", configuracion.path());
    orden.setProcessEnvironment(entorno);
    orden.start(TRAMAVOX_PROGRAMA, {"--ber", "--codigo", "XYZ", "--ebn0", "6"});
    QVERIFY(orden.waitForFinished(30000));
    QCOMPARE(orden.exitCode(), 2);
    const QString dicho = QString::fromUtf8(orden.readAllStandardError());
    QVERIFY2(dicho.contains(error), qPrintable(dicho));
}

void TestIdiomas::ayudaEnCadaIdioma_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("pie"); // of the second figure
    fila("Spanish", "es", "Ayuda de Tramavox",
         "Forma de onda de 16 bits: reloj, NRZ, RZ, AMI y HDB3, del número 00A5.");
    fila("Catalan", "ca", "Ajuda de Tramavox",
         "Forma d'ona de 16 bits: rellotge, NRZ, RZ, AMI i HDB3, del nombre 00A5.");
    fila("Galician", "gl", "Axuda de Tramavox",
         "Forma de onda de 16 bits: reloxo, NRZ, RZ, AMI e HDB3, do número 00A5.");
    fila("Basque", "eu", "Tramavox-en laguntza",
         "16 biteko uhin-forma: erlojua, NRZ, RZ, AMI eta HDB3, 00A5 zenbakiarena.");
    fila("English", "en", "Tramavox Help", "16-bit waveform: clock, NRZ, RZ, AMI and HDB3, of the number 00A5.");
}

// The help shown follows the language, with every figure and its words in
// that language, the figures drawn as the program draws them in it.
void TestIdiomas::ayudaEnCadaIdioma()
{
    QFETCH(QString, idioma);
    QFETCH(QString, titulo);
    QFETCH(QString, pie);
    entrada::tecla(v.p, Qt::Key_F1);
    auto* texto = control<QTextEdit>(ventana("ayu"), "ayutext");
    elegir(idioma);
    QVERIFY(texto->toPlainText().startsWith(titulo));
    const auto [figuras, pies] = figurasDeAyuda(texto->document());
    QCOMPARE(figuras.size(), 15); // three examples, the laboratory's nine new codes and three of the line
    QCOMPARE(pies[1], pie);
    QCOMPARE(figuras[13].convertToFormat(QImage::Format_RGB32), laboratorio::figuraOjo(codigos::Codigo::Hdb3, 6));
}

// A teacher's own help stays whatever language is chosen.
void TestIdiomas::ayudaDelProfesor()
{
    escribir("ayuda.rtf", "{\\rtf1 Ayuda del profesor}");
    entrada::tecla(v.p, Qt::Key_F1);
    auto* texto = control<QTextEdit>(ventana("ayu"), "ayutext");
    elegir("en");
    QCOMPARE(texto->toPlainText(), QString("Ayuda del profesor"));
}

QTEST_MAIN(TestIdiomas)
#include "tst_idiomas.moc"
