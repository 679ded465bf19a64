// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Formulario.h"

#include "dibujo/Dibujos.h"
#include "formularios/TeclasPrevias.h"
#include "formularios/Zoom.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>

namespace formularios {

Formulario::Formulario(const DefinicionVentana& def, QWidget* parent) : QMainWindow(parent), def_(def)
{
    setObjectName(def.nombre);
    traducirTitulo();
    setAttribute(Qt::WA_DeleteOnClose);
    static const QIcon icono = dibujo::iconoPrograma();
    setWindowIcon(icono);
    cliente_ = new QWidget(this);
    cliente_->setObjectName(def.nombre + QStringLiteral("_cliente"));
    controles_ = ConstructorVentanas::construir(def, cliente_, def.menus.empty() ? nullptr : menuBar());
    setFont(cliente_->font());
    if (controles_.primerFoco) controles_.primerFoco->setFocus();
    // Connected first: the window may bring the zoom down as it is watched.
    connect(&Zoom::actual(), &Zoom::cambiado, this, &Formulario::aplicarZoom);
    if (def.dispuesta) {
        // Its own layouts place the controls; the window takes any size
        // they hold in.
        setCentralWidget(cliente_);
    } else if (def.redimensionable) {
        // The design inside a view that scrolls when the window is smaller.
        auto* vista = new QScrollArea(this);
        vista->setObjectName(def.nombre + QStringLiteral("_vista"));
        vista->setFrameShape(QFrame::NoFrame);
        vista->setWidget(cliente_);
        setCentralWidget(vista);
    } else {
        // Fixed single border: the window keeps the size of its design.
        setCentralWidget(cliente_);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
        Zoom::actual().vigilar(this);
    }
    if (def.vistaPreviaTeclas)
        vistaPrevia_ = new TeclasPrevias(this, [this](int codigo) { return alPulsarTecla(codigo); });
    if (def.cierraConEsc) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(esc, &QShortcut::activated, this, &QWidget::close);
    }
    // The main window has these keys in its menu.
    if (def.menus.empty()) teclasDelPrograma();
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
}

namespace {
std::function<void()>& accionAyuda()
{
    static std::function<void()> accion;
    return accion;
}
} // namespace

void Formulario::ponerAyuda(std::function<void()> mostrarAyuda) { accionAyuda() = std::move(mostrarAyuda); }

// The zoom and the help work from every window, also while an exercise
// keeps the main window and its menu disabled.
void Formulario::teclasDelPrograma()
{
    const auto alPulsar = [this](const QString& teclas, const std::function<void()>& accion) {
        for (const QKeySequence& k : QKeySequence::listFromString(teclas))
            connect(new QShortcut(k, this), &QShortcut::activated, this, accion);
    };
    Zoom& zoom = Zoom::actual();
    alPulsar(kTeclasAmpliar, [&zoom] { zoom.ampliar(); });
    alPulsar(kTeclasReducir, [&zoom] { zoom.reducir(); });
    alPulsar(kTeclasNormal, [&zoom] { zoom.normal(); });
    alPulsar(kTeclasAyuda, [] {
        if (accionAyuda()) accionAyuda()();
    });
}

void Formulario::aplicarZoom()
{
    ConstructorVentanas::escalar(cliente_);
    setFont(cliente_->font());
    for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
    alCambiarZoom();
    if (def_.dispuesta)
        ponerTamanoDeDiseno();
    else if (!redimensionable())
        adjustSize();
    encajarEnPantalla();
}

// Layouts give a caption that wraps the height of one line at least: each
// keeps, for the width it is given, the height all its lines take, so that
// the window never shrinks below them.
bool Formulario::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::Resize)
        if (auto* rotulo = qobject_cast<QLabel*>(objeto); rotulo && rotulo->wordWrap()) {
            const int alto = rotulo->heightForWidth(rotulo->width());
            if (alto != rotulo->minimumHeight()) rotulo->setMinimumHeight(alto);
        }
    return QMainWindow::eventFilter(objeto, e);
}

void Formulario::reservarAltoDeTextos()
{
    for (QLabel* rotulo : cliente_->findChildren<QLabel*>())
        if (rotulo->wordWrap()) rotulo->installEventFilter(this);
}

bool Formulario::redimensionable() const { return def_.dispuesta || centralWidget() != cliente_; }

// The controls placed, and the window's minimum set, for what they ask now
// rather than before their last change.
void Formulario::activarDisposicion()
{
    if (QLayout* l = cliente_->layout()) l->activate();
    layout()->activate();
}

// A laid-out window opens at its design's size for the zoom, or larger if
// its texts ask for more, and never larger than the free part of its screen.
void Formulario::ponerTamanoDeDiseno()
{
    if (isMaximized() || isFullScreen()) return;
    activarDisposicion();
    const Zoom& zoom = Zoom::actual();
    const QSize diseno(zoom.aPixeles(def_.ancho), zoom.aPixeles(def_.alto));
    const QSize libre = zonaLibre(this).size().shrunkBy(margenesDeMarco(this));
    resize(diseno.expandedTo(minimumSizeHint()).boundedTo(libre));
    tamanoPuesto_ = true;
}

// The window no larger than its design, nor than the free part of its
// screen, and wholly on it, title bar included.
void Formulario::encajarEnPantalla()
{
    const QRect libre = zonaLibre(this);
    const QMargins marco = margenesDeMarco(this);
    if (def_.dispuesta) {
        if (!tamanoPuesto_) ponerTamanoDeDiseno();
        if (isMaximized() || isFullScreen()) return;
        resize(size().boundedTo(libre.size().shrunkBy(marco)));
    } else if (redimensionable()) {
        const QSize diseno = cliente_->size(); // these windows have no menu bar
        setMaximumSize(diseno);
        resize(diseno.boundedTo(libre.size().shrunkBy(marco)));
    }
    const QRect exterior = geometry().marginsAdded(marco);
    const int x = qBound(libre.left(), exterior.left(), qMax(libre.left(), libre.right() + 1 - exterior.width()));
    const int y = qBound(libre.top(), exterior.top(), qMax(libre.top(), libre.bottom() + 1 - exterior.height()));
    if (QPoint(x, y) != exterior.topLeft()) move(x, y);
}

// The design's title in the current language, unless the window has
// written its own since.
void Formulario::traducirTitulo()
{
    const QString titulo =
        QCoreApplication::translate(def_.nombre.toUtf8().constData(), def_.titulo.toUtf8().constData());
    const QVariant anterior = property("tituloTraducido");
    if (anterior.isValid() && anterior.toString() != windowTitle()) return;
    setWindowTitle(titulo);
    setProperty("tituloTraducido", titulo);
}

void Formulario::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::LanguageChange) return;
    traducirTitulo();
    ConstructorVentanas::traducir(def_, controles_);
    alCambiarIdioma();
    // The new captions take their room now, not on a later turn of the loop.
    if (def_.dispuesta) activarDisposicion();
}

void Formulario::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) colocarAlMostrar();
}

void Formulario::colocarAlMostrar()
{
    if (def_.dispuesta) reservarAltoDeTextos();
    encajarEnPantalla();
}

void Formulario::closeEvent(QCloseEvent* e)
{
    // A disabled window takes no input, its title bar's close button
    // included; the program itself can still close it.
    if (e->spontaneous() && !isEnabled()) {
        e->ignore();
        return;
    }
    if (!alCerrar()) {
        e->ignore();
        return;
    }
    descargado_ = true;
    e->accept();
}

} // namespace formularios
