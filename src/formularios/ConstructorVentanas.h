// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a window definition into widgets: every control at its twips
// position (÷15 to pixels) with its caption, colours, font, z-order and tab
// order, every menu item with its check mark, each with its design name as
// objectName.

#include "formularios/DefinicionVentana.h"

#include <QHash>
#include <QObject>

#include <functional>

class QAction;
class QFont;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace formularios {

// The built controls, found by name (and index, for control arrays).
class Controles {
public:
    // A name the window does not have, or a control of another kind, is a
    // fault of the program: it stops here, naming the control, in every build.
    template <typename T>
    T* buscar(const QString& nombre, int indice = -1) const
    {
        const QString clave = claveControl(nombre, indice);
        auto* o = qobject_cast<T*>(mapa_.value(clave));
        if (!o) qFatal("Controles::get: no hay un control «%s» del tipo pedido", qPrintable(clave));
        return o;
    }
    void poner(const QString& clave, QObject* o) { mapa_.insert(clave, o); }

    // The control with the lowest tab index that can take the focus.
    QWidget* primerFoco = nullptr;

private:
    QHash<QString, QObject*> mapa_;
};

QFont qFont(const Fuente& f);

class ConstructorVentanas {
public:
    // Builds the controls into `cliente`, which becomes the fixed-size client
    // area, and the menus into `barra` (null for a window without menus).
    static Controles construir(const DefinicionVentana& def, QWidget* cliente, QMenuBar* barra);
    // Places and sizes every control of a built window again for the
    // current zoom, from its design.
    static void escalar(QWidget* cliente);
    // Gives every caption, list item, menu item and accessible name of a
    // built window its text in the current language (the design's text
    // translated in the window's context, its objectName). A caption the
    // window has since rewritten (a count, a verdict) is left to it.
    static void traducir(const DefinicionVentana& def, const Controles& hechos);

private:
    static QWidget* crear(const DefinicionControl& c, QWidget* padre, Controles& hechos);
    static void construirMenus(const DefinicionVentana& def, QMenuBar* barra, Controles& hechos);
    static void ordenarTabulacion(const DefinicionVentana& def, Controles& hechos);
};

// Moves a control to a new top, or gives it a new height, in twips of its
// container (inside a picture box's border, as at build time).
// Writes a text into a box and shows it from its first character, however
// long, and whether or not it changed (Qt's setText leaves the caret, and so
// the view, at the end: a percentage or a bit string is read from the left).
void ponerTexto(QLineEdit* caja, const QString& texto);

void ponerArriba(QWidget* control, int twips);
void ponerAlto(QWidget* control, int twips);

// Runs `handler` when the user chooses the menu item. Qt flips a checkable
// item's mark before telling; our handlers flip it themselves (label clicks
// and batch switches call the same handlers), so the mark is put back first.
void alElegir(QAction* item, QObject* contexto, std::function<void()> handler);

} // namespace formularios
