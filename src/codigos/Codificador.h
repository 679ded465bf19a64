// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's number: its four hexadecimal digits as the binary text
// and the HDB3 symbol string; its traces' levels come from the line-code
// module's coder (CodigosLinea.h), as the laboratory's do.
// Plain C++ on purpose: no toolkit, so every rule is tested directly.

#include <optional>
#include <string>

namespace codigos {

constexpr int kBits = 16;      // one hexadecimal number is 16 bits
constexpr int kHdb3Copies = 8; // the HDB3 string codes the word 8 times
constexpr int kHdb3Symbols = kBits * kHdb3Copies;

// The value of a hexadecimal digit (either case) given by its character
// code, or -1 for any other character.
int valorHex(int codigo);

// The 16-character binary text ("0"/"1", most significant bit first) of one
// to four hexadecimal digits (either case). Empty or non-hexadecimal text has
// no binary form: the caller keeps what it showed before.
std::optional<std::string> binario(const std::string& numero);

// The 128-symbol HDB3 string ("0", "1", "B", "V") of the binary text written
// eight times in a row, with every run of four zeros replaced by "B00V" or
// "000V" so that consecutive violations alternate in polarity.
std::string simbolosHdb3(const std::string& binario);

// The binary text written eight times in a row: what the main window's
// traces code, so that AMI's and HDB3's polarity runs on from one copy of
// the word into the next.
std::string copiasPalabra(const std::string& binario);

} // namespace codigos
