// SPDX-License-Identifier: GPL-3.0-or-later
#include "principal/VentanaPrincipal.h"

#include "codigos/Codificador.h"
#include "codigos/Trazador.h"
#include "dibujo/ArchivoImagen.h"
#include "dibujo/Color.h"
#include "formularios/AreaDibujo.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Idioma.h"
#include "formularios/Teclado.h"
#include "formularios/Zoom.h"
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

const QString kNumeroInicial = QStringLiteral("0000");

void colorear(QLabel* etiqueta, codigos::Color color)
{
    QPalette p = etiqueta->palette();
    p.setColor(QPalette::WindowText, dibujo::qColor(color));
    etiqueta->setPalette(p);
}

} // namespace

VentanaPrincipal::VentanaPrincipal(modelo::Ejercicio& modelo) : Formulario(disenoPrincipal()), modelo_(modelo)
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
    Pantalla->alExponer([this] { actualizarPantalla(); });
    connect(&modelo_, &modelo::Ejercicio::pantallaCambiada, this, &VentanaPrincipal::seguirModelo);
    // No input while the exercise window works the drill.
    connect(&modelo_, &modelo::Ejercicio::rondaCambiada, this, [this] { setEnabled(!modelo_.enCurso()); });
    connect(c.buscar<QPushButton>("Reset"), &QPushButton::clicked, this,
            [this] { modelo_.ponerNumero(kNumeroInicial); });
    connect(periodo, &formularios::Deslizador::desplazado, this, [this] { modelo_.ponerPeriodo(periodo->value()); });

    for (int i = 0; i < kTrazas; ++i) {
        const auto alternarTraza = [this, i] { modelo_.alternar(static_cast<Traza>(i)); };
        formularios::alElegir(menuTraza[i], this, alternarTraza);
        // Clicking a trace's label is choosing its menu item.
        connect(static_cast<formularios::EtiquetaPulsable*>(etiquetaTraza[i]), &formularios::EtiquetaPulsable::clicked,
                this, alternarTraza);
    }
    formularios::alElegir(c.buscar<QAction>("todos"), this, [this] { modelo_.mostrarTodas(true); });
    formularios::alElegir(c.buscar<QAction>("prop"), this, [this] {
        ejercicios_->mostrar();
        modelo_.proponer();
    });
    formularios::alElegir(c.buscar<QAction>("acercade"), this, [this] { emit verAcerca(); });
    formularios::alElegir(c.buscar<QAction>("laboratorio"), this, [this] { emit verLaboratorio(); });
    formularios::alElegir(c.buscar<QAction>("entrenador"), this, [this] { emit verEntrenador(); });
    formularios::alElegir(c.buscar<QAction>("ayuda"), this, [this] { emit verAyuda(); });
    Pantalla->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Pantalla, &QWidget::customContextMenuRequested, this, &VentanaPrincipal::menuDePantalla);
    formularios::alElegir(c.buscar<QAction>("ocultar"), this, [this] { modelo_.mostrarTodas(false); });
    auto& zoom = formularios::Zoom::actual();
    formularios::alElegir(c.buscar<QAction>("ampliar"), this, [&zoom] { zoom.ampliar(); });
    formularios::alElegir(c.buscar<QAction>("reducir"), this, [&zoom] { zoom.reducir(); });
    formularios::alElegir(c.buscar<QAction>("normal"), this, [&zoom] { zoom.normal(); });
    connect(&zoom, &formularios::Zoom::cambiado, this, &VentanaPrincipal::mostrarZoom);
    mostrarZoom();
    conectarIdiomas();
}

// Choosing a language applies it to every window; the menu ticks the one in use.
void VentanaPrincipal::conectarIdiomas()
{
    auto& idioma = formularios::Idioma::actual();
    for (const formularios::Lengua& l : formularios::kIdiomas)
        formularios::alElegir(controles().buscar<QAction>(QStringLiteral("idioma_") + QLatin1String(l.codigo)), this,
                              [&idioma, codigo = QString::fromLatin1(l.codigo)] { idioma.elegir(codigo); });
    connect(&idioma, &formularios::Idioma::cambiado, this, &VentanaPrincipal::marcarIdioma);
    marcarIdioma();
}

void VentanaPrincipal::marcarIdioma()
{
    for (const formularios::Lengua& l : formularios::kIdiomas)
        controles()
            .buscar<QAction>(QStringLiteral("idioma_") + QLatin1String(l.codigo))
            ->setChecked(formularios::Idioma::actual().codigo() == QLatin1String(l.codigo));
}

// What the window wrote itself, in the new language.
void VentanaPrincipal::alCambiarIdioma()
{
    mostrarZoom();
    Pantalla->setAccessibleDescription(descripcionOndas(modelo_.visibles()));
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
    actual->setText(tr("Ampliación: %1 %").arg(zoom.porcentaje()));
}

void VentanaPrincipal::alCargar() { modelo_.empezar(); }

void VentanaPrincipal::alCambiarZoom() { actualizarPantalla(); }

bool VentanaPrincipal::alCerrar()
{
    emit cerrando();
    // Refused only when the user chose to keep the exercise window open
    // over results it could not save.
    return !(ejercicios_ && ejercicios_->abierta());
}

void VentanaPrincipal::actualizarPantalla()
{
    const auto dibujo =
        pintar(Pantalla->lienzo(), modelo_.estadoPantalla(), modelo_.visibles(), modelo_.numero().toStdString());
    if (!dibujo) return;

    for (int i = 0; i < kTrazas; ++i) {
        if (dibujo->etiquetas[i]) formularios::ponerArriba(etiquetaTraza[i], *dibujo->etiquetas[i]);
    }
    Pantalla->presentar();
    emit pintado();
}

void VentanaPrincipal::seguirModelo()
{
    mostrarTrazas();
    mostrarNumero();
    periodo->setValue(modelo_.periodo()); // raises no scroll
    actualizarPantalla();
}

void VentanaPrincipal::mostrarTrazas()
{
    const Visibles& visibles = modelo_.visibles();
    if (visiblesMostradas_ == visibles) return;
    visiblesMostradas_ = visibles;
    for (int i = 0; i < kTrazas; ++i) {
        menuTraza[i]->setChecked(visibles[i]);
        colorear(etiquetaTraza[i], visibles[i] ? kDatosTrazas[i].etiqueta : kEtiquetaOculta);
    }
    Pantalla->setAccessibleDescription(descripcionOndas(visibles));
}

// The number, its bits and its HDB3 symbols (whether or not that trace is
// shown), or nothing at all while an exercise hides the number: the frame
// shrinks to its caption, the question shows beneath it, and no screen
// reader can read the number out.
void VentanaPrincipal::mostrarNumero()
{
    const bool oculto = modelo_.numeroOculto();
    if (ocultoMostrado_ == oculto && numeroMostrado_ == modelo_.numero()) return;
    numeroMostrado_ = modelo_.numero();
    if (ocultoMostrado_ != oculto) {
        formularios::ponerAlto(Num_persiana, oculto ? kPersianaCerrada : kPersianaAbierta);
        pregunta->setVisible(oculto);
        ocultoMostrado_ = oculto;
    }
    const auto bits = codigos::binario(modelo_.numero().toStdString());
    const bool ver = !oculto && bits;
    formularios::ponerTexto(numero, ver ? modelo_.numero() : QString());
    formularios::ponerTexto(binario, ver ? QString::fromStdString(*bits) : QString());
    formularios::ponerTexto(Text1, ver ? QString::fromStdString(simbolosHdb3(*bits)) : QString());
}

bool VentanaPrincipal::alPulsarTecla(int codigo)
{
    QString nuevo = modelo_.numero();
    if (formularios::teclearDigito(nuevo, codigo)) modelo_.ponerNumero(nuevo);
    return false;
}

void VentanaPrincipal::menuDePantalla(const QPoint& donde)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menuImagen"));
    connect(menu.addAction(tr("Copiar imagen")), &QAction::triggered, this, &VentanaPrincipal::copiarImagen);
    connect(menu.addAction(tr("Guardar imagen…")), &QAction::triggered, this, &VentanaPrincipal::guardarImagen);
    menu.exec(Pantalla->mapToGlobal(donde));
}

void VentanaPrincipal::copiarImagen() { QGuiApplication::clipboard()->setImage(Pantalla->lienzo().imagen()); }

void VentanaPrincipal::guardarImagen()
{
    // Only the last folder is remembered, and only while the program runs.
    static QString carpeta = QDir::currentPath();
    auto& avisos = formularios::Avisos::actual();
    const QString ruta = avisos.ficheroParaGuardar(this, tr("Guardar imagen"), carpeta,
                                                   tr("Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg)"));
    if (ruta.isEmpty()) return;
    carpeta = QFileInfo(ruta).absolutePath();

    QString error;
    if (QFileInfo(ruta).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        const auto dibujar = [this](Lienzo& lienzo) {
            pintar(lienzo, modelo_.estadoPantalla(), modelo_.visibles(), modelo_.numero().toStdString());
        };
        auto& lienzo = Pantalla->lienzo();
        error = dibujo::guardarSvg(dibujar, QSize(lienzo.anchoTotal(), lienzo.altoTotal()),
                                   Pantalla->contentsRect().size(), ruta);
    } else {
        error = dibujo::guardarPng(Pantalla->lienzo().imagen(), ruta);
    }
    if (!error.isEmpty()) {
        avisos.mensaje(this, tr("No se pudo guardar la imagen en «%1»: %2.").arg(QDir::toNativeSeparators(ruta), error),
                       formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
    }
}

} // namespace principal
