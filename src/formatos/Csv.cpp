// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Csv.h"

namespace formatos {

namespace {

const QString kInicioPeligroso = QStringLiteral("=+-@\t\r'");
constexpr QChar kApostrofo = QLatin1Char('\'');
constexpr QChar kComillas = QLatin1Char('"');

} // namespace

QString campoCsv(const QString& texto, QChar separador)
{
    QString campo = !texto.isEmpty() && kInicioPeligroso.contains(texto[0]) ? kApostrofo + texto : texto;
    const bool entreComillas = campo.contains(separador) || campo.contains(kComillas) ||
                               campo.contains(QLatin1Char('\r')) || campo.contains(QLatin1Char('\n'));
    if (!entreComillas) return campo;
    return kComillas + campo.replace(kComillas, QStringLiteral("\"\"")) + kComillas;
}

QString campoCsvLeido(const QString& campo) { return campo.startsWith(kApostrofo) ? campo.mid(1) : campo; }

} // namespace formatos
