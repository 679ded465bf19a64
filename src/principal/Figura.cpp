// SPDX-License-Identifier: GPL-3.0-or-later
#include "principal/Figura.h"

#include "formatos/Enumeracion.h"

#include "dibujo/Color.h"
#include "dibujo/LienzoImagen.h"
#include "formatos/Twips.h"
#include "formularios/Controles.h"
#include "principal/DisenoPrincipal.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace principal {

namespace {
// The figure's own strip for the trace names, left of the drawing.
constexpr int kAnchoEtiquetas = 44;
} // namespace

QSize interiorPantalla()
{
    const int borde = 2 * formularios::kBordeImagen;
    return QSize(formatos::aPixeles(kAnchoPantalla) - borde, formatos::aPixeles(kAltoPantalla) - borde);
}

QImage figuraOndas(const QString& numero, const codigos::Visibles& visibles, int semiperiodo)
{
    const QSize interior = interiorPantalla();
    dibujo::LienzoImagen lienzo(kAnchoPantalla, kAltoPantalla, 0);
    lienzo.redimensionar(interior, 1.0);
    codigos::EstadoPantalla estado;
    estado.semiperiodo = semiperiodo;
    const auto dibujado = codigos::pintar(lienzo, estado, visibles, numero.toStdString());

    QImage figura(interior.width() + kAnchoEtiquetas, interior.height(), QImage::Format_RGB32);
    figura.fill(Qt::black);
    QPainter p(&figura);
    p.drawImage(kAnchoEtiquetas, 0, lienzo.imagen());
    if (!dibujado) return figura;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(13);
    p.setFont(f);
    for (int i = 0; i < codigos::kTrazas; ++i) {
        if (!dibujado->etiquetas[i]) continue;
        const int y = *dibujado->etiquetas[i] / formatos::kTwipsPorPixel;
        const auto& datos = codigos::kDatosTrazas[i];
        p.setPen(dibujo::qColor(datos.trazo));
        p.drawText(QRect(0, y, kAnchoEtiquetas - 4, 17), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromLatin1(datos.nombre));
    }
    return figura;
}

QString descripcionOndas(const codigos::Visibles& visibles)
{
    static const char* const kNombres[codigos::kTrazas] = {QT_TRANSLATE_NOOP("principal", "reloj"), "NRZ", "RZ", "AMI",
                                                           "HDB3"};
    QStringList vistas;
    for (int i = 0; i < codigos::kTrazas; ++i)
        if (visibles[size_t(i)]) vistas << QCoreApplication::translate("principal", kNombres[i]);
    return QCoreApplication::translate("principal", "Forma de onda de 16 bits: %1")
        .arg(vistas.isEmpty() ? QCoreApplication::translate("principal", "ninguna señal a la vista")
                              : formatos::enumerar(vistas));
}

} // namespace principal
