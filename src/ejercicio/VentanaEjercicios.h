// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise window "Ejerc": the code to practise, the answer, the
// solution, the verdict, and the chosen student's statistics. It never draws:
// the main window shows the hidden number's waveform.

#include "ejercicio/DatosClase.h"
#include "ejercicio/PuntosCompartidos.h"
#include "ejercicio/TablaAlumnos.h"
#include "formularios/Formulario.h"
#include "principal/EnlaceEjercicios.h"

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
namespace principal {
class VentanaPrincipal;
}

namespace ejercicio {

class VistaClase;

class VentanaEjercicios : public formularios::Formulario, public DatosClase {
    Q_OBJECT
public:
    // The exercise window works the main window through its public routines.
    explicit VentanaEjercicios(principal::VentanaPrincipal& principal);

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
    // The code choice; index 4 draws one of the four codes at random.
    void elegirCodigo(int index);
    bool aleatorioElegido() const;
    void proponerOtro();
    void mostrarSolucion();
    void aceptarRespuesta();
    void cambiarPeriodo();
    void borrarEstadisticas();
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
    void mostrarPorcentaje();
    void ponerCuentas(const QString& total, const QString& bien, const QString& mal);
    void conectar();

    principal::VentanaPrincipal& principal_;
    ejercicio::PuntosCompartidos puntos_;
    QList<ejercicio::RespuestaContada> pendientes_; // counted, not yet in the log
    QString codigoMostrado_;                        // the code of the trace shown
    QPointer<VistaClase> detalles_;
    bool puedeGuardar_ = true;
    bool vista_solucion = false;

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
    std::array<QRadioButton*, 5> botonesCodigo{};
};

} // namespace ejercicio
