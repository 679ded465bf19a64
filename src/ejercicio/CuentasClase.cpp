// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/CuentasClase.h"

#include "almacen/Numeros.h"
#include "codigos/CodigosLinea.h"
#include "codigos/Trazas.h"
#include "formatos/Csv.h"

#include <QDateTime>

#include <algorithm>
#include <array>

namespace ejercicio {

namespace {

// The exercise window's codes, named as the log names them: the main
// window's traces after the clock. Their columns are always there.
const std::array<QByteArrayView, 4> kCodigosEjercicio{
    codigos::kDatosTrazas[codigos::Nrz].nombre, codigos::kDatosTrazas[codigos::Rz].nombre,
    codigos::kDatosTrazas[codigos::Ami].nombre, codigos::kDatosTrazas[codigos::Hdb3].nombre};

// Every code that may be asked, in the order the columns go.
const std::vector<CodigoClase>& posibles()
{
    static const std::vector<CodigoClase> todos = [] {
        std::vector<CodigoClase> r;
        for (const QByteArrayView c : kCodigosEjercicio) r.push_back({QString::fromLatin1(c), false});
        for (const codigos::Codigo c : codigos::kTodosLosCodigos)
            for (const bool dibujado : {false, true}) {
                const CodigoClase k{QString::fromUtf8(codigos::nombreCodigo(c)), dibujado};
                if (std::find(r.begin(), r.end(), k) == r.end()) r.push_back(k);
            }
        return r;
    }();
    return todos;
}

// Each code's column, read and drawn, found by its name; -1 for a code
// this version does not ask.
int columnaDe(const QString& codigo, bool dibujado)
{
    static const std::array<QHash<QString, int>, 2> columnas = [] {
        std::array<QHash<QString, int>, 2> r;
        for (size_t c = 0; c < posibles().size(); ++c) r[posibles()[c].dibujado].insert(posibles()[c].codigo, int(c));
        return r;
    }();
    return columnas[dibujado].value(codigo, -1);
}

constexpr int kCamposHistorial = 7;  // fecha, alumno, codigo, numero, respuesta, resultado, modo
constexpr int kCamposNecesarios = 6; // a log written before the mode counts its answers as read

// One record of the log: its first fields, as views into the log or into
// buffers of their own where quotes had to be undone.
struct Registro {
    std::array<QByteArrayView, kCamposHistorial> campos;
    int n = 0; // fields in the record, those beyond the first six included
};

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

CuentasClase::DeAlumno& CuentasClase::de(QHash<QString, DeAlumno>& alumnos, const QString& nombre)
{
    DeAlumno& a = alumnos[nombre];
    if (a.bien.empty()) {
        a.bien.assign(posibles().size(), 0);
        a.mal.assign(posibles().size(), 0);
    }
    return a;
}

void CuentasClase::anotar(const almacen::RespuestasClase& respuestas)
{
    if (respuestas.anteriores != log_) contarLog(respuestas.anteriores);
    contarRegistros(respuestas);
    soluciones_.clear();
    for (const almacen::Evento* e : respuestas.sucesos)
        if (e->tipo == almacen::Evento::Tipo::Solucion) ++soluciones_[almacen::sinRelleno(e->respuesta.alumno)];
}

// The header and hand-damaged records are passed over.
void CuentasClase::contarLog(const QByteArray& anteriores)
{
    log_ = anteriores;
    delLog_.clear();
    recorrerHistorial(log_, [&](const Registro& r) {
        if (r.n < kCamposNecesarios) return;
        const int c = columnaDe(QString::fromUtf8(r.campos[2]), r.n > kCamposNecesarios && r.campos[6] == "dibujar");
        if (c < 0) return;
        DeAlumno& a = de(delLog_, formatos::campoCsvLeido(QString::fromUtf8(r.campos[1])));
        (r.campos[5] == "bien" ? a.bien : a.mal)[size_t(c)] += 1;
        // ISO dates sort as text; copies of the program may append out of order.
        const QByteArrayView dia = r.campos[0].first(qMin<qsizetype>(10, r.campos[0].size()));
        if (a.primerDia.isEmpty() || dia < a.primerDia) a.primerDia = dia.toByteArray();
    });
}

void CuentasClase::contarRegistros(const almacen::RespuestasClase& respuestas)
{
    const QVector<const almacen::Evento*>& leidas = respuestas.leidas;
    if (respuestas.vuelta != vuelta_ || leidas.size() < leidas_) {
        vuelta_ = respuestas.vuelta;
        leidas_ = 0;
        anotadas_.clear();
    }
    // The latest of each name among those that came, copied once at the end.
    QHash<QString, const almacen::Evento*> ultimas;
    for (qsizetype i = leidas_; i < leidas.size(); ++i) {
        const almacen::Evento* e = leidas[i];
        const almacen::RespuestaContada& r = e->respuesta;
        const int c = columnaDe(r.codigo, r.modo == QLatin1String("dibujar"));
        if (c < 0) continue;
        const QString nombre = almacen::sinRelleno(r.alumno);
        DeAlumno& a = de(anotadas_, nombre);
        (r.correcta ? a.bien : a.mal)[size_t(c)] += 1;
        const qint64 ms = r.cuando.toMSecsSinceEpoch();
        if (a.primeraMs < 0 || ms < a.primeraMs) a.primeraMs = ms;
        const almacen::Evento*& ultima = ultimas[nombre];
        if (!ultima || almacen::antesEnElTiempo(ultima, e)) ultima = e;
    }
    leidas_ = leidas.size();
    for (auto it = ultimas.cbegin(); it != ultimas.cend(); ++it) {
        DeAlumno& a = anotadas_[it.key()];
        if (!a.ultima || almacen::antesEnElTiempo(&*a.ultima, it.value())) a.ultima = *it.value();
    }
}

std::vector<FilaClase> CuentasClase::filas(const almacen::TablaAlumnos& tabla, std::vector<CodigoClase>* codigos,
                                           QString* desde) const
{
    const size_t n = posibles().size();
    std::vector<bool> hay(n, false);
    for (size_t c = 0; c < kCodigosEjercicio.size(); ++c) hay[c] = true;
    QByteArray primera;
    const auto antesDe = [&primera](const QByteArray& dia) {
        if (!dia.isEmpty() && (primera.isEmpty() || dia < primera)) primera = dia;
    };
    std::vector<FilaClase> filas;
    filas.reserve(size_t(tabla.num_alumnos()));
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        FilaClase f;
        f.nombre = almacen::sinRelleno(tabla.nombres[i]);
        f.total = tabla.totales[i].valor();
        f.bien = tabla.aciertos[i].valor();
        f.bienPorCodigo.assign(n, 0);
        f.malPorCodigo.assign(n, 0);
        f.soluciones = soluciones_.value(f.nombre, 0);
        for (const auto* alumnos : {&delLog_, &anotadas_}) {
            const auto a = alumnos->constFind(f.nombre);
            if (a == alumnos->constEnd()) continue;
            for (size_t c = 0; c < n; ++c) {
                f.bienPorCodigo[c] += a->bien[c];
                f.malPorCodigo[c] += a->mal[c];
                if (a->bien[c] + a->mal[c] > 0) hay[c] = true;
            }
            antesDe(a->primerDia);
            if (a->primeraMs >= 0)
                antesDe(QDateTime::fromMSecsSinceEpoch(a->primeraMs).date().toString(Qt::ISODate).toLatin1());
            if (a->ultima) f.ultima = a->ultima->respuesta;
        }
        filas.push_back(std::move(f));
    }
    // Only the codes with answers keep their columns (and the exercise window's).
    for (FilaClase& f : filas) {
        size_t k = 0;
        for (size_t c = 0; c < n; ++c)
            if (hay[c]) {
                f.bienPorCodigo[k] = f.bienPorCodigo[c];
                f.malPorCodigo[k++] = f.malPorCodigo[c];
            }
        f.bienPorCodigo.resize(k);
        f.malPorCodigo.resize(k);
    }
    if (codigos) {
        codigos->clear();
        for (size_t c = 0; c < n; ++c)
            if (hay[c]) codigos->push_back(posibles()[c]);
    }
    if (desde) *desde = QString::fromLatin1(primera);
    return filas;
}

std::vector<FilaClase> filasClase(const almacen::TablaAlumnos& tabla, const almacen::RespuestasClase& respuestas,
                                  std::vector<CodigoClase>* codigos, QString* desde)
{
    CuentasClase cuentas;
    cuentas.anotar(respuestas);
    return cuentas.filas(tabla, codigos, desde);
}

} // namespace ejercicio
