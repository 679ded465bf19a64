// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/Codificador.h"

#include "codigos/CodigosLinea.h"

namespace codigos {

int valorHex(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> binario(const std::string& numero)
{
    if (numero.empty() || numero.size() > 4) return std::nullopt;
    unsigned valor = 0;
    for (char c : numero) {
        const int d = valorHex(static_cast<unsigned char>(c));
        if (d < 0) return std::nullopt;
        valor = valor * 16 + static_cast<unsigned>(d);
    }
    std::string bits(kBits, '0');
    for (int i = kBits - 1; i >= 0; --i, valor >>= 1) bits[i] = static_cast<char>('0' + (valor & 1u));
    return bits;
}

std::string copiasPalabra(const std::string& binario)
{
    std::string palabras;
    palabras.reserve(binario.size() * kHdb3Copies);
    for (int copia = 0; copia < kHdb3Copies; ++copia) palabras += binario;
    return palabras;
}

// The line-code module's HDB3, with the line at rest before the first bit,
// over the eight copies of the word: one coder for the main window and the
// laboratory.
std::string simbolosHdb3(const std::string& binario)
{
    std::string salida;
    salida.reserve(binario.size() * kHdb3Copies);
    for (const Paso& p : codificar(Codigo::Hdb3, copiasPalabra(binario))) salida += p.marca;
    return salida;
}

} // namespace codigos
