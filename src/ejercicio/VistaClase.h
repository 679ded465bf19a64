// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's view of the class, opened by the exercise window's
// "Detalles": every student of "puntos.pnt" with counts and percentage
// (sortable, a bar for each percentage), the right and wrong answers per
// code from "historial.csv", what students did besides answering (resets,
// deletions, solutions shown), the class as CSV or as a PDF report, and the
// deletion of a student entered by mistake.

#include "almacen/DatosClase.h"
#include "ejercicio/Clase.h"
#include "ejercicio/CuentasClase.h"
#include "formularios/Formulario.h"

#include <functional>

class QTableView;

namespace ejercicio {

class ModeloClase;
class ModeloNotas;
class ModeloSucesos;

class VistaClase : public formularios::Formulario {
    Q_OBJECT
public:
    static constexpr int kRefrescoMs = 3000;    // how often the class is read again
    static constexpr int kEsperaCambioMs = 200; // after the folder tells of a change

    explicit VistaClase(almacen::DatosClase& datos);

    // Shows the class as the store last read it.
    void actualizar();
    // Reads what the desks recorded since, and shows it once it is read.
    void refrescar();
    void alCambiarIdioma() override;

    void exportarCsv();
    void imprimirInforme();
    void borrarAlumno();
    void empezarExamen();
    void terminarExamen();
    void exportarNotas();

private:
    void disponer();
    void seguirLaClase();
    void trasReleer(bool cambio);
    void mostrarDesde();
    void mostrarExamen();
    int filaElegida() const; // the chosen student's row in the table, or -1
    void guardarComo(const QString& titulo, const QString& nombre, const QString& filtro, const QString& que,
                     const std::function<QString(const QString&)>& escribir);

    almacen::DatosClase& datos_;
    ejercicio::ModeloClase* cuentas_;
    ejercicio::ModeloClase* porCodigo_;
    ejercicio::ModeloSucesos* sucesos_;
    ejercicio::ModeloNotas* notas_;
    QTableView* tabla;
    QTableView* codigos;
    QString desde_;                    // the day of the first answer in the log
    std::vector<CodigoClase> codigos_; // of the per-code table
    CuentasClase porAlumno_;           // counted once, then only what came since
};

} // namespace ejercicio
