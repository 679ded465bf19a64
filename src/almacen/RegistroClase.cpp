// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/RegistroClase.h"

#include "almacen/ArchivoPuntos.h"
#include "formatos/Csv.h"

#include <QCryptographicHash>
#include <QStringList>

#include <cstdio>

#include <algorithm>
#include <array>
#include <tuple>

namespace almacen {

const QByteArray kCabeceraHistorial = "fecha,alumno,codigo,numero,respuesta,resultado,modo\r\n";

namespace {

// a / b rounded down, for instants before 1970 too.
constexpr qint64 abajo(qint64 a, qint64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The local time of an instant as the log writes it ("2026-12-01T10:00:00").
// A class's log is written whole, a school year at a time: the time zone's
// offset is looked up once per hour, not once per answer, and the date is
// worked out from the day's number (the proleptic Gregorian calendar).
QByteArray horaLocal(const QDateTime& cuando)
{
    constexpr qint64 kHora = 3600, kDia = 86400;
    static QHash<qint64, int> desfases; // the offset from UTC, in seconds, of each hour
    const qint64 s = abajo(cuando.toMSecsSinceEpoch(), qint64(1000));
    const qint64 hora = abajo(s, kHora);
    auto desfase = desfases.constFind(hora);
    if (desfase == desfases.constEnd())
        desfase = desfases.insert(hora, QDateTime::fromSecsSinceEpoch(hora * kHora).offsetFromUtc());
    const qint64 local = s + *desfase;
    const qint64 dias = abajo(local, kDia), segundos = local - dias * kDia;
    // Days since 1970-01-01 to year, month and day, counted in 400-year eras from 0000-03-01.
    const qint64 z = dias + 719468;
    const qint64 era = abajo(z, qint64(146097));
    const qint64 diaDeEra = z - era * 146097;
    const qint64 anoDeEra = (diaDeEra - diaDeEra / 1460 + diaDeEra / 36524 - diaDeEra / 146096) / 365;
    const qint64 diaDelAno = diaDeEra - (365 * anoDeEra + anoDeEra / 4 - anoDeEra / 100);
    const qint64 mp = (5 * diaDelAno + 2) / 153;
    const qint64 dia = diaDelAno - (153 * mp + 2) / 5 + 1;
    const qint64 mes = mp < 10 ? mp + 3 : mp - 9;
    const qint64 ano = anoDeEra + era * 400 + (mes <= 2);
    char texto[80];
    std::snprintf(texto, sizeof texto, "%04d-%02d-%02dT%02d:%02d:%02d", int(ano), int(mes), int(dia),
                  int(segundos / kHora), int(segundos % kHora / 60), int(segundos % 60));
    return QByteArray(texto);
}

} // namespace

QByteArray lineaHistorial(const RespuestaContada& r)
{
    QByteArray linea = horaLocal(r.cuando);
    for (const QString& c : {sinRelleno(r.alumno), r.codigo, r.numero, r.respuesta,
                             r.correcta ? QStringLiteral("bien") : QStringLiteral("mal"), r.modo}) {
        linea += ',';
        linea += formatos::campoCsv(c, QLatin1Char(',')).toUtf8();
    }
    return linea + "\r\n";
}

QByteArray huella(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

namespace {

constexpr char kSeparador = '\t';

// CRC-32 (the one of zip and PNG): enough to tell a line a kill or a
// damaged transfer cut short from a whole one.
quint32 crc32(QByteArrayView datos)
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
    if (!campo.contains('\\')) return QString::fromUtf8(campo);
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
    case Evento::Tipo::Respuesta: {
        QStringList campos{sinRelleno(r.alumno),  r.codigo, r.numero, r.respuesta, r.correcta ? "1" : "0", r.modo,
                           QString::number(e.vez)};
        if (r.pregunta > 0) campos << r.examen << QString::number(r.pregunta);
        return campos;
    }
    case Evento::Tipo::Examen: {
        const Examen& x = *e.examen;
        return {x.id,
                x.nombre,
                x.codigos.join(QLatin1Char(' ')),
                QString::number(x.preguntas),
                QString::number(x.segundos),
                QString::number(x.semilla),
                x.mismaSerie ? "1" : "0"};
    }
    case Evento::Tipo::FinExamen: return {e.examen->id};
    case Evento::Tipo::Alta: return {sinRelleno(r.alumno), QString::number(e.vez)};
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja:
        return {sinRelleno(r.alumno), escribirCorte(e.corte), QString::number(e.vez), QString::number(e.total),
                QString::number(e.bien)};
    case Evento::Tipo::Solucion: return {sinRelleno(r.alumno), r.codigo, r.numero, r.modo, QString::number(e.vez)};
    case Evento::Tipo::Inicio:
        return {QString::fromLatin1(e.puntos.toBase64()), e.historial, QString::fromLatin1(e.huella),
                escribirCorte(e.corte)};
    case Evento::Tipo::Resumen: return {QString::fromLatin1(e.huella)};
    case Evento::Tipo::Fin: return {};
    }
    return {};
}

// A reset's or deletion's counts came later: its lines without them still read.
constexpr int kCamposBorradoSinCuentas = 3;

// An answer to an exam's question says which: two fields more.
constexpr int kCamposDeExamen = 2;

int camposEsperados(Evento::Tipo tipo)
{
    switch (tipo) {
    case Evento::Tipo::Respuesta: return 7;
    case Evento::Tipo::Examen: return 7;
    case Evento::Tipo::FinExamen: return 1;
    case Evento::Tipo::Alta: return 2;
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja: return 5;
    case Evento::Tipo::Solucion: return 5;
    case Evento::Tipo::Inicio: return 4;
    case Evento::Tipo::Resumen: return 1;
    case Evento::Tipo::Fin: return 0;
    }
    return -1;
}

bool tipoConocido(char c) { return QByteArrayLiteral("IARZBSFVEX").contains(c); }

} // namespace

QByteArray codificar(const Evento& e)
{
    QByteArray linea = QByteArray::number(e.orden) + kSeparador + char(e.tipo) + kSeparador +
                       QByteArray::number(e.respuesta.cuando.toMSecsSinceEpoch());
    for (const QString& campo : camposDe(e)) linea += kSeparador + escapar(campo);
    linea += kSeparador;
    return linea + QByteArray::number(crc32(linea), 16).rightJustified(8, '0') + '\n';
}

namespace {

// The kind with the most fields (an answer to an exam) has twelve.
constexpr int kMaximoCampos = 12;

// A field as text: the ones already read are shared, up to a bound so that
// a year of distinct numbers does not fill the memory twice.
QString textoDe(QByteArrayView campo, TextosComunes* comunes)
{
    constexpr qsizetype kMaximoComunes = 8192;
    if (!comunes || campo.contains('\\')) return desescapar(campo.toByteArray());
    const auto ya = comunes->constFind(QByteArray::fromRawData(campo.data(), campo.size()));
    if (ya != comunes->constEnd()) return *ya;
    const QString texto = QString::fromUtf8(campo);
    if (comunes->size() < kMaximoComunes) comunes->insert(campo.toByteArray(), texto);
    return texto;
}

QByteArray bytesDe(QByteArrayView campo) { return desescapar(campo.toByteArray()).toLatin1(); }

} // namespace

// Read in place, field by field: a class's open reads a school year of lines.
std::optional<Evento> decodificar(QByteArrayView linea, TextosComunes* comunes)
{
    if (!linea.endsWith('\n')) return std::nullopt;
    const qsizetype ultimo = linea.lastIndexOf(kSeparador);
    if (ultimo < 0) return std::nullopt;
    const QByteArrayView cuerpo = linea.first(ultimo + 1);
    bool bien = false;
    const quint32 suma = linea.sliced(ultimo + 1, linea.size() - ultimo - 2).toUInt(&bien, 16);
    if (!bien || suma != crc32(cuerpo)) return std::nullopt;
    // Every field ends with its separator, the last one too.
    std::array<QByteArrayView, kMaximoCampos> c;
    int n = 0;
    for (qsizetype desde = 0; desde < cuerpo.size(); ++n) {
        if (n == kMaximoCampos) return std::nullopt;
        const qsizetype fin = cuerpo.indexOf(kSeparador, desde);
        c[size_t(n)] = cuerpo.sliced(desde, fin - desde);
        desde = fin + 1;
    }
    if (n < 3 || c[1].size() != 1 || !tipoConocido(c[1].front())) return std::nullopt;
    Evento e;
    e.tipo = Evento::Tipo(c[1].front());
    e.orden = c[0].toLongLong();
    const bool sinCuentas =
        (e.tipo == Evento::Tipo::Reinicio || e.tipo == Evento::Tipo::Baja) && n == 3 + kCamposBorradoSinCuentas;
    const bool deExamen = e.tipo == Evento::Tipo::Respuesta && n == 3 + camposEsperados(e.tipo) + kCamposDeExamen;
    if ((n != 3 + camposEsperados(e.tipo) && !sinCuentas && !deExamen) || e.orden <= 0) return std::nullopt;
    bool hora = false;
    e.respuesta.cuando = QDateTime::fromMSecsSinceEpoch(c[2].toLongLong(&hora), Qt::UTC);
    if (!hora) return std::nullopt;
    const auto f = [&](int i) { return c[size_t(3 + i)]; };
    RespuestaContada& r = e.respuesta;
    switch (e.tipo) {
    case Evento::Tipo::Respuesta:
        r.alumno = textoDe(f(0), comunes), r.codigo = textoDe(f(1), comunes), r.numero = textoDe(f(2), comunes);
        r.respuesta = textoDe(f(3), comunes), r.correcta = f(4) == "1", r.modo = textoDe(f(5), comunes);
        e.vez = f(6).toInt();
        if (deExamen) {
            r.examen = textoDe(f(7), comunes), r.pregunta = f(8).toInt();
            if (r.pregunta <= 0) return std::nullopt;
        }
        break;
    case Evento::Tipo::Examen: {
        auto x = std::make_shared<Examen>();
        x->id = textoDe(f(0), comunes), x->nombre = textoDe(f(1), comunes);
        x->codigos = textoDe(f(2), comunes).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        x->preguntas = f(3).toInt(), x->segundos = f(4).toInt(), x->semilla = f(5).toULongLong();
        x->mismaSerie = f(6) == "1";
        x->inicio = r.cuando;
        if (!x->problema().isEmpty() || x->id.isEmpty()) return std::nullopt;
        e.examen = std::move(x);
        break;
    }
    case Evento::Tipo::FinExamen: {
        auto x = std::make_shared<Examen>();
        x->id = textoDe(f(0), comunes);
        x->fin = r.cuando;
        e.examen = std::move(x);
        break;
    }
    case Evento::Tipo::Alta:
        r.alumno = textoDe(f(0), comunes);
        e.vez = f(1).toInt();
        break;
    case Evento::Tipo::Reinicio:
    case Evento::Tipo::Baja:
        r.alumno = textoDe(f(0), comunes);
        e.corte = leerCorte(desescapar(f(1).toByteArray()));
        e.vez = f(2).toInt();
        if (!sinCuentas) e.total = f(3).toLongLong(), e.bien = f(4).toLongLong();
        break;
    case Evento::Tipo::Solucion:
        r.alumno = textoDe(f(0), comunes), r.codigo = textoDe(f(1), comunes), r.numero = textoDe(f(2), comunes);
        r.modo = textoDe(f(3), comunes);
        e.vez = f(4).toInt();
        break;
    case Evento::Tipo::Inicio:
        e.puntos = QByteArray::fromBase64(bytesDe(f(0)));
        e.historial = desescapar(f(1).toByteArray());
        e.huella = bytesDe(f(2));
        e.corte = leerCorte(desescapar(f(3).toByteArray()));
        break;
    case Evento::Tipo::Resumen: e.huella = bytesDe(f(0)); break;
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
    for (const QString& nombre : tabla.nombres) {
        const int vez = vistos[nombre]++;
        r << (vez == 0 ? sinRelleno(nombre) : claveDe(sinRelleno(nombre), vez));
    }
    return r;
}

bool dentro(const Evento& e, const Corte& corte) { return e.orden <= corte.value(e.archivo, 0); }

// What the teacher's list of events shows.
bool esSuceso(const Evento& e)
{
    return e.tipo == Evento::Tipo::Reinicio || e.tipo == Evento::Tipo::Baja || e.tipo == Evento::Tipo::Solucion;
}

bool deAlumno(const Evento& e)
{
    return e.tipo == Evento::Tipo::Alta || e.tipo == Evento::Tipo::Respuesta || e.tipo == Evento::Tipo::Reinicio ||
           e.tipo == Evento::Tipo::Baja;
}

// The key of a student's events: the name without its padding and, for a
// second student of that name, which one (no copy of the name for the
// first, so a year of answers makes no new strings).
QString claveDe(const Evento& e) { return e.vez == 0 ? e.respuesta.alumno : claveDe(e.respuesta.alumno, e.vez); }

// What one student's events give, once the resets and deletions are applied.
struct DeUnAlumno {
    QVector<const Evento*> borrados; // their resets and deletions
    const Evento* primero = nullptr; // their first event that still counts
    qint64 total = 0, bien = 0;
    bool queda = false; // something of theirs still counts
    bool vivo(const Evento* e) const
    {
        return std::none_of(borrados.begin(), borrados.end(),
                            [e](const Evento* b) { return b != e && dentro(*e, b->corte); });
    }
};

} // namespace

// Linear in the events: a school year of answers is worked out again after
// every answer, so nothing here sorts them all.
EstadoClase calcularClase(const Registros& archivos)
{
    EstadoClase v;
    for (auto it = archivos.begin(); it != archivos.end(); ++it)
        for (const Evento& e : it.value()) {
            v.visto[e.archivo] = std::max(v.visto.value(e.archivo, 0), e.orden);
            if (e.tipo == Evento::Tipo::Resumen) v.resumenes.insert(e.huella);
            if (e.tipo != Evento::Tipo::Inicio) continue;
            v.resumenes.insert(huella(e.puntos));
            if (!v.primerInicio || antes(&e, v.primerInicio)) v.primerInicio = &e;
            if (!v.inicio || antes(v.inicio, &e)) v.inicio = &e;
        }
    const Corte sinCorte;
    const Corte& base = v.inicio ? v.inicio->corte : sinCorte;
    const Corte& delLog = v.primerInicio ? v.primerInicio->corte : sinCorte;

    QHash<QString, DeUnAlumno> alumnos;
    for (auto it = archivos.begin(); it != archivos.end(); ++it)
        for (const Evento& e : it.value()) {
            if (e.tipo == Evento::Tipo::Respuesta && !dentro(e, delLog)) v.respuestas << &e;
            if (esSuceso(e)) v.sucesos << &e;
            if (e.tipo == Evento::Tipo::Examen || e.tipo == Evento::Tipo::FinExamen) v.examenes << &e;
            if ((e.tipo == Evento::Tipo::Reinicio || e.tipo == Evento::Tipo::Baja) && !dentro(e, base)) {
                alumnos[claveDe(e)].borrados << &e;
                v.conBorrados.insert(claveDe(e));
            }
        }
    for (auto it = archivos.begin(); it != archivos.end(); ++it)
        for (const Evento& e : it.value()) {
            if (!deAlumno(e) || dentro(e, base)) continue;
            DeUnAlumno& a = alumnos[claveDe(e)];
            if (e.tipo == Evento::Tipo::Baja || !a.vivo(&e)) continue;
            a.queda = true;
            if (!a.primero || antes(&e, a.primero)) a.primero = &e;
            if (e.tipo != Evento::Tipo::Respuesta) continue;
            a.total = modelo::sumarCuenta(a.total, 1, &v.saturada);
            a.bien = modelo::sumarCuenta(a.bien, e.respuesta.correcta ? 1 : 0, &v.saturada);
        }

    // The starting point's students: a reset or a deletion clears what it
    // held of them; kept only while something of theirs still counts.
    v.tabla = v.inicio ? leerPuntos(v.inicio->puntos) : TablaAlumnos();
    const QStringList claves = clavesDe(v.tabla);
    QSet<QString> enLaTabla;
    for (int i = v.tabla.num_alumnos() - 1; i >= 0; --i) {
        const auto it = alumnos.constFind(claves[i]);
        if (it == alumnos.constEnd()) continue;
        enLaTabla.insert(claves[i]);
        if (!it->borrados.isEmpty()) {
            if (!it->queda) {
                v.tabla.quitar(i);
                continue;
            }
            v.tabla.totales[i] = modelo::Cuenta(0);
            v.tabla.aciertos[i] = modelo::Cuenta(0);
        }
        if (it->total == 0 && it->bien == 0) continue;
        v.tabla.totales[i] = v.tabla.totales[i].mas(it->total, &v.saturada);
        v.tabla.aciertos[i] = v.tabla.aciertos[i].mas(it->bien, &v.saturada);
    }
    // The others after them, by their first event that still counts.
    QVector<const DeUnAlumno*> nuevos;
    for (auto it = alumnos.constBegin(); it != alumnos.constEnd(); ++it)
        if (it->queda && !enLaTabla.contains(it.key())) nuevos << &it.value();
    std::sort(nuevos.begin(), nuevos.end(),
              [](const DeUnAlumno* a, const DeUnAlumno* b) { return antes(a->primero, b->primero); });
    for (const DeUnAlumno* a : std::as_const(nuevos)) {
        const int i = v.tabla.agregar(a->primero->respuesta.alumno); // " 0", as a student just added
        if (a->total == 0 && a->bien == 0 && a->borrados.isEmpty()) continue;
        v.tabla.totales[i] = modelo::Cuenta(a->total);
        v.tabla.aciertos[i] = modelo::Cuenta(a->bien);
    }
    const QStringList quedan = clavesDe(v.tabla);
    for (int i = 0; i < quedan.size(); ++i) v.donde.insert(quedan[i], i);
    return v;
}

bool EstadoClase::sumar(const Evento& e)
{
    visto[e.archivo] = std::max(visto.value(e.archivo, 0), e.orden);
    if (e.tipo == Evento::Tipo::Resumen) resumenes.insert(e.huella);
    if (e.tipo == Evento::Tipo::Resumen || e.tipo == Evento::Tipo::Fin) return true;
    if (e.tipo == Evento::Tipo::Solucion) {
        sucesos << &e;
        return true;
    }
    if (e.tipo == Evento::Tipo::Examen || e.tipo == Evento::Tipo::FinExamen) {
        examenes << &e;
        return true;
    }
    if (e.tipo != Evento::Tipo::Respuesta && e.tipo != Evento::Tipo::Alta) return false;
    const QString clave = claveDe(e);
    if (conBorrados.contains(clave)) return false;
    int i = donde.value(clave, -1);
    if (i < 0) donde.insert(clave, i = tabla.agregar(e.respuesta.alumno));
    if (e.tipo != Evento::Tipo::Respuesta) return true;
    respuestas << &e;
    tabla.totales[i] = tabla.totales[i].mas(1, &saturada);
    tabla.aciertos[i] = tabla.aciertos[i].mas(e.respuesta.correcta ? 1 : 0, &saturada);
    return true;
}

bool antesEnElTiempo(const Evento* a, const Evento* b) { return antes(a, b); }

void ordenarEnElTiempo(QVector<const Evento*>& eventos)
{
    // The instants taken out once: comparing two QDateTime is slow.
    std::vector<std::pair<qint64, const Evento*>> porTiempo;
    porTiempo.reserve(size_t(eventos.size()));
    for (const Evento* e : std::as_const(eventos)) porTiempo.emplace_back(e->respuesta.cuando.toMSecsSinceEpoch(), e);
    std::sort(porTiempo.begin(), porTiempo.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return std::tie(a.second->archivo, a.second->orden) < std::tie(b.second->archivo, b.second->orden);
    });
    for (qsizetype i = 0; i < eventos.size(); ++i) eventos[i] = porTiempo[size_t(i)].second;
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

QString puestoDe(const Evento& e) { return e.archivo.section(QLatin1Char('-'), 0, 0); }

QVector<Examen> examenesDe(const EstadoClase& clase)
{
    QVector<const Evento*> eventos = clase.examenes;
    ordenarEnElTiempo(eventos);
    QVector<Examen> r;
    QHash<QString, qsizetype> donde;
    for (const Evento* e : std::as_const(eventos)) {
        if (e->tipo == Evento::Tipo::Examen && !donde.contains(e->examen->id)) {
            donde.insert(e->examen->id, r.size());
            r << *e->examen;
        } else if (e->tipo == Evento::Tipo::FinExamen) {
            // An end may be read before its start where the clocks disagree.
            const auto i = donde.constFind(e->examen->id);
            if (i != donde.constEnd() && !r[*i].fin) r[*i].fin = e->examen->fin;
        }
    }
    return r;
}

int vezEn(const TablaAlumnos& tabla, int indice)
{
    int vez = 0;
    for (int i = 0; i < indice; ++i) vez += tabla.nombres[i] == tabla.nombres[indice] ? 1 : 0;
    return vez;
}

} // namespace almacen
