#include "forms/Figura.h"

#include "forms/Colour.h"
#include "forms/ImageCanvas.h"

#include <QFont>
#include <QPainter>

namespace forms {

namespace {
// The window's drawing area inside its border, and its label strip.
constexpr int kAnchoExterior = 8775, kAltoExterior = 2535;
const QSize kInterior(581, 165);
constexpr int kAnchoEtiquetas = 44;
const char* const kNombres[] = {"CLK", "NRZ", "RZ", "AMI", "HDB3"};
} // namespace

QImage figuraOndas(const QString& numero, const linecode::Visibles& visibles, int semiperiodo)
{
    ImageCanvas canvas(kAnchoExterior, kAltoExterior, 0);
    canvas.redimensionar(kInterior, 1.0);
    linecode::EstadoPantalla estado;
    estado.semiperiodo = semiperiodo;
    const auto dibujo = linecode::pintar(canvas, estado, visibles, numero.toStdString());

    QImage figura(kInterior.width() + kAnchoEtiquetas, kInterior.height(), QImage::Format_RGB32);
    figura.fill(Qt::black);
    QPainter p(&figura);
    p.drawImage(kAnchoEtiquetas, 0, canvas.imagen());
    if (!dibujo) return figura;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(13);
    p.setFont(f);
    for (int i = 0; i < linecode::kTrazas; ++i) {
        if (!dibujo->etiquetas[i]) continue;
        const int y = *dibujo->etiquetas[i] / 15;
        p.setPen(qColor(linecode::colores::kTrazas[i]));
        p.drawText(QRect(0, y, kAnchoEtiquetas - 4, 17), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromLatin1(kNombres[i]));
    }
    return figura;
}

} // namespace forms
