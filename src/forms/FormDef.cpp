// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/FormDef.h"

#include <QtMath>

namespace forms {

Fuente fuenteVentana()
{
    return Fuente{QStringLiteral("MS Sans Serif"), 8.25, false};
}

ControlDef control(const QString& nombre, Tipo tipo, const QString& contenedor,
                   int l, int t, int w, int h)
{
    ControlDef c;
    c.nombre = nombre;
    c.tipo = tipo;
    c.contenedor = contenedor;
    c.twips = QRect(l, t, w, h);
    return c;
}

FormDef formulario(const QString& nombre, const QString& titulo, int ancho, int alto,
                   bool vistaPreviaTeclas)
{
    FormDef f;
    f.nombre = nombre;
    f.titulo = titulo;
    f.ancho = ancho;
    f.alto = alto;
    f.vistaPreviaTeclas = vistaPreviaTeclas;
    return f;
}

QString claveControl(const QString& nombre, int indice)
{
    return indice < 0 ? nombre : QStringLiteral("%1(%2)").arg(nombre).arg(indice);
}

} // namespace forms
