// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/AlmacenClase.h"

#include "formatos/ArchivoEntero.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace almacen {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};

const QString kCarpeta = QStringLiteral(".tramavox");
const QString kTerminacion = QStringLiteral(".reg");
constexpr qint64 kMaximoResumen = 64 * 1024 * 1024;
constexpr qint64 kMaximoHistorial = qint64(1) << 30;
// A desk's record file from one session is some kilobytes: read in pieces
// that grow as the file proves longer.
constexpr qint64 kTrozo = 64 * 1024;

// A summary's temporary file older than this was left by a writer that died
// half way: replacing a summary takes seconds at most, even on a slow share.
constexpr qint64 kTemporalAbandonadoMs = 10 * 60 * 1000;

// A name no other copy can take: the desk, the user, the process, when it
// started and a random part.
QString nombreUnico()
{
    return QStringLiteral("%1-%2-%3-%4-%5")
        .arg(estePuesto())
        .arg(::getuid())
        .arg(::getpid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Makes the records' folder; in a folder a group shares, the group may add
// to it too and what is made there stays the group's.
QString hacerCarpeta(const QString& carpeta, const QString& clase)
{
    const QByteArray nombre = formatos::nativo(carpeta);
    if (::mkdir(nombre.constData(), 0777) == 0) {
        struct stat padre = {};
        if (::stat(formatos::nativo(clase).constData(), &padre) == 0 && (padre.st_mode & (S_ISGID | S_IWGRP))) {
            const mode_t mascara = ::umask(0);
            ::umask(mascara);
            ::chmod(nombre.constData(), (0777 & ~mascara) | S_IRWXG | S_ISGID);
        }
        return {};
    }
    if (errno != EEXIST) return formatos::motivo(errno);
    struct stat datos = {};
    if (::lstat(nombre.constData(), &datos) != 0) return formatos::motivo(errno);
    if (!S_ISDIR(datos.st_mode)) return Textos::tr("«%1» no es una carpeta").arg(kCarpeta);
    return {};
}

// Whether the copy of that name is known to have ended: a process of this
// desk that is gone. Of another desk nothing can be known.
bool copiaAcabada(const QString& id)
{
    const QStringList partes = id.split(QLatin1Char('-'));
    bool esNumero = false;
    const pid_t proceso = pid_t(partes.value(2).toLong(&esNumero));
    if (partes.size() != 5 || partes.first() != estePuesto() || !esNumero || proceso <= 0) return false;
    return ::kill(proceso, 0) != 0 && errno == ESRCH;
}

// A copy killed while replacing a summary leaves its temporary file behind;
// the next copy takes it away once its writer is surely not at work on it.
// The summaries share the class's folder, which is listed once for all.
void barrerTemporales(const QStringList& resumenes)
{
    QStringList comienzos;
    for (const QString& resumen : resumenes) comienzos << QFileInfo(formatos::prefijoTemporal(resumen)).fileName();
    QStringList filtros;
    for (const QString& comienzo : std::as_const(comienzos)) filtros << comienzo + QLatin1Char('*');
    const QDateTime ahora = QDateTime::currentDateTimeUtc();
    const QDir carpeta = QFileInfo(resumenes.first()).dir();
    for (const QFileInfo& f : carpeta.entryInfoList(filtros, QDir::Files | QDir::Hidden)) {
        for (const QString& comienzo : std::as_const(comienzos)) {
            if (!f.fileName().startsWith(comienzo)) continue;
            const QString autor = f.fileName().mid(comienzo.size()).section(QLatin1Char('.'), 0, -2);
            const bool viejo = f.lastModified().msecsTo(ahora) > kTemporalAbandonadoMs;
            if (viejo || copiaAcabada(autor)) ::unlink(formatos::nativo(f.filePath()).constData());
            break;
        }
    }
}

// The records in the folder, by name without their ending: regular files
// only, never a link. Read straight from the folder, which names each
// entry's kind, since the view reads it again every few seconds and a year
// leaves thousands of files.
QSet<QString> registrosEn(const QString& carpeta)
{
    QSet<QString> r;
    DIR* d = ::opendir(formatos::nativo(carpeta).constData());
    if (!d) return r;
    const QByteArray terminacion = kTerminacion.toLatin1();
    while (const dirent* entrada = ::readdir(d)) {
        const QByteArray nombre(entrada->d_name);
        if (!nombre.endsWith(terminacion) || nombre.size() == terminacion.size()) continue;
        bool normal = entrada->d_type == DT_REG;
        if (entrada->d_type == DT_UNKNOWN) { // some file systems do not say
            struct stat datos = {};
            normal = ::fstatat(::dirfd(d), entrada->d_name, &datos, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(datos.st_mode);
        }
        if (normal) r.insert(QFile::decodeName(nombre.chopped(terminacion.size())));
    }
    ::closedir(d);
    return r;
}

} // namespace

QString estePuesto()
{
    QString maquina = QSysInfo::machineHostName();
    for (QChar& c : maquina)
        if (!(c.isLetterOrNumber() && c.unicode() < 128)) c = QLatin1Char('_');
    return maquina.left(32);
}

AlmacenClase::AlmacenClase(const QString& rutaPuntos) : rutaPuntos_(QDir::current().absoluteFilePath(rutaPuntos)) {}

AlmacenClase::~AlmacenClase() = default;

QString AlmacenClase::rutaHistorial() const
{
    return QFileInfo(rutaPuntos_).absolutePath() + QStringLiteral("/historial.csv");
}

QString AlmacenClase::carpetaRegistros() const
{
    return QFileInfo(rutaPuntos_).absolutePath() + QLatin1Char('/') + kCarpeta;
}

QString AlmacenClase::abrir()
{
    if (const QString error = crearPropio(); !error.isEmpty()) return error;
    eventos_[propio_];
    barrerTemporales({rutaPuntos_, rutaHistorial()});
    releer();
    if (vista_.inicio) return {};
    if (const QString error = empezar(); !error.isEmpty()) {
        ::unlink(formatos::nativo(rutaPropia()).constData());
        fd_ = formatos::Descriptor();
        return error;
    }
    return {};
}

bool AlmacenClase::hayPendientes() const
{
    const auto mios = eventos_.constFind(propio_);
    return mios != eventos_.constEnd() && size_t(escritos_) < mios->size();
}

QString AlmacenClase::rutaPropia() const { return carpetaRegistros() + QLatin1Char('/') + propio_ + kTerminacion; }

// This copy's record file, new, under a name no other copy can have.
QString AlmacenClase::crearPropio()
{
    if (const QString error = hacerCarpeta(carpetaRegistros(), QFileInfo(rutaPuntos_).absolutePath()); !error.isEmpty())
        return Textos::tr("no se puede crear en ella la carpeta de los registros «%1»: %2").arg(kCarpeta, error);
    propio_ = nombreUnico();
    const QByteArray ruta = formatos::nativo(rutaPropia());
    const mode_t modo = formatos::modoNuevo(carpetaRegistros());
    constexpr int kNuevo = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    formatos::Descriptor fd(::open(ruta.constData(), kNuevo, modo));
    if (fd.numero() < 0)
        return Textos::tr("no se puede crear en ella el registro de este puesto: %1").arg(formatos::motivo(errno));
    ::fchmod(fd.numero(), modo);
    // Every desk's file is only its own because a create fails where a file
    // is: a share that says otherwise could let two desks write one file.
    formatos::Descriptor otra(::open(ruta.constData(), kNuevo, modo));
    if (otra.numero() >= 0 || errno != EEXIST) {
        ::unlink(ruta.constData());
        return Textos::tr("la carpeta compartida no garantiza que un fichero nuevo sea solo del puesto que lo crea");
    }
    fd_ = std::move(fd);
    largo_ = 0;
    lecturas_[propio_].acabado = true; // written here, never read back
    return {};
}

// The class's files as they are become its starting point; the log is
// kept as a copy of its own, since "historial.csv" becomes a summary.
QString AlmacenClase::empezar()
{
    const Carga puntos = cargarPuntos(rutaPuntos_);
    if (!puntos.error.isEmpty())
        return Textos::tr("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(rutaPuntos_), puntos.error);
    const formatos::Lectura log = formatos::leerEntero(rutaHistorial(), kMaximoHistorial);
    if (!log.error.isEmpty())
        return Textos::tr("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(rutaHistorial()), log.error);
    Evento inicio = evento(Evento::Tipo::Inicio);
    inicio.puntos = puntos.bytes;
    inicio.corte = vista_.visto;
    if (!log.contenido.isEmpty()) {
        inicio.historial = QStringLiteral("historial-%1.csv").arg(propio_);
        inicio.huella = huella(log.contenido);
        const QByteArray ruta = formatos::nativo(carpetaRegistros() + QLatin1Char('/') + inicio.historial);
        formatos::Descriptor copia(::open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                          formatos::modoNuevo(carpetaRegistros())));
        int error = copia.numero() < 0 ? errno : formatos::escribirTodo(copia.numero(), log.contenido, 0);
        if (error == 0 && ::fsync(copia.numero()) != 0) error = errno;
        if (error == 0) error = copia.cerrar();
        if (error != 0) {
            ::unlink(ruta.constData());
            return Textos::tr("no se pudo guardar la copia del historial: %1").arg(formatos::motivo(error));
        }
    }
    return registrar({inicio});
}

Evento AlmacenClase::evento(Evento::Tipo tipo) const
{
    Evento e;
    e.tipo = tipo;
    e.respuesta.cuando = QDateTime::currentDateTimeUtc();
    return e;
}

// File by file, each piece let go once taken: opening a class reads a
// school year of records.
void AlmacenClase::releer()
{
    const QString carpeta = carpetaRegistros();
    tomarDe(registrosEn(carpeta), [&carpeta](const QString& id, qint64 desde) {
        return leerTrozo(carpeta + QLatin1Char('/') + id + kTerminacion, desde);
    });
}

QHash<QString, qint64> AlmacenClase::hastaDonde() const
{
    QHash<QString, qint64> r;
    for (auto it = lecturas_.cbegin(); it != lecturas_.cend(); ++it) r.insert(it.key(), it->acabado ? -1 : it->leido);
    return r;
}

// What a file holds past `desde`, to its end as this read finds it (a
// length the server reports for another desk's file can lag), whole lines
// only: a line its writer is still writing comes next time.
QByteArray AlmacenClase::leerTrozo(const QString& ruta, qint64 desde)
{
    formatos::Descriptor f(formatos::abrir(ruta, O_RDONLY));
    if (f.numero() < 0) return {};
    QByteArray nuevo;
    for (;;) {
        if (desde + nuevo.size() > kMaximoRegistro) break;
        const qsizetype antes = nuevo.size();
        const qsizetype trozo = std::max<qsizetype>(kTrozo, antes);
        nuevo.resize(antes + trozo);
        const ssize_t n = ::pread(f.numero(), nuevo.data() + antes, size_t(trozo), off_t(desde + antes));
        nuevo.resize(antes + std::max<ssize_t>(n, 0));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
    }
    nuevo.truncate(nuevo.lastIndexOf('\n') + 1);
    return nuevo;
}

LoNuevo AlmacenClase::leerLoNuevo(const QString& carpeta, const QHash<QString, qint64>& desde)
{
    LoNuevo r;
    r.hay = registrosEn(carpeta);
    for (const QString& id : std::as_const(r.hay)) {
        const qint64 donde = desde.value(id, 0);
        if (donde < 0) continue; // its copy closed it
        QByteArray bytes = leerTrozo(carpeta + QLatin1Char('/') + id + kTerminacion, donde);
        if (!bytes.isEmpty()) r.trozos.insert(id, {donde, std::move(bytes)});
    }
    return r;
}

void AlmacenClase::tomar(const LoNuevo& nuevo)
{
    // A piece read from where this store no longer is (it read or recorded
    // meanwhile) comes again in the next read.
    tomarDe(nuevo.hay, [&nuevo](const QString& id, qint64 desde) {
        const auto trozo = nuevo.trozos.constFind(id);
        return trozo != nuevo.trozos.constEnd() && trozo->desde == desde ? trozo->bytes : QByteArray();
    });
}

void AlmacenClase::tomarDe(const QSet<QString>& hay,
                           const std::function<QByteArray(const QString&, qint64)>& trozoDesde)
{
    // A file taken out of the folder (a teacher clearing it) no longer
    // counts; a listing without this copy's own file is not to be trusted.
    bool quitados = false;
    if (hay.contains(propio_)) {
        for (auto it = lecturas_.begin(); it != lecturas_.end();) {
            if (hay.contains(it.key())) {
                ++it;
                continue;
            }
            eventos_.remove(it.key());
            it = lecturas_.erase(it);
            quitados = true;
        }
    }
    bool deNuevo = quitados || !calculada_;
    for (const QString& id : hay) {
        const auto ya = eventos_.constFind(id);
        const size_t antes = ya == eventos_.constEnd() ? 0 : ya->size();
        if (const Lectura& l = lecturas_[id]; !l.acabado)
            tomarTrozo(id, trozoDesde(id, l.leido)); // may add a file to the table, which moves what it holds
        const std::deque<Evento>& eventos = eventos_[id];
        for (size_t i = antes; i < eventos.size() && !deNuevo; ++i) deNuevo = !vista_.sumar(eventos[i]);
    }
    if (deNuevo) calcular();
}

// Whole lines of a file, past those already taken.
void AlmacenClase::tomarTrozo(const QString& id, const QByteArray& nuevo)
{
    Lectura& l = lecturas_[id];
    std::deque<Evento>& eventos = eventos_[id];
    qsizetype desde = 0;
    while (desde < nuevo.size()) {
        const qsizetype salto = nuevo.indexOf('\n', desde);
        if (auto e = decodificar(QByteArrayView(nuevo).sliced(desde, salto + 1 - desde), &comunes_)) {
            e->archivo = id;
            if (e->tipo == Evento::Tipo::Fin) l.acabado = true;
            eventos.push_back(std::move(*e));
        }
        desde = salto + 1;
    }
    l.leido += nuevo.size();
}

void AlmacenClase::calcular()
{
    vista_ = calcularClase(eventos_);
    calculada_ = true;
    // Unique across stores too: a view that follows one class, then
    // another, must not take the second's answers for the first's.
    static std::atomic<quint64> vueltas{0};
    vuelta_ = ++vueltas;
    enOrden_.clear(); // the view's answers are all new
}

// The answers in time order, kept from one read to the next: those that
// came since are put in order and, as they are mostly the latest, added
// at the end; a school year is not sorted again every few seconds.
void AlmacenClase::ponerEnOrden()
{
    if (enOrden_.size() == vista_.respuestas.size()) return;
    QVector<const Evento*> nuevas = vista_.respuestas.mid(enOrden_.size());
    ordenarEnElTiempo(nuevas);
    const qsizetype medio = enOrden_.size();
    const bool detras = enOrden_.isEmpty() || !antesEnElTiempo(nuevas.first(), enOrden_.last());
    enOrden_.append(nuevas);
    if (!detras) std::inplace_merge(enOrden_.begin(), enOrden_.begin() + medio, enOrden_.end(), antesEnElTiempo);
}

QString AlmacenClase::escribirPropio(const QByteArray& bytes)
{
    if (perdido_) return rehacerPropio(bytes);
    int error = formatos::escribirTodo(fd_.numero(), bytes, off_t(largo_));
    if (error == 0 && ::fsync(fd_.numero()) != 0) error = errno;
    struct stat datos = {};
    if (error == 0 && ::fstat(fd_.numero(), &datos) == 0 && datos.st_nlink == 0) error = ENOENT;
    if (error == ENOENT || error == ESTALE) return rehacerPropio(bytes);
    if (error != 0) return formatos::motivo(error);
    largo_ += bytes.size();
    return {};
}

// This copy's file was taken away (the folder cleared while the class
// worked): everything this copy recorded goes into a new one.
QString AlmacenClase::rehacerPropio(const QByteArray& bytes)
{
    const QString anterior = propio_;
    formatos::Descriptor viejo = std::move(fd_);
    if (const QString error = crearPropio(); !error.isEmpty()) {
        // Still open, so the copy goes on counting; the next record tries again.
        propio_ = anterior;
        fd_ = std::move(viejo);
        perdido_ = true;
        return error;
    }
    perdido_ = false;
    // Moved, never copied: the class worked out points at these events.
    const auto viejos = eventos_.find(anterior);
    std::deque<Evento> mios = std::move(*viejos);
    eventos_.erase(viejos);
    lecturas_.remove(anterior);
    QByteArray todo;
    for (int i = 0; i < escritos_; ++i) todo += codificar(mios[size_t(i)]);
    for (Evento& e : mios) e.archivo = propio_;
    eventos_[propio_] = std::move(mios);
    const QString error = escribirPropio(todo + bytes);
    calcular(); // the events' file has a new name
    return error;
}

// A "puntos.pnt" no copy wrote is a hand edit to take, not to write over:
// it is left alone until it has stayed so long enough that no desk's late
// view of the records can explain it, and then becomes the starting point.
void AlmacenClase::comprobarPuntos()
{
    const formatos::Lectura ahora = formatos::leerEntero(rutaPuntos_, kMaximoResumen);
    if (!ahora.existe || !ahora.error.isEmpty() || vista_.resumenes.contains(huella(ahora.contenido))) {
        ajeno_.clear();
        return;
    }
    if (ahora.contenido != ajeno_ || !ajenoDesde_.isValid()) {
        ajeno_ = ahora.contenido;
        ajenoDesde_.start();
        ajenoCorte_ = vista_.visto;
        return;
    }
    if (ajenoDesde_.elapsed() < kAsentarMs) return;
    Evento inicio = evento(Evento::Tipo::Inicio);
    inicio.puntos = ajeno_;
    inicio.corte = ajenoCorte_;
    inicio.orden = ++orden_;
    inicio.archivo = propio_;
    eventos_[propio_].push_back(inicio);
    ajeno_.clear();
    calcular();
}

QString AlmacenClase::registrar(const QVector<Evento>& eventos)
{
    if (!abierto()) return Textos::tr("el registro de este puesto no está abierto");
    for (Evento e : eventos) {
        e.orden = ++orden_;
        e.archivo = propio_;
        e.respuesta.alumno = sinRelleno(e.respuesta.alumno); // as a desk reads it back
        eventos_[propio_].push_back(e);
        if (calculada_ && !vista_.sumar(eventos_[propio_].back())) calculada_ = false;
    }
    releer();
    comprobarPuntos();
    const bool resumible = ajeno_.isEmpty();
    const QByteArray resumen = escribirPuntos(vista_.tabla);
    QByteArray bytes;
    const std::deque<Evento>& mios = eventos_[propio_];
    for (size_t i = size_t(escritos_); i < mios.size(); ++i) bytes += codificar(mios[i]);
    // The summary is known to every desk before it is there to be read.
    Evento nota = evento(Evento::Tipo::Resumen);
    nota.huella = huella(resumen);
    const bool nuevoResumen = resumible && resumen != ultimoResumen_ && !vista_.resumenes.contains(nota.huella);
    if (nuevoResumen) {
        nota.orden = orden_ + 1;
        nota.archivo = propio_;
        bytes += codificar(nota);
    }
    if (!bytes.isEmpty()) {
        if (const QString error = escribirPropio(bytes); !error.isEmpty()) return error;
        if (nuevoResumen) {
            ++orden_;
            eventos_[propio_].push_back(nota);
            vista_.sumar(eventos_[propio_].back());
        }
        escritos_ = int(eventos_[propio_].size());
    }
    if (resumible && resumen != ultimoResumen_ && reemplazar(rutaPuntos_, resumen).isEmpty()) ultimoResumen_ = resumen;
    return {};
}

RespuestasClase AlmacenClase::respuestas()
{
    // The view holds every answer read or recorded: pointers into the
    // events' deques, which stay put when the table of files grows.
    if (!calculada_) calcular();
    // The log the class had before its first record, as it was copied then.
    const Evento* primero = vista_.primerInicio;
    if (primero && !primero->historial.isEmpty() && primero->historial != historialCopiado_) {
        const formatos::Lectura copia =
            formatos::leerEntero(carpetaRegistros() + QLatin1Char('/') + primero->historial, kMaximoHistorial);
        if (huella(copia.contenido) == primero->huella) {
            historialCopiado_ = primero->historial;
            historialInicial_ = copia.contenido;
        }
    }
    ponerEnOrden();
    RespuestasClase r;
    r.anteriores = historialInicial_;
    r.anotadas.reserve(size_t(enOrden_.size()));
    for (const Evento* e : std::as_const(enOrden_)) r.anotadas.push_back(&e->respuesta);
    QVector<const Evento*> sucesos = vista_.sucesos;
    ordenarEnElTiempo(sucesos);
    r.sucesos.assign(sucesos.begin(), sucesos.end());
    r.leidas = vista_.respuestas;
    r.vuelta = vuelta_;
    return r;
}

QByteArray AlmacenClase::historial()
{
    const RespuestasClase todas = respuestas();
    QByteArray r = todas.anteriores.isEmpty() ? kCabeceraHistorial : todas.anteriores;
    if (!r.endsWith('\n')) r += "\r\n";
    for (const RespuestaContada* e : todas.anotadas) r += lineaHistorial(*e);
    return r;
}

void AlmacenClase::resumir()
{
    if (!abierto()) return;
    registrar({});
    reemplazar(rutaHistorial(), historial());
}

// Under this copy's name, so that what it leaves if killed is known as its own.
QString AlmacenClase::reemplazar(const QString& ruta, const QByteArray& bytes)
{
    return formatos::reemplazarEntero(ruta, bytes, propio_);
}

void AlmacenClase::cerrar()
{
    if (!abierto()) return;
    resumir();
    if (!hayPendientes()) registrar({evento(Evento::Tipo::Fin)});
    fd_ = formatos::Descriptor();
}

} // namespace almacen
