// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/MedidorTasa.h"

namespace laboratorio {

namespace {
constexpr std::uint64_t kSemilla = 20261207; // the same points for the same line, run after run
constexpr double kEbn0Maximo = 12, kPasoEbn0 = 2;
} // namespace

std::vector<double> MedidorTasa::valoresEbn0()
{
    std::vector<double> r;
    for (double v = 0; v <= kEbn0Maximo; v += kPasoEbn0) r.push_back(v);
    return r;
}

MedidorTasa::MedidorTasa(QObject* parent) : QObject(parent)
{
    turno_.setSingleShot(true);
    turno_.setInterval(0);
    connect(&turno_, &QTimer::timeout, this, &MedidorTasa::medirSiguiente);
}

void MedidorTasa::medir(const std::vector<codigos::Codigo>& codigos, const linea::AjustesLinea& ajustes)
{
    pedidos_.clear();
    puntos_.clear();
    for (codigos::Codigo c : codigos)
        for (double ebn0 : valoresEbn0()) pedidos_.emplace_back(c, ebn0);
    siguiente_ = 0;
    ajustes_ = ajustes;
    emit cambiado();
    if (midiendo()) turno_.start();
}

void MedidorTasa::cancelar()
{
    if (!midiendo()) return;
    pedidos_.resize(std::size_t(siguiente_));
    turno_.stop();
    emit cambiado();
}

void MedidorTasa::olvidar()
{
    if (pedidos_.empty() && puntos_.empty()) return;
    pedidos_.clear();
    puntos_.clear();
    siguiente_ = 0;
    turno_.stop();
    emit cambiado();
}

void MedidorTasa::medirSiguiente()
{
    if (!midiendo()) return;
    const auto [codigo, ebn0] = pedidos_[std::size_t(siguiente_)];
    linea::AjustesLinea ajustes = ajustes_;
    ajustes.ebn0Db = ebn0;
    puntos_[codigo].push_back(
        {ebn0, linea::medirBer(codigo, ajustes, kBitsPorPunto, kSemilla + std::uint64_t(siguiente_))});
    ++siguiente_;
    emit cambiado();
    if (midiendo()) turno_.start();
}

} // namespace laboratorio
