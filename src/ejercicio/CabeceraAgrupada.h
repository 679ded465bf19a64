// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table's column heads on two rows: neighbouring columns that share a
// group (a code, and whether it was read or drawn) show its title once,
// across them, and each its own short head beneath ("bien", "mal"). Every
// column is as wide as its heads and its cells need, so nothing is cut: the
// table scrolls sideways instead.

#include <QHeaderView>

namespace ejercicio {

class CabeceraAgrupada : public QHeaderView {
    Q_OBJECT
public:
    // The model's header data in these roles; a column without a group
    // shows its display text across both rows. The display text stays the
    // whole head ("HDB3 bien"), for screen readers and exports.
    static constexpr int kRolGrupo = Qt::UserRole + 1;
    static constexpr int kRolApartado = Qt::UserRole + 2;

    explicit CabeceraAgrupada(QWidget* padre = nullptr);

    // The columns from `primera` to `ultima` (logical) sharing the group of
    // `columna`.
    std::pair<int, int> grupoDe(int columna) const;
    // How wide a column must be for its heads to show whole.
    int anchoNecesario(int columna) const;

protected:
    void paintSection(QPainter* pintor, const QRect& rect, int columna) const override;
    QSize sectionSizeFromContents(int columna) const override;

private:
    QString grupo(int columna) const;
    QString apartado(int columna) const;
    int anchoDeTexto(const QString& texto) const;
};

} // namespace ejercicio
