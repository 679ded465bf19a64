// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/ModeloNotas.h"

#include "ejercicio/Clase.h"

namespace ejercicio {

void ModeloNotas::ponerNotas(const almacen::Examen& examen, std::vector<NotaExamen> notas)
{
    beginResetModel();
    examen_ = examen;
    notas_ = std::move(notas);
    endResetModel();
}

void ModeloNotas::quitarNotas()
{
    beginResetModel();
    examen_.reset();
    notas_.clear();
    endResetModel();
}

int ModeloNotas::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(notas_.size()); }

int ModeloNotas::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !examen_) return 0;
    return kColumnasFijas + int(examen_->codigos.size());
}

QVariant ModeloNotas::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= notas_.size()) return {};
    const NotaExamen& n = notas_[size_t(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0: return n.alumno;
    case 1: return QStringLiteral("%1 / %2").arg(n.respondidas).arg(examen_->preguntas);
    case 2: return n.aciertos;
    case kColumnaNota: return textoNota(n.nota(*examen_));
    default: break;
    }
    const auto c = size_t(index.column() - kColumnasFijas);
    return QStringLiteral("%1 / %2").arg(n.aciertosPorCodigo[c]).arg(n.respondidasPorCodigo[c]);
}

QVariant ModeloNotas::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !examen_) return {};
    switch (section) {
    case 0: return tr("Alumno");
    case 1: return tr("Respondidas");
    case 2: return tr("Aciertos");
    case kColumnaNota: return tr("Nota");
    default: break;
    }
    // "2 / 3": right answers of those answered in that code.
    return CodigoClase{examen_->codigos[section - kColumnasFijas], false}.tituloVisible();
}

void ModeloNotas::cambiarIdioma()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace ejercicio
