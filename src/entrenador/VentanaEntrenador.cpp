// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrenador/VentanaEntrenador.h"

#include "dibujo/Color.h"
#include "ejercicio/AvisosEstadisticas.h"
#include "ejercicio/EleccionAlumno.h"
#include "entrenador/DibujoEntrenador.h"
#include "entrenador/DisenoEntrenador.h"
#include "formatos/ArchivoEntero.h"
#include "formularios/Ajustes.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"
#include "preguntas/BancoMoodle.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>

namespace entrenador {

using codigos::Codigo;
using formularios::Avisos;

namespace {

constexpr codigos::Color kColorCorrecta = dibujo::kAzul;
constexpr codigos::Color kColorIncorrecta = dibujo::kRojo;
constexpr int kPreguntasMoodle = 40;

// The name the settings and the log keep, and the one the window shows.
QString nombreDe(Codigo c) { return QString::fromUtf8(codigos::nombreCodigo(c)); }
QString nombreMostrado(Codigo c) { return QString::fromStdString(codigos::nombreVisible(c)); }

QString hexadecimal(const std::string& bits) { return QString::fromStdString(preguntas::aHexadecimal(bits)); }

} // namespace

VentanaEntrenador::VentanaEntrenador(almacen::Estadisticas& estadisticas)
    : Formulario(disenoEntrenador()), estadisticas_(estadisticas)
{
    const auto& c = controles();
    alumno = c.buscar<QComboBox>("alumno");
    modo = c.buscar<QComboBox>("modo");
    longitud = c.buscar<QComboBox>("longitud");
    codigos = c.buscar<QListWidget>("codigos");
    pedidos = c.buscar<QLabel>("pedidos");
    estado = c.buscar<QLabel>("estado");
    veredicto = c.buscar<QLabel>("veredicto");
    respuesta = c.buscar<QLineEdit>("respuesta");
    auto* area = c.buscar<QScrollArea>("dibujo");
    dibujo_ = new DibujoEntrenador(entrenamiento_);
    area->setWidget(dibujo_);
    dibujo_->setAccessibleName(area->accessibleName());
    eleccion_ = new ejercicio::EleccionAlumno(alumno, estadisticas_, c.buscar<QPushButton>("nuevo"));
    for (Codigo k : codigos::kTodosLosCodigos) new QListWidgetItem(nombreMostrado(k), codigos);
    longitud->setCurrentIndex(2); // 16 bits, as the exercise window's numbers
    conectar();
}

void VentanaEntrenador::conectar()
{
    const auto& c = controles();
    connect(&entrenamiento_, &Entrenamiento::cambiado, this, &VentanaEntrenador::mostrar);
    connect(eleccion_, &ejercicio::EleccionAlumno::elegido, this,
            [this](int indice, bool) { alumnoElegido_ = indice; });
    connect(&estadisticas_, &almacen::Estadisticas::tablaCambiada, this,
            [this](const QVector<int>& posiciones, bool, bool borrado) {
                alumnoElegido_ = eleccion_->seguirTabla(posiciones, alumnoElegido_, borrado);
            });
    connect(modo, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        entrenamiento_.ponerModo(i == 0 ? Modo::Leer : Modo::Dibujar);
        entrenamiento_.nuevo();
    });
    connect(longitud, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        entrenamiento_.ponerLongitud(Entrenamiento::kLongitudes[std::size_t(i)]);
        entrenamiento_.nuevo();
    });
    connect(codigos, &QListWidget::itemChanged, this, &VentanaEntrenador::elegirCodigos);
    connect(respuesta, &QLineEdit::textEdited, &entrenamiento_, &Entrenamiento::ponerRespuesta);
    connect(respuesta, &QLineEdit::returnPressed, this, &VentanaEntrenador::comprobar);
    connect(c.buscar<QPushButton>("nuevo"), &QPushButton::clicked, &entrenamiento_, &Entrenamiento::nuevo);
    connect(c.buscar<QPushButton>("comprobar"), &QPushButton::clicked, this, &VentanaEntrenador::comprobar);
    connect(c.buscar<QPushButton>("solucion"), &QPushButton::clicked, this, &VentanaEntrenador::verSolucion);
    connect(c.buscar<QPushButton>("exportar"), &QPushButton::clicked, this, &VentanaEntrenador::exportar);
}

void VentanaEntrenador::alCargar()
{
    const almacen::Carga carga = ejercicio::abrirConAvisos(this, estadisticas_); // before asking where the file is
    eleccion_->empezar();
    // The teacher's last choice of codes; every code the first time.
    const QStringList guardados = formularios::Ajustes().value(formularios::kClaveCodigosEntrenador).toStringList();
    {
        const QSignalBlocker callado(codigos);
        for (int i = 0; i < codigos->count(); ++i)
            codigos->item(i)->setCheckState(
                guardados.isEmpty() || guardados.contains(codigos->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
    }
    entrenamiento_.ponerCodigos(codigosMarcados());
    alCambiarZoom();
    entrenamiento_.nuevo();
}

bool VentanaEntrenador::alCerrar()
{
    if (!ejercicio::guardarConAvisos(this, estadisticas_, ejercicio::Momento::AlCerrar)) return false;
    estadisticas_.cerrar();
    return true;
}

void VentanaEntrenador::alCambiarZoom() { dibujo_->ponerZoom(formularios::Zoom::actual().factor()); }

std::vector<Codigo> VentanaEntrenador::codigosMarcados() const
{
    std::vector<Codigo> r;
    for (int i = 0; i < codigos->count(); ++i)
        if (codigos->item(i)->checkState() == Qt::Checked) r.push_back(codigos::kTodosLosCodigos[std::size_t(i)]);
    return r;
}

// At least one code stays marked: the last one cannot be unmarked.
void VentanaEntrenador::elegirCodigos(QListWidgetItem* cambiado)
{
    const std::vector<Codigo> marcados = codigosMarcados();
    if (marcados.empty()) {
        Avisos::actual().pitido();
        const QSignalBlocker callado(codigos);
        cambiado->setCheckState(Qt::Checked);
        return;
    }
    QStringList nombres;
    for (Codigo c : marcados) nombres << nombreDe(c);
    formularios::Ajustes().setValue(formularios::kClaveCodigosEntrenador, nombres);
    entrenamiento_.ponerCodigos(marcados);
}

// The exercise as the model holds it: what is asked, the starting state,
// the answer box for reading, the solution once shown.
void VentanaEntrenador::mostrar()
{
    const Ejercicio& ej = entrenamiento_.ejercicio();
    const bool leyendo = entrenamiento_.modo() == Modo::Leer;
    const bool resuelto = entrenamiento_.ronda() == Ronda::SolucionVista || entrenamiento_.ronda() == Ronda::Respondido;
    modo->setCurrentIndex(leyendo ? 0 : 1);
    pedidos->setText(leyendo
                         ? tr("Lee la señal %1 de %2 bits y escribe sus bits o su valor hexadecimal.")
                               .arg(nombreMostrado(ej.codigo))
                               .arg(ej.bits.size())
                         : tr("Dibuja la señal %1 de %2.")
                               .arg(nombreMostrado(ej.codigo), QString::fromStdString(preguntas::enGrupos(ej.bits))));
    const std::string inicio = codigos::describirInicio(ej.codigo, ej.inicio);
    estado->setText(inicio.empty() ? tr("La señal no depende de cómo estaba la línea antes.")
                                   : tr("Antes del primer bit: %1.").arg(QString::fromStdString(inicio)));
    respuesta->setEnabled(leyendo);
    if (respuesta->text() != entrenamiento_.respuesta()) respuesta->setText(entrenamiento_.respuesta());
    if (entrenamiento_.ronda() == Ronda::Propuesto) {
        veredicto->clear();
    } else if (resuelto && !entrenamiento_.resultado()) {
        veredicto->setText(leyendo
                               ? tr("Solución: %1 (%2 en hexadecimal).")
                                     .arg(QString::fromStdString(preguntas::enGrupos(ej.bits)), hexadecimal(ej.bits))
                               : tr("Solución: la línea gris."));
    }
}

void VentanaEntrenador::alCambiarIdioma()
{
    {
        // New names are no new choice of codes.
        const QSignalBlocker callado(codigos);
        for (Codigo k : codigos::kTodosLosCodigos) codigos->item(static_cast<int>(k))->setText(nombreMostrado(k));
    }
    mostrar();
    if (entrenamiento_.resultado()) veredicto->setText(entrenamiento_.veredicto());
    dibujo_->setAccessibleName(controles().buscar<QScrollArea>("dibujo")->accessibleName());
}

void VentanaEntrenador::comprobar()
{
    if (alumnoElegido_ < 0) {
        Avisos::actual().mensaje(this, tr("Has de introducir un alumno o elegir uno de la lista"),
                                 Avisos::Botones::Aceptar, Avisos::Icono::Critico);
        alumno->setFocus(Qt::OtherFocusReason);
        return;
    }
    QString porque;
    const auto r = entrenamiento_.comprobar(&porque);
    if (!r) {
        if (!porque.isEmpty()) veredicto->setText(porque);
        return;
    }
    QPalette paleta = veredicto->palette();
    paleta.setColor(QPalette::WindowText, dibujo::qColor(r->correcta ? kColorCorrecta : kColorIncorrecta));
    veredicto->setPalette(paleta);
    veredicto->setText(entrenamiento_.veredicto());
    if (!r->contada) return;
    // Recorded at once; the counts shown come back from the class's records.
    const auto& tabla = estadisticas_.tabla();
    const Ejercicio& ej = entrenamiento_.ejercicio();
    const bool leyendo = entrenamiento_.modo() == Modo::Leer;
    estadisticas_.anotar(alumnoElegido_,
                         {QDateTime::currentDateTime(), tabla.nombres[alumnoElegido_], nombreDe(ej.codigo),
                          hexadecimal(ej.bits), leyendo ? hexadecimal(r->leidos) : QString(), r->correcta,
                          leyendo ? QStringLiteral("leer") : QStringLiteral("dibujar")});
    ejercicio::guardarConAvisos(this, estadisticas_, ejercicio::Momento::TrasResponder);
}

// A look at the solution counts nothing, but the teacher sees how often
// each student looked.
void VentanaEntrenador::verSolucion()
{
    if (entrenamiento_.ronda() != Ronda::Propuesto) return;
    entrenamiento_.verSolucion();
    almacen::RespuestaContada pregunta;
    pregunta.codigo = nombreDe(entrenamiento_.ejercicio().codigo);
    pregunta.numero = hexadecimal(entrenamiento_.ejercicio().bits);
    pregunta.modo = entrenamiento_.modo() == Modo::Leer ? QStringLiteral("leer") : QStringLiteral("dibujar");
    estadisticas_.verSolucion(alumnoElegido_, pregunta);
    ejercicio::guardarConAvisos(this, estadisticas_, ejercicio::Momento::TrasResponder);
}

// The same kind of questions, of the codes marked and the length chosen,
// as a Moodle XML question bank.
void VentanaEntrenador::exportar()
{
    auto& avisos = Avisos::actual();
    const QString ruta =
        avisos.ficheroParaGuardar(this, tr("Exportar preguntas para Moodle"),
                                  QDir::homePath() + QStringLiteral("/preguntas.xml"), tr("Moodle XML (*.xml)"));
    if (ruta.isEmpty()) return;
    preguntas::Pedido pedido;
    pedido.preguntas = std::max<int>(kPreguntasMoodle, 2 * int(codigosMarcados().size()));
    pedido.codigos = codigosMarcados();
    pedido.bits = entrenamiento_.longitud();
    pedido.semilla = QRandomGenerator::system()->generate64();
    const QString error = formatos::escribirEntero(ruta, preguntas::bancoMoodle(preguntas::generarPreguntas(pedido)));
    if (!error.isEmpty())
        avisos.mensaje(
            this, tr("No se pudieron exportar las preguntas a «%1»: %2.").arg(QDir::toNativeSeparators(ruta), error),
            Avisos::Botones::Aceptar, Avisos::Icono::Critico);
}

} // namespace entrenador
