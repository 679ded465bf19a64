// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's list of what the class's students did besides answering:
// every reset of counts, deletion of a student and solution shown, when,
// by whom and at which desk, newest first.

#include "ejercicio/Clase.h"

#include <QAbstractTableModel>

namespace ejercicio {

class ModeloSucesos : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // In the order they happened, as sucesosClase gives them.
    void ponerSucesos(std::vector<SucesoClase> sucesos);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void cambiarIdioma();

private:
    std::vector<SucesoClase> sucesos_; // newest first
};

} // namespace ejercicio
