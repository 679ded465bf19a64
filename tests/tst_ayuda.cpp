// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the teacher's "ayuda.rtf" from the working folder, or the
// copy built into the program, shown from its start.

#include "ayuda/VentanaAyuda.h"
#include "Ayudantes.h"
#include "laboratorio/DibujoCodigos.h"
#include "principal/Figura.h"

#include <QAction>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>

#include <sys/stat.h>

class TestAyuda : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copiaIncorporadaAlPrincipio();
    void leeLaDeLaCarpetaAlCargar();

private:
    QTextEdit* abrir()
    {
        v.hijo<QAction>("ayuda")->trigger();
        return control<QTextEdit>(ventana("ayu"), "ayutext");
    }

    Programa v;
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
    delete dir;
}

// A FIFO named "ayuda.rtf" is refused at once, with a message, and the
// built-in help shows from its start, nothing selected, scrollable; its
// figures are the plotter's and the laboratory's own drawings.
void TestAyuda::copiaIncorporadaAlPrincipio()
{
    AvisosDePrueba avisos;
    QCOMPARE(::mkfifo("ayuda.rtf", 0644), 0);
    QTextEdit* t = abrir();
    QCOMPARE(avisos.mensajes.size(), 1);
    QVERIFY(
        avisos.mensajes[0].endsWith("ayuda.rtf»: no es un fichero normal. Se muestra la ayuda que lleva el programa."));
    QVERIFY(t->toPlainText().startsWith("Ayuda de Tramavox"));
    QVERIFY(!t->textCursor().hasSelection());
    QCOMPARE(t->textCursor().position(), 0);
    QCOMPARE(t->verticalScrollBar()->value(), 0);
    QVERIFY(t->verticalScrollBar()->maximum() > 0);

    // Each figure has its words under it, for a screen reader too.
    const auto [figuras, pies] = figurasDeAyuda(t->document());
    QCOMPARE(pies[6], QString("Señal B8ZS de los bits 1011000000001101."));
    QVERIFY(!pies.contains(QString()));
    const codigos::Visibles todas{true, true, true, true, true};
    QCOMPARE(figuras[1].convertToFormat(QImage::Format_RGB32), principal::figuraOndas("00A5", todas));
    QCOMPARE(figuras[6].convertToFormat(QImage::Format_RGB32),
             laboratorio::figuraCodigos("1011000000001101", {codigos::Codigo::B8zs}));
}

// The working folder's file is read when the window loads: showing it again
// keeps what it had; after a close the next opening reads it anew.
void TestAyuda::leeLaDeLaCarpetaAlCargar()
{
    escribir("ayuda.rtf", "{\\rtf1\\ansi {\\b Ayuda} del profesor: \\'e1}");
    QTextEdit* t = abrir();
    QCOMPARE(t->toPlainText(), QString("Ayuda del profesor: á"));
    escribir("ayuda.rtf", "{\\rtf1 segunda}");
    QCOMPARE(abrir(), t);
    QCOMPARE(t->toPlainText(), QString("Ayuda del profesor: á"));
    entrada::cerrar(ventana("ayu"));
    QCOMPARE(abrir()->toPlainText(), QString("segunda"));
}

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
