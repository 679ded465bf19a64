// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of controls (a window's buttons) that wraps onto as many rows as
// the width asks: a wordier language or a larger zoom makes more rows, never
// a window wider than its screen nor a button cut.

#include <QLayout>
#include <QList>

namespace formularios {

class DisposicionFluida : public QLayout {
public:
    explicit DisposicionFluida(QWidget* padre = nullptr);
    ~DisposicionFluida() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int i) const override { return items_.value(i); }
    QLayoutItem* takeAt(int i) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int ancho) const override { return colocar(QRect(0, 0, ancho, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& r) override;

private:
    // Places the items in `r` (or only measures, when `mover` is false) and
    // gives the height they take.
    int colocar(const QRect& r, bool mover) const;
    int hueco() const;

    QList<QLayoutItem*> items_;
};

} // namespace formularios
