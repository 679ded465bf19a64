// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared helpers of the window tests: input delivered the way the window
// system delivers it, the seam that counts pitidos and answers message boxes,
// and the main window opened as the program opens it.

#include "Archivos.h"
#include "formatos/Twips.h"
#include "formularios/Avisos.h"

#include "inicio/inicio.h"
#include "modelo/Ejercicio.h"
#include "principal/VentanaPrincipal.h"

#include <QApplication>
#include <qpa/qwindowsysteminterface.h>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <deque>

// The tests name the windows as the program's users know them.
using principal::VentanaPrincipal;

// Keys and clicks go to a top-level window, never into a child widget: Qt
// then routes them to the focus widget or the widget under the pointer,
// through every event filter and internal forwarding on the way, exactly as
// on a desktop.
namespace entrada {

inline QWindow* ventanaDe(QWidget* w)
{
    QWidget* v = w->window();
    v->winId(); // make sure the window exists on the window system
    return v->windowHandle();
}

// The window becomes the active one, as a click on its title would make it.
inline void activar(QWidget* w)
{
    QWidget* v = w->window();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v, 1000)) qWarning("%s did not become active", qPrintable(v->objectName()));
    QApplication::setActiveWindow(v);
}

// A control takes the focus as a Tab or a click on it gives it.
inline void enfocar(QWidget* control)
{
    activar(control);
    control->setFocus(Qt::TabFocusReason);
}

// The key a keyboard sends for a character, with the character as its text.
inline Qt::Key teclaDe(QChar c)
{
    switch (c.unicode()) {
    case '\r': return Qt::Key_Return;
    case '\b': return Qt::Key_Backspace;
    case '\t': return Qt::Key_Tab;
    case 0x1b: return Qt::Key_Escape;
    case 0x7f: return Qt::Key_Delete;
    default: return Qt::Key(c.toUpper().unicode());
    }
}

// One key pressed and released in the window that holds `w`.
inline void tecla(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& texto = {})
{
    QTest::sendKeyEvent(QTest::Click, ventanaDe(w), k, texto, m);
}

inline void teclear(QWidget* w, const QString& texto)
{
    for (QChar c : texto) tecla(w, teclaDe(c), Qt::NoModifier, QString(c));
}

// Types text with `foco` holding the keyboard focus, as a user would.
inline void teclearEn(QWidget* foco, const QString& texto)
{
    enfocar(foco);
    teclear(foco, texto);
}

// A click on a control, at its centre or at `en` in its own coordinates,
// delivered to its window at window coordinates.
inline void clic(QWidget* control, QPoint en = QPoint(-1, -1), Qt::MouseButton boton = Qt::LeftButton)
{
    if (en == QPoint(-1, -1)) en = control->rect().center();
    QTest::mouseClick(ventanaDe(control), boton, Qt::NoModifier, control->mapTo(control->window(), en));
}

inline void dobleClic(QWidget* control)
{
    QTest::mouseDClick(ventanaDe(control), Qt::LeftButton, Qt::NoModifier,
                       control->mapTo(control->window(), control->rect().center()));
}

// The window system asks the window to close, as its title bar's close
// button or Alt+F4 does (QWidget::close() is the program closing it).
inline void cerrar(QWidget* w)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(ventanaDe(w));
}

} // namespace entrada

class AvisosDePrueba : public formularios::Avisos {
public:
    AvisosDePrueba() { instalar(this); }
    ~AvisosDePrueba() override { instalar(nullptr); }

    void pitido() override { ++pitidos; }
    QString ficheroParaGuardar(QWidget*, const QString&, const QString& inicial, const QString&) override
    {
        carpetasOfrecidas << inicial;
        return ficheros.empty() ? QString() : ficheros.takeFirst();
    }
    Respuesta mensaje(QWidget*, const QString& texto, Botones b, Icono) override
    {
        mensajes << texto;
        ultimosBotones = b;
        if (respuestas.empty()) return b == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    std::optional<QString> contrasena(QWidget*, const QString& texto) override
    {
        mensajes << texto;
        if (contrasenas.empty()) return std::nullopt;
        return contrasenas.takeFirst();
    }

    int elegir(QWidget*, const QString& texto, const QStringList& botones) override
    {
        mensajes << texto;
        opciones = botones;
        return elecciones.empty() ? int(botones.size()) - 1 : elecciones.takeFirst();
    }

    int pitidos = 0;
    QStringList opciones;  // the buttons of the last choice offered
    QList<int> elecciones; // answers to the choices, in order
    QStringList mensajes;
    Botones ultimosBotones = Botones::Aceptar;
    std::deque<Respuesta> respuestas;
    QStringList ficheros;          // answers to the file dialog, in order
    QStringList contrasenas;       // passwords typed, in order; none left: cancelled
    QStringList carpetasOfrecidas; // the folder each dialog opened in
};

// A visible top-level window by its design name.
template <typename W = QWidget>
W* ventana(const QString& nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nombre && w->isVisible()) return qobject_cast<W*>(w);
    return nullptr;
}

// A control of a window by its design name (and index, in a control array).
template <typename T = QWidget>
T* control(const QWidget* ventana, const QString& nombre, int indice = -1)
{
    for (T* w : ventana->findChildren<T*>(nombre))
        if (indice < 0 || w->property("index").toInt() == indice) return w;
    qFatal("no control %s", qPrintable(nombre));
}

// The main window opened as the program opens it.
struct Programa {
    VentanaPrincipal* p = nullptr;

    bool abrir()
    {
        // Settings (the zoom) in a place of the tests' own, never the user's;
        // the exercises always the same set, so that a failure can be replayed;
        // Spanish at 100 %, whatever another test running beside chose last.
        QStandardPaths::setTestModeEnabled(true);
        QSettings ajustes(QStringLiteral("Tramavox"), QStringLiteral("Tramavox"));
        ajustes.setValue("ejercicios/semilla", 20261206);
        ajustes.setValue("ventanas/idioma", "es");
        ajustes.setValue("ventanas/zoom", 1.0);
        inicio::Main();
        p = ventana<VentanaPrincipal>("principal");
        if (!p || !QTest::qWaitForWindowExposed(p)) return false;
        QCoreApplication::processEvents(); // the first drawing shown
        entrada::activar(p);
        return true;
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
        return control<T>(p, nombre);
    }
    void teclear(const QString& foco, const QString& texto) const { entrada::teclearEn(hijo(foco), texto); }
};

// The pictures of a help document, in order, each with the words under it.
struct FigurasDeAyuda {
    QList<QImage> figuras;
    QStringList pies;
};

inline FigurasDeAyuda figurasDeAyuda(const QTextDocument* documento)
{
    FigurasDeAyuda r;
    for (QTextBlock b = documento->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QUrl nombre(it.fragment().charFormat().toImageFormat().name());
                r.figuras << documento->resource(QTextDocument::ImageResource, nombre).value<QImage>();
                r.pies << b.text().section(QChar::LineSeparator, 1);
            }
    return r;
}
