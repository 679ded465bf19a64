#include "exercise/ArchivoPuntos.h"

#include "exercise/Numeros.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>

namespace ejercicio {

const QString kArchivoPuntos = QStringLiteral("puntos.pnt");

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// bytes it leaves undefined.
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString desde1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t u = (b >= 0x80 && b < 0xA0) ? kAlto[b - 0x80] : b;
        s.append(QChar(u ? u : b)); // an undefined byte keeps its own value
    }
    return s;
}

// A character Windows-1252 cannot hold is written as "?".
QByteArray a1252(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar ch : texto) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = static_cast<char>(u);
        } else {
            for (int i = 0; i < int(kAlto.size()); ++i)
                if (kAlto[i] == u && u != 0) b = static_cast<char>(0x80 + i);
        }
        r.append(b);
    }
    return r;
}

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
        const QString texto = desde1252(linea);
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
        r += a1252(linea) + "\r\n";
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
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return f.errorString();
    const QByteArray contenido = escribirPuntos(tabla);
    if (f.write(contenido) != contenido.size()) {
        const QString motivo = f.errorString();
        f.cancelWriting();
        return motivo;
    }
    return f.commit() ? QString() : f.errorString();
}

} // namespace ejercicio
