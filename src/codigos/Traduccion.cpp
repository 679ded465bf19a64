// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Traduccion.h"

#include <vector>

namespace codigos {

namespace {
Traductor& traductorActual()
{
    static Traductor t;
    return t;
}
} // namespace

void ponerTraductor(Traductor traductor) { traductorActual() = std::move(traductor); }

std::string traducir(const char* contexto, const char* texto)
{
    const Traductor& t = traductorActual();
    return t ? t(contexto, texto) : std::string(texto);
}

std::string rellenar(const std::string& plantilla, std::initializer_list<std::string> datos)
{
    const std::vector<std::string> valores(datos);
    std::string r;
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        const bool marca = c == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' && plantilla[i + 1] <= '9';
        const std::size_t n = marca ? std::size_t(plantilla[i + 1] - '1') : 0;
        if (marca && n < valores.size()) {
            r += valores[n];
            ++i;
        } else {
            r += c;
        }
    }
    return r;
}

} // namespace codigos
