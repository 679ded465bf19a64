// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/VistaClase.h"

#include "ejercicio/CabeceraAgrupada.h"
#include "ejercicio/ControlProfesor.h"
#include "ejercicio/DialogoExamen.h"
#include "ejercicio/DisenoVistaClase.h"
#include "ejercicio/InformeClase.h"
#include "ejercicio/ModeloClase.h"
#include "ejercicio/ModeloNotas.h"
#include "ejercicio/ModeloSucesos.h"
#include "formatos/ArchivoEntero.h"
#include "formularios/Avisos.h"
#include "formularios/DisposicionFluida.h"

#include <QCollator>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using ejercicio::ModeloClase;

namespace ejercicio {

namespace {

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
        // On the selected row, in the color of its text, not lost in its highlight.
        const bool elegida = opcion.state & QStyle::State_Selected;
        p->fillRect(barra, elegida ? opcion.palette.color(QPalette::HighlightedText) : ejercicio::kColorBarra);
    }
};

// Names in Spanish order (Álvaro, Ana, Íñigo, Óscar, Zoe), numbers by value.
class OrdenClase : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override
    {
        if (a.column() != 0) return QSortFilterProxyModel::lessThan(a, b);
        return orden_.compare(a.data(ModeloClase::kRolValor).toString(), b.data(ModeloClase::kRolValor).toString()) < 0;
    }

private:
    QCollator orden_{QLocale(QLocale::Spanish, QLocale::Spain)};
};

// The rows in the order the view shows them.
std::vector<ejercicio::FilaClase> filasEnPantalla(const QTableView* vista)
{
    const auto* orden = static_cast<const QSortFilterProxyModel*>(vista->model());
    const auto& filas = static_cast<const ModeloClase*>(orden->sourceModel())->filas();
    std::vector<ejercicio::FilaClase> r;
    for (int i = 0; i < orden->rowCount(); ++i)
        r.push_back(filas[size_t(orden->mapToSource(orden->index(i, 0)).row())]);
    return r;
}

// Every column as wide as its head and its cells, the longest name
// included: the table scrolls sideways rather than cut a number or a head.
void columnasEnteras(QTableView* vista)
{
    QHeaderView* cabecera = vista->horizontalHeader();
    cabecera->setSectionResizeMode(QHeaderView::ResizeToContents);
    cabecera->setStretchLastSection(false);
    vista->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    vista->setWordWrap(false);
    vista->setTextElideMode(Qt::ElideNone);
}

QTableView* tablaPara(QTableView* vista, ModeloClase* modelo, QHeaderView* cabecera = nullptr)
{
    if (cabecera) vista->setHorizontalHeader(cabecera);
    auto* orden = new OrdenClase(vista);
    orden->setSortRole(ModeloClase::kRolValor);
    orden->setSourceModel(modelo);
    vista->setModel(orden);
    vista->setSortingEnabled(true);
    vista->sortByColumn(0, Qt::AscendingOrder);
    columnasEnteras(vista);
    return vista;
}

QString mensajeError(const QString& que, const QString& ruta, const QString& error)
{
    return VistaClase::tr("No se pudo guardar %1 en «%2»: %3.").arg(que, QDir::toNativeSeparators(ruta), error);
}

} // namespace

VistaClase::VistaClase(almacen::DatosClase& datos)
    : Formulario(disenoVistaClase()), datos_(datos), cuentas_(new ModeloClase(ModeloClase::Vista::Cuentas, this)),
      porCodigo_(new ModeloClase(ModeloClase::Vista::PorCodigo, this)), sucesos_(new ModeloSucesos(this)),
      notas_(new ModeloNotas(this))
{
    const auto& c = controles();
    tabla = tablaPara(c.buscar<QTableView>("tabla"), cuentas_);
    tabla->setItemDelegateForColumn(ModeloClase::kColumnaBarra, new DelegadoBarra(tabla));
    // The bar takes what the numbers leave, and is never too short to read.
    tabla->horizontalHeader()->setSectionResizeMode(ModeloClase::kColumnaBarra, QHeaderView::Stretch);
    codigos = tablaPara(c.buscar<QTableView>("codigos"), porCodigo_, new CabeceraAgrupada);
    for (const char* nombre : {"sucesos", "notas"}) {
        auto* vista = c.buscar<QTableView>(nombre);
        columnasEnteras(vista);
        vista->horizontalHeader()->setStretchLastSection(true);
    }
    c.buscar<QTableView>("sucesos")->setModel(sucesos_);
    c.buscar<QTableView>("notas")->setModel(notas_);
    disponer();
    connect(c.buscar<QPushButton>("exportar"), &QPushButton::clicked, this, &VistaClase::exportarCsv);
    connect(c.buscar<QPushButton>("empezarExamen"), &QPushButton::clicked, this, &VistaClase::empezarExamen);
    connect(c.buscar<QPushButton>("terminarExamen"), &QPushButton::clicked, this, &VistaClase::terminarExamen);
    connect(c.buscar<QPushButton>("exportarNotas"), &QPushButton::clicked, this, &VistaClase::exportarNotas);
    connect(c.buscar<QPushButton>("imprimir"), &QPushButton::clicked, this, &VistaClase::imprimirInforme);
    connect(c.buscar<QPushButton>("borrar"), &QPushButton::clicked, this, &VistaClase::borrarAlumno);
    connect(c.buscar<QPushButton>("profesor"), &QPushButton::clicked, this,
            [this] { ponerContrasenaProfesor(this, datos_.rutaPuntos()); });
    seguirLaClase();
    actualizar();
}

// The tables one above the other, sharing the height by how much each
// usually holds; the buttons beneath, on as many rows as they need.
void VistaClase::disponer()
{
    const auto& c = controles();
    auto* columna = new QVBoxLayout(cliente());
    const std::pair<const char*, int> filas[] = {{"tabla", 3}, {"desde", 0},         {"codigos", 3}, {"tituloNotas", 0},
                                                 {"notas", 2}, {"tituloSucesos", 0}, {"sucesos", 1}};
    for (const auto& [nombre, estira] : filas) {
        QWidget* w = c.buscar<QWidget>(nombre);
        if (auto* rotulo = qobject_cast<QLabel*>(w)) rotulo->setWordWrap(true);
        columna->addWidget(w, estira);
    }
    auto* botones = new formularios::DisposicionFluida;
    for (const char* nombre :
         {"exportar", "imprimir", "profesor", "borrar", "empezarExamen", "terminarExamen", "exportarNotas"})
        botones->addWidget(c.buscar<QPushButton>(nombre));
    columna->addLayout(botones);
}

// The view follows the class while it is open: at once where the folder
// tells of a change, and every few seconds, since network shares do not.
void VistaClase::seguirLaClase()
{
    auto* reloj = new QTimer(this);
    reloj->setInterval(kRefrescoMs);
    connect(reloj, &QTimer::timeout, this, &VistaClase::refrescar);
    reloj->start();
    // A burst of changes (a desk's answer and its summary) is read once.
    auto* espera = new QTimer(this);
    espera->setSingleShot(true);
    espera->setInterval(kEsperaCambioMs);
    connect(espera, &QTimer::timeout, this, &VistaClase::refrescar);
    auto* vigia = new QFileSystemWatcher(this);
    vigia->addPath(QFileInfo(datos_.rutaPuntos()).absolutePath() + QStringLiteral("/.tramavox"));
    connect(vigia, &QFileSystemWatcher::directoryChanged, espera, qOverload<>(&QTimer::start));
}

void VistaClase::refrescar()
{
    // Read off the window's thread; the rows follow when it is taken.
    datos_.releerAparte([vista = QPointer<VistaClase>(this)](bool cambio) {
        if (vista) vista->trasReleer(cambio);
    });
}

void VistaClase::trasReleer(bool cambio)
{
    if (!cambio) { // the rows are as the class is, but time goes on
        cuentas_->ponerAhora(QDateTime::currentDateTimeUtc());
        mostrarExamen();
        return;
    }
    // The chosen student stays chosen, by name, wherever their row goes.
    const int fila = filaElegida();
    const QString elegido = fila >= 0 ? cuentas_->filas()[size_t(fila)].nombre : QString();
    actualizar();
    if (elegido.isEmpty()) return;
    const auto& filas = cuentas_->filas();
    for (size_t i = 0; i < filas.size(); ++i)
        if (filas[i].nombre == elegido) {
            const auto* orden = static_cast<const QSortFilterProxyModel*>(tabla->model());
            tabla->selectRow(orden->mapFromSource(cuentas_->index(int(i), 0)).row());
            break;
        }
}

// Older students may have answered before the log was kept.
void VistaClase::mostrarDesde()
{
    controles().buscar<QLabel>("desde")->setText(
        desde_.isEmpty() ? tr("Respuestas por código: aún no hay ninguna anotada.")
                         : tr("Respuestas por código desde el %1, la primera anotada en el historial:").arg(desde_));
}

// The last exam, how it stands, and what the teacher may do with it.
void VistaClase::mostrarExamen()
{
    const auto& examen = notas_->examen();
    const QDateTime ahora = QDateTime::currentDateTimeUtc();
    const bool enCurso = examen && examen->enCurso(ahora);
    controles()
        .buscar<QLabel>("tituloNotas")
        ->setText(examen ? resumenExamen(*examen, ahora) : tr("Aún no ha habido ningún examen."));
    controles().buscar<QPushButton>("empezarExamen")->setEnabled(!enCurso);
    controles().buscar<QPushButton>("terminarExamen")->setEnabled(enCurso);
    controles().buscar<QPushButton>("exportarNotas")->setEnabled(examen.has_value());
}

void VistaClase::empezarExamen()
{
    auto& avisos = formularios::Avisos::actual();
    if (!permiteElProfesor(this, datos_.rutaPuntos(), tr("empezar un examen"))) return;
    DialogoExamen dialogo(this);
    if (dialogo.exec() != QDialog::Accepted) return;
    if (const QString error = datos_.empezarExamen(dialogo.examen()); !error.isEmpty())
        avisos.mensaje(
            this,
            tr("No se pudo empezar el examen en «%1»: %2.").arg(QDir::toNativeSeparators(datos_.rutaPuntos()), error),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
    actualizar();
}

void VistaClase::terminarExamen()
{
    auto& avisos = formularios::Avisos::actual();
    const auto& examen = notas_->examen();
    if (!examen || !examen->enCurso(QDateTime::currentDateTimeUtc())) return;
    const auto respuesta = avisos.mensaje(
        this,
        tr("¿Terminar el examen «%1» en todos los puestos? Las preguntas sin responder cuentan como falladas.")
            .arg(examen->nombre),
        formularios::Avisos::Botones::SiNo, formularios::Avisos::Icono::Aviso);
    if (respuesta != formularios::Avisos::Respuesta::Si) return;
    if (!permiteElProfesor(this, datos_.rutaPuntos(), tr("terminar el examen"))) return;
    if (const QString error = datos_.terminarExamen(examen->id); !error.isEmpty())
        avisos.mensaje(
            this,
            tr("No se pudo terminar el examen en «%1»: %2.").arg(QDir::toNativeSeparators(datos_.rutaPuntos()), error),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
    actualizar();
}

void VistaClase::exportarNotas()
{
    if (!notas_->examen()) return;
    guardarComo(tr("Notas del examen"), QStringLiteral("notas.csv"), tr("Hoja de cálculo CSV (*.csv)"), tr("las notas"),
                [this](const QString& ruta) {
                    return formatos::escribirEntero(ruta, csvNotas(*notas_->examen(), notas_->notas()));
                });
}

void VistaClase::alCambiarIdioma()
{
    mostrarDesde();
    mostrarExamen();
    notas_->cambiarIdioma();
    cuentas_->cambiarIdioma();
    porCodigo_->cambiarIdioma();
    sucesos_->cambiarIdioma();
}

void VistaClase::actualizar()
{
    const almacen::RespuestasClase respuestas = datos_.respuestas();
    porAlumno_.anotar(respuestas);
    auto filas = porAlumno_.filas(datos_.alumnos(), &codigos_, &desde_);
    sucesos_->ponerSucesos(sucesosClase(respuestas));
    const QVector<almacen::Examen> examenes = datos_.examenes();
    if (examenes.isEmpty())
        notas_->quitarNotas();
    else
        notas_->ponerNotas(examenes.last(), notasExamen(examenes.last(), respuestas));
    mostrarExamen();
    mostrarDesde();
    porCodigo_->ponerFilas(filas, codigos_);
    cuentas_->ponerFilas(std::move(filas));
}

int VistaClase::filaElegida() const
{
    const QModelIndexList elegidas = tabla->selectionModel()->selectedRows();
    if (elegidas.isEmpty()) return -1;
    return static_cast<const QSortFilterProxyModel*>(tabla->model())->mapToSource(elegidas.first()).row();
}

void VistaClase::exportarCsv()
{
    guardarComo(tr("Exportar la clase"), QStringLiteral("clase.csv"), tr("Hoja de cálculo CSV (*.csv)"), tr("la tabla"),
                [this](const QString& ruta) {
                    return formatos::escribirEntero(ruta, ejercicio::csvClase(filasEnPantalla(tabla), codigos_));
                });
}

void VistaClase::imprimirInforme()
{
    guardarComo(tr("Informe de la clase"), QStringLiteral("clase.pdf"), tr("Documento PDF (*.pdf)"), tr("el informe"),
                [this](const QString& ruta) {
                    return ejercicio::informeClase({filasEnPantalla(tabla), filasEnPantalla(codigos), codigos_, desde_,
                                                    QDate::currentDate(), notas_->examen(), notas_->notas()},
                                                   ruta);
                });
}

// Asks where, writes there, and says why if it could not.
void VistaClase::guardarComo(const QString& titulo, const QString& nombre, const QString& filtro, const QString& que,
                             const std::function<QString(const QString&)>& escribir)
{
    auto& avisos = formularios::Avisos::actual();
    const QString ruta = avisos.ficheroParaGuardar(this, titulo, QDir::current().filePath(nombre), filtro);
    if (ruta.isEmpty()) return;
    if (const QString error = escribir(ruta); !error.isEmpty())
        avisos.mensaje(this, mensajeError(que, ruta, error), formularios::Avisos::Botones::Aceptar,
                       formularios::Avisos::Icono::Critico);
}

void VistaClase::borrarAlumno()
{
    auto& avisos = formularios::Avisos::actual();
    const int fila = filaElegida();
    if (fila < 0) {
        avisos.mensaje(this, tr("Elige en la tabla el alumno que quieres borrar."),
                       formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
        return;
    }
    const auto respuesta =
        avisos.mensaje(this,
                       tr("¿Borrar a «%1» y sus estadísticas? Sus respuestas quedan en el historial.")
                           .arg(cuentas_->filas()[size_t(fila)].nombre),
                       formularios::Avisos::Botones::SiNo, formularios::Avisos::Icono::Aviso);
    if (respuesta != formularios::Avisos::Respuesta::Si) return;
    if (!permiteElProfesor(this, datos_.rutaPuntos(), tr("borrar a un alumno"))) return;
    if (const QString error = datos_.borrarAlumno(cuentas_->filas()[size_t(fila)].nombre, fila); !error.isEmpty())
        avisos.mensaje(
            this,
            tr("No se pudo borrar a «%1» de «%2»: %3.")
                .arg(cuentas_->filas()[size_t(fila)].nombre, QDir::toNativeSeparators(datos_.rutaPuntos()), error),
            formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Critico);
    actualizar();
}

} // namespace ejercicio
