// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Enumeracion.h"

#include <QCoreApplication>

namespace formatos {

QString enumerar(const QStringList& nombres)
{
    if (nombres.size() < 2) return nombres.join(QString());
    // The conjunction, and where the last name goes, are the language's.
    return QCoreApplication::translate("formatos", "%1 y %2")
        .arg(nombres.mid(0, nombres.size() - 1).join(QStringLiteral(", ")), nombres.last());
}

} // namespace formatos
