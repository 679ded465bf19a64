// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/ValidadorNombre.h"

#include "almacen/TablaAlumnos.h"

namespace ejercicio {

QValidator::State ValidadorNombre::validate(QString& texto, int& posicion) const
{
    QString limpio;
    for (int i = 0; i < texto.size(); ++i) {
        if (almacen::esDeControl(texto[i])) {
            if (i < posicion) --posicion;
            continue;
        }
        limpio += texto[i];
    }
    texto = limpio;
    // Blanks may be typed at the ends; they are trimmed when the name is kept.
    motivo_ = almacen::motivoNombreNoValido(almacen::nombreLimpio(texto));
    return motivo_.isEmpty() ? Acceptable : Invalid;
}

} // namespace ejercicio
