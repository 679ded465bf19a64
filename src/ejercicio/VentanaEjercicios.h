// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise window "Ejerc": the code to practise, the answer, the
// solution, the verdict, and the chosen student's statistics. It never draws:
// the main window shows the hidden number's waveform. The round and the
// counts live in the exercise model; the window changes them through it and
// shows them as it reports them.

#include "almacen/Estadisticas.h"
#include "formularios/Formulario.h"
#include "modelo/Ejercicio.h"

#include <QPointer>

#include <array>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QGroupBox;

namespace formularios {
class Deslizador;
}

namespace ejercicio {

class EleccionAlumno;
class VistaClase;

class VentanaEjercicios : public formularios::Formulario {
    Q_OBJECT
public:
    // `principal` is the window it places itself beside.
    VentanaEjercicios(modelo::Ejercicio& modelo, almacen::Estadisticas& estadisticas, QWidget& principal);

protected:
    void alCargar() override;
    void colocarAlMostrar() override;
    void alCambiarZoom() override;
    void alCambiarIdioma() override;
    bool alCerrar() override;
    bool alPulsarTecla(int codigo) override;

private:
    void aceptarRespuesta();
    void verSolucion();
    void borrarEstadisticas();
    void seguirRonda();
    void mostrarVeredicto();
    void ocultarVeredicto();
    void abrirVistaClase();
    void proponerEjercicio();
    void seguirExamen();
    void mostrarExamen();
    void mostrarTiempo();
    bool anotarDelExamen(const modelo::Resultado& resultado);

    void trasGuardar(const QVector<int>& posiciones, bool borrado);
    void mostrarCuentas();
    void conectar();

    modelo::Ejercicio& modelo_;
    almacen::Estadisticas& estadisticas_;
    QWidget& principal_;
    QPointer<VistaClase> detalles_;

    QLineEdit* numero;
    QLineEdit* total;
    QLineEdit* bien;
    QLineEdit* mal;
    QLineEdit* tciento;
    QLineEdit* NoVer;
    QProgressBar* barraEstadisticas;
    QComboBox* alumno;
    EleccionAlumno* eleccion_;
    QLabel* bienmal;
    QGroupBox* respuesta;
    QPushButton* proponer;
    formularios::Deslizador* periodo;
    std::array<QRadioButton*, modelo::kCodigos> botonesCodigo{};
    // The last answer's verdict, written again in a new language.
    enum class Veredicto { Correcta, Incorrecta, Trampa };
    std::optional<Veredicto> veredicto_; // none before the first answer

    // The exam under way, as the class's records say; none outside one.
    std::optional<almacen::Examen> examen_;
    std::optional<almacen::Examen> ultimo_; // the last exam this window saw under way
    int pregunta_ = 0;                      // the exam's question on screen, from 1; 0 for none
    QString deQuien_;                       // the student it was asked to
    QLabel* etiquetaExamen;                 // the question and the time left
    QTimer* relojExamen_;                   // the time left, every second
    QString lineaPregunta_;                 // the label's first line, as last counted
};

} // namespace ejercicio
