// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/CabeceraAgrupada.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace ejercicio {

namespace {
// Room around a head's text, besides the style's own margin.
constexpr int kHolgura = 8;
} // namespace

CabeceraAgrupada::CabeceraAgrupada(QWidget* padre) : QHeaderView(Qt::Horizontal, padre)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

QString CabeceraAgrupada::grupo(int columna) const
{
    return model() ? model()->headerData(columna, Qt::Horizontal, kRolGrupo).toString() : QString();
}

QString CabeceraAgrupada::apartado(int columna) const
{
    return model() ? model()->headerData(columna, Qt::Horizontal, kRolApartado).toString() : QString();
}

std::pair<int, int> CabeceraAgrupada::grupoDe(int columna) const
{
    const QString g = grupo(columna);
    int primera = columna, ultima = columna;
    if (g.isEmpty()) return {primera, ultima};
    while (primera > 0 && grupo(primera - 1) == g) --primera;
    while (ultima + 1 < count() && grupo(ultima + 1) == g) ++ultima;
    return {primera, ultima};
}

int CabeceraAgrupada::anchoDeTexto(const QString& texto) const
{
    const int margen = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return fontMetrics().horizontalAdvance(texto) + 2 * margen + kHolgura;
}

int CabeceraAgrupada::anchoNecesario(int columna) const
{
    const QString g = grupo(columna);
    if (g.isEmpty()) {
        // Room for the sort arrow too.
        const int flecha = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this);
        return anchoDeTexto(model()->headerData(columna, Qt::Horizontal).toString()) + flecha;
    }
    const auto [primera, ultima] = grupoDe(columna);
    const int parte = (anchoDeTexto(g) + (ultima - primera)) / (ultima - primera + 1);
    return qMax(anchoDeTexto(apartado(columna)), parte);
}

QSize CabeceraAgrupada::sectionSizeFromContents(int columna) const
{
    // Qt measures the whole display text; a grouped column needs only its
    // own head and its share of the group's title.
    const QSize una = QHeaderView::sectionSizeFromContents(columna);
    const int ancho = grupo(columna).isEmpty() ? qMax(una.width(), anchoNecesario(columna)) : anchoNecesario(columna);
    return {ancho, 2 * una.height()};
}

void CabeceraAgrupada::paintSection(QPainter* pintor, const QRect& rect, int columna) const
{
    const QString g = grupo(columna);
    if (g.isEmpty()) return QHeaderView::paintSection(pintor, rect, columna);
    const int mitad = rect.height() / 2;
    QStyleOptionHeader abajo;
    initStyleOptionForIndex(&abajo, columna);
    abajo.rect = rect.adjusted(0, mitad, 0, 0);
    abajo.text = apartado(columna);
    abajo.textAlignment = Qt::AlignCenter;
    pintor->save();
    style()->drawControl(QStyle::CE_Header, &abajo, pintor, this);
    // The group's title across all its columns; each of them draws it
    // whole, so it stands however the view scrolls or repaints.
    const auto [primera, ultima] = grupoDe(columna);
    const int x0 = sectionViewportPosition(primera);
    const int x1 = sectionViewportPosition(ultima) + sectionSize(ultima);
    QStyleOptionHeader arriba;
    initStyleOption(&arriba);
    arriba.rect = QRect(x0, rect.top(), x1 - x0, mitad);
    arriba.text = g;
    arriba.textAlignment = Qt::AlignCenter;
    arriba.section = columna;
    arriba.sortIndicator = QStyleOptionHeader::None;
    pintor->setClipRect(rect.adjusted(0, 0, 0, mitad - rect.height()));
    style()->drawControl(QStyle::CE_Header, &arriba, pintor, this);
    pintor->restore();
}

} // namespace ejercicio
