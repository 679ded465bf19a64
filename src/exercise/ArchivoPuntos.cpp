// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ArchivoPuntos.h"

#include "exercise/Numeros.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Cp1252.h"

#include <algorithm>

namespace ejercicio {

const QString kArchivoPuntos = QStringLiteral("puntos.pnt");

namespace {

constexpr qint64 kMaximoBytes = 16 * 1024 * 1024; // some 300,000 students

bool esCuenta(const QString& campo)
{
    return !campo.isEmpty() && std::all_of(campo.begin(), campo.end(), [](QChar c) { return c.isDigit(); });
}

// The two counts after the name, as whitespace-separated whole numbers (the
// old two-column fields cut counts of 10 or more; these read the same below
// 10 and whole above). A line whose counts cannot be read (short or
// hand-edited) counts as 0 and 0; a missing count is 0.
std::pair<QString, QString> leerCuentas(const QString& resto, bool* saturada)
{
    QStringList campos = resto.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, 2);
    if (!std::all_of(campos.begin(), campos.end(), esCuenta)) campos.clear();
    const auto cuenta = [&](int i) { return QLatin1Char(' ') + QString::number(leerCuenta(campos.value(i), saturada)); };
    return {cuenta(0), cuenta(1)};
}

// The lines of the file, whichever ends they have: CR LF as written, LF or a
// lone CR as other editors leave them. A last line end makes no empty line.
QList<QByteArray> lineasDe(const QByteArray& contenido)
{
    QList<QByteArray> lineas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < contenido.size(); ++i) {
        const char c = contenido[i];
        if (c != '\r' && c != '\n') continue;
        lineas << contenido.mid(inicio, i - inicio);
        if (c == '\r' && i + 1 < contenido.size() && contenido[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    if (inicio < contenido.size()) lineas << contenido.mid(inicio);
    return lineas;
}

} // namespace

TablaAlumnos leerPuntos(const QByteArray& contenido, bool* saturada)
{
    TablaAlumnos tabla;
    for (const QByteArray& linea : lineasDe(contenido)) {
        const QString texto = formatos::desde1252(linea);
        const auto [total, bien] = leerCuentas(texto.mid(kAnchoNombre), saturada);
        tabla.agregar(texto.left(kAnchoNombre), total, bien);
    }
    return tabla;
}

QByteArray escribirPuntos(const TablaAlumnos& tabla)
{
    QByteArray r;
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        const QString linea = nombreDeTabla(tabla.nombres[i]) + QLatin1Char(' ') +
                              QString::number(leerCuenta(tabla.totales[i])) + QLatin1Char(' ') +
                              QString::number(leerCuenta(tabla.aciertos[i]));
        r += formatos::a1252(linea) + "\r\n";
    }
    return r;
}

Carga cargarPuntos(const QString& ruta)
{
    const formatos::Lectura lectura = formatos::leerEntero(ruta, kMaximoBytes);
    Carga c;
    c.error = lectura.error;
    if (c.error.isEmpty()) c.tabla = leerPuntos(lectura.contenido, &c.saturada);
    return c;
}

QString guardarPuntos(const TablaAlumnos& tabla, const QString& ruta)
{
    return formatos::escribirEntero(ruta, escribirPuntos(tabla));
}

} // namespace ejercicio
