// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Clase.h"

#include "exercise/Numeros.h"

#include <QHash>
#include <QLocale>
#include <QStringList>

namespace ejercicio {

namespace {

const QStringList kCodigos{QStringLiteral("NRZ"), QStringLiteral("RZ"), QStringLiteral("AMI"), QStringLiteral("HDB3")};

QString sinRelleno(QString nombre)
{
    while (nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
    return nombre;
}

// The fields of the log's records (RFC 4180: quoted fields may hold commas,
// quotes doubled, and line ends).
std::vector<QStringList> registros(const QString& texto)
{
    std::vector<QStringList> r;
    QStringList campos;
    QString campo;
    bool entreComillas = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (entreComillas) {
            if (c != QLatin1Char('"')) campo += c;
            else if (i + 1 < texto.size() && texto[i + 1] == QLatin1Char('"')) campo += texto[++i];
            else entreComillas = false;
        } else if (c == QLatin1Char('"')) {
            entreComillas = true;
        } else if (c == QLatin1Char(',')) {
            campos << campo;
            campo.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('\n')) ++i;
            campos << campo;
            r.push_back(campos);
            campos.clear();
            campo.clear();
        } else {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !campos.isEmpty()) r.push_back(campos << campo);
    return r;
}

QString campoCsv(const QString& texto)
{
    if (!texto.contains(QLatin1Char(';')) && !texto.contains(QLatin1Char('"'))) return texto;
    return QLatin1Char('"') + QString(texto).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

std::vector<FilaClase> filasClase(const TablaAlumnos& tabla, const QByteArray& historial)
{
    std::vector<FilaClase> filas;
    filas.reserve(size_t(tabla.num_alumnos()));
    QHash<QString, std::vector<size_t>> porNombre;
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        FilaClase f;
        f.nombre = sinRelleno(tabla.nombres[i]);
        f.total = leerCuenta(tabla.totales[i]);
        f.bien = leerCuenta(tabla.aciertos[i]);
        porNombre[f.nombre].push_back(filas.size());
        filas.push_back(f);
    }
    // fecha, alumno, codigo, numero, respuesta, resultado; the header and
    // hand-damaged records are passed over.
    for (const QStringList& r : registros(QString::fromUtf8(historial))) {
        if (r.size() < 6) continue;
        const int codigo = int(kCodigos.indexOf(r[2]));
        const auto alumno = porNombre.constFind(r[1]);
        if (codigo < 0 || alumno == porNombre.constEnd()) continue;
        const bool bien = r[5] == QLatin1String("bien");
        for (size_t i : *alumno) (bien ? filas[i].bienPorCodigo : filas[i].malPorCodigo)[size_t(codigo)] += 1;
    }
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
    for (const QString& c : kCodigos) cabecera << c + QStringLiteral(" aciertos") << c + QStringLiteral(" errores");
    QString csv = cabecera.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const FilaClase& f : filas) {
        QStringList campos{campoCsv(f.nombre), QString::number(f.total), QString::number(f.bien),
                           QString::number(f.mal()), textoPorcentajeClase(f.porcentaje())};
        for (int c = 0; c < kCodigosClase; ++c)
            campos << QString::number(f.bienPorCodigo[size_t(c)]) << QString::number(f.malPorCodigo[size_t(c)]);
        csv += campos.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace ejercicio
