// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/Examen.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace almacen {

namespace {

struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};

// SplitMix64: a well mixed value out of any other, so that question n does
// not depend on having asked questions 1 to n-1 (a desk started again goes
// straight to its question).
quint64 mezclar(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

quint64 semillaDelPuesto(const QString& puesto)
{
    const QByteArray h = QCryptographicHash::hash(puesto.toUtf8(), QCryptographicHash::Sha256);
    quint64 r = 0;
    for (int i = 0; i < 8; ++i) r = (r << 8) | quint8(h[i]);
    return r;
}

constexpr int kDigitos = 4;

} // namespace

qint64 Examen::segundosQuedan(const QDateTime& ahora) const
{
    if (fin) return 0;
    return qMax<qint64>(0, (ahora.msecsTo(limite()) + 999) / 1000);
}

PreguntaExamen Examen::pregunta(int n, const QString& puesto) const
{
    const quint64 base = mismaSerie ? semilla : semilla ^ semillaDelPuesto(puesto);
    const quint64 valor = mezclar(base + quint64(n));
    PreguntaExamen p;
    p.codigo = codigos.isEmpty() ? QString() : codigos[int((valor >> 32) % quint64(codigos.size()))];
    p.numero = QString::number(valor & 0xFFFF, 16).toUpper().rightJustified(kDigitos, QLatin1Char('0'));
    return p;
}

QString Examen::problema() const
{
    if (nombre.trimmed().isEmpty()) return Textos::tr("El examen ha de tener un nombre.");
    if (codigos.isEmpty()) return Textos::tr("Elige al menos un código para el examen.");
    if (preguntas < 1 || preguntas > kMaximoPreguntas)
        return Textos::tr("El examen ha de tener de 1 a %1 preguntas.").arg(kMaximoPreguntas);
    if (segundos < 60 || segundos > kMaximoMinutos * 60)
        return Textos::tr("El examen ha de durar de 1 a %1 minutos.").arg(kMaximoMinutos);
    return {};
}

} // namespace almacen
