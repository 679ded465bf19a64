// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/EntradaBits.h"

#include "codigos/Traduccion.h"

#include "codigos/Codificador.h"

namespace codigos {

namespace {

bool blanco(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

void anadir(std::string& bits, unsigned valor, int cuantos)
{
    for (int i = cuantos - 1; i >= 0; --i) bits += (valor >> i) & 1u ? '1' : '0';
}

std::string rechazo(FormaEntrada forma)
{
    switch (forma) {
    case FormaEntrada::Bits: return traducir("codigos", "Solo se admiten los bits 0 y 1; los espacios se ignoran.");
    case FormaEntrada::Hexadecimal:
        return traducir("codigos", "Solo se admiten las cifras hexadecimales 0-9 y A-F; los espacios se ignoran.");
    case FormaEntrada::Texto:
        return traducir("codigos", "Solo se admiten caracteres de un byte (Latin-1): cada uno da sus 8 bits.");
    }
    return {};
}

} // namespace

BitsLeidos leerBits(FormaEntrada forma, const std::u32string& texto)
{
    BitsLeidos r;
    for (char32_t c : texto) {
        if (forma != FormaEntrada::Texto && blanco(c)) continue;
        if (forma == FormaEntrada::Bits && (c == U'0' || c == U'1')) {
            r.bits += static_cast<char>(c);
        } else if (forma == FormaEntrada::Hexadecimal && c < 128 && valorHex(static_cast<int>(c)) >= 0) {
            anadir(r.bits, static_cast<unsigned>(valorHex(static_cast<int>(c))), 4);
        } else if (forma == FormaEntrada::Texto && c <= 0xFF) {
            anadir(r.bits, static_cast<unsigned>(c), 8);
        } else {
            r.error = rechazo(forma);
            return r;
        }
        if (r.bits.size() > static_cast<std::size_t>(kMaximoBits)) {
            r.error = rellenar(traducir("codigos", "Como mucho %1 bits."), {std::to_string(kMaximoBits)});
            return r;
        }
    }
    return r;
}

std::optional<std::u32string> escribirBits(FormaEntrada forma, const std::string& bits)
{
    std::u32string r;
    const std::size_t ancho = forma == FormaEntrada::Bits ? 1 : forma == FormaEntrada::Hexadecimal ? 4 : 8;
    if (bits.size() % ancho != 0) return std::nullopt;
    for (std::size_t i = 0; i < bits.size(); i += ancho) {
        const auto valor = static_cast<char32_t>(std::stoul(bits.substr(i, ancho), nullptr, 2));
        if (forma == FormaEntrada::Bits) {
            r += valor ? U'1' : U'0';
        } else if (forma == FormaEntrada::Hexadecimal) {
            r += static_cast<char32_t>(valor < 10 ? U'0' + valor : U'A' + valor - 10);
        } else {
            // Control characters would vanish or break the line.
            if (valor < 0x20 || (valor >= 0x7F && valor < 0xA0)) return std::nullopt;
            r += valor;
        }
    }
    return r;
}

} // namespace codigos
