// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/ModeloSucesos.h"

#include <algorithm>
#include <iterator>

namespace ejercicio {

namespace {

const char* const kCabeceras[] = {
    QT_TRANSLATE_NOOP("ejercicio::ModeloSucesos", "Fecha"), QT_TRANSLATE_NOOP("ejercicio::ModeloSucesos", "Alumno"),
    QT_TRANSLATE_NOOP("ejercicio::ModeloSucesos", "Puesto"), QT_TRANSLATE_NOOP("ejercicio::ModeloSucesos", "Suceso"),
    QT_TRANSLATE_NOOP("ejercicio::ModeloSucesos", "Detalle")};

} // namespace

void ModeloSucesos::ponerSucesos(std::vector<SucesoClase> sucesos)
{
    beginResetModel();
    sucesos_ = std::move(sucesos);
    // The teacher looks for what happened last.
    std::reverse(sucesos_.begin(), sucesos_.end());
    endResetModel();
}

int ModeloSucesos::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(sucesos_.size()); }

int ModeloSucesos::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::size(kCabeceras));
}

QVariant ModeloSucesos::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= sucesos_.size() || role != Qt::DisplayRole) return {};
    const SucesoClase& s = sucesos_[size_t(index.row())];
    switch (index.column()) {
    case 0: return s.cuando.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 1: return s.alumno.isEmpty() ? tr("(sin elegir)") : s.alumno;
    case 2: return s.puesto;
    case 3: return s.texto();
    default: return s.detalle();
    }
}

QVariant ModeloSucesos::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= int(std::size(kCabeceras)))
        return {};
    return tr(kCabeceras[section]);
}

void ModeloSucesos::cambiarIdioma()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!sucesos_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace ejercicio
