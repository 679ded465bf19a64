// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step table of the code in focus: one row per input bit with its
// symbol, the level in each half of the slot and, for B and V slots and
// substituted runs (highlighted), why the code wrote them. Rows where an
// error was injected or the receiver finds a violation stand out in
// another color and say so.

#include "codigos/CodigosLinea.h"

#include <QAbstractTableModel>
#include <QFontMetrics>

#include <map>

namespace laboratorio {

class ModeloPasos : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `avisos`: by row, what went wrong there ("error de línea en la
    // primera mitad", "violación bipolar no esperada").
    void ponerPasos(codigos::Codigo codigo, const std::string& bits, std::vector<codigos::Paso> pasos,
                    std::map<int, QString> avisos = {});

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    // The titles in the new language.
    void cambiarIdioma() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }
    // The width the widest reason needs in `letra`: the reasons are few
    // sentences repeated, each measured once.
    int anchoMotivos(const QFontMetrics& letra) const;

private:
    bool resaltado(int fila) const;

    codigos::Codigo codigo_ = codigos::Codigo::Hdb3;
    std::string bits_;
    std::vector<codigos::Paso> pasos_;
    std::map<int, QString> avisos_;
};

} // namespace laboratorio
