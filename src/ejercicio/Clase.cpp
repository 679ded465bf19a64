// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/Clase.h"

#include "codigos/Trazas.h"
#include "ejercicio/Numeros.h"
#include "formatos/Csv.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace ejercicio {

namespace {

// The drill's codes are the main window's traces after the clock, named as
// the log names them.
const std::array<QByteArrayView, kCodigosClase> kCodigos{
    codigos::kDatosTrazas[codigos::Nrz].nombre, codigos::kDatosTrazas[codigos::Rz].nombre,
    codigos::kDatosTrazas[codigos::Ami].nombre, codigos::kDatosTrazas[codigos::Hdb3].nombre};

constexpr int kCamposHistorial = 6; // fecha, alumno, codigo, numero, respuesta, resultado

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

std::vector<FilaClase> filasClase(const TablaAlumnos& tabla, const QByteArray& historial, QString* desde)
{
    QByteArray primera;
    std::vector<FilaClase> filas;
    filas.reserve(size_t(tabla.num_alumnos()));
    QHash<QString, std::vector<size_t>> porNombre;
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        FilaClase f;
        f.nombre = sinRelleno(tabla.nombres[i]);
        f.total = tabla.totales[i].valor();
        f.bien = tabla.aciertos[i].valor();
        porNombre[f.nombre].push_back(filas.size());
        filas.push_back(f);
    }
    // The header and hand-damaged records are passed over.
    recorrerHistorial(historial, [&](const Registro& r) {
        if (r.n < kCamposHistorial) return;
        const auto codigo = std::find(kCodigos.begin(), kCodigos.end(), r.campos[2]);
        if (codigo == kCodigos.end()) return;
        const auto alumno = porNombre.constFind(formatos::campoCsvLeido(QString::fromUtf8(r.campos[1])));
        if (alumno == porNombre.constEnd()) return;
        const bool bien = r.campos[5] == "bien";
        const auto c = size_t(codigo - kCodigos.begin());
        for (size_t i : *alumno) (bien ? filas[i].bienPorCodigo : filas[i].malPorCodigo)[c] += 1;
        // ISO dates sort as text; copies of the program may append out of order.
        const QByteArrayView dia = r.campos[0].first(qMin<qsizetype>(10, r.campos[0].size()));
        if (primera.isEmpty() || dia < primera) primera = dia.toByteArray();
    });
    if (desde) *desde = QString::fromLatin1(primera);
    return filas;
}

QString textoPorcentajeClase(double porcentaje)
{
    return QLocale(QLocale::Spanish, QLocale::Spain).toString(porcentaje, 'f', 1);
}

QByteArray csvClase(const std::vector<FilaClase>& filas)
{
    QStringList cabecera{QStringLiteral("Alumno"), QStringLiteral("Total"), QStringLiteral("Aciertos"),
                         QStringLiteral("Errores"), QStringLiteral("Porcentaje")};
    for (const QByteArrayView c : kCodigos)
        cabecera << QString::fromLatin1(c) + QStringLiteral(" aciertos")
                 << QString::fromLatin1(c) + QStringLiteral(" errores");
    QString csv = cabecera.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const FilaClase& f : filas) {
        QStringList campos{formatos::campoCsv(f.nombre, QLatin1Char(';')), QString::number(f.total),
                           QString::number(f.bien), QString::number(f.mal()), textoPorcentajeClase(f.porcentaje())};
        for (int c = 0; c < kCodigosClase; ++c)
            campos << QString::number(f.bienPorCodigo[size_t(c)]) << QString::number(f.malPorCodigo[size_t(c)]);
        csv += campos.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace ejercicio
