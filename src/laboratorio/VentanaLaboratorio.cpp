// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/VentanaLaboratorio.h"

#include "codigos/Espectro.h"
#include "dibujo/Color.h"
#include "formularios/Accesibilidad.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"
#include "laboratorio/DisenoLaboratorio.h"
#include "laboratorio/GraficoEspectro.h"
#include "laboratorio/ModeloPasos.h"
#include "laboratorio/PanelLinea.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <array>

using namespace codigos;

namespace laboratorio {

namespace {

// A string that shows HDB3's and B8ZS's substitutions from the start.
const QString kBitsIniciales = QStringLiteral("1100001000000001000010110000000010");
const codigos::Color kColorRechazo = dibujo::kRojo;
const std::array<Codigo, 2> kElegidosIniciales = {Codigo::Ami, Codigo::Hdb3};
constexpr int kRellenoFila = 6; // pixels above and below a row's text

// The spectra depend only on the code: each is estimated once per run.
const std::vector<double>& espectroDe(Codigo c)
{
    static std::map<Codigo, std::vector<double>> calculados;
    auto it = calculados.find(c);
    if (it == calculados.end()) it = calculados.emplace(c, densidadEspectral(c)).first;
    return it->second;
}

// By slot, the errors injected there and the violations found there.
std::map<int, QString> avisosPorFila(const laboratorio::LineaDibujada& l)
{
    std::map<int, QStringList> avisos;
    for (const auto& [bit, mitad] : l.errores)
        avisos[bit] << (mitad == 0 ? VentanaLaboratorio::tr("error de línea en la primera mitad")
                                   : VentanaLaboratorio::tr("error de línea en la segunda mitad"));
    for (const auto& [bit, mitad] : l.malDecididos)
        avisos[bit] << (mitad == 0 ? VentanaLaboratorio::tr("el receptor decide mal la primera mitad")
                                   : VentanaLaboratorio::tr("el receptor decide mal la segunda mitad"));
    for (const Violacion& v : l.violaciones) avisos[v.bit] << QString::fromStdString(v.motivo());
    std::map<int, QString> r;
    for (const auto& [fila, textos] : avisos) r[fila] = textos.join(QStringLiteral("; "));
    return r;
}

QString listaDeBits(const std::vector<int>& posiciones)
{
    QStringList r;
    for (int p : posiciones) r << QString::number(p + 1);
    return r.join(QStringLiteral(", "));
}

} // namespace

VentanaLaboratorio::VentanaLaboratorio() : Formulario(disenoLaboratorio())
{
    const auto& c = controles();
    entrada = c.buscar<QComboBox>("entrada");
    bits = c.buscar<QLineEdit>("bits");
    pista = c.buscar<QLabel>("pista");
    codigo = c.buscar<QListWidget>("codigo");
    ultimoPulso = c.buscar<QComboBox>("ultimoPulso");
    nivelInicial = c.buscar<QComboBox>("nivelInicial");
    paridad = c.buscar<QComboBox>("paridad");
    escala = c.buscar<QComboBox>("escala");
    decodificado = c.buscar<QLineEdit>("decodificado");
    leido = c.buscar<QLineEdit>("leido");
    deteccion = c.buscar<QLabel>("deteccion");
    convencion = c.buscar<QLabel>("convencion");

    auto* area = c.buscar<QScrollArea>("dibujo");
    dibujo_ = new laboratorio::DibujoCodigos;
    area->setWidget(dibujo_);
    dibujo_->mostrarEn(area);
    // The names are drawn at the view's left edge and the focus frame
    // around the view: a scroll repaints them there.
    for (QScrollBar* barra : {area->horizontalScrollBar(), area->verticalScrollBar()})
        connect(barra, &QScrollBar::valueChanged, dibujo_, qOverload<>(&QWidget::update));
    grafico_ = new laboratorio::GraficoEspectro(c.buscar<QWidget>("espectro"));
    const auto codigosElegidos = [this] { return elegidos(); };
    linea_ = new laboratorio::PanelLinea(c, codigosElegidos, this);
    // The pictures themselves, named as the boxes that hold them.
    comoSuCaja(dibujo_, "dibujoCodigos", c.buscar<QWidget>("dibujo"));
    comoSuCaja(grafico_, "graficoEspectro", c.buscar<QWidget>("espectro"));

    pasos_ = new laboratorio::ModeloPasos(this);
    auto* tabla = c.buscar<QTableView>("pasos");
    tabla->setSortingEnabled(false);
    tabla->setModel(pasos_);
    tabla->verticalHeader()->show();
    // The narrow columns are as wide as their titles (a bit, a symbol or a
    // level is never wider) and the reason as its widest sentence, the
    // table scrolling sideways for it: measuring 4,096 rows' texts at every
    // key would cost many frames, the few distinct sentences do not.
    tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla->horizontalHeader()->setStretchLastSection(false);
    tabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    for (Codigo k : kTodosLosCodigos) {
        auto* item = new QListWidgetItem(QString::fromStdString(nombreVisible(k)), codigo);
        const bool elegido =
            std::find(kElegidosIniciales.begin(), kElegidosIniciales.end(), k) != kElegidosIniciales.end();
        item->setCheckState(elegido ? Qt::Checked : Qt::Unchecked);
    }
    codigo->setCurrentRow(static_cast<int>(Codigo::Hdb3));
    bits->setText(kBitsIniciales);
    leerEntrada(kBitsIniciales);
    actualizarOjo();
    linea_->mostrarTasa();
    alCambiarZoom();
    conectar();
}

void VentanaLaboratorio::conectar()
{
    connect(bits, &QLineEdit::textEdited, this, &VentanaLaboratorio::leerEntrada);
    connect(entrada, qOverload<int>(&QComboBox::activated), this, &VentanaLaboratorio::cambiarFormaEntrada);
    connect(codigo, &QListWidget::itemChanged, this, &VentanaLaboratorio::actualizar);
    connect(codigo, &QListWidget::itemChanged, linea_, &laboratorio::PanelLinea::mostrarTasa);
    connect(codigo, &QListWidget::currentRowChanged, this, &VentanaLaboratorio::actualizarFoco);
    connect(codigo, &QListWidget::currentRowChanged, this, &VentanaLaboratorio::actualizarOjo);
    connect(escala, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { grafico_->ponerEscala(static_cast<laboratorio::EscalaEspectro>(i)); });
    for (QComboBox* estado : {ultimoPulso, nivelInicial, paridad}) {
        connect(estado, qOverload<int>(&QComboBox::currentIndexChanged), this, &VentanaLaboratorio::actualizar);
        connect(estado, qOverload<int>(&QComboBox::currentIndexChanged), this, &VentanaLaboratorio::actualizarOjo);
    }
    connect(linea_, &laboratorio::PanelLinea::lineaCambiada, this, &VentanaLaboratorio::actualizar);
    connect(linea_, &laboratorio::PanelLinea::lineaCambiada, this, &VentanaLaboratorio::actualizarOjo);
    connect(linea_, &laboratorio::PanelLinea::vistaCambiada, this, &VentanaLaboratorio::actualizar);
    connect(dibujo_, &laboratorio::DibujoCodigos::mitadPulsada, this, &VentanaLaboratorio::alternarError);
}

void VentanaLaboratorio::alCambiarZoom()
{
    auto* tabla = controles().buscar<QTableView>("pasos");
    QHeaderView* cabecera = tabla->horizontalHeader();
    for (int columna = 0; columna + 1 < pasos_->columnCount(); ++columna)
        cabecera->resizeSection(columna, cabecera->sectionSizeHint(columna));
    anchoDeMotivos();
    tabla->verticalHeader()->setDefaultSectionSize(tabla->fontMetrics().height() + kRellenoFila);
    const double zoom = formularios::Zoom::actual().factor();
    dibujo_->ponerZoom(zoom);
    grafico_->setGeometry(controles().buscar<QFrame>("espectro")->contentsRect());
    grafico_->ponerZoom(zoom);
    linea_->ponerZoom(zoom);
}

// A refused character pitidos, says why, and leaves the text as it was.
void VentanaLaboratorio::leerEntrada(const QString& texto)
{
    const BitsLeidos leidos = leerBits(forma_, texto.toStdU32String());
    if (!leidos.error.empty()) {
        const int cursor = bits->cursorPosition() - (texto.size() - textoValido_.size());
        formularios::Avisos::actual().pitido();
        ponerPista(QString::fromStdString(leidos.error), true);
        bits->setText(textoValido_);
        bits->setCursorPosition(qBound(0, cursor, textoValido_.size()));
        return;
    }
    textoValido_ = texto;
    bits_ = leidos.bits;
    ponerPista(pistaDeCuenta(), false);
    errores_.clear();
    actualizar();
}

QString VentanaLaboratorio::pistaDeCuenta() const
{
    return bits_.empty() ? tr("Escribe de 1 a %1 bits.").arg(kMaximoBits) : tr("%1 bits.").arg(bits_.size());
}

// Everything the window wrote itself, again in the new language; the
// bits, the errors and the line stay as they are.
void VentanaLaboratorio::alCambiarIdioma()
{
    {
        // New names are no new choice of codes: the drawing is redone once, below.
        const QSignalBlocker callado(codigo);
        for (Codigo k : kTodosLosCodigos)
            codigo->item(static_cast<int>(k))->setText(QString::fromStdString(nombreVisible(k)));
    }
    pasos_->cambiarIdioma();
    alCambiarZoom(); // the columns as wide as their new titles
    ponerPista(pistaDeCuenta(), false);
    comoSuCaja(dibujo_, "dibujoCodigos", controles().buscar<QWidget>("dibujo"));
    comoSuCaja(grafico_, "graficoEspectro", controles().buscar<QWidget>("espectro"));
    actualizar();
    actualizarOjo();
    linea_->cambiarIdioma();
    grafico_->update();
}

// A refusal in red; the count of bits in the window's own color.
void VentanaLaboratorio::ponerPista(const QString& texto, bool rechazo)
{
    QPalette paleta = palette();
    if (rechazo) paleta.setColor(QPalette::WindowText, dibujo::qColor(kColorRechazo));
    pista->setPalette(paleta);
    pista->setText(texto);
}

// The same bits, written in the newly chosen form; a form that cannot hold
// them is refused and the text stays.
void VentanaLaboratorio::cambiarFormaEntrada(int indice)
{
    const auto nueva = static_cast<FormaEntrada>(indice);
    const auto texto = escribirBits(nueva, bits_);
    if (!texto) {
        formularios::Avisos::actual().pitido();
        ponerPista(nueva == FormaEntrada::Hexadecimal
                       ? tr("Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.")
                       : tr("Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles."),
                   true);
        entrada->setCurrentIndex(static_cast<int>(forma_));
        return;
    }
    forma_ = nueva;
    textoValido_ = QString::fromStdU32String(*texto);
    bits->setText(textoValido_);
}

// What the receiver read, as the input was written: hexadecimal digits, or
// text with U+FFFD for a byte that is no visible character. Bits need no
// second form.
QString VentanaLaboratorio::enLaFormaDeLaEntrada(const std::string& leidos) const
{
    if (forma_ == FormaEntrada::Bits) return {};
    if (forma_ == FormaEntrada::Hexadecimal)
        return QString::fromStdU32String(escribirBits(forma_, leidos).value_or(std::u32string()));
    QString r;
    for (std::size_t i = 0; i + 8 <= leidos.size(); i += 8) {
        const auto caracter = escribirBits(forma_, leidos.substr(i, 8));
        r += caracter ? QString::fromStdU32String(*caracter) : QString(QChar(0xFFFD));
    }
    return r;
}

void VentanaLaboratorio::alternarError(int indice, int bit, int mitad)
{
    const Codigo c = dibujo_->lineas()[std::size_t(indice)].codigo;
    auto& errores = errores_[c];
    const std::pair<int, int> donde{bit, mitad};
    if (!errores.erase(donde)) errores.insert(donde);
    {
        // The code clicked comes into focus with the redraw, not before it.
        const QSignalBlocker callado(codigo);
        codigo->setCurrentRow(static_cast<int>(c));
    }
    actualizar();
}

// The line before the first bit, as the three lists set it. Only MLT-3 has
// a zero level: for NRZI and differential Manchester it reads as low.
EstadoInicial VentanaLaboratorio::estadoInicial(Codigo c) const
{
    EstadoInicial e;
    e.ultimoPulso = ultimoPulso->currentIndex() == 1 ? 1 : -1;
    e.nivel = nivelInicial->currentIndex() - 1;
    if (e.nivel == 0 && c != Codigo::Mlt3) e.nivel = -1;
    e.paridad = paridad->currentIndex();
    return e;
}

std::vector<Codigo> VentanaLaboratorio::elegidos() const
{
    std::vector<Codigo> r;
    for (int i = 0; i < codigo->count(); ++i)
        if (codigo->item(i)->checkState() == Qt::Checked) r.push_back(kTodosLosCodigos[std::size_t(i)]);
    return r;
}

Codigo VentanaLaboratorio::enFoco() const
{
    return kTodosLosCodigos[std::size_t(qBound(0, codigo->currentRow(), kCodigosLinea - 1))];
}

// The code's line with the errors injected into it, through the line, and
// what the receiver finds wrong in what it decides.
laboratorio::LineaDibujada VentanaLaboratorio::linea(Codigo c) const
{
    const EstadoInicial inicio = estadoInicial(c);
    laboratorio::LineaDibujada l{c, codificar(c, bits_, inicio)};
    const auto it = errores_.find(c);
    if (it != errores_.end()) l.errores = it->second;
    for (const auto& [bit, mitad] : l.errores) inyectarError(c, l.pasos[std::size_t(bit)], mitad);
    linea_->pasarPorLaLinea(l, inicio);
    if (!l.errores.empty() || !l.malDecididos.empty()) l.violaciones = violaciones(c, l.lineaLeida(), inicio);
    return l;
}

void VentanaLaboratorio::actualizar()
{
    std::vector<laboratorio::LineaDibujada> lineas;
    std::vector<laboratorio::Curva> curvas;
    for (Codigo c : elegidos()) {
        lineas.push_back(linea(c));
        curvas.emplace_back(c, &espectroDe(c));
    }
    dibujo_->ponerLineas(std::move(lineas), bits_);
    grafico_->ponerCurvas(std::move(curvas));
    actualizarFoco();
}

// The step table, the decoding and the verdict on errors of the code in focus.
void VentanaLaboratorio::actualizarFoco()
{
    const Codigo c = enFoco();
    // A drawn code's line is already coded; another is coded for the table.
    const auto& dibujadas = dibujo_->lineas();
    const auto dibujada =
        std::find_if(dibujadas.begin(), dibujadas.end(), [c](const auto& l) { return l.codigo == c; });
    laboratorio::LineaDibujada l = dibujada != dibujadas.end() ? *dibujada : linea(c);
    const std::string leidos = decodificar(c, l.lineaLeida(), estadoInicial(c));
    formularios::ponerTexto(decodificado, QString::fromStdString(leidos));
    convencion->setText(QString::fromStdString(convencionVisible(c)));

    formularios::ponerTexto(leido, enLaFormaDeLaEntrada(leidos));

    std::vector<int> erroneos;
    for (std::size_t i = 0; i < leidos.size() && i < bits_.size(); ++i)
        if (leidos[i] != bits_[i]) erroneos.push_back(int(i));
    QString veredicto;
    if (!l.malDecididos.empty())
        veredicto = tr("La línea hace que el receptor decida mal %1 medios bits. ").arg(l.malDecididos.size());
    if (!l.errores.empty() || !l.malDecididos.empty()) {
        if (!erroneos.empty())
            veredicto += tr("Bits erróneos: %1.").arg(listaDeBits(erroneos));
        else
            veredicto += l.errores.empty() ? tr("No cambia ningún bit.") : tr("El error no cambia ningún bit.");
        QStringList detectadas;
        for (const Violacion& v : l.violaciones) detectadas << QString::fromStdString(v.texto());
        if (!detectadas.isEmpty())
            veredicto += tr(" Detectado: %1.").arg(detectadas.join(QStringLiteral("; ")));
        else if (detectaErrores(c))
            veredicto += tr(" El receptor no ve ninguna violación.");
        else
            veredicto += tr(" Este código no detecta errores de línea.");
    }
    deteccion->setText(veredicto);
    deteccion->setToolTip(veredicto);
    dibujo_->ponerReloj(linea_->recuperarReloj(l));
    pasos_->ponerPasos(c, bits_, std::move(l.pasos), avisosPorFila(l));
    anchoDeMotivos();
}

// The reasons' column holds the longest one whole.
void VentanaLaboratorio::anchoDeMotivos()
{
    auto* tabla = controles().buscar<QTableView>("pasos");
    const int margen = 2 * (tabla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabla) + 1);
    const int resto =
        tabla->viewport()->width() - tabla->horizontalHeader()->sectionPosition(pasos_->columnCount() - 1);
    tabla->horizontalHeader()->resizeSection(pasos_->columnCount() - 1,
                                             qMax(resto, pasos_->anchoMotivos(tabla->fontMetrics()) + margen + 4));
}

// The eye of the code in focus, from its starting state.
void VentanaLaboratorio::actualizarOjo() { linea_->mostrarOjo(enFoco(), estadoInicial(enFoco())); }

} // namespace laboratorio
