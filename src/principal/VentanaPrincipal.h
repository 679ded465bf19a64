// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window "principal": the number, its binary and HDB3 forms, the
// drawing area with the five traces, the period slider and the menus.

#include "codigos/Trazador.h"
#include "formularios/Formulario.h"
#include "principal/EnlaceEjercicios.h"

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace formularios {
class AreaDibujo;
class Deslizador;
} // namespace formularios

namespace principal {

class VentanaPrincipal : public formularios::Formulario {
    Q_OBJECT
public:
    VentanaPrincipal();

    // Redraws the whole drawing area from the state; the one place that draws.
    void actualizarPantalla();

    // Holds the drawing back for a batch of changes (trace switches,
    // shading), so that the batch ends in a single redraw; batches nest, and
    // the window is given back as it was however a batch ends.
    class Lote {
    public:
        explicit Lote(VentanaPrincipal& ventana) : ventana_(ventana) { ++ventana_.lotes_; }
        ~Lote() { --ventana_.lotes_; }
        Lote(const Lote&) = delete;
        Lote& operator=(const Lote&) = delete;

    private:
        VentanaPrincipal& ventana_;
    };
    bool enLote() const { return lotes_ > 0; }

    // Trace switches (the exercise window uses them too).
    void mostrarTrazas(bool verCodigos, bool verReloj);
    void verTodas();

    // Reads the slider and redraws at its bit period.
    void leerPeriodo();

    // Which traces the drawing shows. The menu's check marks, the labels'
    // colours, what a screen reader hears of the drawing and the drawing
    // itself follow this state; they are never read back.
    const codigos::Visibles& visibles() const { return visibles_; }
    // Shows or hides one trace, and redraws (held back inside a batch).
    void ponerVisible(codigos::Traza traza, bool visible);
    // What each trace's menu item and label do.
    void alternar(codigos::Traza traza) { ponerVisible(traza, !visibles_[traza]); }

    // Proposes one exercise: a random number, hidden, its waveform drawn.
    void proponerEjercicio();
    // The exercise window, as start-up wires it in.
    void ponerEjercicios(EnlaceEjercicios* ejercicios) { ejercicios_ = ejercicios; }

    // What the exercise window works through.
    QString numeroActual() const;
    int valorPeriodo() const;
    void ponerValorPeriodo(int valor); // raises no scroll
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
    // After every redraw that drew (not one a batch held back).
    void pintado();
    // A new exercise's number is set and hidden; its drawing follows.
    void ejercicioPropuesto();
    // The menu asks for the about, the help or the laboratory window.
    void verAcerca();
    void verAyuda();
    void verLaboratorio();
    // The window is closing: the other windows close with it.
    void cerrando();

protected:
    void alCargar() override;
    bool alCerrar() override;
    bool alPulsarTecla(int codigo) override;
    void alCambiarZoom() override;

private:
    int lotes_ = 0; // batches open (Lote)
    void alExponerse();
    void numeroACero();
    void ocultarTodas();
    void abrirEjercicios();
    void pedirAcerca();
    void pedirAyuda();
    void conectar();
    void mostrarZoom();
    void ponerNumero(const QString& nuevo);
    void mostrarNumero();
    void menuDePantalla(const QPoint& donde);

    codigos::EstadoPantalla estado_;
    codigos::Visibles visibles_{};
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
    std::array<QAction*, codigos::kTrazas> menuTraza{};
    std::array<QLabel*, codigos::kTrazas> etiquetaTraza{};
};

} // namespace principal
