// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line-code encoder: turns the four hexadecimal digits of the number into the
// binary text, the HDB3 symbol string and the signal levels of each trace.
// Plain C++ on purpose: no toolkit, so every rule is tested directly.

#include <optional>
#include <string>

namespace codigos {

constexpr int kBits = 16;            // one hexadecimal number is 16 bits
constexpr int kHdb3Copies = 8;       // the HDB3 string codes the word 8 times
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

// Levels are walked in half-bit steps: step j belongs to bit j / 2 and is its
// first half when j is even.
inline bool primeraMitad(int paso) { return paso % 2 == 0; }

// The bit digit of bit k of the display: the 16-bit word repeats without end.
int digitoBit(const std::string& binario, int bit);

// The clock is high in the first half of every bit and low in the second.
int nivelReloj(int paso);

// NRZ holds the bit's digit for the whole bit.
int nivelNrz(const std::string& binario, int bit);

// RZ gives the bit's digit in the first half and returns to zero.
int nivelRz(const std::string& binario, int paso);

// AMI with return to zero: each "1" is a pulse of the opposite sign to the
// previous one. The polarity carries from step to step, so the levels are
// taken in order from step 0, one call per step.
class NivelesAmi {
public:
    explicit NivelesAmi(const std::string& binario) : binario_(binario) {}
    int siguiente();

private:
    const std::string& binario_;
    int paso_ = 0;
    int polaridad_ = 1;
};

// HDB3 with return to zero over the 128-symbol string: ones and B pulses
// alternate like AMI, a V repeats the polarity of the pulse before it. Bits
// beyond the string (never reached by the window) are taken as "0".
class NivelesHdb3 {
public:
    explicit NivelesHdb3(const std::string& simbolos) : simbolos_(simbolos) {}
    int siguiente();

private:
    const std::string& simbolos_;
    int paso_ = 0;
    int polaridad_ = 1;
};

} // namespace codigos
