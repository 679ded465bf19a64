// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/VentanaLaboratorio.h"

#include "codigos/Espectro.h"
#include "dibujo/Color.h"
#include "formularios/Accesibilidad.h"
#include "formularios/Avisos.h"
#include "formularios/Controles.h"
#include "formularios/Zoom.h"
#include "laboratorio/DisenoLaboratorio.h"
#include "laboratorio/GraficoBer.h"
#include "laboratorio/GraficoEspectro.h"
#include "laboratorio/GraficoOjo.h"
#include "laboratorio/MedidorTasa.h"
#include "laboratorio/ModeloPasos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
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

// The transformer's cut-off and the noise's Eb/N0, as their lists offer
// them (the first entries: none).
constexpr std::array<double, 4> kCortesAcoplamiento = {0, 0.001, 0.01, 0.05};
constexpr std::array<double, 9> kEbn0Db = {20, 15, 12, 10, 8, 6, 4, 2, 0};
// Each code's noise is drawn the same way at every redraw, so that typing
// a bit does not shake the whole picture.
constexpr std::uint64_t kSemillaRuido = 1000;
// The eye is drawn from these many random bits, the same ones every time.
constexpr int kBitsOjo = 2048;
constexpr std::uint64_t kSemillaOjo = 77;

QString porCiento(double fraccion) { return QString::number(qRound(fraccion * 100)) + QStringLiteral(" %"); }

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
        avisos[bit] << (mitad == 0 ? QStringLiteral("error de línea en la primera mitad")
                                   : QStringLiteral("error de línea en la segunda mitad"));
    for (const auto& [bit, mitad] : l.malDecididos)
        avisos[bit] << (mitad == 0 ? QStringLiteral("el receptor decide mal la primera mitad")
                                   : QStringLiteral("el receptor decide mal la segunda mitad"));
    for (const Violacion& v : l.violaciones) avisos[v.bit] << QString::fromStdString(v.que);
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
    perdida = c.buscar<QSlider>("perdida");
    valorPerdida = c.buscar<QLabel>("valorPerdida");
    acoplamiento = c.buscar<QComboBox>("acoplamiento");
    ruido = c.buscar<QComboBox>("ruido");
    recibida = c.buscar<QCheckBox>("recibida");
    reloj = c.buscar<QCheckBox>("reloj");
    deslizamientos = c.buscar<QLabel>("deslizamientos");
    medidasOjo = c.buscar<QLabel>("medidasOjo");
    medirBer = c.buscar<QPushButton>("medirBer");
    cancelarBer = c.buscar<QPushButton>("cancelarBer");
    progresoBer = c.buscar<QProgressBar>("progresoBer");

    auto* area = c.buscar<QScrollArea>("dibujo");
    dibujo_ = new laboratorio::DibujoCodigos;
    area->setWidget(dibujo_);
    dibujo_->mostrarEn(area);
    // The names are drawn at the view's left edge and the focus frame
    // around the view: a scroll repaints them there.
    for (QScrollBar* barra : {area->horizontalScrollBar(), area->verticalScrollBar()})
        connect(barra, &QScrollBar::valueChanged, dibujo_, qOverload<>(&QWidget::update));
    grafico_ = new laboratorio::GraficoEspectro(c.buscar<QWidget>("espectro"));
    ojo_ = new laboratorio::GraficoOjo(c.buscar<QWidget>("ojo"));
    graficoBer_ = new laboratorio::GraficoBer(c.buscar<QWidget>("ber"));
    medidor_ = new laboratorio::MedidorTasa(this);
    // The pictures themselves, named as the boxes that hold them.
    const auto comoSuCaja = [](QWidget* dibujo, const char* nombre, const QWidget* caja) {
        dibujo->setObjectName(QLatin1String(nombre));
        dibujo->setAccessibleName(caja->accessibleName());
        dibujo->setAccessibleDescription(caja->accessibleDescription());
    };
    comoSuCaja(dibujo_, "dibujoCodigos", c.buscar<QWidget>("dibujo"));
    comoSuCaja(grafico_, "graficoEspectro", c.buscar<QWidget>("espectro"));
    comoSuCaja(ojo_, "graficoOjo", c.buscar<QWidget>("ojo"));
    comoSuCaja(graficoBer_, "graficoBer", c.buscar<QWidget>("ber"));

    pasos_ = new laboratorio::ModeloPasos(this);
    auto* tabla = c.buscar<QTableView>("pasos");
    tabla->setSortingEnabled(false);
    tabla->setModel(pasos_);
    tabla->verticalHeader()->show();
    // The narrow columns are as wide as their titles (a bit, a symbol or a
    // level is never wider) and the reason takes the rest: measuring 4,096
    // rows' texts at every key would cost many frames.
    tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabla->horizontalHeader()->setStretchLastSection(true);
    tabla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    for (Codigo k : kTodosLosCodigos) {
        auto* item = new QListWidgetItem(QString::fromUtf8(nombreCodigo(k)), codigo);
        const bool elegido =
            std::find(kElegidosIniciales.begin(), kElegidosIniciales.end(), k) != kElegidosIniciales.end();
        item->setCheckState(elegido ? Qt::Checked : Qt::Unchecked);
    }
    codigo->setCurrentRow(static_cast<int>(Codigo::Hdb3));
    bits->setText(kBitsIniciales);
    leerEntrada(kBitsIniciales);
    actualizarOjo();
    actualizarTasa();
    alCambiarZoom();
    conectar();
}

void VentanaLaboratorio::conectar()
{
    connect(bits, &QLineEdit::textEdited, this, &VentanaLaboratorio::leerEntrada);
    connect(entrada, qOverload<int>(&QComboBox::activated), this, &VentanaLaboratorio::cambiarFormaEntrada);
    connect(codigo, &QListWidget::itemChanged, this, &VentanaLaboratorio::actualizar);
    connect(codigo, &QListWidget::itemChanged, this, &VentanaLaboratorio::actualizarTasa);
    connect(codigo, &QListWidget::currentRowChanged, this, &VentanaLaboratorio::actualizarFoco);
    connect(codigo, &QListWidget::currentRowChanged, this, &VentanaLaboratorio::actualizarOjo);
    connect(escala, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { grafico_->ponerEscala(static_cast<laboratorio::EscalaEspectro>(i)); });
    for (QComboBox* estado : {ultimoPulso, nivelInicial, paridad}) {
        connect(estado, qOverload<int>(&QComboBox::currentIndexChanged), this, &VentanaLaboratorio::actualizar);
        connect(estado, qOverload<int>(&QComboBox::currentIndexChanged), this, &VentanaLaboratorio::actualizarOjo);
    }
    connect(perdida, &QSlider::valueChanged, this, &VentanaLaboratorio::cambiarLinea);
    for (QComboBox* ajuste : {acoplamiento, ruido})
        connect(ajuste, qOverload<int>(&QComboBox::currentIndexChanged), this, &VentanaLaboratorio::cambiarLinea);
    for (QCheckBox* casilla : {recibida, reloj})
        connect(casilla, &QCheckBox::toggled, this, &VentanaLaboratorio::actualizar);
    connect(medirBer, &QPushButton::clicked, this, [this] {
        linea::AjustesLinea sinRuido = ajustesLinea();
        sinRuido.ebn0Db.reset();
        medidor_->medir(elegidos(), sinRuido);
    });
    connect(cancelarBer, &QPushButton::clicked, medidor_, &laboratorio::MedidorTasa::cancelar);
    connect(medidor_, &laboratorio::MedidorTasa::cambiado, this, &VentanaLaboratorio::actualizarTasa);
    connect(dibujo_, &laboratorio::DibujoCodigos::mitadPulsada, this, &VentanaLaboratorio::alternarError);
}

void VentanaLaboratorio::alCambiarZoom()
{
    auto* tabla = controles().buscar<QTableView>("pasos");
    QHeaderView* cabecera = tabla->horizontalHeader();
    for (int columna = 0; columna + 1 < pasos_->columnCount(); ++columna)
        cabecera->resizeSection(columna, cabecera->sectionSizeHint(columna));
    tabla->verticalHeader()->setDefaultSectionSize(tabla->fontMetrics().height() + kRellenoFila);
    const double zoom = formularios::Zoom::actual().factor();
    dibujo_->ponerZoom(zoom);
    grafico_->setGeometry(controles().buscar<QFrame>("espectro")->contentsRect());
    grafico_->ponerZoom(zoom);
    ojo_->setGeometry(controles().buscar<QFrame>("ojo")->contentsRect());
    ojo_->ponerZoom(zoom);
    graficoBer_->setGeometry(controles().buscar<QFrame>("ber")->contentsRect());
    graficoBer_->ponerZoom(zoom);
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
    ponerPista(bits_.empty() ? QStringLiteral("Escribe de 1 a %1 bits.").arg(kMaximoBits)
                             : QStringLiteral("%1 bits.").arg(bits_.size()),
               false);
    errores_.clear();
    actualizar();
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
        ponerPista(
            nueva == FormaEntrada::Hexadecimal
                ? QStringLiteral("Para verlos en hexadecimal, los bits han de ser un múltiplo de 4.")
                : QStringLiteral("Para verlos como texto, los bits han de ser bytes enteros de caracteres visibles."),
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
    pasarPorLaLinea(l);
    if (!l.errores.empty() || !l.malDecididos.empty()) l.violaciones = violaciones(c, l.lineaLeida(), inicio);
    return l;
}

linea::AjustesLinea VentanaLaboratorio::ajustesLinea() const
{
    linea::AjustesLinea a;
    a.perdidaDb = perdida->value();
    a.acoplamiento = kCortesAcoplamiento[std::size_t(qBound(0, acoplamiento->currentIndex(), 3))];
    if (ruido->currentIndex() > 0) a.ebn0Db = kEbn0Db[std::size_t(qBound(1, ruido->currentIndex(), 9) - 1)];
    return a;
}

bool VentanaLaboratorio::lineaIdeal() const
{
    const linea::AjustesLinea a = ajustesLinea();
    return a.perdidaDb == 0 && a.acoplamiento == 0 && !a.ebn0Db;
}

// What arrives of a code's line; its noise the same at every redraw.
std::vector<double> VentanaLaboratorio::llegada(Codigo c, const std::vector<Paso>& pasos) const
{
    std::mt19937_64 azar(kSemillaRuido + std::uint64_t(c));
    return linea::transmitir(c, pasos, ajustesLinea(), azar);
}

// An ideal line hands the receiver what was sent, so it is not simulated:
// the laboratory reads exactly as it does with no line at all.
void VentanaLaboratorio::pasarPorLaLinea(laboratorio::LineaDibujada& l) const
{
    if (lineaIdeal() && !recibida->isChecked()) return;
    std::vector<double> onda = llegada(l.codigo, l.pasos);
    if (!lineaIdeal()) {
        std::vector<Paso> decididos = linea::decidir(l.codigo, onda);
        l.malDecididos = linea::mitadesMalDecididas(l.codigo, l.pasos, decididos);
        if (!l.malDecididos.empty()) l.decididos = std::move(decididos);
    }
    if (recibida->isChecked()) {
        l.leidos = decodificar(l.codigo, l.lineaLeida(), estadoInicial(l.codigo));
        l.recibida = std::move(onda);
    }
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
    convencion->setText(QString::fromUtf8(convencionCodigo(c)));

    formularios::ponerTexto(leido, enLaFormaDeLaEntrada(leidos));

    std::vector<int> erroneos;
    for (std::size_t i = 0; i < leidos.size() && i < bits_.size(); ++i)
        if (leidos[i] != bits_[i]) erroneos.push_back(int(i));
    QString veredicto;
    if (!l.malDecididos.empty())
        veredicto =
            QStringLiteral("La línea hace que el receptor decida mal %1 medios bits. ").arg(l.malDecididos.size());
    if (!l.errores.empty() || !l.malDecididos.empty()) {
        if (!erroneos.empty())
            veredicto += QStringLiteral("Bits erróneos: %1.").arg(listaDeBits(erroneos));
        else
            veredicto += l.errores.empty() ? QStringLiteral("No cambia ningún bit.")
                                           : QStringLiteral("El error no cambia ningún bit.");
        QStringList detectadas;
        for (const Violacion& v : l.violaciones) detectadas << QString::fromStdString(v.texto());
        if (!detectadas.isEmpty())
            veredicto += QStringLiteral(" Detectado: %1.").arg(detectadas.join(QStringLiteral("; ")));
        else if (detectaErrores(c))
            veredicto += QStringLiteral(" El receptor no ve ninguna violación.");
        else
            veredicto += QStringLiteral(" Este código no detecta errores de línea.");
    }
    deteccion->setText(veredicto);
    deteccion->setToolTip(veredicto);
    ponerRelojRecuperado(l);
    pasos_->ponerPasos(c, bits_, std::move(l.pasos), avisosPorFila(l));
}

// The clock the receiver recovers from what arrives of the code in focus:
// its slips are counted always, and it is drawn when asked for.
void VentanaLaboratorio::ponerRelojRecuperado(const laboratorio::LineaDibujada& l)
{
    const linea::RelojRecuperado r = linea::recuperarReloj(l.codigo, llegada(l.codigo, l.pasos));
    deslizamientos->setText(QStringLiteral("Deslizamientos del reloj: %1").arg(r.deslizamientos.size()));
    if (reloj->isChecked())
        dibujo_->ponerReloj(laboratorio::RelojDibujado{l.codigo, r.fase, r.deslizamientos});
    else
        dibujo_->ponerReloj(std::nullopt);
}

// A new cable, transformer or noise: every picture of the line is redrawn,
// and the error rates measured through the old line are dropped.
void VentanaLaboratorio::cambiarLinea()
{
    valorPerdida->setText(QStringLiteral("%1 dB").arg(perdida->value()));
    medidor_->olvidar();
    actualizar();
    actualizarOjo();
    actualizarTasa(); // the theory's curves hold only with no cable nor transformer
}

// The eye of the code in focus, from random bits through the line. Its
// measures are those the cable and the transformer leave: the noise, drawn
// over them, would close any eye made of enough bits, although the
// receiver's filter averages most of it away.
void VentanaLaboratorio::actualizarOjo()
{
    const Codigo c = enFoco();
    std::mt19937_64 azarBits(kSemillaOjo);
    std::string aleatorios(kBitsOjo, '0');
    for (char& b : aleatorios) b = (azarBits() >> 63) != 0 ? '1' : '0';
    const std::vector<Paso> enviada = codificar(c, aleatorios, estadoInicial(c));
    linea::AjustesLinea sinRuido = ajustesLinea();
    const bool conRuido = sinRuido.ebn0Db.has_value();
    sinRuido.ebn0Db.reset();
    std::mt19937_64 azar(kSemillaRuido);
    const linea::Ojo ojo = linea::medirOjo(c, enviada, linea::transmitir(c, enviada, sinRuido, azar));
    ojo_->ponerOjo(c, llegada(c, enviada));
    QString texto =
        ojo.alto > 0
            ? QStringLiteral("altura del ojo: %1 · anchura: %2 del bit").arg(porCiento(ojo.alto), porCiento(ojo.ancho))
            : QStringLiteral("el ojo está cerrado: el receptor se equivoca.");
    texto = conRuido ? QStringLiteral("Sin el ruido, ") + texto : texto.left(1).toUpper() + texto.mid(1);
    medidasOjo->setText(texto);
}

// The plot follows the chosen codes; the buttons and the bar, the run.
void VentanaLaboratorio::actualizarTasa()
{
    const linea::AjustesLinea a = ajustesLinea();
    const bool teoriaValida = a.perdidaDb == 0 && a.acoplamiento == 0;
    std::vector<laboratorio::SerieBer> series;
    for (Codigo c : elegidos()) {
        const auto it = medidor_->puntos().find(c);
        series.push_back({c, it != medidor_->puntos().end() ? it->second : std::vector<laboratorio::PuntoBer>{},
                          teoriaValida && linea::berTeorica(c, 0).has_value()});
    }
    graficoBer_->ponerSeries(std::move(series));
    progresoBer->setRange(0, std::max(1, medidor_->total()));
    progresoBer->setValue(medidor_->hechos());
    medirBer->setEnabled(!medidor_->midiendo());
    cancelarBer->setEnabled(medidor_->midiendo());
}

} // namespace laboratorio
