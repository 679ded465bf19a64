// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer, opened from the main window and driven as a student drives
// it: reading a waveform, drawing one with the mouse and the keyboard, and
// every checked answer counted once in the class's files.

#include "almacen/Estadisticas.h"
#include "Ayudantes.h"
#include "codigos/DatosCodigo.h"
#include "entrenador/DibujoEntrenador.h"
#include "entrenador/VentanaEntrenador.h"
#include "Filas.h"
#include "formularios/Ajustes.h"
#include "inicio/inicio.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

using entrenador::DibujoEntrenador;
using entrenador::Entrenamiento;
using entrenador::VentanaEntrenador;

class TestEntrenador : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leerLaSenal();
    void dibujar_data();
    void dibujar();
    void solucionAntesNoCuenta();
    void exportarParaMoodle();
    void codigosElegidos();

private:
    template <typename T = QWidget>
    T* de(const QString& nombre) const
    {
        return control<T>(e, nombre);
    }
    Entrenamiento& modelo() const { return e->entrenamiento(); }
    void abrir(const QStringList& codigos = {});
    QString veredicto() const { return de<QLabel>("veredicto")->text(); }
    // Each half-bit at its level in the code's drawing: clicks step through
    // the code's levels, highest first.
    void dibujarCon(const std::vector<int>& mitades);

    Programa v;
    AvisosDePrueba* avisos = nullptr;
    QTemporaryDir* dir = nullptr;
    VentanaEntrenador* e = nullptr;
};

void TestEntrenador::init()
{
    dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(dir->path()));
    avisos = new AvisosDePrueba;
    QVERIFY(v.abrir());
}

void TestEntrenador::cleanup()
{
    v.cerrar();
    QVERIFY(!ventana("entrenador")); // closing the main window closes the trainer
    e = nullptr;
    delete avisos;
    delete dir;
}

// Opened from its menu item, with the codes the teacher left marked, and
// Eva chosen by typing her name.
void TestEntrenador::abrir(const QStringList& codigos)
{
    formularios::Ajustes().setValue(formularios::kClaveCodigosEntrenador, codigos);
    v.hijo<QAction>("entrenador")->trigger();
    e = ventana<VentanaEntrenador>("entrenador");
    QVERIFY(e);
    entrada::activar(e);
    entrada::teclearEn(de("alumno"), QChar(0x7f) + QString("Eva\r"));
}

void TestEntrenador::dibujarCon(const std::vector<int>& mitades)
{
    auto* dibujo = e->findChild<DibujoEntrenador*>();
    const auto& datos = codigos::datosCodigo(modelo().ejercicio().codigo);
    const std::vector<int> niveles(datos.niveles.begin(), datos.niveles.begin() + datos.cuantosNiveles);
    for (std::size_t h = 0; h < mitades.size(); ++h) {
        const auto veces = std::find(niveles.begin(), niveles.end(), mitades[h]) - niveles.begin() + 1;
        for (int i = 0; i < veces; ++i) entrada::clic(dibujo, dibujo->centroDe(int(h)));
    }
}

// The bits typed as hexadecimal with blanks, or as bits; a right answer is
// blue, a wrong one red and counts as wrong, an answer that gives no bits
// says what to type and counts nothing. Each counted answer reaches both
// files, with its code and its mode.
void TestEntrenador::leerLaSenal()
{
    abrir({"HDB3"});
    QCOMPARE(modelo().modo(), entrenador::Modo::Leer);
    QCOMPARE(de<QLabel>("pedidos")->text(),
             QString("Lee la señal HDB3 de 16 bits y escribe sus bits o su valor hexadecimal."));
    QVERIFY(de<QLabel>("estado")->text().startsWith("Antes del primer bit: último pulso "));
    const std::string bits = modelo().ejercicio().bits;
    const QString hex = QString::number(std::stoul(bits, nullptr, 2), 16).rightJustified(4, '0');
    entrada::teclearEn(de("respuesta"), hex.left(2) + ' ' + hex.mid(2) + '\r');
    QCOMPARE(veredicto(), QString("Correcto."));
    QCOMPARE(de<QLabel>("veredicto")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Eva", " 1 1"));

    entrada::clic(de("nuevo"));
    entrada::teclearEn(de("respuesta"), "101\r");
    QCOMPARE(veredicto(), QString("Escribe los 16 bits, o sus 4 cifras hexadecimales."));
    std::string otros = modelo().ejercicio().bits;
    otros[3] = otros[3] == '1' ? '0' : '1';
    entrada::teclearEn(de("respuesta"), "\b\b\b" + QString::fromStdString(otros) + '\r');
    QCOMPARE(veredicto(), QString("Incorrecto: 1 de 16 bits mal leídos."));
    QCOMPARE(modelo().resultado()->bitsMal,
             (std::vector<bool>{false, false, false, true, false, false, false, false, false, false, false, false,
                                false, false, false, false}));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Eva", " 2 1"));
    const QList<QByteArray> log = inicio::estadisticas().historial().split('\n');
    QCOMPARE(log[0], QByteArray("fecha,alumno,codigo,numero,respuesta,resultado,modo\r"));
    // The wrong answer's line: the code, the number asked and the one read, both in hexadecimal.
    const QByteArray leido =
        QByteArray::number(qulonglong(std::stoul(otros, nullptr, 2)), 16).toUpper().rightJustified(4, '0');
    QVERIFY2(log[1].endsWith(",bien,leer\r") && log[2].endsWith("," + leido + ",mal,leer\r") &&
                 log[2].contains(",HDB3,"),
             log[2].constData());
}

void TestEntrenador::dibujar_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<bool>("bien");
    QTest::addColumn<QString>("veredicto");
    fila("HDB3 right", "HDB3", true, "Correcto.");
    fila("AMI with marks of one sign", "AMI", false, "la marca debe alternar");
    fila("2B1Q right, four levels", "2B1Q", true, "Correcto.");
}

// Every half-bit set with the mouse, the first with the keyboard too (the
// cursor keys move and raise and lower it); the check says where and why.
void TestEntrenador::dibujar()
{
    QFETCH(QString, codigo);
    QFETCH(bool, bien);
    QFETCH(QString, veredicto);
    abrir({codigo});
    entrada::enfocar(de("modo"));
    entrada::tecla(e, Qt::Key_Down);
    QCOMPARE(modelo().modo(), entrenador::Modo::Dibujar);
    QVERIFY(de<QLabel>("pedidos")->text().startsWith("Dibuja la señal " + codigo + " de "));
    std::vector<int> mitades;
    for (const codigos::Paso& p : modelo().solucion()) mitades.insert(mitades.end(), {p.nivel1, p.nivel2});
    if (!bien) {
        // Every pulse positive; Manchester with no edge inside a bit.
        for (std::size_t h = 0; h < mitades.size(); ++h)
            mitades[h] = codigo == "AMI" ? std::abs(mitades[h]) : mitades[h & ~std::size_t(1)];
    }
    dibujarCon(mitades);
    auto* dibujo = e->findChild<DibujoEntrenador*>();
    entrada::enfocar(dibujo);
    entrada::tecla(e, Qt::Key_End);
    QCOMPARE(modelo().cursor(), int(mitades.size()) - 1);
    entrada::tecla(e, Qt::Key_Home);
    const int primera = mitades[0];
    const bool enLoMasAlto = primera == codigos::nivelMaximo(modelo().ejercicio().codigo);
    entrada::tecla(e, enLoMasAlto ? Qt::Key_Down : Qt::Key_Up);
    QVERIFY(modelo().mitades()[0] != primera);
    entrada::tecla(e, enLoMasAlto ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(modelo().mitades()[0], primera); // and back
    entrada::tecla(e, Qt::Key_Right);
    QCOMPARE(modelo().cursor(), 1);
    entrada::clic(de("comprobar"));
    QVERIFY2(this->veredicto().contains(veredicto), qPrintable(this->veredicto()));
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Eva", bien ? " 1 1" : " 1 0"));
    QVERIFY(inicio::estadisticas().historial().endsWith(QByteArray(bien ? ",bien" : ",mal") + ",dibujar\r\n"));
    QCOMPARE(modelo().resultado()->primera >= 0, !bien);
}

// "Solución" before an answer shows it and the answer counts nothing, as in
// the exercise window; nor does a second check of the same exercise. The
// teacher is told of the look.
void TestEntrenador::solucionAntesNoCuenta()
{
    abrir({});
    QCOMPARE(de<QListWidget>("codigos")->count(), 13);
    entrada::clic(de("solucion"));
    QVERIFY(veredicto().startsWith("Solución: "));
    const std::string bits = modelo().ejercicio().bits;
    entrada::teclearEn(de("respuesta"), QString::fromStdString(bits) + '\r');
    QCOMPARE(veredicto(), QString("Trampa, trampa, miraste la solución"));
    entrada::clic(de("comprobar"));
    QCOMPARE(inicio::estadisticas().historial(), almacen::kCabeceraHistorial);
    QCOMPARE(leer("puntos.pnt"), lineaPuntos("Eva", " 0 0"));
    // The look is recorded for the teacher, with its question.
    const auto sucesos = inicio::estadisticas().respuestas().sucesos;
    QCOMPARE(int(sucesos.size()), 1);
    QCOMPARE(sucesos[0]->tipo, almacen::Evento::Tipo::Solucion);
    QCOMPARE(sucesos[0]->respuesta.alumno, QString("Eva"));
    QCOMPARE(sucesos[0]->respuesta.numero.size(), int(bits.size()) / 4);
    QCOMPARE(sucesos[0]->respuesta.modo, QString("leer"));
}

// The teacher exports questions of the codes marked, at the length chosen.
void TestEntrenador::exportarParaMoodle()
{
    abrir({"CMI", "MLT-3"});
    avisos->ficheros = {dir->filePath("preguntas.xml")};
    entrada::clic(de("exportar"));
    const QByteArray xml = leer(dir->filePath("preguntas.xml"));
    QVERIFY(xml.startsWith("<?xml"));
    QCOMPARE(xml.count("<question type=\"category\">"), 2);
    QVERIFY(xml.contains("Tramavox/CMI<") && xml.contains("Tramavox/MLT-3<") && xml.contains("leer 16 bits"));
    QVERIFY(avisos->mensajes.isEmpty());
}

// The teacher's choice of codes is remembered; the last code marked cannot
// be unmarked (a pitido says so).
void TestEntrenador::codigosElegidos()
{
    abrir({"CMI"});
    const auto marcar = [this](codigos::Codigo c) {
        entrada::enfocar(de("codigos"));
        entrada::tecla(e, Qt::Key_Home);
        for (int i = 0; i < int(c); ++i) entrada::tecla(e, Qt::Key_Down);
        entrada::tecla(e, Qt::Key_Space, Qt::NoModifier, " ");
    };
    marcar(codigos::Codigo::Cmi);
    QCOMPARE(avisos->pitidos, 1);
    QCOMPARE(de<QListWidget>("codigos")->item(int(codigos::Codigo::Cmi))->checkState(), Qt::Checked);
    marcar(codigos::Codigo::Ami);
    QCOMPARE(formularios::Ajustes().value(formularios::kClaveCodigosEntrenador).toStringList(),
             (QStringList{"AMI", "CMI"}));
    QCOMPARE(modelo().codigos(), (std::vector<codigos::Codigo>{codigos::Codigo::Ami, codigos::Codigo::Cmi}));
}

QTEST_MAIN(TestEntrenador)
#include "tst_entrenador.moc"
