// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Teclado.h"

#include "codigos/Codificador.h"
#include "formularios/Avisos.h"

#include <QString>

namespace formularios {

bool teclearDigito(QString& numero, int codigo)
{
    const int valor = codigos::valorHex(codigo);
    if (valor < 0) {
        Avisos::actual().pitido();
        return false;
    }
    // Small letters go in as capitals: the number never holds a small letter.
    numero = numero.right(3) + QChar(QLatin1Char("0123456789ABCDEF"[valor]));
    return true;
}

} // namespace formularios
