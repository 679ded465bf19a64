// SPDX-License-Identifier: GPL-3.0-or-later
#include "principal/VentanaPrincipal.h"

#include "codigos/Codificador.h"
#include "dibujo/ArchivoImagen.h"
#include "dibujo/Color.h"
#include "formularios/AreaDibujo.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Teclado.h"
#include "formularios/Zoom.h"
#include "principal/Aleatorio.h"
#include "principal/DisenoPrincipal.h"
#include "principal/Figura.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace codigos;

namespace principal {

namespace {

constexpr int kTwipsPorPasoDeslizador = 40;
const QString kNumeroInicial = QStringLiteral("0000");

void colorear(QLabel* etiqueta, codigos::Color color)
{
    QPalette p = etiqueta->palette();
    p.setColor(QPalette::WindowText, dibujo::qColor(color));
    etiqueta->setPalette(p);
}

} // namespace

VentanaPrincipal::VentanaPrincipal() : Formulario(disenoPrincipal())
{
    const auto& c = controles();
    Pantalla = c.buscar<formularios::AreaDibujo>("Pantalla");
    numero = c.buscar<QLineEdit>("número");
    binario = c.buscar<QLineEdit>("binario");
    Text1 = c.buscar<QLineEdit>("Text1");
    periodo = c.buscar<formularios::Deslizador>("periodo");
    Num_persiana = c.buscar<QGroupBox>("Num_persiana");
    pregunta = c.buscar<QLabel>("Label4");
    pregunta->hide();
    menuTraza = {c.buscar<QAction>("reloj"), c.buscar<QAction>("VisuNrz"), c.buscar<QAction>("VisuRz"),
                 c.buscar<QAction>("VisuAmi"), c.buscar<QAction>("VisuHdb")};
    etiquetaTraza = {c.buscar<QLabel>("eticlk"), c.buscar<QLabel>("etinrz"), c.buscar<QLabel>("etirz"),
                     c.buscar<QLabel>("etiami"), c.buscar<QLabel>("etihdb")};
    conectar();
}

void VentanaPrincipal::conectar()
{
    const auto& c = controles();
    Pantalla->alExponer([this] { alExponerse(); });
    connect(c.buscar<QPushButton>("Reset"), &QPushButton::clicked, this, &VentanaPrincipal::numeroACero);
    connect(periodo, &formularios::Deslizador::desplazado, this, &VentanaPrincipal::leerPeriodo);

    for (int i = 0; i < kTrazas; ++i) {
        const auto alternarTraza = [this, i] { alternar(static_cast<Traza>(i)); };
        formularios::alElegir(menuTraza[i], this, alternarTraza);
        // Clicking a trace's label is choosing its menu item.
        connect(static_cast<formularios::EtiquetaPulsable*>(etiquetaTraza[i]), &formularios::EtiquetaPulsable::clicked,
                this, alternarTraza);
    }
    formularios::alElegir(c.buscar<QAction>("todos"), this, [this] { verTodas(); });
    formularios::alElegir(c.buscar<QAction>("prop"), this, [this] { abrirEjercicios(); });
    formularios::alElegir(c.buscar<QAction>("acercade"), this, [this] { pedirAcerca(); });
    formularios::alElegir(c.buscar<QAction>("laboratorio"), this, [this] { emit verLaboratorio(); });
    formularios::alElegir(c.buscar<QAction>("ayuda"), this, [this] { pedirAyuda(); });
    Pantalla->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Pantalla, &QWidget::customContextMenuRequested, this, &VentanaPrincipal::menuDePantalla);
    formularios::alElegir(c.buscar<QAction>("ocultar"), this, [this] { ocultarTodas(); });
    auto& zoom = formularios::Zoom::actual();
    formularios::alElegir(c.buscar<QAction>("ampliar"), this, [&zoom] { zoom.ampliar(); });
    formularios::alElegir(c.buscar<QAction>("reducir"), this, [&zoom] { zoom.reducir(); });
    formularios::alElegir(c.buscar<QAction>("normal"), this, [&zoom] { zoom.normal(); });
    connect(&zoom, &formularios::Zoom::cambiado, this, &VentanaPrincipal::mostrarZoom);
    mostrarZoom();
}

// The zoom as a percentage, and Ampliar greyed out where the next step
// would not fit the screen.
void VentanaPrincipal::mostrarZoom()
{
    const auto& c = controles();
    const auto& zoom = formularios::Zoom::actual();
    c.buscar<QAction>("ampliar")->setEnabled(zoom.puedeAmpliar());
    c.buscar<QAction>("reducir")->setEnabled(zoom.factor() > formularios::kPasosZoom.front());
    auto* actual = c.buscar<QAction>("zoomActual");
    actual->setEnabled(false);
    actual->setText(QStringLiteral("Ampliación: %1 %").arg(zoom.porcentaje()));
}

void VentanaPrincipal::alCargar()
{
    estado_ = EstadoPantalla{};
    periodo->setValue(estado_.semiperiodo / kTwipsPorPasoDeslizador);
    ponerNumero(kNumeroInicial);
    // Every trace shown, as the design has them.
    const Lote lote(*this);
    for (int i = 0; i < kTrazas; ++i) ponerVisible(static_cast<Traza>(i), true);
}

void VentanaPrincipal::alCambiarZoom() { actualizarPantalla(); }

void VentanaPrincipal::alExponerse() { actualizarPantalla(); }

bool VentanaPrincipal::alCerrar()
{
    emit cerrando();
    // Refused only when the user chose to keep the exercise window open
    // over results it could not save.
    return !(ejercicios_ && ejercicios_->abierta());
}

void VentanaPrincipal::actualizarPantalla()
{
    if (enLote()) return;
    const auto dibujo = pintar(Pantalla->lienzo(), estado_, visibles(), numero_.toStdString());
    if (!dibujo) return;

    for (int i = 0; i < kTrazas; ++i) {
        if (dibujo->etiquetas[i]) formularios::ponerArriba(etiquetaTraza[i], *dibujo->etiquetas[i]);
    }
    Pantalla->presentar();
    emit pintado();
}

// The number drawn from now on (not drawn yet); its boxes follow at once.
void VentanaPrincipal::ponerNumero(const QString& nuevo)
{
    numero_ = nuevo;
    mostrarNumero();
}

// The number, its bits and its HDB3 symbols (whether or not that trace is
// shown), or nothing at all while the number is hidden. Only when the number
// or its frame changes: never on the redraw's path.
void VentanaPrincipal::mostrarNumero()
{
    const auto bits = codigos::binario(numero_.toStdString());
    const bool ver = !numeroOculto_ && bits;
    formularios::ponerTexto(numero, ver ? numero_ : QString());
    formularios::ponerTexto(binario, ver ? QString::fromStdString(*bits) : QString());
    formularios::ponerTexto(Text1, ver ? QString::fromStdString(simbolosHdb3(*bits)) : QString());
}

bool VentanaPrincipal::alPulsarTecla(int codigo)
{
    QString nuevo = numero_;
    if (!formularios::teclearDigito(nuevo, codigo)) return false;
    ponerNumero(nuevo);
    actualizarPantalla();
    return false;
}

void VentanaPrincipal::numeroACero()
{
    ponerNumero(kNumeroInicial);
    actualizarPantalla();
}

void VentanaPrincipal::ponerVisible(Traza traza, bool visible)
{
    visibles_[traza] = visible;
    menuTraza[traza]->setChecked(visible);
    colorear(etiquetaTraza[traza], visible ? kDatosTrazas[traza].etiqueta : kEtiquetaOculta);
    Pantalla->setAccessibleDescription(descripcionOndas(visibles_));
    actualizarPantalla();
}

void VentanaPrincipal::mostrarTrazas(bool verCodigos, bool verReloj)
{
    {
        const Lote lote(*this); // one redraw for the whole change
        ponerVisible(Reloj, verReloj);
        for (int i = Nrz; i <= Hdb3; ++i) ponerVisible(static_cast<Traza>(i), verCodigos);
    }
    actualizarPantalla();
}

void VentanaPrincipal::verTodas() { mostrarTrazas(true, true); }

void VentanaPrincipal::ocultarTodas() { mostrarTrazas(false, false); }

void VentanaPrincipal::leerPeriodo()
{
    estado_.semiperiodo = periodo->value() * kTwipsPorPasoDeslizador;
    actualizarPantalla();
}

void VentanaPrincipal::menuDePantalla(const QPoint& donde)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menuImagen"));
    connect(menu.addAction(QStringLiteral("Copiar imagen")), &QAction::triggered, this,
            &VentanaPrincipal::copiarImagen);
    connect(menu.addAction(QStringLiteral("Guardar imagen…")), &QAction::triggered, this,
            &VentanaPrincipal::guardarImagen);
    menu.exec(Pantalla->mapToGlobal(donde));
}

void VentanaPrincipal::copiarImagen() { QGuiApplication::clipboard()->setImage(Pantalla->lienzo().imagen()); }

void VentanaPrincipal::guardarImagen()
{
    // Only the last folder is remembered, and only while the program runs.
    static QString carpeta = QDir::currentPath();
    auto& avisos = formularios::Avisos::actual();
    const QString ruta = avisos.ficheroParaGuardar(this, QStringLiteral("Guardar imagen"), carpeta,
                                                   QStringLiteral("Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)"));
    if (ruta.isEmpty()) return;
    carpeta = QFileInfo(ruta).absolutePath();

    QString error;
    if (QFileInfo(ruta).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        const QString numeroActual = numero_;
        const Visibles v = visibles();
        const auto dibujar = [&](Lienzo& lienzo) { pintar(lienzo, estado_, v, numeroActual.toStdString()); };
        auto& lienzo = Pantalla->lienzo();
        error = dibujo::guardarSvg(dibujar, QSize(lienzo.anchoTotal(), lienzo.altoTotal()),
                                   Pantalla->contentsRect().size(), ruta);
    } else {
        error = dibujo::guardarPng(Pantalla->lienzo().imagen(), ruta);
    }
    if (!error.isEmpty()) {
        avisos.mensaje(
            this,
            QStringLiteral("No se pudo guardar la imagen en «%1»: %2.").arg(QDir::toNativeSeparators(ruta), error),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
    }
}

void VentanaPrincipal::pedirAcerca() { emit verAcerca(); }

void VentanaPrincipal::pedirAyuda() { emit verAyuda(); }

void VentanaPrincipal::abrirEjercicios()
{
    setEnabled(false);
    proponerEjercicio();
}

void VentanaPrincipal::proponerEjercicio()
{
    ejercicios_->mostrar();
    ponerAlturaPersiana(kPersianaCerrada);
    QString nuevo;
    for (int i = 0; i < 4; ++i) {
        const int d = static_cast<int>(alAzar() * 16);
        nuevo += QString::number(d, 16).toUpper();
    }
    ponerNumero(nuevo);
    estado_.bitsErroneos = 0;
    emit ejercicioPropuesto();
    actualizarPantalla();
}

QString VentanaPrincipal::numeroActual() const { return numero_; }

int VentanaPrincipal::valorPeriodo() const { return periodo->value(); }

void VentanaPrincipal::ponerValorPeriodo(int valor) { periodo->setValue(valor); }

void VentanaPrincipal::sombrearErrores(std::uint16_t bits)
{
    estado_.bitsErroneos = bits;
    actualizarPantalla();
}

void VentanaPrincipal::ponerAlturaPersiana(int twips)
{
    formularios::ponerAlto(Num_persiana, twips);
    numeroOculto_ = twips < kPersianaAbierta;
    pregunta->setVisible(numeroOculto_);
    mostrarNumero();
}

} // namespace principal
