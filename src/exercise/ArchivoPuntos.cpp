#include "exercise/ArchivoPuntos.h"

#include "exercise/Numeros.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/Cp1252.h"

#include <QFile>

#include <algorithm>

namespace ejercicio {

const QString kArchivoPuntos = QStringLiteral("puntos.pnt");

namespace {

bool esCuenta(const QString& campo)
{
    return !campo.isEmpty() && std::all_of(campo.begin(), campo.end(), [](QChar c) { return c.isDigit(); });
}

// The two counts after the name. A line whose counts cannot be read (short or
// hand-edited) counts as 0 and 0; a missing count is 0.
std::pair<QString, QString> leerCuentas(const QString& resto)
{
    QStringList campos = resto.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, 2);
    if (!std::all_of(campos.begin(), campos.end(), esCuenta)) campos.clear();
    const auto cuenta = [&](int i) {
        bool ok = false;
        const qint64 v = campos.value(i).toLongLong(&ok);
        return QLatin1Char(' ') + QString::number(ok ? v : 0);
    };
    return {cuenta(0), cuenta(1)};
}

} // namespace

TablaAlumnos leerPuntos(const QByteArray& contenido)
{
    TablaAlumnos tabla;
    QList<QByteArray> lineas = contenido.split('\n');
    // A file that ends with a line end has no further, empty line.
    if (!lineas.isEmpty() && lineas.last().isEmpty()) lineas.removeLast();
    for (QByteArray linea : lineas) {
        if (linea.endsWith('\r')) linea.chop(1);
        const QString texto = formatos::desde1252(linea);
        // The counts used to be read as two characters each, which cut
        // counts of 10 or more; as whitespace-separated numbers they read
        // the same below 10 and whole above.
        const auto [total, bien] = leerCuentas(texto.mid(kAnchoNombre));
        tabla.agregar(texto.left(kAnchoNombre), total, bien);
    }
    return tabla;
}

QByteArray escribirPuntos(const TablaAlumnos& tabla)
{
    QByteArray r;
    for (int i = 0; i < tabla.num_alumnos(); ++i) {
        const QString linea = nombreDeTabla(tabla.nombres[i]) + QLatin1Char(' ') +
                              textoEntero(leerNumero(tabla.totales[i])) + QLatin1Char(' ') +
                              textoEntero(leerNumero(tabla.aciertos[i]));
        r += formatos::a1252(linea) + "\r\n";
    }
    return r;
}

Carga cargarPuntos(const QString& ruta)
{
    QFile f(ruta);
    if (!f.exists()) return {};
    if (!f.open(QIODevice::ReadOnly)) return {{}, f.errorString()};
    const QByteArray contenido = f.readAll();
    if (f.error() != QFileDevice::NoError) return {{}, f.errorString()};
    return {leerPuntos(contenido), {}};
}

QString guardarPuntos(const TablaAlumnos& tabla, const QString& ruta)
{
    return formatos::escribirEntero(ruta, escribirPuntos(tabla));
}

} // namespace ejercicio
