#pragma once
// Shared helpers of the window tests: the seam that counts beeps and answers
// message boxes, and ways to find and measure the real widgets.

#include "forms/Avisos.h"
#include "forms/FormDef.h"

#include "mainwindow/Principal.h"
#include "mainwindow/inicio.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QStringList>
#include <QWidget>

#include <deque>

class AvisosDePrueba : public forms::Avisos {
public:
    AvisosDePrueba() { instalar(this); }
    ~AvisosDePrueba() override { instalar(nullptr); }

    void beep() override { ++beeps; }
    QString ficheroParaGuardar(QWidget*, const QString&, const QString& inicial, const QString&) override
    {
        carpetasOfrecidas << inicial;
        return ficheros.empty() ? QString() : ficheros.takeFirst();
    }
    Respuesta mensaje(QWidget*, const QString& texto, Botones b, Icono i) override
    {
        mensajes << texto;
        ultimosBotones = b;
        ultimoIcono = i;
        if (respuestas.empty()) return b == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    int beeps = 0;
    QStringList mensajes;
    Botones ultimosBotones = Botones::Aceptar;
    Icono ultimoIcono = Icono::Ninguno;
    std::deque<Respuesta> respuestas;
    QStringList ficheros;          // answers to the file dialog, in order
    QStringList carpetasOfrecidas; // the folder each dialog opened in
};

// A top-level window by its design name.
template <typename W = QWidget>
W* ventana(const QString& nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nombre && w->isVisible()) return qobject_cast<W*>(w);
    return nullptr;
}

// The main window opened as the program opens it, and its controls by name.
struct VentanaPrincipal {
    Principal* p = nullptr;

    bool abrir()
    {
        inicio::Main();
        p = ventana<Principal>("principal");
        if (!p || !QTest::qWaitForWindowExposed(p)) return false;
        // Let the start-up redraw happen now rather than in the middle of a test.
        auto* timer = p->findChild<QTimer*>("Timer1");
        const bool listo = QTest::qWaitFor([timer] { return !timer->isActive(); }, 2000);
        QCoreApplication::processEvents(); // and show it
        return listo;
    }
    void cerrar()
    {
        if (p) p->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        p = nullptr;
    }
    template <typename T = QWidget>
    T* hijo(const QString& nombre) const
    {
        T* w = p->findChild<T*>(nombre);
        if (!w) qFatal("no control %s", qPrintable(nombre));
        return w;
    }
    // Types text with `foco` holding the keyboard focus, as a user would.
    void teclear(const QString& nombre, const QString& texto) const
    {
        QWidget* w = hijo(nombre);
        QApplication::setActiveWindow(w->window());
        w->setFocus();
        QTest::keyClicks(w, texto);
    }
};
