// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/RegistroClase.h"

#include "ejercicio/ArchivoPuntos.h"
#include "formatos/Csv.h"

#include <QCryptographicHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <tuple>

namespace ejercicio {

const QByteArray kCabeceraHistorial = "fecha,alumno,codigo,numero,respuesta,resultado,modo\r\n";

QByteArray lineaHistorial(const RespuestaContada& r)
{
    const QStringList campos{r.cuando.toLocalTime().toString(Qt::ISODate),
                             sinRelleno(r.alumno),
                             r.codigo,
                             r.numero,
                             r.respuesta,
                             r.correcta ? QStringLiteral("bien") : QStringLiteral("mal"),
                             r.modo};
    QStringList escritos;
    for (const QString& c : campos) escritos << formatos::campoCsv(c, QLatin1Char(','));
    return escritos.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray huella(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

namespace {

constexpr char kSeparador = '\t';

// CRC-32 (the one of zip and PNG): enough to tell a line a kill or a
// damaged transfer cut short from a whole one.
quint32 crc32(const QByteArray& datos)
{
    static const std::array<quint32, 256> tabla = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : datos) c = tabla[(c ^ quint8(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// A field never holds the separator or a line end, so a name pasted with
// either cannot split a record.
QByteArray escapar(const QString& texto)
{
    QByteArray r;
    for (const char c : texto.toUtf8()) {
        switch (c) {
        case '\\': r += "\\\\"; break;
        case '\t': r += "\\t"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        default: r += c;
        }
    }
    return r;
}

QString desescapar(const QByteArray& campo)
{
    QByteArray r;
    for (qsizetype i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\' || i + 1 == campo.size()) {
            r += campo[i];
            continue;
        }
        const char c = campo[++i];
        r += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return QString::fromUtf8(r);
}

QString escribirCorte(const Corte& corte)
{
    QStringList partes;
    for (auto it = corte.begin(); it != corte.end(); ++it)
        partes << it.key() + QLatin1Char('=') + QString::number(it.value());
    partes.sort();
    return partes.join(QLatin1Char(' '));
}

Corte leerCorte(const QString& texto)
{
    Corte corte;
    for (const QString& parte : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype igual = parte.lastIndexOf(QLatin1Char('='));
        if (igual > 0) corte.insert(parte.left(igual), parte.mid(igual + 1).toLongLong());
    }
    return corte;
}

// The fields that follow the place, the kind and the time, per kind.
QStringList camposDe(const Evento& e)
{
    const RespuestaContada& r = e.respuesta;
    switch (e.tipo) {
    case Evento::Tipo::Respuesta:
        return {sinRelleno(r.alumno),  r.codigo, r.numero, r.respuesta, r.correcta ? "1" : "0", r.modo,
                QString::number(e.vez)};
    case Evento::Tipo::Alta: return {sinRelleno(r.alumno), QString::number(e.vez)};
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja: return {sinRelleno(r.alumno), escribirCorte(e.corte), QString::number(e.vez)};
    case Evento::Tipo::Inicio:
        return {QString::fromLatin1(e.puntos.toBase64()), e.historial, QString::fromLatin1(e.huella),
                escribirCorte(e.corte)};
    case Evento::Tipo::Resumen: return {QString::fromLatin1(e.huella)};
    case Evento::Tipo::Fin: return {};
    }
    return {};
}

int camposEsperados(Evento::Tipo tipo)
{
    switch (tipo) {
    case Evento::Tipo::Respuesta: return 7;
    case Evento::Tipo::Alta: return 2;
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja: return 3;
    case Evento::Tipo::Inicio: return 4;
    case Evento::Tipo::Resumen: return 1;
    case Evento::Tipo::Fin: return 0;
    }
    return -1;
}

bool tipoConocido(char c) { return QByteArrayLiteral("IARZBSF").contains(c); }

} // namespace

QByteArray codificar(const Evento& e)
{
    QByteArray linea = QByteArray::number(e.orden) + kSeparador + char(e.tipo) + kSeparador +
                       e.respuesta.cuando.toUTC().toString(Qt::ISODateWithMs).toLatin1();
    for (const QString& campo : camposDe(e)) linea += kSeparador + escapar(campo);
    linea += kSeparador;
    return linea + QByteArray::number(crc32(linea), 16).rightJustified(8, '0') + '\n';
}

std::optional<Evento> decodificar(const QByteArray& linea)
{
    if (!linea.endsWith('\n')) return std::nullopt;
    const qsizetype ultimo = linea.lastIndexOf(kSeparador);
    if (ultimo < 0) return std::nullopt;
    const QByteArray cuerpo = linea.left(ultimo + 1);
    bool bien = false;
    const quint32 suma = linea.mid(ultimo + 1, linea.size() - ultimo - 2).toUInt(&bien, 16);
    if (!bien || suma != crc32(cuerpo)) return std::nullopt;
    QList<QByteArray> campos = cuerpo.chopped(1).split(kSeparador);
    if (campos.size() < 3 || campos[1].size() != 1 || !tipoConocido(campos[1][0])) return std::nullopt;
    Evento e;
    e.tipo = Evento::Tipo(campos[1][0]);
    e.orden = campos[0].toLongLong();
    if (campos.size() != 3 + camposEsperados(e.tipo) || e.orden <= 0) return std::nullopt;
    e.respuesta.cuando = QDateTime::fromString(QString::fromLatin1(campos[2]), Qt::ISODateWithMs);
    QStringList f;
    for (qsizetype i = 3; i < campos.size(); ++i) f << desescapar(campos[i]);
    RespuestaContada& r = e.respuesta;
    switch (e.tipo) {
    case Evento::Tipo::Respuesta:
        r.alumno = f[0], r.codigo = f[1], r.numero = f[2], r.respuesta = f[3], r.correcta = f[4] == "1", r.modo = f[5];
        e.vez = f[6].toInt();
        break;
    case Evento::Tipo::Alta:
        r.alumno = f[0];
        e.vez = f[1].toInt();
        break;
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja:
        r.alumno = f[0];
        e.corte = leerCorte(f[1]);
        e.vez = f[2].toInt();
        break;
    case Evento::Tipo::Inicio:
        e.puntos = QByteArray::fromBase64(f[0].toLatin1());
        e.historial = f[1];
        e.huella = f[2].toLatin1();
        e.corte = leerCorte(f[3]);
        break;
    case Evento::Tipo::Resumen: e.huella = f[0].toLatin1(); break;
    case Evento::Tipo::Fin: break;
    }
    return e;
}

namespace {

// The order of events across desks: by time, and where two desks' clocks
// agree to the millisecond, by file and place, so every desk sees one order.
bool antes(const Evento* a, const Evento* b)
{
    return std::tie(a->respuesta.cuando, a->archivo, a->orden) < std::tie(b->respuesta.cuando, b->archivo, b->orden);
}

QString claveDe(const QString& nombre, int vez) { return nombre + QChar(0x1F) + QString::number(vez); }

// Each student's key, in table order: the name and which of that name.
QStringList clavesDe(const TablaAlumnos& tabla)
{
    QStringList r;
    QHash<QString, int> vistos;
    for (const QString& nombre : tabla.nombres) r << claveDe(nombre, vistos[nombre]++);
    return r;
}

bool dentro(const Evento& e, const Corte& corte) { return e.orden <= corte.value(e.archivo, 0); }

// What one student's events give, once the resets and deletions are applied.
struct DeUnAlumno {
    QVector<const Evento*> eventos;  // their events, in time order
    QVector<const Evento*> borrados; // their resets and deletions
    bool vivo(const Evento* e) const
    {
        return std::none_of(borrados.begin(), borrados.end(),
                            [e](const Evento* b) { return b != e && dentro(*e, b->corte); });
    }
};

} // namespace

EstadoClase calcularClase(const Registros& archivos)
{
    EstadoClase v;
    QVector<const Evento*> todos;
    for (auto it = archivos.begin(); it != archivos.end(); ++it)
        for (const Evento& e : it.value()) {
            todos << &e;
            v.visto[e.archivo] = std::max(v.visto.value(e.archivo, 0), e.orden);
        }
    std::sort(todos.begin(), todos.end(), antes);

    for (const Evento* e : todos) {
        if (e->tipo == Evento::Tipo::Resumen) v.resumenes.insert(e->huella);
        if (e->tipo != Evento::Tipo::Inicio) continue;
        v.resumenes.insert(huella(e->puntos));
        if (!v.primerInicio) v.primerInicio = e;
        v.inicio = e;
    }
    const Corte sinCorte;
    const Corte& base = v.inicio ? v.inicio->corte : sinCorte;
    const Corte& delLog = v.primerInicio ? v.primerInicio->corte : sinCorte;

    QHash<QString, DeUnAlumno> alumnos;
    QStringList orden; // the students' keys, by their first event
    for (const Evento* e : todos) {
        if (e->tipo == Evento::Tipo::Respuesta && !dentro(*e, delLog)) v.respuestas << e;
        const bool deAlumno = e->tipo == Evento::Tipo::Alta || e->tipo == Evento::Tipo::Respuesta ||
                              e->tipo == Evento::Tipo::Reinicio || e->tipo == Evento::Tipo::Baja;
        if (!deAlumno || dentro(*e, base)) continue;
        const QString clave = claveDe(nombreDeTabla(e->respuesta.alumno), e->vez);
        DeUnAlumno& a = alumnos[clave];
        if (a.eventos.isEmpty()) orden << clave;
        a.eventos << e;
        if (e->tipo == Evento::Tipo::Reinicio || e->tipo == Evento::Tipo::Baja) a.borrados << e;
    }

    // The starting point's students: a reset or a deletion clears what it
    // held of them; kept only while something of theirs still counts.
    const TablaAlumnos inicial = v.inicio ? leerPuntos(v.inicio->puntos) : TablaAlumnos();
    v.tabla = inicial;
    QHash<QString, int> donde; // each key's entry in the table
    const QStringList claves = clavesDe(inicial);
    for (int i = inicial.num_alumnos() - 1; i >= 0; --i) {
        const QString& clave = claves[i];
        const auto it = alumnos.constFind(clave);
        if (it == alumnos.constEnd() || it->borrados.isEmpty()) continue;
        const bool queda = std::any_of(it->eventos.begin(), it->eventos.end(),
                                       [&](const Evento* e) { return e->tipo != Evento::Tipo::Baja && it->vivo(e); });
        if (queda) {
            v.tabla.totales[i] = modelo::Cuenta(0);
            v.tabla.aciertos[i] = modelo::Cuenta(0);
        } else {
            v.tabla.quitar(i);
        }
    }
    const QStringList quedan = clavesDe(v.tabla);
    for (int i = 0; i < quedan.size(); ++i) donde[quedan[i]] = i;
    for (const QString& clave : std::as_const(orden)) {
        const DeUnAlumno& a = alumnos[clave];
        int i = donde.value(clave, -1);
        for (const Evento* e : a.eventos) {
            if (e->tipo == Evento::Tipo::Baja || !a.vivo(e)) continue;
            if (i < 0) donde[clave] = i = v.tabla.agregar(nombreDeTabla(e->respuesta.alumno));
            if (e->tipo != Evento::Tipo::Respuesta) continue;
            v.tabla.totales[i] = v.tabla.totales[i].mas(1, &v.saturada);
            v.tabla.aciertos[i] = v.tabla.aciertos[i].mas(e->respuesta.correcta ? 1 : 0, &v.saturada);
        }
    }
    return v;
}

Corte corteDe(const Registros& archivos, const QString& alumno, int vez)
{
    const QString nombre = nombreDeTabla(alumno);
    Corte corte;
    for (auto it = archivos.begin(); it != archivos.end(); ++it)
        for (const Evento& e : it.value())
            if (e.tipo != Evento::Tipo::Inicio && !e.respuesta.alumno.isEmpty() && e.vez == vez &&
                nombreDeTabla(e.respuesta.alumno) == nombre)
                corte[it.key()] = std::max(corte.value(it.key(), 0), e.orden);
    return corte;
}

int vezEn(const TablaAlumnos& tabla, int indice)
{
    int vez = 0;
    for (int i = 0; i < indice; ++i) vez += tabla.nombres[i] == tabla.nombres[indice] ? 1 : 0;
    return vez;
}

} // namespace ejercicio
