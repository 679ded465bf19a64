// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise, with no widgets: the number the main window draws (typed
// there, or hidden by a proposal), which traces it shows and which bits it
// shades, the bit period, the drill's round (the code asked, the answer, the
// solution seen) and the chosen student with their counts. Both windows
// change it through its routines and follow it through its signals; neither
// reads the other's widgets.

#include "codigos/Trazador.h"
#include "modelo/Cuenta.h"

#include <QObject>
#include <QString>

#include <optional>

namespace modelo {

// The codes the drill asks, by the index of their option button: the four
// codes in the order of their traces, then the random choice.
enum CodigoEjercicio { CodigoNrz, CodigoRz, CodigoAmi, CodigoHdb3, CodigoAleatorio, kCodigos };

enum class Ronda {
    Libre,         // no exercise: the main window's own number, shown
    Propuesto,     // a hidden number waits for its answer
    SolucionVista, // the solution was shown before any answer
    Respondido,    // answered: the number is shown, nothing more counts
};

// What an answer was: right or wrong, and whether it counted (not after
// the solution was seen).
struct Resultado {
    bool correcta = false;
    bool contada = false;
    bool saturada = false; // a count stopped at its largest value
};

class Ejercicio : public QObject {
    Q_OBJECT
public:
    static constexpr int kTwipsPorPasoPeriodo = 40; // half a bit per slider step
    static constexpr int kPeriodoInicial = 6;

    // ---- What the main window draws

    // The number as its window starts it: "0000", every trace, no shading,
    // the first period, no exercise.
    void empezar();
    const QString& numero() const { return numero_; }
    // While an exercise hides it, no box may show the number.
    bool numeroOculto() const { return ronda_ == Ronda::Propuesto; }
    const codigos::Visibles& visibles() const { return visibles_; }
    // The slider's position, 1 to 10, and the display state it gives.
    int periodo() const { return periodo_; }
    codigos::EstadoPantalla estadoPantalla() const;

    void ponerNumero(const QString& numero);
    void ponerVisible(codigos::Traza traza, bool visible);
    void alternar(codigos::Traza traza) { ponerVisible(traza, !visibles_[traza]); }
    // Every trace on or off, whatever each was before.
    void mostrarTodas(bool ver);
    void ponerPeriodo(int periodo);

    // ---- The drill

    // As the exercise window opens: the random code, no student, no round.
    void abrirEjercicios();
    // From the exercise window's opening to its closing: the main window
    // takes no input meanwhile.
    bool enCurso() const { return enCurso_; }
    int codigoElegido() const { return codigoElegido_; }
    // The clock and the code asked, drawn at random for the random choice.
    // With a question waiting for its answer, another code asks a new one.
    void elegirCodigo(int indice);
    // The name of the code the drawing shows, as the log writes it.
    QString codigoPreguntado() const;
    Ronda ronda() const { return ronda_; }
    // A random number, hidden, its waveform in the code chosen (drawn anew
    // with the random choice); the answer back to "0000".
    void proponer();
    // A given question, as an exam asks it: `numero` hidden, drawn in the
    // code at `indice` (NRZ to HDB3), whatever code is chosen.
    void proponerPregunta(const QString& numero, int indice);
    const QString& respuesta() const { return respuesta_; }
    void ponerRespuesta(const QString& respuesta);
    void verSolucion();
    // Judges the answer for the chosen student: shades the misread bits,
    // shows the number and adds to the counts (nothing after the solution
    // was seen). Nothing at all without a student.
    std::optional<Resultado> responder();
    // As the exercise window closes: the number shown, every trace, no shading.
    void terminar();

    // ---- The chosen student

    int alumno() const { return alumno_; }
    Cuenta total() const { return total_; }
    Cuenta bien() const { return bien_; }
    Cuenta mal() const { return mal_; }
    // Right answers in a hundred, 0 with no answers.
    double porcentaje() const;
    // The student at `indice` of the list, with the counts the table holds.
    void elegirAlumno(int indice, Cuenta total, Cuenta bien);
    // The chosen student moved in the list (or left it, -1); counts stay.
    void moverAlumno(int indice);
    void reiniciarCuentas();
    // Nobody chosen, and the counts at 0.
    void olvidarAlumno();

signals:
    // The number, its hiding, the traces, the shading or the period changed:
    // one signal for each change, however many of them it made.
    void pantallaCambiada();
    void rondaCambiada();
    void respuestaCambiada();
    void cuentasCambiadas();

private:
    void ponerCuentas(Cuenta total, Cuenta bien, Cuenta mal);
    void ponerRonda(Ronda ronda);
    void mostrarCodigo(int indice);

    QString numero_;
    codigos::Visibles visibles_{};
    std::uint16_t bitsErroneos_ = 0;
    int periodo_ = kPeriodoInicial;

    bool enCurso_ = false;
    int codigoElegido_ = CodigoAleatorio;
    codigos::Traza codigoVisto_ = codigos::Nrz;
    Ronda ronda_ = Ronda::Libre;
    QString respuesta_;

    int alumno_ = -1;
    Cuenta total_, bien_, mal_;
};

} // namespace modelo
