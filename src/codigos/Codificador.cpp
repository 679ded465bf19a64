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
    for (int i = kBits - 1; i >= 0; --i, valor >>= 1)
        bits[i] = static_cast<char>('0' + (valor & 1u));
    return bits;
}

// The line-code module's HDB3, with the line at rest before the first bit,
// over the eight copies of the word: one coder for the main window and the
// laboratory.
std::string simbolosHdb3(const std::string& binario)
{
    std::string palabras;
    palabras.reserve(binario.size() * kHdb3Copies);
    for (int copia = 0; copia < kHdb3Copies; ++copia) palabras += binario;
    std::string salida;
    salida.reserve(palabras.size());
    for (const Paso& p : codificar(Codigo::Hdb3, palabras)) salida += p.marca;
    return salida;
}

int digitoBit(const std::string& binario, int bit)
{
    return binario[static_cast<std::size_t>(bit % kBits)] - '0';
}

int nivelReloj(int paso)
{
    return primeraMitad(paso) ? 1 : 0;
}

int nivelNrz(const std::string& binario, int bit)
{
    return digitoBit(binario, bit);
}

int nivelRz(const std::string& binario, int paso)
{
    return primeraMitad(paso) ? digitoBit(binario, paso / 2) : 0;
}

int NivelesAmi::siguiente()
{
    const int paso = paso_++;
    if (!primeraMitad(paso)) return 0;
    const int d = digitoBit(binario_, paso / 2);
    const int nivel = d * polaridad_;
    if (d == 1) polaridad_ = -polaridad_;
    return nivel;
}

int NivelesHdb3::siguiente()
{
    const int paso = paso_++;
    const auto bit = static_cast<std::size_t>(paso / 2);
    char s = bit < simbolos_.size() ? simbolos_[bit] : '0';
    bool violacion = false;
    if (s == 'B') s = '1';
    if (s == 'V') {
        // Flipped before the first half (the V copies the previous pulse's
        // sign) and again in the second half (the next pulse opposes the V).
        s = '1';
        polaridad_ = -polaridad_;
        violacion = true;
    }
    if (!primeraMitad(paso)) return 0;
    const int nivel = (s == '1' ? 1 : 0) * polaridad_;
    if (s == '1' && !violacion) polaridad_ = -polaridad_;
    return nivel;
}

} // namespace codigos
