// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trainer window "entrenador": the drill for every code of the
// laboratory, both ways. Reading, the student types the bits of the drawn
// waveform; drawing, the student sets every half-bit of the waveform of the
// bits asked, and a check says where and why it is wrong. Each checked
// answer counts once for the chosen student, in the statistics the exercise
// window shares, and goes to the log with its code and its mode. The
// teacher exports the same kind of questions for Moodle.

#include "entrenador/Entrenamiento.h"
#include "formularios/Formulario.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace almacen {
class Estadisticas;
}
namespace ejercicio {
class EleccionAlumno;
} // namespace ejercicio

namespace entrenador {

class DibujoEntrenador;

class VentanaEntrenador : public formularios::Formulario {
    Q_OBJECT
public:
    explicit VentanaEntrenador(almacen::Estadisticas& estadisticas);

    Entrenamiento& entrenamiento() { return entrenamiento_; }

protected:
    void alCargar() override;
    bool alCerrar() override;
    void alCambiarZoom() override;
    void alCambiarIdioma() override;

private:
    void conectar();
    void comprobar();
    void verSolucion();
    void elegirCodigos(QListWidgetItem* cambiado);
    void mostrar();
    void exportar();
    std::vector<codigos::Codigo> codigosMarcados() const;

    Entrenamiento entrenamiento_;
    almacen::Estadisticas& estadisticas_;
    int alumnoElegido_ = -1;

    QComboBox* alumno;
    QComboBox* modo;
    QComboBox* longitud;
    QListWidget* codigos;
    QLabel* pedidos;
    QLabel* estado;
    QLabel* veredicto;
    QLineEdit* respuesta;
    DibujoEntrenador* dibujo_;
    ejercicio::EleccionAlumno* eleccion_;
};

} // namespace entrenador
