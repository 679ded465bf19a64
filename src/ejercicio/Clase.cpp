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

namespace {

// The exercise window's codes, named as the log names them: the main
// window's traces after the clock. Their columns are always there.
const std::array<QByteArrayView, 4> kCodigosEjercicio{
    codigos::kDatosTrazas[codigos::Nrz].nombre, codigos::kDatosTrazas[codigos::Rz].nombre,
    codigos::kDatosTrazas[codigos::Ami].nombre, codigos::kDatosTrazas[codigos::Hdb3].nombre};

constexpr int kCamposHistorial = 7;  // fecha, alumno, codigo, numero, respuesta, resultado, modo
constexpr int kCamposNecesarios = 6; // a log written before the mode counts its answers as read

// One record of the log: its first fields, as views into the log or into
// buffers of their own where quotes had to be undone.
struct Registro {
    std::array<QByteArrayView, kCamposHistorial> campos;
    int n = 0; // fields in the record, those beyond the first six included
};

// Hands each record of the log (RFC 4180: quoted fields may hold commas,
// doubled quotes and line ends) to `hacer`, without copying the log: a
// class's log may hold a million answers.
template <typename Hacer>
void recorrerHistorial(const QByteArray& t, Hacer hacer)
{
    std::array<QByteArray, kCamposHistorial + 1> sinComillas;
    Registro r;
    const qsizetype fin = t.size();
    const auto finDeCampo = [&](qsizetype j) {
        while (j < fin && t[j] != ',' && t[j] != '\r' && t[j] != '\n') ++j;
        return j;
    };
    qsizetype i = 0;
    while (i < fin) {
        QByteArrayView campo;
        if (t[i] == '"') {
            QByteArray& d = sinComillas[size_t(qMin(r.n, kCamposHistorial))];
            d.resize(0);
            for (++i; i < fin; ++i) {
                if (t[i] != '"')
                    d += t[i];
                else if (i + 1 < fin && t[i + 1] == '"')
                    d += t[++i];
                else
                    break;
            }
            const qsizetype tras = qMin(i + 1, fin);
            const qsizetype j = finDeCampo(tras);
            d.append(t.constData() + tras, j - tras);
            campo = d;
            i = j;
        } else {
            const qsizetype j = finDeCampo(i);
            campo = QByteArrayView(t.constData() + i, j - i);
            i = j;
        }
        if (r.n < kCamposHistorial) r.campos[size_t(r.n)] = campo;
        ++r.n;
        if (i < fin && t[i] == ',') {
            if (++i < fin) continue;
            ++r.n; // an empty last field
        } else if (i < fin) {
            if (t[i] == '\r' && i + 1 < fin && t[i + 1] == '\n') ++i;
            ++i;
        }
        hacer(r);
        r.n = 0;
    }
}

} // namespace

std::vector<FilaClase> filasClase(const almacen::TablaAlumnos& tabla, const almacen::RespuestasClase& respuestas,
                                  std::vector<CodigoClase>* codigosClase, QString* desde)
{
    // Every code that may be asked, in the order the columns go.
    std::vector<CodigoClase> posibles;
    for (const QByteArrayView c : kCodigosEjercicio) posibles.push_back({QString::fromLatin1(c), false});
    for (const codigos::Codigo c : codigos::kTodosLosCodigos)
        for (const bool dibujado : {false, true}) {
            const CodigoClase k{QString::fromUtf8(codigos::nombreCodigo(c)), dibujado};
            if (std::find(posibles.begin(), posibles.end(), k) == posibles.end()) posibles.push_back(k);
        }
    std::vector<FilaClase> filas;
    filas.reserve(size_t(tabla.num_alumnos()));
    QHash<QString, std::vector<size_t>> porNombre;
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        FilaClase f;
        f.nombre = almacen::sinRelleno(tabla.nombres[i]);
        f.total = tabla.totales[i].valor();
        f.bien = tabla.aciertos[i].valor();
        f.bienPorCodigo.assign(posibles.size(), 0);
        f.malPorCodigo.assign(posibles.size(), 0);
        porNombre[f.nombre].push_back(filas.size());
        filas.push_back(f);
    }
    std::vector<bool> hay(posibles.size(), false);
    for (size_t c = 0; c < kCodigosEjercicio.size(); ++c) hay[c] = true;
    // An answer counts for the students of its name, under its code; whether
    // it did is said back, so that its day may count too.
    // Each code's column, read and drawn, found by its name: a year holds
    // hundreds of thousands of answers.
    std::array<QHash<QString, size_t>, 2> columnas;
    for (size_t c = 0; c < posibles.size(); ++c) columnas[posibles[c].dibujado].insert(posibles[c].codigo, c);
    const auto contar = [&](const CodigoClase& leido, const QString& nombre, bool bien) {
        const auto codigo = columnas[leido.dibujado].constFind(leido.codigo);
        if (codigo == columnas[leido.dibujado].constEnd()) return false;
        const auto alumno = porNombre.constFind(nombre);
        if (alumno == porNombre.constEnd()) return false;
        const size_t c = *codigo;
        hay[c] = true;
        for (size_t i : *alumno) (bien ? filas[i].bienPorCodigo : filas[i].malPorCodigo)[c] += 1;
        return true;
    };
    QByteArray primera;
    // The header and hand-damaged records are passed over.
    recorrerHistorial(respuestas.anteriores, [&](const Registro& r) {
        if (r.n < kCamposNecesarios) return;
        const CodigoClase leido{QString::fromUtf8(r.campos[2]), r.n > kCamposNecesarios && r.campos[6] == "dibujar"};
        if (!contar(leido, formatos::campoCsvLeido(QString::fromUtf8(r.campos[1])), r.campos[5] == "bien")) return;
        // ISO dates sort as text; copies of the program may append out of order.
        const QByteArrayView dia = r.campos[0].first(qMin<qsizetype>(10, r.campos[0].size()));
        if (primera.isEmpty() || dia < primera) primera = dia.toByteArray();
    });
    for (const almacen::Evento* e : respuestas.sucesos) {
        if (e->tipo != almacen::Evento::Tipo::Solucion) continue;
        const auto alumno = porNombre.constFind(almacen::sinRelleno(e->respuesta.alumno));
        if (alumno != porNombre.constEnd())
            for (size_t i : *alumno) ++filas[i].soluciones;
    }
    const almacen::RespuestaContada* antes = nullptr;
    std::vector<const almacen::RespuestaContada*> ultimas(filas.size(), nullptr);
    for (const almacen::RespuestaContada* r : respuestas.anotadas) {
        const QString nombre = almacen::sinRelleno(r->alumno);
        if (!contar({r->codigo, r->modo == QLatin1String("dibujar")}, nombre, r->correcta)) continue;
        if (!antes || r->cuando < antes->cuando) antes = r;
        for (size_t i : porNombre.constFind(nombre).value()) ultimas[i] = r; // they come in the order given
    }
    // Copied: the rows outlive the store's next read.
    for (size_t i = 0; i < filas.size(); ++i)
        if (ultimas[i]) filas[i].ultima = *ultimas[i];
    if (antes) {
        const QByteArray dia = antes->cuando.toLocalTime().date().toString(Qt::ISODate).toLatin1();
        if (primera.isEmpty() || dia < primera) primera = dia;
    }
    // Only the codes with answers keep their columns (and the exercise window's).
    for (FilaClase& f : filas) {
        size_t k = 0;
        for (size_t c = 0; c < posibles.size(); ++c)
            if (hay[c]) {
                f.bienPorCodigo[k] = f.bienPorCodigo[c];
                f.malPorCodigo[k++] = f.malPorCodigo[c];
            }
        f.bienPorCodigo.resize(k);
        f.malPorCodigo.resize(k);
    }
    if (codigosClase) {
        codigosClase->clear();
        for (size_t c = 0; c < posibles.size(); ++c)
            if (hay[c]) codigosClase->push_back(posibles[c]);
    }
    if (desde) *desde = QString::fromLatin1(primera);
    return filas;
}

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
