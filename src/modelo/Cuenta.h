// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A count of answers: a whole number of 64 bits that stops at its largest or
// smallest value instead of wrapping round. It also keeps how it is written,
// because students have always seen it so: a count read from "puntos.pnt"
// keeps the blank the file writes before it (" 12"), a count the program
// worked out is plain digits ("13").

#include <QString>

namespace modelo {

class Cuenta {
public:
    // A count worked out here: plain digits.
    explicit constexpr Cuenta(qint64 valor = 0) : valor_(valor) {}
    // A count as the file holds it: after a blank.
    static constexpr Cuenta leida(qint64 valor)
    {
        Cuenta c(valor);
        c.leida_ = true;
        return c;
    }

    qint64 valor() const { return valor_; }
    QString texto() const;

    // This count plus `cuanto`, worked out (so written as plain digits even
    // when nothing is added); `saturada` is set when it stopped at an end.
    Cuenta mas(qint64 cuanto, bool* saturada = nullptr) const;

    bool operator==(const Cuenta& otra) const { return valor_ == otra.valor_ && leida_ == otra.leida_; }
    bool operator!=(const Cuenta& otra) const { return !(*this == otra); }

private:
    qint64 valor_ = 0;
    bool leida_ = false;
};

// a + b, stopping at the largest or smallest count instead of wrapping round.
qint64 sumarCuenta(qint64 a, qint64 b, bool* saturada = nullptr);

} // namespace modelo
