// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window "principal": the number, its binary and HDB3 forms, the
// drawing area with the five traces, the period slider and the menus.

#include "formularios/Formulario.h"
#include "codigos/Trazador.h"
#include "principal/EnlaceEjercicios.h"

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace formularios {
class AreaDibujo;
class Deslizador;
} // namespace formularios

namespace principal {

// Program-wide: while true, ActPant draws nothing. Set around batches of
// trace switches so that a batch ends in a single redraw.
inline bool NoPintar = false;

// Holds ActPant's drawing back for a batch of changes, and gives the flag
// back as it was however the batch ends.
class SinPintar {
public:
    SinPintar() : antes_(NoPintar) { NoPintar = true; }
    ~SinPintar() { NoPintar = antes_; }
    SinPintar(const SinPintar&) = delete;
    SinPintar& operator=(const SinPintar&) = delete;

private:
    bool antes_;
};

class VentanaPrincipal : public formularios::Formulario {
    Q_OBJECT
public:
    VentanaPrincipal();

    // Redraws the whole drawing area from the state; the one place that draws.
    void ActPant();

    // Trace switches (the exercise window uses them too).
    void tos(bool ver_cod, bool ver_clk);
    void todos_Click();
    void VisuNrz_Click();
    void VisuRz_Click();
    void VisuAmi_Click();
    void VisuHdb_Click();

    // Reads the slider and redraws at its bit period.
    void periodo_Scroll();

    // Shows or hides one trace: its check mark, its label's colour, and a
    // redraw. What each trace's menu item and label do.
    void alternar(codigos::Traza traza);

    // Proposes one exercise: a random number, hidden, its waveform drawn.
    void ejer();
    // The exercise window, as start-up wires it in.
    void ponerEjercicios(EnlaceEjercicios* ejercicios) { ejercicios_ = ejercicios; }

    // What the exercise window works through.
    QString numeroActual() const;
    int valorPeriodo() const;
    void ponerValorPeriodo(int valor); // raises no scroll
    void marcarTraza(codigos::Traza traza, bool marcada);
    void ponerAlturaPersiana(int twips);
    // Shades the slots of the bits a wrong answer got wrong (the number's
    // bits XOR the answer's); 0 clears them. A new proposal clears them too.
    void sombrearErrores(std::uint16_t bits);

    int semiperiodo() const { return estado_.semiperiodo; }

    // The drawing area's context menu, for teachers preparing worksheets:
    // the picture to the clipboard, or to a PNG or SVG file.
    void copiarImagen();
    void guardarImagen();

signals:
    // After every redraw that drew (not when NoPintar held it back).
    void pintado();
    // The menu asks for the about, the help or the laboratory window.
    void verAcerca();
    void verAyuda();
    void verLaboratorio();
    // The window is closing: the other windows close with it.
    void cerrando();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancelar) override;
    bool Form_KeyPress(int codigo) override;
    void alCambiarZoom() override;

private:
    void Form_Paint();
    void Timer1_Timer();
    void Reset_Click();
    void reloj_Click();
    void ocultar_Click();
    void prop_Click();
    void acercade_Click();
    void ayuda_Click();
    void conectar();
    void mostrarZoom();
    void ponerNumero(const QString& nuevo);
    void mostrarNumero();
    codigos::Visibles visibles() const;
    void Pantalla_MenuContextual(const QPoint& donde);

    codigos::EstadoPantalla estado_;
    // The number drawn. While an exercise hides it, it lives only here: the
    // boxes that show it stay empty, so no screen reader can read it out.
    QString numero_;
    bool numeroOculto_ = false;
    EnlaceEjercicios* ejercicios_ = nullptr;

    formularios::AreaDibujo* Pantalla;
    QLineEdit* numero;
    QLineEdit* binario;
    QLineEdit* Text1;
    formularios::Deslizador* periodo;
    QGroupBox* Num_persiana;
    QLabel* pregunta; // the exercise's question, read only while the number is hidden
    QTimer* Timer1;
    std::array<QAction*, codigos::kTrazas> menuTraza{};
    std::array<QLabel*, codigos::kTrazas> etiquetaTraza{};
};

} // namespace principal
