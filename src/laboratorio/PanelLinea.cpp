// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/PanelLinea.h"

#include "formularios/ConstructorVentanas.h"
#include "laboratorio/GraficoBer.h"
#include "laboratorio/GraficoOjo.h"
#include "laboratorio/MedidorTasa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include <array>

using codigos::Codigo;
using codigos::Paso;

namespace laboratorio {

namespace {

// The transformer's cut-off and the noise's Eb/N0, as their lists offer
// them (the first entries: none).
constexpr std::array<double, 4> kCortesAcoplamiento = {0, 0.001, 0.01, 0.05};
constexpr std::array<double, 9> kEbn0Db = {20, 15, 12, 10, 8, 6, 4, 2, 0};
// Each code's noise is drawn the same way at every redraw, so that typing
// a bit does not shake the whole picture.
constexpr std::uint64_t kSemillaRuido = 1000;
// The eye is drawn from these many random bits, the same ones every time.
constexpr std::size_t kBitsOjo = 2048;
constexpr std::uint64_t kSemillaOjo = 77;

QString porCiento(double fraccion) { return QString::number(qRound(fraccion * 100)) + QStringLiteral(" %"); }

// The eye's measures, in words.
QString textoOjo(const linea::Ojo& ojo, bool conRuido)
{
    if (ojo.alto <= 0)
        return conRuido ? PanelLinea::tr("Sin el ruido, el ojo está cerrado: el receptor se equivoca.")
                        : PanelLinea::tr("El ojo está cerrado: el receptor se equivoca.");
    const QString medidas = conRuido ? PanelLinea::tr("Sin el ruido, altura del ojo: %1 · anchura: %2 del bit")
                                     : PanelLinea::tr("Altura del ojo: %1 · anchura: %2 del bit");
    return medidas.arg(porCiento(ojo.alto), porCiento(ojo.ancho));
}

} // namespace

PanelLinea::PanelLinea(const formularios::Controles& c, std::function<std::vector<Codigo>()> elegidos, QObject* parent)
    : QObject(parent), elegidos_(std::move(elegidos))
{
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
    cajaOjo_ = c.buscar<QFrame>("ojo");
    cajaBer_ = c.buscar<QFrame>("ber");
    ojo_ = new GraficoOjo(cajaOjo_);
    graficoBer_ = new GraficoBer(cajaBer_);
    medidor_ = new MedidorTasa(this);
    comoSuCaja(ojo_, "graficoOjo", cajaOjo_);
    comoSuCaja(graficoBer_, "graficoBer", cajaBer_);

    connect(perdida, &QSlider::valueChanged, this, &PanelLinea::cambiarLinea);
    for (QComboBox* ajuste : {acoplamiento, ruido})
        connect(ajuste, qOverload<int>(&QComboBox::currentIndexChanged), this, &PanelLinea::cambiarLinea);
    for (QCheckBox* casilla : {recibida, reloj})
        connect(casilla, &QCheckBox::toggled, this, &PanelLinea::vistaCambiada);
    connect(medirBer, &QPushButton::clicked, this, [this] {
        linea::AjustesLinea sinRuido = ajustes();
        sinRuido.ebn0Db.reset();
        medidor_->medir(elegidos_(), sinRuido);
    });
    connect(cancelarBer, &QPushButton::clicked, medidor_, &MedidorTasa::cancelar);
    connect(medidor_, &MedidorTasa::cambiado, this, &PanelLinea::mostrarTasa);
}

linea::AjustesLinea PanelLinea::ajustes() const
{
    linea::AjustesLinea a;
    a.perdidaDb = perdida->value();
    a.acoplamiento = kCortesAcoplamiento[std::size_t(qBound(0, acoplamiento->currentIndex(), 3))];
    if (ruido->currentIndex() > 0) a.ebn0Db = kEbn0Db[std::size_t(qBound(1, ruido->currentIndex(), 9) - 1)];
    return a;
}

bool PanelLinea::ideal() const
{
    const linea::AjustesLinea a = ajustes();
    return a.perdidaDb == 0 && a.acoplamiento == 0 && !a.ebn0Db;
}

// What arrives of a code's line; its noise the same at every redraw.
std::vector<double> PanelLinea::llegada(Codigo c, const std::vector<Paso>& pasos) const
{
    std::mt19937_64 azar(kSemillaRuido + std::uint64_t(c));
    return linea::transmitir(c, pasos, ajustes(), azar);
}

void PanelLinea::pasarPorLaLinea(LineaDibujada& l, const codigos::EstadoInicial& inicio) const
{
    if (ideal() && !recibida->isChecked()) return;
    std::vector<double> onda = llegada(l.codigo, l.pasos);
    if (!ideal()) {
        std::vector<Paso> decididos = linea::decidir(l.codigo, onda);
        l.malDecididos = linea::mitadesMalDecididas(l.codigo, l.pasos, decididos);
        if (!l.malDecididos.empty()) l.decididos = std::move(decididos);
    }
    if (recibida->isChecked()) {
        l.leidos = codigos::decodificar(l.codigo, l.lineaLeida(), inicio);
        l.recibida = std::move(onda);
    }
}

std::optional<RelojDibujado> PanelLinea::recuperarReloj(const LineaDibujada& l)
{
    // What arrives is already there when it is drawn.
    const linea::RelojRecuperado r =
        linea::recuperarReloj(l.codigo, l.recibida.empty() ? llegada(l.codigo, l.pasos) : l.recibida);
    deslizamientos->setText(tr("Deslizamientos del reloj: %1").arg(r.deslizamientos.size()));
    if (!reloj->isChecked()) return std::nullopt;
    return RelojDibujado{l.codigo, r.fase, r.deslizamientos};
}

// The eye of a code from random bits through the line. Its measures are
// those the cable and the transformer leave: the noise, drawn over them,
// would close any eye made of enough bits, although the receiver's filter
// averages most of it away.
void PanelLinea::mostrarOjo(Codigo c, const codigos::EstadoInicial& inicio)
{
    std::mt19937_64 azarBits(kSemillaOjo);
    const std::vector<Paso> enviada = codigos::codificar(c, linea::bitsAlAzar(kBitsOjo, azarBits), inicio);
    linea::AjustesLinea sinRuido = ajustes();
    const bool conRuido = sinRuido.ebn0Db.has_value();
    sinRuido.ebn0Db.reset();
    std::mt19937_64 azar(kSemillaRuido);
    const linea::Ojo ojo = linea::medirOjo(c, enviada, linea::transmitir(c, enviada, sinRuido, azar));
    ojo_->ponerOjo(c, llegada(c, enviada));
    medidasOjo->setText(textoOjo(ojo, conRuido));
}

void PanelLinea::cambiarIdioma()
{
    comoSuCaja(ojo_, "graficoOjo", cajaOjo_);
    comoSuCaja(graficoBer_, "graficoBer", cajaBer_);
    mostrarTasa();
}

// The plot follows the chosen codes; the buttons and the bar, the run.
void PanelLinea::mostrarTasa()
{
    const linea::AjustesLinea a = ajustes();
    const bool teoriaValida = a.perdidaDb == 0 && a.acoplamiento == 0;
    std::vector<SerieBer> series;
    for (Codigo c : elegidos_()) {
        const auto it = medidor_->puntos().find(c);
        series.push_back({c, it != medidor_->puntos().end() ? it->second : std::vector<PuntoBer>{},
                          teoriaValida && linea::berTeorica(c, 0).has_value()});
    }
    graficoBer_->ponerSeries(std::move(series));
    progresoBer->setRange(0, std::max(1, medidor_->total()));
    progresoBer->setValue(medidor_->hechos());
    medirBer->setEnabled(!medidor_->midiendo());
    cancelarBer->setEnabled(medidor_->midiendo());
}

void PanelLinea::ponerZoom(double zoom)
{
    ojo_->setGeometry(cajaOjo_->contentsRect());
    ojo_->ponerZoom(zoom);
    graficoBer_->setGeometry(cajaBer_->contentsRect());
    graficoBer_->ponerZoom(zoom);
}

// A new cable, transformer or noise: the error rates measured through the
// old line are dropped, and the theory's curves hold only with no cable
// nor transformer.
void PanelLinea::cambiarLinea()
{
    valorPerdida->setText(QStringLiteral("%1 dB").arg(perdida->value()));
    medidor_->olvidar();
    mostrarTasa();
    emit lineaCambiada();
}

} // namespace laboratorio
