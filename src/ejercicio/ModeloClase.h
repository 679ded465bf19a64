// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class's rows for the teacher's tables: either each student's counts
// and percentage (with a column the view draws as a bar), or the right and
// wrong answers per code. Sorting by a column sorts by its number.

#include "ejercicio/Clase.h"

#include <QAbstractTableModel>
#include <QDateTime>

namespace ejercicio {

class ModeloClase : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Vista { Cuentas, PorCodigo };
    // The column of the percentage bar in the counts view.
    static constexpr int kColumnaBarra = 5;
    // Then the solutions each student was shown.
    static constexpr int kColumnaSoluciones = 6;
    // And their last answer: when, in which code, how, and whether it is now.
    static constexpr int kColumnaUltima = 7;
    // The role that gives a cell's value as a number (for sorting and bars).
    static constexpr int kRolValor = Qt::UserRole;

    explicit ModeloClase(Vista vista, QObject* parent = nullptr);

    // `codigos`: the codes of the per-code columns, as filasClase gave them.
    void ponerFilas(std::vector<FilaClase> filas, std::vector<CodigoClase> codigos = {},
                    const QDateTime& ahora = QDateTime::currentDateTimeUtc());
    const std::vector<FilaClase>& filas() const { return filas_; }
    // The rows as they are at `ahora`: who is answering now changes with the
    // clock, even when no answer comes.
    void ponerAhora(const QDateTime& ahora);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The headers in the new language.
    void cambiarIdioma() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant valor(const FilaClase& f, int columna) const;
    QString ultima(const FilaClase& f) const;

    Vista vista_;
    std::vector<FilaClase> filas_;
    std::vector<CodigoClase> codigos_;
    QDateTime ahora_; // when the rows were read
};

} // namespace ejercicio
