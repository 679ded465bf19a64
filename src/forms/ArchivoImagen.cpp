#include "forms/ArchivoImagen.h"

#include "forms/FormDef.h"
#include "forms/PainterCanvas.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace forms {

namespace {

QString abrir(QSaveFile& f)
{
    return f.open(QIODevice::WriteOnly) ? QString() : f.errorString();
}

QString confirmar(QSaveFile& f)
{
    if (f.error() != QFileDevice::NoError) {
        const QString motivo = f.errorString();
        f.cancelWriting();
        return motivo;
    }
    return f.commit() ? QString() : f.errorString();
}

} // namespace

QString guardarPng(const QImage& imagen, const QString& ruta)
{
    QSaveFile f(ruta);
    if (QString e = abrir(f); !e.isEmpty()) return e;
    if (!imagen.save(&f, "PNG")) {
        f.cancelWriting();
        return f.error() != QFileDevice::NoError ? f.errorString()
                                                 : QStringLiteral("no se pudo codificar la imagen");
    }
    return confirmar(f);
}

QString guardarSvg(const std::function<void(linecode::Canvas&)>& dibujar, QSize exteriorTwips,
                   QSize interiorPixeles, const QString& ruta)
{
    QSaveFile f(ruta);
    if (QString e = abrir(f); !e.isEmpty()) return e;
    const QSize interiorTwips = interiorPixeles * kTwipsPorPixel;
    QSvgGenerator svg;
    svg.setOutputDevice(&f);
    svg.setSize(interiorPixeles);
    svg.setViewBox(QRect(QPoint(0, 0), interiorTwips));
    svg.setTitle(QStringLiteral("Tramavox"));
    {
        QPainter pintor;
        if (!pintor.begin(&svg)) {
            f.cancelWriting();
            return QStringLiteral("no se pudo crear el dibujo");
        }
        PainterCanvas canvas(pintor, exteriorTwips.width(), exteriorTwips.height(), interiorTwips);
        dibujar(canvas);
    }
    return confirmar(f);
}

} // namespace forms
