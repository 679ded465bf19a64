// SPDX-License-Identifier: GPL-3.0-or-later
#include "laboratorio/ModeloPasos.h"

#include <QFontMetrics>
#include <QSet>

#include "codigos/CodigosLinea.h"

#include <QColor>

namespace laboratorio {

namespace {

enum Columna { Bit, Simbolo, Nivel1, Nivel2, Motivo, kColumnas };

const QColor kResaltado(255, 232, 150);
const QColor kErroneo(255, 190, 190);

} // namespace

void ModeloPasos::ponerPasos(codigos::Codigo codigo, const std::string& bits, std::vector<codigos::Paso> pasos,
                             std::map<int, QString> avisos)
{
    beginResetModel();
    codigo_ = codigo;
    bits_ = bits;
    pasos_ = std::move(pasos);
    avisos_ = std::move(avisos);
    endResetModel();
}

int ModeloPasos::rowCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : int(pasos_.size()); }

int ModeloPasos::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : kColumnas; }

bool ModeloPasos::resaltado(int fila) const
{
    const auto& p = pasos_[std::size_t(fila)];
    return p.sustituido || p.marca == 'B' || p.marca == 'V';
}

QVariant ModeloPasos::data(const QModelIndex& index, int rol) const
{
    if (!index.isValid()) return {};
    const auto fila = std::size_t(index.row());
    const auto& p = pasos_[fila];
    const auto aviso = avisos_.find(index.row());
    if (rol == Qt::BackgroundRole) {
        if (aviso != avisos_.end()) return kErroneo;
        return resaltado(index.row()) ? QVariant(kResaltado) : QVariant();
    }
    if (rol == Qt::TextAlignmentRole && index.column() != Motivo) return int(Qt::AlignCenter);
    if (rol == Qt::ToolTipRole && index.column() == Motivo) return data(index, Qt::DisplayRole);
    if (rol != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Bit: return QString(QLatin1Char(bits_[fila]));
    case Simbolo: return QString::fromStdString(codigos::simboloPaso(codigo_, p));
    case Nivel1: return p.nivel1;
    case Nivel2: return p.nivel2;
    case Motivo: {
        const QString razon = QString::fromStdString(codigos::razonPaso(codigo_, pasos_, fila));
        if (aviso == avisos_.end()) return razon;
        return razon.isEmpty() ? aviso->second : aviso->second + QStringLiteral("; ") + razon;
    }
    default: return {};
    }
}

int ModeloPasos::anchoMotivos(const QFontMetrics& letra) const
{
    QSet<QString> distintos;
    for (int fila = 0; fila < rowCount(); ++fila)
        distintos.insert(data(index(fila, Motivo), Qt::DisplayRole).toString());
    int ancho = letra.horizontalAdvance(headerData(Motivo, Qt::Horizontal, Qt::DisplayRole).toString());
    for (const QString& motivo : distintos) ancho = qMax(ancho, letra.horizontalAdvance(motivo));
    return ancho;
}

QVariant ModeloPasos::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (rol != Qt::DisplayRole) return {};
    if (orientacion == Qt::Vertical) return seccion + 1;
    static const char* const kTitulos[kColumnas] = {QT_TR_NOOP("Bit"), QT_TR_NOOP("Símbolo"), QT_TR_NOOP("Nivel 1"),
                                                    QT_TR_NOOP("Nivel 2"), QT_TR_NOOP("Motivo")};
    return tr(kTitulos[seccion]);
}

} // namespace laboratorio
