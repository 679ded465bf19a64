// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/Detalles.h"

#include "exercise/DetallesForm.h"
#include "exercise/Ejerc.h"
#include "exercise/ModeloClase.h"
#include "formatos/ArchivoEntero.h"
#include "forms/Avisos.h"

#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>

using ejercicio::ModeloClase;

namespace {

const QColor kColorBarra(40, 110, 200);
constexpr qint64 kMaximoHistorial = 256 * 1024 * 1024;

// The percentage column of the counts drawn as a bar, so that the chart
// sorts and scrolls with the table.
class DelegadoBarra : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcion, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(p, opcion, index);
        const double porcentaje = qBound(0.0, index.data(ModeloClase::kRolValor).toDouble(), 100.0);
        QRect barra = opcion.rect.adjusted(2, 3, -2, -3);
        barra.setWidth(qRound(barra.width() * porcentaje / 100));
        p->fillRect(barra, kColorBarra);
    }
};

QTableView* tablaPara(QTableView* vista, ModeloClase* modelo)
{
    auto* orden = new QSortFilterProxyModel(vista);
    orden->setSortRole(ModeloClase::kRolValor);
    orden->setSourceModel(modelo);
    vista->setModel(orden);
    vista->sortByColumn(0, Qt::AscendingOrder);
    // The names as wide as they need; the numbers share the rest.
    vista->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    return vista;
}

QString mensajeError(const QString& que, const QString& ruta, const QString& error)
{
    return QStringLiteral("No se pudo guardar %1 en «%2»: %3.").arg(que, QDir::toNativeSeparators(ruta), error);
}

} // namespace

Detalles::Detalles(Ejerc& ejercicios)
    : Formulario(detallesForm()), ejercicios_(ejercicios), cuentas_(new ModeloClase(ModeloClase::Vista::Cuentas, this)),
      porCodigo_(new ModeloClase(ModeloClase::Vista::PorCodigo, this))
{
    const auto& c = ctl();
    tabla = tablaPara(c.get<QTableView>("tabla"), cuentas_);
    tabla->setItemDelegateForColumn(ModeloClase::kColumnaBarra, new DelegadoBarra(tabla));
    tablaPara(c.get<QTableView>("codigos"), porCodigo_);
    connect(c.get<QPushButton>("exportar"), &QPushButton::clicked, this, &Detalles::exportar_Click);
    connect(c.get<QPushButton>("imprimir"), &QPushButton::clicked, this, &Detalles::imprimir_Click);
    connect(c.get<QPushButton>("borrar"), &QPushButton::clicked, this, &Detalles::borrar_Click);
    actualizar();
}

void Detalles::actualizar()
{
    const auto historial = formatos::leerEntero(ejercicios_.rutaHistorial(), kMaximoHistorial);
    // An empty per-code table would look like a class that never answered.
    if (!historial.error.isEmpty()) {
        forms::Avisos::actual().mensaje(
            this,
            QStringLiteral("No se pudo leer «%1»: %2. No se muestran las respuestas por código.")
                .arg(QDir::toNativeSeparators(ejercicios_.rutaHistorial()), historial.error),
            forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Aviso);
    }
    auto filas = ejercicio::filasClase(Ejerc::tabla(), historial.contenido);
    porCodigo_->ponerFilas(filas);
    cuentas_->ponerFilas(std::move(filas));
}

int Detalles::filaElegida() const
{
    const QModelIndexList elegidas = tabla->selectionModel()->selectedRows();
    if (elegidas.isEmpty()) return -1;
    return static_cast<const QSortFilterProxyModel*>(tabla->model())->mapToSource(elegidas.first()).row();
}

void Detalles::exportar_Click()
{
    guardarComo(QStringLiteral("Exportar la clase"), QStringLiteral("clase.csv"),
                QStringLiteral("Hoja de cálculo CSV (*.csv)"), QStringLiteral("la tabla"), [this](const QString& ruta) {
                    return formatos::escribirEntero(ruta, ejercicio::csvClase(cuentas_->filas()));
                });
}

void Detalles::imprimir_Click()
{
    guardarComo(QStringLiteral("Informe de la clase"), QStringLiteral("clase.pdf"),
                QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("el informe"),
                [this](const QString& ruta) { return informeClase(cuentas_->filas(), ruta); });
}

// Asks where, writes there, and says why if it could not.
void Detalles::guardarComo(const QString& titulo, const QString& nombre, const QString& filtro, const QString& que,
                           const std::function<QString(const QString&)>& escribir)
{
    auto& avisos = forms::Avisos::actual();
    const QString ruta = avisos.ficheroParaGuardar(this, titulo, QDir::current().filePath(nombre), filtro);
    if (ruta.isEmpty()) return;
    if (const QString error = escribir(ruta); !error.isEmpty())
        avisos.mensaje(this, mensajeError(que, ruta, error), forms::Avisos::Botones::Aceptar,
                       forms::Avisos::Icono::Critico);
}

void Detalles::borrar_Click()
{
    auto& avisos = forms::Avisos::actual();
    const int fila = filaElegida();
    if (fila < 0) {
        avisos.mensaje(this, QStringLiteral("Elige en la tabla el alumno que quieres borrar."),
                       forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Aviso);
        return;
    }
    const auto respuesta = avisos.mensaje(
        this,
        QStringLiteral("¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.")
            .arg(cuentas_->filas()[size_t(fila)].nombre),
        forms::Avisos::Botones::SiNo, forms::Avisos::Icono::Aviso);
    if (respuesta != forms::Avisos::Respuesta::Si) return;
    if (const QString error = ejercicios_.borrarAlumno(cuentas_->filas()[size_t(fila)].nombre, fila); !error.isEmpty())
        avisos.mensaje(this, QStringLiteral("No se pudo borrar a «%1» de «%2»: %3.")
                                 .arg(cuentas_->filas()[size_t(fila)].nombre,
                                      QDir::toNativeSeparators(ejercicios_.rutaPuntos()), error),
                       forms::Avisos::Botones::Aceptar, forms::Avisos::Icono::Critico);
    actualizar();
}

QString informeClase(const std::vector<ejercicio::FilaClase>& filas, const QString& ruta)
{
    return formatos::escribirEntero(ruta, [&filas](QIODevice& destino) {
        QPdfWriter pdf(&destino);
        pdf.setTitle(QStringLiteral("Estadísticas de la clase"));
        pdf.setCreator(QStringLiteral("Tramavox"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(72); // one unit a point
        QPainter p;
        if (!p.begin(&pdf)) return false;
        const int ancho = pdf.width(), alto = pdf.height(), fila = 14;
        const int columnas[] = {0, 220, 270, 330, 390, 430}; // name, total, right, wrong, %, bar
        const auto cabecera = [&](int y) {
            QFont f = p.font();
            f.setPointSize(16);
            f.setBold(true);
            p.setFont(f);
            p.drawText(0, y + 18, QStringLiteral("Estadísticas de la clase"));
            f.setPointSize(9);
            f.setBold(false);
            p.setFont(f);
            p.drawText(0, y + 36, QLocale(QLocale::Spanish).toString(QDate::currentDate(), QLocale::LongFormat));
            const QStringList titulos{"Alumno", "Total", "Aciertos", "Errores", "%"};
            for (int i = 0; i < titulos.size(); ++i) p.drawText(columnas[i], y + 60, titulos[i]);
            return y + 60 + fila;
        };
        int y = cabecera(0);
        for (const ejercicio::FilaClase& f : filas) {
            if (y + fila > alto) {
                pdf.newPage();
                y = cabecera(0);
            }
            const QStringList textos{f.nombre, QString::number(f.total), QString::number(f.bien),
                                     QString::number(f.mal()), ejercicio::textoPorcentajeClase(f.porcentaje())};
            for (int i = 0; i < textos.size(); ++i) p.drawText(columnas[i], y, textos[i]);
            const double porcentaje = qBound(0.0, f.porcentaje(), 100.0);
            p.fillRect(QRectF(columnas[5], y - 9, (ancho - columnas[5]) * porcentaje / 100, 9), kColorBarra);
            y += fila;
        }
        return p.end();
    });
}
