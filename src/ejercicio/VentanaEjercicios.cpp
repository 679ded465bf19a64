// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/VentanaEjercicios.h"

#include "almacen/Numeros.h"
#include "codigos/Trazas.h"
#include "dibujo/Color.h"
#include "ejercicio/AvisosEstadisticas.h"
#include "ejercicio/ControlProfesor.h"
#include "ejercicio/DisenoEjercicios.h"
#include "ejercicio/EleccionAlumno.h"
#include "ejercicio/VistaClase.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Teclado.h"
#include "formularios/TeclasPrevias.h"
#include "formularios/Zoom.h"

#include <QComboBox>
#include <QDateTime>
#include <QTimer>

#include <limits>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using almacen::leerNumero;
using almacen::RespuestaContada;

namespace ejercicio {

using modelo::Ronda;

namespace {

const QString kRespuestaInicial = QStringLiteral("0000");
constexpr int kRelojExamenMs = 1000;
constexpr codigos::Color kColorCorrecta = dibujo::kAzul;
constexpr codigos::Color kColorIncorrecta = dibujo::kRojo;

} // namespace

VentanaEjercicios::VentanaEjercicios(modelo::Ejercicio& modelo, almacen::Estadisticas& estadisticas, QWidget& principal)
    : Formulario(disenoEjercicios()), modelo_(modelo), estadisticas_(estadisticas), principal_(principal)
{
    const auto& c = controles();
    numero = c.buscar<QLineEdit>("número");
    total = c.buscar<QLineEdit>("total");
    bien = c.buscar<QLineEdit>("bien");
    mal = c.buscar<QLineEdit>("mal");
    tciento = c.buscar<QLineEdit>("tciento");
    NoVer = c.buscar<QLineEdit>("NoVer");
    barraEstadisticas = c.buscar<QProgressBar>("estadis");
    alumno = c.buscar<QComboBox>("alumno");
    eleccion_ = new EleccionAlumno(alumno, estadisticas_, NoVer);
    bienmal = c.buscar<QLabel>("bienmal");
    respuesta = c.buscar<QGroupBox>("respuesta");
    proponer = c.buscar<QPushButton>("proponer");
    // Enter presses the focused button, as in a dialog, once the answer is given.
    for (auto* boton : findChildren<QPushButton*>()) boton->setAutoDefault(true);
    periodo = c.buscar<formularios::Deslizador>("periodo");
    for (int i = 0; i < modelo::kCodigos; ++i) botonesCodigo[i] = c.buscar<QRadioButton>("tipo_cod", i);
    // The focus target lies beneath the statistics frame it overlaps.
    NoVer->lower();
    etiquetaExamen = c.buscar<QLabel>("examen");
    etiquetaExamen->hide();
    relojExamen_ = new QTimer(this);
    relojExamen_->setInterval(kRelojExamenMs);
    conectar();
}

void VentanaEjercicios::conectar()
{
    const auto& c = controles();
    connect(&estadisticas_, &almacen::Estadisticas::tablaCambiada, this,
            [this](const QVector<int>& posiciones, bool, bool borrado) { trasGuardar(posiciones, borrado); });
    connect(&modelo_, &modelo::Ejercicio::rondaCambiada, this, &VentanaEjercicios::seguirRonda);
    connect(&modelo_, &modelo::Ejercicio::cuentasCambiadas, this, &VentanaEjercicios::mostrarCuentas);
    connect(&modelo_, &modelo::Ejercicio::respuestaCambiada, this,
            [this] { formularios::ponerTexto(numero, modelo_.respuesta()); });
    connect(&modelo_, &modelo::Ejercicio::pantallaCambiada, this, [this] { periodo->setValue(modelo_.periodo()); });
    connect(proponer, &QPushButton::clicked, this, &VentanaEjercicios::proponerEjercicio);
    connect(&estadisticas_, &almacen::Estadisticas::examenCambiado, this, &VentanaEjercicios::seguirExamen);
    connect(relojExamen_, &QTimer::timeout, this, &VentanaEjercicios::mostrarTiempo);
    connect(c.buscar<QPushButton>("solu"), &QPushButton::clicked, this, &VentanaEjercicios::verSolucion);
    connect(c.buscar<QPushButton>("aceptar"), &QPushButton::clicked, this, &VentanaEjercicios::aceptarRespuesta);
    connect(c.buscar<QPushButton>("Reset"), &QPushButton::clicked, this, &VentanaEjercicios::borrarEstadisticas);
    connect(c.buscar<QPushButton>("Detalles"), &QPushButton::clicked, this, &VentanaEjercicios::abrirVistaClase);
    connect(periodo, &formularios::Deslizador::desplazado, this, [this] { modelo_.ponerPeriodo(periodo->value()); });
    for (int i = 0; i < modelo::kCodigos; ++i)
        connect(botonesCodigo[i], &QRadioButton::clicked, this, [this, i] { modelo_.elegirCodigo(i); });
    connect(eleccion_, &EleccionAlumno::elegido, this, [this](int indice, bool nuevo) {
        // A new student's counts are worked out, not read: plain zeros.
        if (nuevo)
            modelo_.reiniciarCuentas();
        else
            modelo_.elegirAlumno(indice, estadisticas_.tabla().totales[indice], estadisticas_.tabla().aciertos[indice]);
        mostrarExamen();
    });
    // What is typed in the name box never reaches the answer.
    connect(eleccion_, &EleccionAlumno::enLaCaja, this, [this](bool dentro) { vistaPrevia()->setEnabled(!dentro); });
}

void VentanaEjercicios::alCargar()
{
    periodo->setValue(modelo_.periodo());
    modelo_.abrirEjercicios();
    botonesCodigo[modelo_.codigoElegido()]->setChecked(true);
    ocultarVeredicto();

    const almacen::Carga carga = abrirConAvisos(this, estadisticas_); // before asking where the file is
    eleccion_->empezar();
    seguirExamen(); // a desk started again goes on with the exam under way
}

namespace {
int solape(const QRect& a, const QRect& b)
{
    const QRect comun = a.intersected(b);
    return comun.width() * comun.height();
}
} // namespace

// Beside or below the main window when the screen has room for it; else
// below the drawing, over the main window's lower part; else where it
// covers least of the drawing. The student must see every trace.
void VentanaEjercicios::colocarAlMostrar()
{
    const QRect libre = formularios::zonaLibre(this);
    const QSize tamano = size().grownBy(formularios::margenesDeMarco(this));
    const QRect ventana = principal_.geometry().marginsAdded(formularios::margenesDeMarco(&principal_));
    const QWidget* pantalla = principal_.findChild<QWidget*>(QStringLiteral("Pantalla"));
    const QRect dibujo(pantalla->mapToGlobal(QPoint(0, 0)), pantalla->size());
    const QPoint candidatos[] = {
        {ventana.left(), ventana.bottom() + 1},
        {ventana.right() + 1, ventana.top()},
        {ventana.left(), dibujo.bottom() + 1},
        {ventana.left() - tamano.width(), ventana.top()},
        {ventana.left(), ventana.top() - tamano.height()},
        {libre.right() + 1 - tamano.width(), libre.bottom() + 1 - tamano.height()},
    };
    QRect sinTapar, menosTapa;
    for (const QPoint& p : candidatos) {
        // Moved onto the screen where it would stick out.
        const QRect r(QPoint(qBound(libre.left(), p.x(), libre.right() + 1 - tamano.width()),
                             qBound(libre.top(), p.y(), libre.bottom() + 1 - tamano.height())),
                      tamano);
        if (r.topLeft() == p && !r.intersects(ventana)) {
            move(p);
            return;
        }
        if (sinTapar.isNull() && !r.intersects(dibujo)) sinTapar = r;
        if (menosTapa.isNull() || solape(r, dibujo) < solape(menosTapa, dibujo)) menosTapa = r;
    }
    move((sinTapar.isNull() ? menosTapa : sinTapar).topLeft());
}

void VentanaEjercicios::mostrarVeredicto()
{
    if (!veredicto_) return;
    bienmal->setText(veredicto_ == Veredicto::Trampa     ? tr("Trampa, trampa, miraste la solución")
                     : veredicto_ == Veredicto::Correcta ? tr("La respuesta es correcta")
                                                         : tr("La respuesta es incorrecta"));
}

void VentanaEjercicios::alCambiarIdioma()
{
    mostrarVeredicto();
    eleccion_->cambiarIdioma();
}

void VentanaEjercicios::alCambiarZoom()
{
    // Once the main window has taken its new size too.
    QTimer::singleShot(0, this, [this] { colocarAlMostrar(); });
}

bool VentanaEjercicios::alCerrar()
{
    // The window does not close over results that could not be saved
    // unless the user chooses so.
    if (!guardarConAvisos(this, estadisticas_, Momento::AlCerrar)) return false;
    estadisticas_.cerrar();
    if (detalles_) detalles_->close();
    modelo_.terminar();
    return true;
}

// The teacher's class view, with what every copy of the program saved.
void VentanaEjercicios::abrirVistaClase()
{
    guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
    if (!detalles_) {
        detalles_ = new VistaClase(estadisticas_);
        detalles_->cargar();
    } else {
        detalles_->actualizar();
    }
    detalles_->show();
    detalles_->raise();
    detalles_->activateWindow();
}

// After a save the table holds the other copies' answers and students too:
// the list follows it, and the chosen student's boxes show the merged counts
// when another copy answered for them. A student the class view deleted is
// no longer chosen.
void VentanaEjercicios::trasGuardar(const QVector<int>& posiciones, bool borrado)
{
    const int antes = modelo_.alumno();
    const int ahora = eleccion_->seguirTabla(posiciones, antes, borrado);
    if (ahora < 0) {
        if (antes >= 0 && borrado)
            modelo_.olvidarAlumno();
        else
            modelo_.moverAlumno(-1);
    } else if (ahora != antes || estadisticas_.tabla().totales[ahora].valor() != modelo_.total().valor()) {
        eleccion_->validar();
    }
    mostrarExamen(); // another desk may have answered for the same student
}

// Until the next answer the verdict lies under the answer frame: hidden,
// so that no screen reader reads it out either.
void VentanaEjercicios::ocultarVeredicto()
{
    bienmal->clear();
    bienmal->hide();
}

// A new exercise covers the verdict with the answer frame again.
void VentanaEjercicios::seguirRonda()
{
    if (modelo_.ronda() != Ronda::Propuesto) return;
    ocultarVeredicto();
    respuesta->setVisible(true);
}

bool VentanaEjercicios::alPulsarTecla(int codigo)
{
    // Enter gives the typed answer, as "Aceptar" does; once it is given,
    // Enter goes to the focused button ("Proponer", the next exercise).
    if (codigo == formularios::kTeclaEnter) {
        if (!respuesta->isVisible()) return false;
        aceptarRespuesta();
        return true;
    }
    // The answer takes digits as the main window's number does; nothing is drawn.
    QString r = modelo_.respuesta();
    if (formularios::teclearDigito(r, codigo)) modelo_.ponerRespuesta(r);
    return false;
}

void VentanaEjercicios::aceptarRespuesta()
{
    if (pregunta_ > 0 && !examen_) {
        // The exam ended with the question on screen: it is shown, and counts nothing.
        formularios::Avisos::actual().mensaje(this, tr("El examen ha terminado: esta respuesta ya no cuenta."),
                                              formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
        pregunta_ = 0;
        modelo_.verSolucion();
        return;
    }
    if (pregunta_ > 0 && modelo_.alumno() >= 0 &&
        almacen::sinRelleno(estadisticas_.tabla().nombres[modelo_.alumno()]) != deQuien_) {
        formularios::Avisos::actual().mensaje(
            this, tr("Esta pregunta del examen era de %1: pulsa «Proponer» para la tuya.").arg(deQuien_),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
        return;
    }
    const auto resultado = modelo_.responder();
    if (!resultado) {
        formularios::Avisos::actual().mensaje(this, tr("Has de introducir un alumno o elegir uno de la lista"),
                                              formularios::Avisos::Botones::Aceptar,
                                              formularios::Avisos::Icono::Critico);
        alumno->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Cheating keeps the color of the verdict it would have had.
    QPalette paleta = bienmal->palette();
    paleta.setColor(QPalette::WindowText, dibujo::qColor(resultado->correcta ? kColorCorrecta : kColorIncorrecta));
    bienmal->setPalette(paleta);
    veredicto_ = !resultado->contada   ? Veredicto::Trampa
                 : resultado->correcta ? Veredicto::Correcta
                                       : Veredicto::Incorrecta;
    mostrarVeredicto();
    respuesta->setVisible(false);
    bienmal->show();
    // The keyboard goes on where the drill does: to the next exercise.
    proponer->setFocus(Qt::OtherFocusReason);
    const int i = modelo_.alumno();
    // Recorded at once, so that a crash or a power cut loses no answer; the
    // counts shown then come back from the class's records.
    if (resultado->contada) {
        RespuestaContada r{QDateTime::currentDateTime(), estadisticas_.tabla().nombres[i],
                           modelo_.codigoPreguntado(),   modelo_.numero(),
                           modelo_.respuesta(),          resultado->correcta};
        if (pregunta_ > 0) {
            r.examen = examen_->id;
            r.pregunta = pregunta_;
        }
        estadisticas_.anotar(i, r);
        guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
    }
    pregunta_ = 0;
    mostrarExamen();
}

// Outside an exam, a random question; during one, the chosen student's next
// question of the exam, the same one again until it is answered.
void VentanaEjercicios::proponerEjercicio()
{
    if (!examen_) {
        pregunta_ = 0;
        modelo_.proponer();
        return;
    }
    const int i = modelo_.alumno();
    if (i < 0) {
        formularios::Avisos::actual().mensaje(this, tr("Elige tu nombre antes de empezar el examen."),
                                              formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
        alumno->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int n = estadisticas_.ultimaPregunta(examen_->id, i) + 1;
    if (n > examen_->preguntas) {
        formularios::Avisos::actual().mensaje(this, tr("Ya has respondido todas las preguntas del examen."),
                                              formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
        return;
    }
    const almacen::PreguntaExamen p = examen_->pregunta(n, almacen::estePuesto());
    pregunta_ = n;
    deQuien_ = almacen::sinRelleno(estadisticas_.tabla().nombres[i]);
    int indice = modelo::CodigoNrz;
    for (int c = modelo::CodigoNrz; c <= modelo::CodigoHdb3; ++c)
        if (QLatin1String(codigos::kDatosTrazas[codigos::Nrz + c].nombre) == p.codigo) indice = c;
    modelo_.proponerPregunta(p.numero, indice);
    mostrarExamen();
}

// An exam began or ended: during one, the questions are the exam's, in the
// codes it asks, with no solution to look at.
void VentanaEjercicios::seguirExamen()
{
    examen_ = estadisticas_.examenEnCurso();
    if (examen_) ultimo_ = examen_;
    controles().buscar<QPushButton>("solu")->setEnabled(!examen_);
    for (QRadioButton* b : botonesCodigo) b->setEnabled(!examen_);
    if (examen_)
        relojExamen_->start();
    else
        relojExamen_->stop();
    mostrarExamen();
}

// The question on screen or how many are answered, and the time left (the
// exam's name in the tooltip: the room below the answer is narrow); once it
// is over, that it is. How many are answered is counted here, when an
// answer, a question, a student or the class's records change; the clock
// only writes the time again.
void VentanaEjercicios::mostrarExamen()
{
    if (!ultimo_) return;
    if (!examen_) {
        lineaPregunta_ = tr("Examen terminado");
        etiquetaExamen->setToolTip(tr("El examen «%1» ha terminado.").arg(ultimo_->nombre));
    } else {
        const int i = modelo_.alumno();
        const int hechas = i >= 0 ? estadisticas_.ultimaPregunta(examen_->id, i) : 0;
        lineaPregunta_ = pregunta_ > 0 ? tr("Pregunta %1/%2").arg(pregunta_).arg(examen_->preguntas)
                                       : tr("Hechas %1/%2").arg(hechas).arg(examen_->preguntas);
        etiquetaExamen->setToolTip(tr("Examen «%1»").arg(examen_->nombre));
    }
    etiquetaExamen->setAccessibleDescription(etiquetaExamen->toolTip());
    mostrarTiempo();
    etiquetaExamen->show();
}

void VentanaEjercicios::mostrarTiempo()
{
    QString texto = lineaPregunta_;
    if (examen_) {
        const qint64 quedan = examen_->segundosQuedan(QDateTime::currentDateTimeUtc());
        texto += QLatin1Char('\n') + tr("Quedan %1:%2").arg(quedan / 60).arg(quedan % 60, 2, 10, QLatin1Char('0'));
    }
    etiquetaExamen->setText(texto);
}

// A look at the solution counts nothing, but the teacher sees how often
// each student looked.
void VentanaEjercicios::verSolucion()
{
    if (modelo_.ronda() != modelo::Ronda::Propuesto || examen_) return;
    modelo_.verSolucion();
    almacen::RespuestaContada pregunta;
    pregunta.codigo = modelo_.codigoPreguntado();
    pregunta.numero = modelo_.numero();
    estadisticas_.verSolucion(modelo_.alumno(), pregunta);
    guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
}

// The chosen student's counts, their percentage and its bar.
void VentanaEjercicios::mostrarCuentas()
{
    formularios::ponerTexto(total, modelo_.total().texto());
    formularios::ponerTexto(bien, modelo_.bien().texto());
    formularios::ponerTexto(mal, modelo_.mal().texto());
    const QString texto =
        modelo_.total().valor() > 0 ? almacen::textoPorcentaje(modelo_.porcentaje()) : QStringLiteral("0");
    formularios::ponerTexto(tciento, texto);
    // A hand-edited file can claim more right answers than answers.
    barraEstadisticas->setValue(qBound(0, qRound(almacen::leerNumero(texto)), 100));
}

void VentanaEjercicios::borrarEstadisticas()
{
    const auto r =
        formularios::Avisos::actual().mensaje(this, tr("Esta acción borrará tus estadísticas. ¿Deseas continuar?"),
                                              formularios::Avisos::Botones::SiNo, formularios::Avisos::Icono::Ninguno);
    if (r != formularios::Avisos::Respuesta::Si) return;
    // No one is known by their desk: in a class with a teacher, every reset is the teacher's.
    const int indiceAlumno = modelo_.alumno();
    if (indiceAlumno >= 0 && !permiteElProfesor(this, estadisticas_.rutaPuntos(), tr("poner a cero las cuentas")))
        return;
    modelo_.reiniciarCuentas();
    if (indiceAlumno >= 0) {
        estadisticas_.reiniciar(indiceAlumno);
        guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
    }
}

} // namespace ejercicio
