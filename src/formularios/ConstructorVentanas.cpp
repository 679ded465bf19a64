// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/ConstructorVentanas.h"

#include "dibujo/Color.h"
#include "formularios/AreaDibujo.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QTextEdit>

#include <algorithm>

namespace formularios {

namespace {

// What a control keeps of its design, so that a zoom can place it again:
// its geometry in twips of its container, its font's size in pixels at 100 %.
const char* const kTwips = "twips";
const char* const kPixelesDiseno = "pixelesDiseno";

double zoom() { return Zoom::actual().factor(); }

int aPixeles(int twips) { return Zoom::actual().aPixeles(twips); }

constexpr double kPuntosAPixeles = 96.0 / 72.0; // the designs assume 96 dpi

QString caraDisponible(const QString& cara)
{
    // Metric-compatible or nearest faces that Debian packages.
    if (cara == QLatin1String("Arial") || cara == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Liberation Sans");
    if (cara == QLatin1String("OCR-B 10 BT")) return QStringLiteral("Liberation Mono");
    return cara;
}

void pintarColores(QWidget* w, const DefinicionControl& c, QPalette::ColorRole rolFondo, QPalette::ColorRole rolTinta)
{
    QPalette p = w->palette();
    if (c.fondo) {
        p.setColor(rolFondo, dibujo::qColor(*c.fondo));
        if (rolFondo == QPalette::Window) w->setAutoFillBackground(true);
    }
    if (c.tinta) p.setColor(rolTinta, dibujo::qColor(*c.tinta));
    w->setPalette(p);
}

// A plain text, every line aligned as the design says, shown from its start.
void ponerTextoAlineado(QTextEdit* e, const QString& texto, Qt::Alignment alineacion)
{
    e->setPlainText(texto);
    e->selectAll();
    e->setAlignment(alineacion);
    e->setTextCursor(QTextCursor(e->document()));
}

QWidget* crearTexto(const DefinicionControl& c, QWidget* padre)
{
    if (c.tipo == Tipo::Texto) {
        auto* e = new QLineEdit(c.texto, padre);
        e->setAlignment(c.alineacion);
        e->setReadOnly(c.soloLectura);
        e->setCursorPosition(0);
        pintarColores(e, c, QPalette::Base, QPalette::Text);
        return e;
    }
    auto* e = new QTextEdit(padre);
    e->setReadOnly(c.soloLectura || c.tipo == Tipo::TextoEnriquecido);
    pintarColores(e, c, QPalette::Base, QPalette::Text);
    if (c.tipo == Tipo::TextoMultilinea) {
        e->setAcceptRichText(false);
        ponerTextoAlineado(e, c.texto, c.alineacion);
    } else {
        e->setPlainText(c.texto);
    }
    return e;
}

QWidget* crearEtiqueta(const DefinicionControl& c, QWidget* padre)
{
    QLabel* l = c.tipo == Tipo::EtiquetaPulsable ? new EtiquetaPulsable(padre) : new QLabel(padre);
    l->setText(c.texto);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(c.ajustar ? ((c.alineacion & Qt::AlignHorizontal_Mask) | Qt::AlignTop) : c.alineacion);
    l->setWordWrap(c.ajustar);
    pintarColores(l, c, QPalette::Window, QPalette::WindowText);
    return l;
}

QWidget* crearDeslizador(const DefinicionControl& c, QWidget* padre)
{
    auto* s = new Deslizador(padre);
    s->setRange(c.deslizador.minimo, c.deslizador.maximo);
    s->setSingleStep(c.deslizador.pasoPequeno);
    s->setPageStep(c.deslizador.pasoGrande);
    s->setTickInterval(1);
    s->setValue(c.deslizador.valor);
    return s;
}

QWidget* crearWidget(const DefinicionControl& c, QWidget* padre)
{
    switch (c.tipo) {
    case Tipo::Marco: {
        auto* g = new QGroupBox(c.texto, padre);
        g->setAutoFillBackground(true); // it covers the labels beneath it
        return g;
    }
    case Tipo::Imagen: return new CuadroImagen(padre);
    case Tipo::AreaDibujo: return new AreaDibujo(c.twips.width(), c.twips.height(), padre);
    case Tipo::Etiqueta:
    case Tipo::EtiquetaPulsable: return crearEtiqueta(c, padre);
    case Tipo::Texto:
    case Tipo::TextoMultilinea:
    case Tipo::TextoEnriquecido: return crearTexto(c, padre);
    case Tipo::Boton: return new QPushButton(c.texto, padre);
    case Tipo::Deslizador: return crearDeslizador(c, padre);
    case Tipo::Combo: {
        auto* cb = new Desplegable(padre);
        cb->setEditText(c.texto);
        return cb;
    }
    case Tipo::Opcion: {
        auto* r = new QRadioButton(c.texto, padre);
        r->setChecked(c.marcado);
        return r;
    }
    case Tipo::Casilla: {
        auto* casilla = new QCheckBox(c.texto, padre);
        casilla->setChecked(c.marcado);
        return casilla;
    }
    case Tipo::BarraProgreso: {
        auto* b = new QProgressBar(padre);
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        return b;
    }
    case Tipo::Tabla: {
        auto* t = new QTableView(padre);
        t->setSortingEnabled(true);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->verticalHeader()->hide();
        // The columns share the width: nothing to scroll sideways.
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        return t;
    }
    case Tipo::Selector: {
        auto* cb = new QComboBox(padre);
        cb->addItems(c.texto.split(QLatin1Char('|')));
        return cb;
    }
    case Tipo::Lista: return new QListWidget(padre);
    case Tipo::Desplazable: {
        auto* d = new QScrollArea(padre);
        d->setBackgroundRole(QPalette::Dark);
        return d;
    }
    }
    return nullptr;
}

QPoint origenDe(const QWidget* control)
{
    auto* caja = qobject_cast<const CuadroImagen*>(control->parentWidget());
    return caja ? caja->origen() : QPoint();
}

void ponerFuente(QWidget* w, const Fuente& f)
{
    w->setProperty(kPixelesDiseno, f.puntos * kPuntosAPixeles);
    w->setFont(qFont(f));
}

void escalarFuente(QWidget* w)
{
    const QVariant pixeles = w->property(kPixelesDiseno);
    if (!pixeles.isValid()) return;
    QFont f = w->font();
    f.setPixelSize(qRound(pixeles.toDouble() * zoom()));
    w->setFont(f);
}

// A wrapped caption longer than its box (in a wordier language) takes
// smaller letters, down to two thirds of its own size, rather than lose its
// last lines.
void encogerParaTexto(QLabel* l)
{
    if (!l->property(kPixelesDiseno).isValid()) l->setProperty(kPixelesDiseno, l->font().pixelSize() / zoom());
    escalarFuente(l);
    QFont f = l->font();
    const int minimo = f.pixelSize() * 2 / 3;
    while (f.pixelSize() > minimo && l->heightForWidth(l->width()) > l->height()) {
        f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
    }
}

// How wide a one-line caption needs its control: a label its text, a check
// box or an option button its mark and its text.
int anchoNecesario(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->fontMetrics().horizontalAdvance(l->text()) + 1;
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) return w->sizeHint().width();
    return 0;
}

// The available faces are a little wider than the designs' own, and other
// languages longer: a one-line caption that would not fit grows its
// control, away from its aligned edge and never past its container, so that
// every caption stays whole.
void ensancharParaTexto(QWidget* w)
{
    if (!w->property(kTwips).isValid()) return; // a layout gives it what it asks for
    auto* l = qobject_cast<QLabel*>(w);
    if (l && l->wordWrap()) return encogerParaTexto(l);
    int falta = anchoNecesario(w) - w->width();
    if (falta <= 0) return;
    const auto* caja = qobject_cast<const CuadroImagen*>(w->parentWidget());
    const QRect dentro = caja ? caja->contentsRect() : w->parentWidget()->contentsRect();
    QRect g = w->geometry();
    const bool derecha = l && (l->alignment() & Qt::AlignRight) != 0;
    auto crecer = [&](bool haciaIzquierda) {
        const int antes = g.width();
        if (haciaIzquierda)
            g.setLeft(std::max(dentro.left(), g.left() - falta));
        else
            g.setRight(std::min(dentro.right(), g.right() + falta));
        falta -= g.width() - antes;
    };
    crecer(derecha);
    if (falta > 0) crecer(!derecha);
    w->setGeometry(g);
}

// A picture box's border grows with the zoom, a table's rows with its
// letters, wherever the control stands.
void seguirZoom(QWidget* w)
{
    if (auto* caja = qobject_cast<CuadroImagen*>(w)) caja->setLineWidth(qMax(1, qRound(kBordeImagen * zoom())));
    if (auto* tabla = qobject_cast<QTableView*>(w))
        tabla->verticalHeader()->setDefaultSectionSize(tabla->fontMetrics().height() + 6);
}

// A control at its design geometry for the current zoom.
void colocar(QWidget* w)
{
    seguirZoom(w);
    const QRect t = w->property(kTwips).toRect();
    const QPoint origen = origenDe(w);
    w->setGeometry(origen.x() + aPixeles(t.x()), origen.y() + aPixeles(t.y()), aPixeles(t.width()),
                   aPixeles(t.height()));
    ensancharParaTexto(w);
}

} // namespace

QFont qFont(const Fuente& f)
{
    QFont q(caraDisponible(f.cara));
    q.setStyleHint(f.cara == QLatin1String("OCR-B 10 BT") ? QFont::Monospace : QFont::SansSerif);
    q.setPixelSize(qRound(f.puntos * kPuntosAPixeles * zoom()));
    q.setBold(f.negrita);
    return q;
}

void ConstructorVentanas::escalar(QWidget* cliente)
{
    escalarFuente(cliente);
    const QVariant area = cliente->property(kTwips);
    if (area.isValid()) cliente->setFixedSize(aPixeles(area.toRect().width()), aPixeles(area.toRect().height()));
    // Containers come before what they hold, so each child is placed
    // inside its container's new border.
    for (QWidget* w : cliente->findChildren<QWidget*>()) {
        escalarFuente(w);
        if (w->property(kTwips).isValid())
            colocar(w);
        else
            seguirZoom(w);
    }
}

namespace {

// The translation a caption was last given: while it still shows, the
// caption is the design's and follows the language.
const char* const kTraducido = "textoTraducido";

QString traducido(const DefinicionVentana& def, const QString& texto)
{
    return texto.isEmpty() ? texto
                           : QCoreApplication::translate(def.nombre.toUtf8().constData(), texto.toUtf8().constData());
}

// Sets a caption through `poner` unless the window has rewritten it since
// the last translation.
void traducirTexto(QObject* o, const QString& actual, const QString& nuevo, const std::function<void()>& poner)
{
    const QVariant anterior = o->property(kTraducido);
    if (anterior.isValid() && anterior.toString() != actual) return;
    poner();
    o->setProperty(kTraducido, nuevo);
}

void traducirControl(const DefinicionVentana& def, const DefinicionControl& c, QWidget* w)
{
    if (!c.nombreAccesible.isEmpty()) w->setAccessibleName(traducido(def, c.nombreAccesible));
    w->setAccessibleDescription(traducido(def, c.descripcion));
    const QString t = traducido(def, c.texto);
    if (c.texto.isEmpty()) return;
    if (auto* l = qobject_cast<QLabel*>(w)) {
        traducirTexto(l, l->text(), t, [&] {
            l->setText(t);
            ensancharParaTexto(l);
        });
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        traducirTexto(b, b->text(), t, [&] {
            b->setText(t);
            ensancharParaTexto(b);
        });
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        traducirTexto(g, g->title(), t, [&] { g->setTitle(t); });
    } else if (c.tipo == Tipo::TextoMultilinea) {
        // Compared as the box gives its text back (its line ends its own).
        auto* e = qobject_cast<QTextEdit*>(w);
        const QVariant anterior = e->property(kTraducido);
        if (anterior.isValid() && anterior.toString() != e->toPlainText()) return;
        ponerTextoAlineado(e, t, c.alineacion);
        e->setProperty(kTraducido, e->toPlainText());
    } else if (c.tipo == Tipo::Selector) {
        auto* lista = qobject_cast<QComboBox*>(w);
        const QStringList items = t.split(QLatin1Char('|'));
        for (int i = 0; i < lista->count() && i < items.size(); ++i) lista->setItemText(i, items[i]);
    }
}

} // namespace

// A title of the menu bar, or an item that others hang from (a submenu).
static bool esMenu(const DefinicionVentana& def, const DefinicionMenu& m)
{
    return m.menu.isEmpty() ||
           std::any_of(def.menus.begin(), def.menus.end(), [&](const DefinicionMenu& o) { return o.menu == m.nombre; });
}

void ConstructorVentanas::traducir(const DefinicionVentana& def, const Controles& hechos)
{
    for (const DefinicionControl& c : def.controles)
        traducirControl(def, c, hechos.buscar<QWidget>(c.nombre, c.indice));
    for (const DefinicionMenu& m : def.menus) {
        const QString t = traducido(def, m.texto);
        if (esMenu(def, m)) {
            auto* menu = hechos.buscar<QMenu>(m.nombre);
            traducirTexto(menu, menu->title(), t, [&] { menu->setTitle(t); });
        } else {
            auto* item = hechos.buscar<QAction>(m.nombre);
            traducirTexto(item, item->text(), t, [&] { item->setText(t); });
        }
    }
}

Controles ConstructorVentanas::construir(const DefinicionVentana& def, QWidget* cliente, QMenuBar* barra)
{
    Controles hechos;
    if (!def.dispuesta) {
        cliente->setProperty(kTwips, QRect(0, 0, def.ancho, def.alto));
        cliente->setFixedSize(aPixeles(def.ancho), aPixeles(def.alto));
    }
    ponerFuente(cliente, fuenteVentana());
    for (const DefinicionControl& c : def.controles) {
        QWidget* padre = c.contenedor.isEmpty() ? cliente : hechos.buscar<QWidget>(c.contenedor);
        QWidget* w = crear(c, padre, hechos);
        if (def.dispuesta) {
            seguirZoom(w);
        } else {
            w->setProperty(kTwips, c.twips);
            colocar(w);
        }
    }
    if (barra) construirMenus(def, barra, hechos);
    traducir(def, hechos);
    ordenarTabulacion(def, hechos);
    return hechos;
}

QWidget* ConstructorVentanas::crear(const DefinicionControl& c, QWidget* padre, Controles& hechos)
{
    const QString clave = claveControl(c.nombre, c.indice);
    QWidget* w = crearWidget(c, padre);
    w->setObjectName(c.nombre);
    if (c.indice >= 0) w->setProperty("index", c.indice);
    if (c.fuente) ponerFuente(w, *c.fuente);
    // Without a name of its own, a control is read by its caption, as it
    // shows at the time (a verdict, a count).
    if (!c.nombreAccesible.isEmpty()) w->setAccessibleName(c.nombreAccesible);
    w->setAccessibleDescription(c.descripcion);
    if (qobject_cast<CuadroImagen*>(w)) w->setFocusPolicy(Qt::StrongFocus);
    if (!c.tabulable) w->setFocusPolicy(Qt::ClickFocus);
    // Labels lie on their container's surface, beneath every other control.
    if (qobject_cast<QLabel*>(w)) w->lower();
    hechos.poner(clave, w);
    return w;
}

void ConstructorVentanas::construirMenus(const DefinicionVentana& def, QMenuBar* barra, Controles& hechos)
{
    for (const DefinicionMenu& m : def.menus) {
        if (esMenu(def, m)) {
            QMenu* menu = m.menu.isEmpty() ? barra->addMenu(m.texto) : hechos.buscar<QMenu>(m.menu)->addMenu(m.texto);
            menu->setObjectName(m.nombre);
            menu->menuAction()->setObjectName(m.nombre);
            hechos.poner(m.nombre, menu);
            continue;
        }
        QAction* item = hechos.buscar<QMenu>(m.menu)->addAction(m.texto);
        item->setObjectName(m.nombre);
        item->setCheckable(m.marcable);
        if (!m.atajo.isEmpty()) item->setShortcuts(QKeySequence::listFromString(m.atajo));
        item->setChecked(m.marcado);
        hechos.poner(m.nombre, item);
    }
}

void ConstructorVentanas::ordenarTabulacion(const DefinicionVentana& def, Controles& hechos)
{
    std::vector<const DefinicionControl*> orden;
    for (const DefinicionControl& c : def.controles) {
        if (c.tab >= 0) orden.push_back(&c);
    }
    std::stable_sort(orden.begin(), orden.end(),
                     [](const DefinicionControl* a, const DefinicionControl* b) { return a->tab < b->tab; });
    QWidget* anterior = nullptr;
    for (const DefinicionControl* c : orden) {
        auto* w = hechos.buscar<QWidget>(c->nombre, c->indice);
        if (!(w->focusPolicy() & Qt::TabFocus)) continue; // labels, frames, boxes only read
        if (anterior)
            QWidget::setTabOrder(anterior, w);
        else
            hechos.primerFoco = w;
        anterior = w;
    }
}

void ponerTexto(QLineEdit* caja, const QString& texto)
{
    caja->setText(texto);
    caja->setCursorPosition(0);
}

void ponerArriba(QWidget* control, int twips)
{
    QRect t = control->property(kTwips).toRect();
    t.moveTop(twips);
    control->setProperty(kTwips, t);
    colocar(control);
}

void ponerAlto(QWidget* control, int twips)
{
    QRect t = control->property(kTwips).toRect();
    t.setHeight(twips);
    control->setProperty(kTwips, t);
    colocar(control);
}

void alElegir(QAction* item, QObject* contexto, std::function<void()> handler)
{
    QObject::connect(item, &QAction::triggered, contexto, [item, handler](bool marcado) {
        if (item->isCheckable()) item->setChecked(!marcado);
        handler();
    });
}

} // namespace formularios
