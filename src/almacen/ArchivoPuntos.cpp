// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/ArchivoPuntos.h"

#include "almacen/Numeros.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Cp1252.h"

#include <QCoreApplication>
#include <QUtf8StringView>

#include <algorithm>

namespace almacen {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};
} // namespace

const QString kArchivoPuntos = QStringLiteral("puntos.pnt");

namespace {

constexpr qint64 kMaximoBytes = 16 * 1024 * 1024; // some 300,000 students

bool esCuenta(const QString& campo)
{
    return !campo.isEmpty() && std::all_of(campo.begin(), campo.end(), [](QChar c) { return c.isDigit(); });
}

struct LineaLeida {
    QString nombre;
    modelo::Cuenta total, bien;
    QString problema; // why the line is no student's; empty when it is one
};

// The counts in `campos` (one or two whole numbers; a missing right count
// is 0), or why they cannot be a student's.
QString leerCuentas(const QStringList& campos, LineaLeida& l, bool* saturada)
{
    if (campos.isEmpty() || campos.size() > 2 || !std::all_of(campos.begin(), campos.end(), esCuenta))
        return Textos::tr("las cuentas no son dos números enteros positivos");
    const qint64 total = leerCuenta(campos[0], saturada), bien = leerCuenta(campos.value(1), saturada);
    if (bien > total) return Textos::tr("tiene más aciertos (%1) que respuestas (%2)").arg(bien).arg(total);
    l.total = modelo::Cuenta::leida(total);
    l.bien = modelo::Cuenta::leida(bien);
    return {};
}

// A line as the program writes it (the name in columns 1 to 40, then the
// counts), or as a hand edit leaves it ("Ana 5 3", the name alone).
LineaLeida leerLinea(const QString& texto, bool* saturada)
{
    LineaLeida l{texto.left(kAnchoNombre), modelo::Cuenta::leida(0), modelo::Cuenta::leida(0), {}};
    if (texto.trimmed().isEmpty()) {
        l.problema = Textos::tr("está en blanco");
        return l;
    }
    if (texto.contains(QChar(0))) {
        l.problema = Textos::tr("tiene caracteres nulos");
        return l;
    }
    const QStringList resto = texto.mid(kAnchoNombre).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (texto.size() > kAnchoNombre && !texto.left(kAnchoNombre).trimmed().isEmpty() && !resto.isEmpty() &&
        leerCuentas(resto, l, saturada).isEmpty())
        return l;
    // Not in columns: the counts are the last two words, the name the rest.
    const QStringList palabras = texto.simplified().split(QLatin1Char(' '));
    if (std::all_of(palabras.begin(), palabras.end(), esCuenta)) {
        l.problema = Textos::tr("no tiene nombre");
        return l;
    }
    const qsizetype n = palabras.size();
    if (n < 3 || !esCuenta(palabras[n - 1]) || !esCuenta(palabras[n - 2])) {
        // The name alone is a student with no answers yet; a long line
        // whose counts cannot be read is not.
        if (texto.size() > kAnchoNombre) l.problema = Textos::tr("las cuentas no son dos números enteros positivos");
        return l;
    }
    l.problema = leerCuentas(palabras.mid(n - 2), l, saturada);
    l.nombre = palabras.mid(0, n - 2).join(QLatin1Char(' '));
    if (l.nombre.size() > kAnchoNombre) l.problema = Textos::tr("el nombre pasa de %1 caracteres").arg(kAnchoNombre);
    return l;
}

// The file's text: Windows-1252 as the program writes it, or UTF-8 (with or
// without its byte order mark) as a modern editor leaves it.
QString textoDe(const QByteArray& contenido, bool& utf8)
{
    static const QByteArray kMarca("\xEF\xBB\xBF");
    utf8 = contenido.startsWith(kMarca);
    if (utf8) return QString::fromUtf8(contenido.mid(kMarca.size()));
    const bool soloAscii = std::all_of(contenido.begin(), contenido.end(), [](char c) { return (c & 0x80) == 0; });
    if (!soloAscii && QUtf8StringView(contenido).isValidUtf8()) {
        utf8 = true;
        return QString::fromUtf8(contenido);
    }
    return formatos::desde1252(contenido);
}

// The lines of the file, whichever ends they have: CR LF as written, LF or a
// lone CR as other editors leave them. A last line end makes no empty line.
QStringList lineasDe(const QString& contenido)
{
    QStringList lineas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < contenido.size(); ++i) {
        const QChar c = contenido[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lineas << contenido.mid(inicio, i - inicio);
        if (c == QLatin1Char('\r') && i + 1 < contenido.size() && contenido[i + 1] == QLatin1Char('\n')) ++i;
        inicio = i + 1;
    }
    if (inicio < contenido.size()) lineas << contenido.mid(inicio);
    return lineas;
}

} // namespace

TablaAlumnos leerPuntos(const QByteArray& contenido, Lecturas* lecturas)
{
    Lecturas l;
    TablaAlumnos tabla;
    const QStringList lineas = lineasDe(textoDe(contenido, l.utf8));
    for (int n = 0; n < lineas.size(); ++n) {
        const LineaLeida leida = leerLinea(lineas[n], &l.saturada);
        if (leida.problema.isEmpty()) {
            tabla.agregar(leida.nombre, leida.total, leida.bien);
            continue;
        }
        tabla.intactas << LineaIntacta{tabla.num_alumnos(), formatos::a1252(lineas[n])};
        l.avisos << Textos::tr("línea %1: %2").arg(n + 1).arg(leida.problema);
    }
    if (lecturas) *lecturas = l;
    return tabla;
}

QByteArray escribirPuntos(const TablaAlumnos& tabla)
{
    QByteArray r;
    auto intacta = tabla.intactas.cbegin();
    for (int i = 0; i <= tabla.num_alumnos(); ++i) {
        for (; intacta != tabla.intactas.cend() && intacta->antesDe <= i; ++intacta) r += intacta->bytes + "\r\n";
        if (i == tabla.num_alumnos()) break;
        const QString linea = nombreDeTabla(tabla.nombres[i]) + QLatin1Char(' ') +
                              QString::number(tabla.totales[i].valor()) + QLatin1Char(' ') +
                              QString::number(tabla.aciertos[i].valor());
        r += formatos::a1252(linea) + "\r\n";
    }
    return r;
}

Carga cargarPuntos(const QString& ruta)
{
    const formatos::Lectura lectura = formatos::leerEntero(ruta, kMaximoBytes);
    Carga c;
    c.error = lectura.error;
    if (c.error.isEmpty()) c.tabla = leerPuntos(lectura.contenido, &c.lecturas);
    c.bytes = lectura.contenido;
    return c;
}

QString guardarPuntos(const TablaAlumnos& tabla, const QString& ruta)
{
    return formatos::escribirEntero(ruta, escribirPuntos(tabla));
}

} // namespace almacen
