#include "Ayudantes.h"
#include "ayuda/Ayu.h"
#include "mainwindow/Figura.h"
#include "formatos/LectorRtf.h"

#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFragment>

namespace {

void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

QList<QImage> imagenesDe(QTextDocument* d)
{
    QList<QImage> r;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QString nombre = it.fragment().charFormat().toImageFormat().name();
                r << d->resource(QTextDocument::ImageResource, QUrl(nombre)).value<QImage>();
            }
    return r;
}

} // namespace

class TestAyuda : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void abreAlPrincipioSinSeleccion();
    void leeElArchivoDeLaCarpeta();
    void sinArchivoLegibleMuestraLaCopiaIncorporada();
    void soloLeeAlCargar();
    void figurasComoLasDelPrograma();

private:
    Ayu* abrir()
    {
        v.hijo<QAction>("ayuda")->trigger();
        return ventana<Ayu>("ayu");
    }
    QTextEdit* texto(Ayu* a) const { return a->findChild<QTextEdit*>("ayutext"); }

    VentanaPrincipal v;
    QTemporaryDir* dir = nullptr;
};

void TestAyuda::init()
{
    dir = new QTemporaryDir;
    QVERIFY(QDir::setCurrent(dir->path()));
    QVERIFY(v.abrir());
}

void TestAyuda::cleanup()
{
    v.cerrar();
    QVERIFY(!inicio::ayu().cargado()); // the main window closes it
    delete dir;
}

void TestAyuda::abreAlPrincipioSinSeleccion()
{
    Ayu* a = abrir();
    QVERIFY(a);
    QCOMPARE(a->windowTitle(), QString("Ayuda"));
    QTextEdit* t = texto(a);
    QVERIFY(t->isReadOnly());
    QVERIFY(!t->textCursor().hasSelection());
    QCOMPARE(t->textCursor().position(), 0);
    QCOMPARE(t->verticalScrollBar()->value(), 0);
    QVERIFY(t->verticalScrollBar()->maximum() > 0); // longer than the box, and scrollable
    QVERIFY(t->toPlainText().startsWith("Ayuda de Tramavox"));
}

void TestAyuda::leeElArchivoDeLaCarpeta()
{
    escribir("ayuda.rtf", "{\\rtf1\\ansi {\\b Ayuda} del profesor: 8421 \\'e1\\par}");
    QCOMPARE(texto(abrir())->toPlainText().trimmed(), QString("Ayuda del profesor: 8421 á"));
}

void TestAyuda::sinArchivoLegibleMuestraLaCopiaIncorporada()
{
    QVERIFY(QDir().mkdir("ayuda.rtf")); // there, but not a readable file
    const QString mostrado = texto(abrir())->toPlainText();
    QFile incorporada(Ayu::kAyudaIncorporada);
    QVERIFY(incorporada.open(QIODevice::ReadOnly));
    QTextDocument esperado;
    formatos::leerRtf(incorporada.readAll(), esperado);
    QCOMPARE(mostrado, esperado.toPlainText());
    QVERIFY(mostrado.startsWith("Ayuda de Tramavox"));
}

// The file is read when the window loads: showing it again while loaded
// keeps what it had; after closing, the next opening reads the file anew.
void TestAyuda::soloLeeAlCargar()
{
    escribir("ayuda.rtf", "{\\rtf1 primera}");
    Ayu* a = abrir();
    escribir("ayuda.rtf", "{\\rtf1 segunda}");
    QCOMPARE(abrir(), a);
    QCOMPARE(texto(a)->toPlainText(), QString("primera"));
    a->close();
    QCOMPARE(texto(abrir())->toPlainText(), QString("segunda"));
}

// The help's figures are drawn by the program's own plotter.
void TestAyuda::figurasComoLasDelPrograma()
{
    const QList<QImage> figuras = imagenesDe(texto(abrir())->document());
    QCOMPARE(figuras.size(), 3);
    const linecode::Visibles todas{true, true, true, true, true};
    QCOMPARE(figuras[0].convertToFormat(QImage::Format_RGB32), figuraOndas("0000", todas));
    QCOMPARE(figuras[1].convertToFormat(QImage::Format_RGB32), figuraOndas("00A5", todas));
}

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
