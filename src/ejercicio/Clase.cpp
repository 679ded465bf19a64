// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/Clase.h"

#include "almacen/Numeros.h"
#include "codigos/CodigosLinea.h"
#include "codigos/Traduccion.h"
#include "codigos/Trazas.h"
#include "formatos/Csv.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace ejercicio {

std::vector<SucesoClase> sucesosClase(const almacen::RespuestasClase& respuestas)
{
    using almacen::Evento;
    std::vector<SucesoClase> r;
    for (const Evento* e : respuestas.sucesos) {
        SucesoClase s;
        s.tipo = e->tipo == Evento::Tipo::Reinicio ? SucesoClase::Tipo::Reinicio
                 : e->tipo == Evento::Tipo::Baja   ? SucesoClase::Tipo::Baja
                                                   : SucesoClase::Tipo::Solucion;
        s.cuando = e->respuesta.cuando;
        s.alumno = almacen::sinRelleno(e->respuesta.alumno);
        s.puesto = almacen::puestoDe(*e);
        s.total = e->total;
        s.bien = e->bien;
        s.codigo = e->respuesta.codigo;
        s.numero = e->respuesta.numero;
        s.dibujado = e->respuesta.modo == QLatin1String("dibujar");
        r.push_back(s);
    }
    return r;
}

QString SucesoClase::texto() const
{
    switch (tipo) {
    case Tipo::Reinicio: return QCoreApplication::translate("ejercicio", "Cuentas a cero");
    case Tipo::Baja: return QCoreApplication::translate("ejercicio", "Alumno borrado");
    case Tipo::Solucion: break;
    }
    return QCoreApplication::translate("ejercicio", "Solución vista");
}

QString SucesoClase::detalle() const
{
    if (tipo != Tipo::Solucion)
        return QCoreApplication::translate("ejercicio", "%1 respuestas, %2 aciertos").arg(total).arg(bien);
    return CodigoClase{codigo, dibujado}.tituloVisible() + QLatin1Char(' ') + numero;
}

QString CodigoClase::titulo() const { return dibujado ? codigo + QStringLiteral(" (dibujo)") : codigo; }

QString CodigoClase::tituloVisible() const
{
    const QString nombre = QString::fromStdString(codigos::traducir("codigos", codigo.toUtf8().constData()));
    return dibujado ? QCoreApplication::translate("ejercicio", "%1 (dibujo)").arg(nombre) : nombre;
}

QString textoPorcentajeClase(double porcentaje)
{
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(porcentaje, 'f', 1);
}

QByteArray csvClase(const std::vector<FilaClase>& filas, const std::vector<CodigoClase>& codigos)
{
    QStringList cabecera{QStringLiteral("Alumno"), QStringLiteral("Total"), QStringLiteral("Aciertos"),
                         QStringLiteral("Errores"), QStringLiteral("Porcentaje")};
    for (const CodigoClase& c : codigos)
        cabecera << c.titulo() + QStringLiteral(" aciertos") << c.titulo() + QStringLiteral(" errores");
    cabecera << QStringLiteral("Soluciones vistas");
    QString csv = cabecera.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const FilaClase& f : filas) {
        QStringList campos{formatos::campoCsv(f.nombre, QLatin1Char(';')), QString::number(f.total),
                           QString::number(f.bien), QString::number(f.mal()), textoPorcentajeClase(f.porcentaje())};
        for (size_t c = 0; c < f.bienPorCodigo.size(); ++c)
            campos << QString::number(f.bienPorCodigo[c]) << QString::number(f.malPorCodigo[c]);
        campos << QString::number(f.soluciones);
        csv += campos.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace ejercicio
