// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/Numeros.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace almacen {

double leerNumero(const QString& texto)
{
    const QString t = texto.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

qint64 leerCuenta(const QString& texto, bool* saturada)
{
    const QString t = texto.trimmed();
    const bool negativa = t.startsWith(QLatin1Char('-'));
    const QStringView cifras = QStringView(t).mid(negativa ? 1 : 0);
    if (cifras.isEmpty()) return 0;
    qint64 valor = 0;
    for (QChar c : cifras) {
        if (!c.isDigit()) return 0;
        const int d = c.digitValue();
        if (valor > (std::numeric_limits<qint64>::max() - d) / 10) {
            if (saturada) *saturada = true;
            return negativa ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
        }
        valor = valor * 10 + d;
    }
    return negativa ? -valor : valor;
}

QString textoPorcentaje(double valor)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    QString r = local.toString(valor, 'f', 2);
    while (r.endsWith(QLatin1Char('0'))) r.chop(1);
    if (r.endsWith(local.decimalPoint())) r.chop(local.decimalPoint().size());
    return r;
}

double porcentaje(double bien, double total) { return total > 0 ? bien * 100 / total : 0.0; }

} // namespace almacen
