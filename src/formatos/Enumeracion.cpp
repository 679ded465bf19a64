// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Enumeracion.h"

namespace formatos {

QString enumerar(const QStringList& nombres)
{
    if (nombres.size() < 2) return nombres.join(QString());
    return nombres.mid(0, nombres.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + nombres.last();
}

} // namespace formatos
