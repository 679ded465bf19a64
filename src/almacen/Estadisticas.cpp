// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/Estadisticas.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>

namespace almacen {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};

// Where each entry of `antes` stands in `ahora`: the same name, taken in
// the same order where a name is there twice; -1 where it is gone.
QVector<int> posicionesEn(const TablaAlumnos& antes, const TablaAlumnos& ahora)
{
    QVector<int> r(antes.num_alumnos(), -1);
    QVector<bool> usado(ahora.num_alumnos(), false);
    for (int i = 0; i < antes.num_alumnos(); ++i)
        for (int j = 0; j < ahora.num_alumnos(); ++j)
            if (!usado[j] && ahora.nombres[j] == antes.nombres[i]) {
                usado[j] = true;
                r[i] = j;
                break;
            }
    return r;
}

Evento eventoDe(Evento::Tipo tipo, const TablaAlumnos& tabla, int indice)
{
    Evento e;
    e.tipo = tipo;
    e.respuesta.cuando = QDateTime::currentDateTimeUtc();
    e.respuesta.alumno = tabla.nombres[indice];
    e.vez = vezEn(tabla, indice);
    // What a reset or a deletion clears, for the teacher to see.
    e.total = tabla.totales[indice].valor();
    e.bien = tabla.aciertos[indice].valor();
    return e;
}

} // namespace

namespace {
// How often an open class is read for what the other desks did: an exam the
// teacher starts reaches every desk within this.
constexpr int kVigiaMs = 3000;
} // namespace

Estadisticas::Estadisticas(const QString& ruta) : nombre_(ruta), vigia_(new QTimer(this)), finExamen_(new QTimer(this))
{
    vigia_->setInterval(kVigiaMs);
    connect(vigia_, &QTimer::timeout, this, [this] { releerAparte([this](bool) { vigilarExamen(); }); });
    lector_.setMaxThreadCount(1);
    finExamen_->setSingleShot(true);
    connect(finExamen_, &QTimer::timeout, this, &Estadisticas::vigilarExamen);
}

Estadisticas::~Estadisticas() = default;

Carga Estadisticas::abrir(const QString& ruta)
{
    if (usuarios_++ > 0) return {};
    ++aperturas_;
    if (!ruta.isEmpty()) nombre_ = ruta;
    almacen_ = std::make_unique<AlmacenClase>(nombre_);
    errorCarpeta_ = almacen_->abrir();
    Carga carga;
    if (almacen_->abierto()) {
        // What a hand edit left in the starting point is said as it opens.
        if (const Evento* inicio = almacen_->vista().inicio) leerPuntos(inicio->puntos, &carga.lecturas);
        carga.tabla = almacen_->vista().tabla;
    } else {
        // Nothing is recorded; the file is still shown as it is.
        carga = cargarPuntos(almacen_->rutaPuntos());
    }
    tabla_ = carga.tabla;
    conocidos_ = tabla_.num_alumnos();
    saturada_ = almacen_->vista().saturada;
    cambios_.clear();
    if (almacen_->abierto()) vigia_->start();
    vigilarExamen();
    return carga;
}

void Estadisticas::cerrar()
{
    if (--usuarios_ > 0 || !almacen_) return;
    vigia_->stop();
    almacen_->cerrar();
}

QString Estadisticas::rutaPuntos() const
{
    return almacen_ ? almacen_->rutaPuntos() : AlmacenClase(nombre_).rutaPuntos();
}

RespuestasClase Estadisticas::respuestas()
{
    return almacen_ && almacen_->abierto() ? almacen_->respuestas() : RespuestasClase{};
}

// What this copy still holds is recorded first; with nothing of its own,
// reading writes nothing (the view reads every few seconds).
bool Estadisticas::releer()
{
    if (!puedeGuardar()) return false;
    const Corte antes = almacen_->vista().visto; // the last line of every file
    if (tienePropio()) {
        guardar();
    } else {
        almacen_->releer();
        if (almacen_->vista().visto == antes) return false;
        Guardado g;
        seguirAlAlmacen(g, false);
    }
    return almacen_->vista().visto != antes;
}

// Something counted or added here that the records do not hold yet.
bool Estadisticas::tienePropio() const
{
    return !cambios_.isEmpty() || conocidos_ < tabla_.num_alumnos() || almacen_->hayPendientes();
}

void Estadisticas::releerAparte(std::function<void(bool)> hecho)
{
    // What this desk holds is recorded first, here: a write must not race a read.
    if (!puedeGuardar() || tienePropio()) {
        const bool cambio = releer();
        if (hecho) hecho(cambio);
        return;
    }
    if (hecho) esperando_.push_back(std::move(hecho));
    if (leyendo_) return; // one read at a time; its end tells every waiter
    leyendo_ = true;
    const QString carpeta = almacen_->carpetaRegistros();
    const QHash<QString, qint64> desde = almacen_->hastaDonde();
    const int apertura = aperturas_;
    lector_.start([this, carpeta, desde, apertura] {
        LoNuevo nuevo = AlmacenClase::leerLoNuevo(carpeta, desde);
        QMetaObject::invokeMethod(
            this, [this, apertura, nuevo = std::move(nuevo)] { tomarLoLeido(nuevo, apertura); }, Qt::QueuedConnection);
    });
}

// Back on the window's thread: the store takes what the read found, unless
// the class was closed or opened again meanwhile.
void Estadisticas::tomarLoLeido(const LoNuevo& nuevo, int apertura)
{
    leyendo_ = false;
    bool cambio = false;
    if (apertura == aperturas_ && puedeGuardar()) {
        const Corte antes = almacen_->vista().visto;
        almacen_->tomar(nuevo);
        cambio = almacen_->vista().visto != antes;
        if (cambio) {
            Guardado g;
            seguirAlAlmacen(g, false);
        }
    }
    const auto hechos = std::move(esperando_);
    esperando_.clear();
    for (const auto& hecho : hechos) hecho(cambio);
}

QByteArray Estadisticas::historial() { return almacen_ && almacen_->abierto() ? almacen_->historial() : QByteArray(); }

void Estadisticas::reiniciar(int indice)
{
    if (indice >= 0 && indice < tabla_.num_alumnos()) cambios_ << eventoDe(Evento::Tipo::Reinicio, tabla_, indice);
}

void Estadisticas::verSolucion(int indice, const RespuestaContada& pregunta)
{
    Evento e;
    if (indice >= 0 && indice < tabla_.num_alumnos()) e = eventoDe(Evento::Tipo::Solucion, tabla_, indice);
    e.tipo = Evento::Tipo::Solucion;
    e.respuesta.cuando = QDateTime::currentDateTimeUtc();
    e.respuesta.codigo = pregunta.codigo;
    e.respuesta.numero = pregunta.numero;
    e.respuesta.modo = pregunta.modo;
    cambios_ << e;
}

void Estadisticas::anotar(int indice, const RespuestaContada& respuesta)
{
    if (indice < 0 || indice >= tabla_.num_alumnos()) return;
    Evento e = eventoDe(Evento::Tipo::Respuesta, tabla_, indice);
    e.respuesta = respuesta;
    e.respuesta.alumno = tabla_.nombres[indice];
    e.respuesta.cuando = respuesta.cuando.isValid() ? respuesta.cuando.toUTC() : QDateTime::currentDateTimeUtc();
    cambios_ << e;
}

Guardado Estadisticas::guardar()
{
    Guardado g;
    if (!puedeGuardar()) {
        g.error = errorCarpeta_;
        return g;
    }
    // A reset knows every answer there is to clear (recording reads the rest).
    if (std::any_of(cambios_.begin(), cambios_.end(), [](const Evento& e) { return e.tipo == Evento::Tipo::Reinicio; }))
        almacen_->releer();
    QVector<Evento> eventos;
    for (int i = conocidos_; i < tabla_.num_alumnos(); ++i) eventos << eventoDe(Evento::Tipo::Alta, tabla_, i);
    for (Evento e : std::as_const(cambios_)) {
        if (e.tipo == Evento::Tipo::Reinicio) e.corte = almacen_->corteDe(e.respuesta.alumno, e.vez);
        eventos << e;
    }
    cambios_.clear();
    return registrar(eventos, false);
}

Guardado Estadisticas::registrar(QVector<Evento> eventos, bool borrado)
{
    Guardado g;
    g.error = almacen_->registrar(eventos);
    g.guardado = g.error.isEmpty() && !almacen_->hayPendientes();
    seguirAlAlmacen(g, borrado);
    return g;
}

// The table becomes the store's, and the windows are told where each student went.
void Estadisticas::seguirAlAlmacen(Guardado& g, bool borrado)
{
    const TablaAlumnos& ahora = almacen_->vista().tabla;
    g.posiciones = posicionesEn(tabla_, ahora);
    g.saturada = almacen_->vista().saturada && !saturada_;
    saturada_ = almacen_->vista().saturada;
    tabla_ = ahora;
    conocidos_ = tabla_.num_alumnos();
    emit tablaCambiada(g.posiciones, g.saturada, borrado);
    vigilarExamen();
}

QVector<Examen> Estadisticas::examenes() const
{
    return almacen_ && almacen_->abierto() ? examenesDe(almacen_->vista()) : QVector<Examen>();
}

std::optional<Examen> Estadisticas::examenEnCurso() const
{
    const QDateTime ahora = QDateTime::currentDateTimeUtc();
    const QVector<Examen> todos = examenes();
    for (auto x = todos.crbegin(); x != todos.crend(); ++x)
        if (x->enCurso(ahora)) return *x;
    return std::nullopt;
}

// Says when an exam begins or ends, and wakes at its time limit.
void Estadisticas::vigilarExamen()
{
    const std::optional<Examen> x = examenEnCurso();
    if (x) finExamen_->start(int(qMin<qint64>(QDateTime::currentDateTimeUtc().msecsTo(x->limite()) + 1, kVigiaMs)));
    const QString id = x ? x->id : QString();
    if (id == examenVisto_) return;
    examenVisto_ = id;
    emit examenCambiado(x.has_value());
}

QString Estadisticas::empezarExamen(Examen examen)
{
    if (!puedeGuardar()) return errorCarpeta_;
    examen.id = QString::number(QRandomGenerator::system()->generate64(), 16);
    examen.inicio = QDateTime::currentDateTimeUtc();
    examen.fin.reset();
    Evento e;
    e.tipo = Evento::Tipo::Examen;
    e.respuesta.cuando = examen.inicio;
    e.examen = std::make_shared<const Examen>(std::move(examen));
    cambios_ << e;
    return guardar().error;
}

QString Estadisticas::terminarExamen(const QString& id)
{
    if (!puedeGuardar()) return errorCarpeta_;
    auto fin = std::make_shared<Examen>();
    fin->id = id;
    fin->fin = QDateTime::currentDateTimeUtc();
    Evento e;
    e.tipo = Evento::Tipo::FinExamen;
    e.respuesta.cuando = *fin->fin;
    e.examen = std::move(fin);
    cambios_ << e;
    return guardar().error;
}

int Estadisticas::ultimaPregunta(const QString& id, int indice) const
{
    if (indice < 0 || indice >= tabla_.num_alumnos() || !almacen_) return 0;
    const QString nombre = sinRelleno(tabla_.nombres[indice]);
    int ultima = 0;
    const auto mirar = [&](const Evento& e) {
        if (e.tipo == Evento::Tipo::Respuesta && e.respuesta.examen == id && sinRelleno(e.respuesta.alumno) == nombre)
            ultima = qMax(ultima, e.respuesta.pregunta);
    };
    for (const Evento* e : almacen_->vista().respuestas) mirar(*e);
    for (const Evento& e : cambios_) mirar(e);
    return ultima;
}

QString Estadisticas::borrarAlumno(const QString& nombre, int pista)
{
    if (!puedeGuardar()) return errorCarpeta_;
    guardar(); // what was counted here first, and the others' changes
    const QString enTabla = nombreDeTabla(nombre);
    // The row named, where it still is that student; else the first of that name.
    int i = pista >= 0 && pista < tabla_.num_alumnos() && tabla_.nombres[pista] == enTabla
                ? pista
                : int(tabla_.nombres.indexOf(enTabla));
    if (i < 0) return Textos::tr("«%1» ya no está en la clase: otro puesto lo ha borrado").arg(sinRelleno(enTabla));
    Evento e = eventoDe(Evento::Tipo::Baja, tabla_, i);
    e.corte = almacen_->corteDe(e.respuesta.alumno, e.vez);
    return registrar({e}, true).error;
}

} // namespace almacen
