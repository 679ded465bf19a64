// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Accesibilidad.h"

#include "formularios/AreaDibujo.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QSet>

namespace formularios {

namespace {

QSet<QString>& clasesDeDibujo()
{
    static QSet<QString> clases;
    return clases;
}

class ListaConNombre : public QAccessibleWidget {
public:
    explicit ListaConNombre(QComboBox* lista) : QAccessibleWidget(lista, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* lista = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Value || (t == QAccessible::Name && lista->accessibleName().isEmpty()))
            return lista->currentText();
        return QAccessibleWidget::text(t);
    }
};

// Asked for each class of the object, most derived first, as Qt first
// meets it (often while it is being built: its name may not be set yet).
QAccessibleInterface* fabrica(const QString& clase, QObject* objeto)
{
    if (!objeto->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(objeto);
    if (clasesDeDibujo().contains(clase)) return new QAccessibleWidget(w, QAccessible::Graphic);
    if (auto* lista = qobject_cast<QComboBox*>(w)) return new ListaConNombre(lista);
    return nullptr;
}

} // namespace

void instalarAccesibilidad()
{
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    sonDibujos(AreaDibujo::staticMetaObject);
    QAccessible::installFactory(fabrica);
}

void sonDibujos(const QMetaObject& clase) { clasesDeDibujo().insert(QString::fromLatin1(clase.className())); }

} // namespace formularios
