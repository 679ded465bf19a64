// SPDX-License-Identifier: GPL-3.0-or-later
#include "dibujo/ArchivoImagen.h"

#include "dibujo/LienzoPintor.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Twips.h"

#include <QPainter>
#include <QSvgGenerator>

namespace dibujo {

QString guardarPng(const QImage& imagen, const QString& ruta)
{
    return formatos::escribirEntero(ruta, [&imagen](QIODevice& f) { return imagen.save(&f, "PNG"); });
}

QString guardarSvg(const std::function<void(codigos::Lienzo&)>& dibujar, QSize exteriorTwips, QSize interiorPixeles,
                   const QString& ruta)
{
    return formatos::escribirEntero(ruta, [&](QIODevice& f) {
        const QSize interiorTwips = interiorPixeles * formatos::kTwipsPorPixel;
        QSvgGenerator svg;
        svg.setOutputDevice(&f);
        svg.setSize(interiorPixeles);
        svg.setViewBox(QRect(QPoint(0, 0), interiorTwips));
        svg.setTitle(QStringLiteral("Tramavox"));
        QPainter pintor;
        if (!pintor.begin(&svg)) return false;
        LienzoPintor lienzo(pintor, exteriorTwips.width(), exteriorTwips.height(), interiorTwips);
        dibujar(lienzo);
        return pintor.end();
    });
}

} // namespace dibujo
