// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/ModeloClase.h"

#include "ejercicio/CabeceraAgrupada.h"

#include <iterator>

namespace ejercicio {

namespace {

const char* const kCabecerasCuentas[] = {QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Alumno"),
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Total"),
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Aciertos"),
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Errores"),
                                         "%",
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Gráfico"),
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Soluciones vistas"),
                                         QT_TRANSLATE_NOOP("ejercicio::ModeloClase", "Última respuesta")};

// A student whose last answer is this recent is at work now.
constexpr qint64 kAhoraMs = 2 * 60 * 1000;

} // namespace

ModeloClase::ModeloClase(Vista vista, QObject* parent) : QAbstractTableModel(parent), vista_(vista) {}

void ModeloClase::ponerFilas(std::vector<FilaClase> filas, std::vector<CodigoClase> codigos, const QDateTime& ahora)
{
    beginResetModel();
    filas_ = std::move(filas);
    codigos_ = std::move(codigos);
    ahora_ = ahora;
    endResetModel();
}

void ModeloClase::ponerAhora(const QDateTime& ahora)
{
    ahora_ = ahora;
    if (vista_ == Vista::Cuentas && !filas_.empty())
        emit dataChanged(index(0, kColumnaUltima), index(rowCount() - 1, kColumnaUltima));
}

int ModeloClase::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(filas_.size()); }

int ModeloClase::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return vista_ == Vista::Cuentas ? int(std::size(kCabecerasCuentas)) : 1 + 2 * int(codigos_.size());
}

QVariant ModeloClase::valor(const FilaClase& f, int columna) const
{
    if (columna == 0) return f.nombre;
    if (vista_ == Vista::PorCodigo) {
        const auto codigo = size_t((columna - 1) / 2);
        return (columna - 1) % 2 == 0 ? f.bienPorCodigo[codigo] : f.malPorCodigo[codigo];
    }
    switch (columna) {
    case 1: return f.total;
    case 2: return f.bien;
    case 3: return f.mal();
    case kColumnaSoluciones: return f.soluciones;
    case kColumnaUltima: return f.ultima ? f.ultima->cuando.toMSecsSinceEpoch() : 0;
    default: return f.porcentaje(); // the percentage and its bar
    }
}

// "10:02:15 · HDB3 · bien", and "· ahora" while the student is at work.
QString ModeloClase::ultima(const FilaClase& f) const
{
    if (!f.ultima) return {};
    const almacen::RespuestaContada& r = *f.ultima;
    QStringList partes{r.cuando.toLocalTime().toString(QStringLiteral("HH:mm:ss")),
                       CodigoClase{r.codigo, r.modo == QLatin1String("dibujar")}.tituloVisible(),
                       r.correcta ? tr("bien") : tr("mal")};
    if (r.cuando.msecsTo(ahora_) < kAhoraMs) partes << tr("ahora");
    return partes.join(QStringLiteral(" · "));
}

QVariant ModeloClase::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= filas_.size()) return {};
    const FilaClase& f = filas_[size_t(index.row())];
    const int columna = index.column();
    const bool barra = vista_ == Vista::Cuentas && columna == kColumnaBarra;
    switch (role) {
    case kRolValor: return valor(f, columna);
    case Qt::DisplayRole:
        if (barra) return {};
        if (vista_ == Vista::Cuentas && columna == 4) return textoPorcentajeClase(f.porcentaje());
        if (vista_ == Vista::Cuentas && columna == kColumnaUltima) return ultima(f);
        return valor(f, columna).toString();
    case Qt::TextAlignmentRole:
        return columna == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant ModeloClase::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) return {};
    const bool grupo = role == CabeceraAgrupada::kRolGrupo, apartado = role == CabeceraAgrupada::kRolApartado;
    if (role != Qt::DisplayRole && !grupo && !apartado) return {};
    if (vista_ == Vista::Cuentas) {
        if (role != Qt::DisplayRole) return {};
        return section >= 0 && section < int(std::size(kCabecerasCuentas)) ? tr(kCabecerasCuentas[section]) : QString();
    }
    if (section == 0) return role == Qt::DisplayRole ? tr("Alumno") : QString();
    if (section < 1 || section >= columnCount()) return {};
    // Under each code, read or drawn, its right and wrong answers.
    const CodigoClase& c = codigos_[std::size_t((section - 1) / 2)];
    const bool bien = (section - 1) % 2 == 0;
    if (grupo) return c.tituloVisible();
    if (apartado) return bien ? tr("bien") : tr("mal");
    return (bien ? tr("%1 bien") : tr("%1 mal")).arg(c.tituloVisible());
}

} // namespace ejercicio
