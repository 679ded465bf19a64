#include "exercise/Numeros.h"

#include <QLocale>

#include <cmath>

namespace ejercicio {

double leerNumero(const QString& texto)
{
    const QString t = texto.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString textoEntero(double valor)
{
    return QString::number(static_cast<qint64>(std::llround(valor)));
}

QString textoPorcentaje(double valor)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(valor, 'g', 15);
}

double porcentaje(double bien, double total)
{
    return total > 0 ? bien * 100 / total : 0.0;
}

} // namespace ejercicio
