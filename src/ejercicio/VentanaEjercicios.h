// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise window "Ejerc": the code to practise, the answer, the
// solution, the verdict, and the chosen student's statistics. It never draws:
// the main window shows the hidden number's waveform. The round and the
// counts live in the exercise model; the window changes them through it and
// shows them as it reports them.

#include "ejercicio/DatosClase.h"
#include "ejercicio/PuntosCompartidos.h"
#include "ejercicio/TablaAlumnos.h"
#include "formularios/Formulario.h"
#include "modelo/Ejercicio.h"

#include <QPointer>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace formularios {
class Deslizador;
}

namespace ejercicio {

class VistaClase;

class VentanaEjercicios : public formularios::Formulario, public DatosClase {
    Q_OBJECT
public:
    // `principal` is the window it places itself beside.
    VentanaEjercicios(modelo::Ejercicio& modelo, QWidget& principal);

    // The student table while the window is open (kept for the whole run).
    static ejercicio::TablaAlumnos& tabla();

    // For the class view: the students, where the files are, and the
    // deletion of a student, under the lock, with the name list following.
    const TablaAlumnos& alumnos() const override { return tabla(); }
    QString rutaPuntos() const override { return puntos_.ruta(); }
    QString rutaHistorial() const override { return puntos_.rutaHistorial(); }
    // `nombre` as the view shows it; `pista` its row when the view was filled.
    QString borrarAlumno(const QString& nombre, int pista) override;

protected:
    void alCargar() override;
    void colocarAlMostrar() override;
    void alCambiarZoom() override;
    bool alCerrar() override;
    bool alPulsarTecla(int codigo) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void aceptarRespuesta();
    void borrarEstadisticas();
    void seguirRonda();
    void abrirVistaClase();

    void elegirAlumno();
    void alEntrarEnAlumno();
    void alSalirDeAlumno();
    void teclaEnAlumno(int tecla);
    void validarAlumno();
    bool esElMismo(int indice);
    void ocultarVeredicto();

    void seleccionarAlumno(int indice);

    // After a counted answer or a reset the window goes on whatever the
    // save's fate; on closing, a failed save may keep it open.
    enum class Momento { TrasResponder, AlCerrar };
    bool guardar(Momento momento);
    void trasGuardar(const QVector<int>& posiciones, bool saturada);
    void avisarSaturada();
    void avisarLecturas(const ejercicio::Lecturas& lecturas);
    void mostrarCuentas();
    void conectar();
    void seguirModelo();

    modelo::Ejercicio& modelo_;
    QWidget& principal_;
    ejercicio::PuntosCompartidos puntos_;
    QList<ejercicio::RespuestaContada> pendientes_; // counted, not yet in the log
    QPointer<VistaClase> detalles_;
    bool puedeGuardar_ = true;

    QLineEdit* numero;
    QLineEdit* total;
    QLineEdit* bien;
    QLineEdit* mal;
    QLineEdit* tciento;
    QLineEdit* NoVer;
    QProgressBar* barraEstadisticas;
    QComboBox* alumno;
    QLabel* bienmal;
    QGroupBox* respuesta;
    QPushButton* proponer;
    formularios::Deslizador* periodo;
    std::array<QRadioButton*, modelo::kCodigos> botonesCodigo{};
};

} // namespace ejercicio
