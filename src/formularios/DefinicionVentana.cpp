// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/DefinicionVentana.h"

#include <QtMath>

namespace formularios {

Fuente fuenteVentana() { return Fuente{QStringLiteral("MS Sans Serif"), 8.25, false}; }

DefinicionControl control(const QString& nombre, Tipo tipo, const QString& contenedor, int l, int t, int w, int h)
{
    DefinicionControl c;
    c.nombre = nombre;
    c.tipo = tipo;
    c.contenedor = contenedor;
    c.twips = QRect(l, t, w, h);
    return c;
}

DefinicionControl control(const QString& nombre, Tipo tipo, const QString& contenedor)
{
    return control(nombre, tipo, contenedor, 0, 0, 0, 0);
}

DefinicionVentana formulario(const QString& nombre, const QString& titulo, int ancho, int alto, bool vistaPreviaTeclas)
{
    DefinicionVentana f;
    f.nombre = nombre;
    f.titulo = titulo;
    f.ancho = ancho;
    f.alto = alto;
    f.vistaPreviaTeclas = vistaPreviaTeclas;
    return f;
}

QStringList textosTraducibles(const DefinicionVentana& def)
{
    QStringList r{def.titulo};
    for (const DefinicionControl& c : def.controles) r << c.texto << c.nombreAccesible << c.descripcion;
    for (const DefinicionMenu& m : def.menus) r << m.texto;
    r.removeAll(QString());
    r.removeDuplicates();
    return r;
}

QString claveControl(const QString& nombre, int indice)
{
    return indice < 0 ? nombre : QStringLiteral("%1(%2)").arg(nombre).arg(indice);
}

} // namespace formularios
