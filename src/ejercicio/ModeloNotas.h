// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marks of the class's last exam, as the teacher's view shows them:
// each student's answered questions, right answers and mark, and per code
// asked "right / answered".

#include "ejercicio/NotasExamen.h"

#include <QAbstractTableModel>

#include <optional>

namespace ejercicio {

class ModeloNotas : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnaNota = 3;
    static constexpr int kColumnasFijas = 4;

    using QAbstractTableModel::QAbstractTableModel;

    void ponerNotas(const almacen::Examen& examen, std::vector<NotaExamen> notas);
    void quitarNotas();
    const std::optional<almacen::Examen>& examen() const { return examen_; }
    const std::vector<NotaExamen>& notas() const { return notas_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void cambiarIdioma();

private:
    std::optional<almacen::Examen> examen_;
    std::vector<NotaExamen> notas_;
};

} // namespace ejercicio
