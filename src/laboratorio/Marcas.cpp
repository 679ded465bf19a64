// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/Marcas.h"

#include "codigos/DatosCodigo.h"
#include "formularios/Idioma.h"

#include <QLocale>
#include <QPainter>

using codigos::Codigo;

namespace laboratorio {

void pintarMarca(QPainter& p, QPointF c, Codigo codigo, double r)
{
    const codigos::DatosCodigo& datos = codigos::datosCodigo(codigo);
    p.setBrush(datos.marcaLlena ? p.pen().color() : QColor(Qt::black));
    const auto cruz = [&] {
        p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
        p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
    };
    const auto aspa = [&] {
        p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    };
    switch (datos.marca) {
    case codigos::FormaMarca::Circulo: p.drawEllipse(c, r, r); break;
    case codigos::FormaMarca::Cuadrado: p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)); break;
    case codigos::FormaMarca::TrianguloArriba:
        p.drawPolygon(QPolygonF({c + QPointF(-r, r), c + QPointF(r, r), c + QPointF(0, -r)}));
        break;
    case codigos::FormaMarca::TrianguloAbajo:
        p.drawPolygon(QPolygonF({c + QPointF(-r, -r), c + QPointF(r, -r), c + QPointF(0, r)}));
        break;
    case codigos::FormaMarca::Rombo:
        p.drawPolygon(QPolygonF({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}));
        break;
    case codigos::FormaMarca::Cruz: cruz(); break;
    case codigos::FormaMarca::Aspa: aspa(); break;
    case codigos::FormaMarca::Asterisco:
        cruz();
        aspa();
        break;
    }
    p.setBrush(Qt::NoBrush);
}

QString enCifras(double v, int cifras) { return formularios::localeEnUso().toString(v, 'g', cifras); }

} // namespace laboratorio
