// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bit string of the code laboratory, as the student writes it: bits,
// hexadecimal digits or plain text (each character its 8 bits, most
// significant first). Blanks are ignored; a wrong character is named in
// Spanish so the window can say what it refused.

#include <optional>
#include <string>

namespace codigos {

enum class FormaEntrada { Bits, Hexadecimal, Texto };

constexpr int kMaximoBits = 4096;

struct BitsLeidos {
    std::string bits;  // '0' and '1'
    std::string error; // empty when the whole text was read
};

BitsLeidos leerBits(FormaEntrada forma, const std::u32string& texto);

// The bits written in another form, or nothing when that form cannot hold
// them (hexadecimal needs whole digits, text whole bytes of visible
// characters).
std::optional<std::u32string> escribirBits(FormaEntrada forma, const std::string& bits);

} // namespace codigos
