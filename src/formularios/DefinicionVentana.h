// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window described as data: the window, its containers and its controls
// with their design properties, positions in twips as the designs give them.
// One builder (ConstructorVentanas) turns a definition into widgets.

#include "codigos/Lienzo.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace formularios {

using codigos::Color;

enum class Tipo {
    Marco,      // frame with a caption strip (covers the labels beneath it)
    Imagen,     // picture box: black, sunken border, children inside the border
    AreaDibujo, // the picture box the plotter draws in
    Etiqueta,
    EtiquetaPulsable, // label that reacts to a click, with a hand pointer
    Texto,            // single-line text box
    TextoMultilinea,
    Boton,
    Deslizador,
    Combo,
    Opcion,
    Casilla, // check box, ticked at load when `marcado`
    BarraProgreso,
    TextoEnriquecido,
    Tabla,       // rows and columns to read, sort by any column and select whole rows
    Selector,    // drop-down list to choose from, its items in `texto` split by '|'
    Lista,       // list of items, each with a check box
    Desplazable, // scrolling frame for a picture larger than itself
};

struct Fuente {
    QString cara; // the face the design names ("Arial", "OCR-B 10 BT", ...)
    double puntos = 8.25;
    bool negrita = false;
};

// The platform's default dialog font, used by controls without a font entry.
Fuente fuenteVentana();

struct Deslizamiento {
    int minimo = 1;
    int maximo = 10;
    int pasoPequeno = 1;
    int pasoGrande = 5;
    int valor = 1;
};

struct DefinicionControl {
    QString nombre;
    Tipo tipo = Tipo::Etiqueta;
    QString contenedor; // empty: the window itself
    QRect twips;        // Left, Top, Width, Height
    QString texto;
    int indice = -1; // position in a control array, -1 for a single control
    int tab = -1;
    std::optional<Color> fondo;
    std::optional<Color> tinta;
    Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter;
    bool ajustar = false; // word wrap
    bool soloLectura = false;
    bool tabulable = true; // Tab stops on it (a click still gives it the focus)
    bool marcado = false;  // option button selected, or check box ticked, at load
    std::optional<Fuente> fuente;
    Deslizamiento deslizador;
    QString nombreAccesible; // what a screen reader calls it (its caption when empty)
    QString descripcion;     // what it shows or does

    // Fluent setters keep the design tables readable.
    DefinicionControl& conTexto(const QString& t)
    {
        texto = t;
        return *this;
    }
    DefinicionControl& enTab(int t)
    {
        tab = t;
        return *this;
    }
    DefinicionControl& conFondo(Color c)
    {
        fondo = c;
        return *this;
    }
    DefinicionControl& conTinta(Color c)
    {
        tinta = c;
        return *this;
    }
    DefinicionControl& alineado(Qt::Alignment a)
    {
        alineacion = a | Qt::AlignVCenter;
        return *this;
    }
    DefinicionControl& centrado() { return alineado(Qt::AlignHCenter); }
    DefinicionControl& aLaDerecha() { return alineado(Qt::AlignRight); }
    DefinicionControl& ajustado()
    {
        ajustar = true;
        return *this;
    }
    DefinicionControl& deSoloLectura()
    {
        soloLectura = true;
        return *this;
    }
    DefinicionControl& sinTabulador()
    {
        tabulable = false;
        return *this;
    }
    DefinicionControl& seleccionado()
    {
        marcado = true;
        return *this;
    }
    DefinicionControl& conFuente(const QString& cara, double puntos, bool negrita)
    {
        fuente = Fuente{cara, puntos, negrita};
        return *this;
    }
    DefinicionControl& conIndice(int i)
    {
        indice = i;
        return *this;
    }
    DefinicionControl& conDeslizador(Deslizamiento d)
    {
        deslizador = d;
        return *this;
    }
    DefinicionControl& accesible(const QString& nombre, const QString& que)
    {
        nombreAccesible = nombre;
        descripcion = que;
        return *this;
    }
};

DefinicionControl control(const QString& nombre, Tipo tipo, const QString& contenedor, int l, int t, int w, int h);
// A control of a laid-out window: where it goes, the window's layout says.
DefinicionControl control(const QString& nombre, Tipo tipo, const QString& contenedor = {});

struct DefinicionMenu {
    QString nombre;
    QString texto;
    QString menu; // empty: a title of the menu bar
    bool marcado = false;
    bool marcable = false;
    QString atajo; // a key sequence ("Ctrl+E"), shown beside the caption
};

struct DefinicionVentana {
    QString nombre;
    QString titulo;
    int ancho = 0; // client area, twips
    int alto = 0;
    bool vistaPreviaTeclas = false;
    bool cierraConEsc = false; // a window to look at and close, as its close button does
    // The user may make it smaller than its design, down to what the screen
    // holds; its content then scrolls. Otherwise it keeps its design, scaled.
    bool redimensionable = false;
    // The window lays its controls out itself, in Qt layouts on its client
    // area (the controls' twips are not used; the window's are the size it
    // first asks for): it grows, shrinks, is maximised and takes longer
    // captions in other languages and zooms by itself.
    bool dispuesta = false;
    std::vector<DefinicionControl> controles;
    std::vector<DefinicionMenu> menus;
};

DefinicionVentana formulario(const QString& nombre, const QString& titulo, int ancho, int alto,
                             bool vistaPreviaTeclas = false);

// Every text of the design that the builder translates (title, captions,
// list items, accessible names and descriptions, menus), once each, in the
// window's order.
QStringList textosTraducibles(const DefinicionVentana& def);

// The key under which a control is found: its name, or name(index) for a
// member of a control array.
QString claveControl(const QString& nombre, int indice);

} // namespace formularios
