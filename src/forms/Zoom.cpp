// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Zoom.h"

#include "formatos/Twips.h"

#include <QSettings>

namespace forms {

namespace {
const QString kClave = QStringLiteral("ventanas/zoom");
} // namespace

Zoom& Zoom::actual()
{
    static Zoom zoom;
    return zoom;
}

Zoom::Zoom()
{
    const double guardado = QSettings(QStringLiteral("Tramavox"), QStringLiteral("Tramavox")).value(kClave, 1.0).toDouble();
    for (int i = 0; i < int(kPasosZoom.size()); ++i)
        if (qFuzzyCompare(kPasosZoom[size_t(i)], guardado)) paso_ = i;
}

int Zoom::aPixeles(int twips) const
{
    return qRound(twips * factor() / formatos::kTwipsPorPixel);
}

void Zoom::ponerPaso(int paso)
{
    paso = qBound(0, paso, int(kPasosZoom.size()) - 1);
    if (paso == paso_) return;
    paso_ = paso;
    QSettings(QStringLiteral("Tramavox"), QStringLiteral("Tramavox")).setValue(kClave, factor());
    emit cambiado();
}

} // namespace forms
