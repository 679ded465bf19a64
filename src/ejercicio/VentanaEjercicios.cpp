// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/VentanaEjercicios.h"

#include "dibujo/Color.h"
#include "ejercicio/AvisosEstadisticas.h"
#include "ejercicio/DisenoEjercicios.h"
#include "ejercicio/Numeros.h"
#include "ejercicio/ValidadorNombre.h"
#include "ejercicio/VistaClase.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Teclado.h"
#include "formularios/TeclasPrevias.h"
#include "formularios/Zoom.h"

#include <QComboBox>
#include <QDateTime>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>

#include <limits>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using ejercicio::leerNumero;
using ejercicio::RespuestaContada;

namespace ejercicio {

using modelo::Ronda;

namespace {

const QString kPrompt = QStringLiteral("Introduce tu nombre");
const QString kRespuestaInicial = QStringLiteral("0000");
constexpr codigos::Color kColorCorrecta = dibujo::kAzul;
constexpr codigos::Color kColorIncorrecta = dibujo::kRojo;

} // namespace

VentanaEjercicios::VentanaEjercicios(modelo::Ejercicio& modelo, Estadisticas& estadisticas, QWidget& principal)
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
    bienmal = c.buscar<QLabel>("bienmal");
    respuesta = c.buscar<QGroupBox>("respuesta");
    proponer = c.buscar<QPushButton>("proponer");
    // Enter presses the focused button, as in a dialog, once the answer is given.
    for (auto* boton : findChildren<QPushButton*>()) boton->setAutoDefault(true);
    periodo = c.buscar<formularios::Deslizador>("periodo");
    for (int i = 0; i < modelo::kCodigos; ++i) botonesCodigo[i] = c.buscar<QRadioButton>("tipo_cod", i);
    // The focus target lies beneath the statistics frame it overlaps.
    NoVer->lower();
    conectar();
}

void VentanaEjercicios::conectar()
{
    const auto& c = controles();
    connect(&estadisticas_, &Estadisticas::tablaCambiada, this,
            [this](const QVector<int>& posiciones, bool, bool borrado) { trasGuardar(posiciones, borrado); });
    connect(&modelo_, &modelo::Ejercicio::rondaCambiada, this, &VentanaEjercicios::seguirRonda);
    connect(&modelo_, &modelo::Ejercicio::cuentasCambiadas, this, &VentanaEjercicios::mostrarCuentas);
    connect(&modelo_, &modelo::Ejercicio::respuestaCambiada, this,
            [this] { formularios::ponerTexto(numero, modelo_.respuesta()); });
    connect(&modelo_, &modelo::Ejercicio::pantallaCambiada, this, [this] { periodo->setValue(modelo_.periodo()); });
    connect(proponer, &QPushButton::clicked, &modelo_, &modelo::Ejercicio::proponer);
    connect(c.buscar<QPushButton>("solu"), &QPushButton::clicked, &modelo_, &modelo::Ejercicio::verSolucion);
    connect(c.buscar<QPushButton>("aceptar"), &QPushButton::clicked, this, &VentanaEjercicios::aceptarRespuesta);
    connect(c.buscar<QPushButton>("Reset"), &QPushButton::clicked, this, &VentanaEjercicios::borrarEstadisticas);
    connect(c.buscar<QPushButton>("Detalles"), &QPushButton::clicked, this, &VentanaEjercicios::abrirVistaClase);
    connect(periodo, &formularios::Deslizador::desplazado, this, [this] { modelo_.ponerPeriodo(periodo->value()); });
    for (int i = 0; i < modelo::kCodigos; ++i)
        connect(botonesCodigo[i], &QRadioButton::clicked, this, [this, i] { modelo_.elegirCodigo(i); });
    connect(alumno, &QComboBox::activated, this, &VentanaEjercicios::elegirAlumno);
    // A name the file cannot hold is refused as it is typed, with the reason beside the box.
    auto* validador = new ejercicio::ValidadorNombre(alumno);
    alumno->setValidator(validador);
    connect(alumno->lineEdit(), &QLineEdit::inputRejected, this, [this, validador] {
        formularios::Avisos::actual().pitido();
        QToolTip::showText(alumno->mapToGlobal(QPoint(0, alumno->height())), validador->motivo(), alumno);
    });
    // The box itself takes the keys (its edit field only gets them forwarded).
    alumno->installEventFilter(this);
}

bool VentanaEjercicios::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != alumno) return Formulario::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
        teclaEnAlumno(formularios::kTeclaEnter);
        return true; // handled: the box has nothing more to do with it
    }
    if (event->type() == QEvent::FocusIn) {
        alEntrarEnAlumno();
    } else if (event->type() == QEvent::FocusOut) {
        // The name is checked when the focus moves on inside the window, not
        // when the window merely loses activation or the list drops down.
        const auto razon = static_cast<QFocusEvent*>(event)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) validarAlumno();
        alSalirDeAlumno();
    }
    return false;
}

void VentanaEjercicios::alCargar()
{
    periodo->setValue(modelo_.periodo());
    modelo_.abrirEjercicios();
    botonesCodigo[modelo_.codigoElegido()]->setChecked(true);
    ocultarVeredicto();

    const Carga carga = estadisticas_.abrir(); // before asking where the file is
    avisarCarga(this, carga, estadisticas_.rutaPuntos());
    alumno->addItems(estadisticas_.tabla().nombresVisibles());
    // The box shows its prompt with no student chosen: Qt would have chosen
    // the first one it was given.
    alumno->setCurrentIndex(-1);
    alumno->setEditText(kPrompt);
    // Nobody is chosen yet: the keyboard starts on the name, over the prompt,
    // and what is typed there never reaches the answer.
    alumno->lineEdit()->selectAll();
    alumno->setFocus(Qt::OtherFocusReason);
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
    const int elegido = modelo_.alumno();
    const bool eraElegido = borrado && elegido >= 0 && posiciones.value(elegido, -1) < 0;
    QStringList items;
    for (int i = 0; i < alumno->count(); ++i) items << alumno->itemText(i);
    if (items == estadisticas_.tabla().nombresVisibles()) {
        if (elegido >= 0 && estadisticas_.tabla().totales[elegido].valor() != modelo_.total().valor()) validarAlumno();
        return;
    }
    const QSignalBlocker bloqueo(alumno);
    const QString texto = alumno->currentText();
    alumno->clear();
    alumno->addItems(estadisticas_.tabla().nombresVisibles());
    const int ahora = elegido >= 0 ? posiciones.value(elegido, -1) : -1;
    alumno->setCurrentIndex(ahora);
    alumno->lineEdit()->setCursorPosition(0);
    modelo_.moverAlumno(ahora);
    if (ahora >= 0)
        validarAlumno();
    else if (eraElegido) {
        alumno->setEditText(kPrompt);
        modelo_.olvidarAlumno();
    } else
        alumno->setEditText(texto);
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
    const auto resultado = modelo_.responder();
    if (!resultado) {
        formularios::Avisos::actual().mensaje(
            this, QStringLiteral("Has de introducir un alumno o elegir uno de la lista"),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
        alumno->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Cheating keeps the color of the verdict it would have had.
    QPalette paleta = bienmal->palette();
    paleta.setColor(QPalette::WindowText, dibujo::qColor(resultado->correcta ? kColorCorrecta : kColorIncorrecta));
    bienmal->setPalette(paleta);
    bienmal->setText(!resultado->contada   ? QStringLiteral("Trampa, trampa, miraste la solución")
                     : resultado->correcta ? QStringLiteral("La respuesta es correcta")
                                           : QStringLiteral("La respuesta es incorrecta"));
    respuesta->setVisible(false);
    bienmal->show();
    // The keyboard goes on where the drill does: to the next exercise.
    proponer->setFocus(Qt::OtherFocusReason);
    const int i = modelo_.alumno();
    estadisticas_.tabla().totales[i] = modelo_.total();
    estadisticas_.tabla().aciertos[i] = modelo_.bien();
    if (resultado->saturada) avisarSaturada(this, estadisticas_.rutaPuntos());
    // Saved at once, so that a crash or a power cut loses no answer.
    if (resultado->contada) {
        estadisticas_.anotar({QDateTime::currentDateTime(), estadisticas_.tabla().nombres[i],
                              modelo_.codigoPreguntado(), modelo_.numero(), modelo_.respuesta(), resultado->correcta});
        guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
    }
}

// The chosen student's counts, their percentage and its bar.
void VentanaEjercicios::mostrarCuentas()
{
    formularios::ponerTexto(total, modelo_.total().texto());
    formularios::ponerTexto(bien, modelo_.bien().texto());
    formularios::ponerTexto(mal, modelo_.mal().texto());
    const QString texto =
        modelo_.total().valor() > 0 ? ejercicio::textoPorcentaje(modelo_.porcentaje()) : QStringLiteral("0");
    formularios::ponerTexto(tciento, texto);
    // A hand-edited file can claim more right answers than answers.
    barraEstadisticas->setValue(qBound(0, qRound(leerNumero(texto)), 100));
}

void VentanaEjercicios::borrarEstadisticas()
{
    const auto r = formularios::Avisos::actual().mensaje(
        this, QStringLiteral("Esta acción borrará tus estadísticas. ¿Deseas continuar?"),
        formularios::Avisos::Botones::SiNo, formularios::Avisos::Icono::Ninguno);
    if (r != formularios::Avisos::Respuesta::Si) return;
    modelo_.reiniciarCuentas();
    if (const int indiceAlumno = modelo_.alumno(); indiceAlumno >= 0) {
        estadisticas_.tabla().totales[indiceAlumno] = modelo_.total();
        estadisticas_.tabla().aciertos[indiceAlumno] = modelo_.bien();
        estadisticas_.reiniciar(indiceAlumno);
        guardarConAvisos(this, estadisticas_, Momento::TrasResponder);
    }
}

void VentanaEjercicios::elegirAlumno()
{
    NoVer->setFocus();
    validarAlumno();
}

void VentanaEjercicios::alEntrarEnAlumno() { vistaPrevia()->setEnabled(false); }

void VentanaEjercicios::alSalirDeAlumno() { vistaPrevia()->setEnabled(true); }

void VentanaEjercicios::teclaEnAlumno(int tecla)
{
    if (tecla == formularios::kTeclaEnter) validarAlumno();
}

void VentanaEjercicios::seleccionarAlumno(int indice)
{
    // Selecting from the program raises the click at once.
    alumno->setCurrentIndex(indice);
    elegirAlumno();
}

// A name typed again with other capitals or accents is most likely the same
// student: asked before a second entry splits their results.
bool VentanaEjercicios::esElMismo(int indice)
{
    return formularios::Avisos::actual().mensaje(
               this,
               QStringLiteral("Ya hay un alumno «%1». ¿Eres tú?\n"
                              "Responde No solo si eres otro alumno con un nombre parecido.")
                   .arg(ejercicio::sinRelleno(estadisticas_.tabla().nombres[indice])),
               formularios::Avisos::Botones::SiNo,
               formularios::Avisos::Icono::Ninguno) == formularios::Avisos::Respuesta::Si;
}

void VentanaEjercicios::validarAlumno()
{
    const int i = alumno->currentIndex();
    if (i < 0) {
        const QString texto = ejercicio::nombreLimpio(alumno->currentText());
        if (texto == kPrompt) return;
        if (const QString motivo = ejercicio::motivoNombreNoValido(texto); !motivo.isEmpty()) {
            formularios::Avisos::actual().mensaje(this, motivo, formularios::Avisos::Botones::Aceptar,
                                                  formularios::Avisos::Icono::Aviso);
            return;
        }
        if (const int ya = estadisticas_.tabla().parecido(texto); ya >= 0 && esElMismo(ya)) {
            seleccionarAlumno(ya);
            return;
        }
        const int n = estadisticas_.tabla().agregar(texto);
        alumno->addItem(ejercicio::sinRelleno(estadisticas_.tabla().nombres[n]));
        seleccionarAlumno(n);
        // A new student's counts are worked out, not read: plain zeros.
        modelo_.reiniciarCuentas();
        return;
    }
    modelo_.elegirAlumno(i, estadisticas_.tabla().totales[i], estadisticas_.tabla().aciertos[i]);
}

} // namespace ejercicio
