// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelo/Cuenta.h"

#include <limits>

namespace modelo {

QString Cuenta::texto() const
{
    const QString cifras = QString::number(valor_);
    return leida_ ? QLatin1Char(' ') + cifras : cifras;
}

Cuenta Cuenta::mas(qint64 cuanto, bool* saturada) const { return Cuenta(sumarCuenta(valor_, cuanto, saturada)); }

qint64 sumarCuenta(qint64 a, qint64 b, bool* saturada)
{
    qint64 r = 0;
    if (!__builtin_add_overflow(a, b, &r)) return r;
    if (saturada) *saturada = true;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

} // namespace modelo
