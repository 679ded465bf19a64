// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window "principal": the number, its binary and HDB3 forms, the
// drawing area with the five traces, the period slider and the menus.

#include "codigos/Trazas.h"
#include "formularios/Formulario.h"
#include "modelo/Ejercicio.h"
#include "principal/EnlaceEjercicios.h"

#include <array>
#include <optional>

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
    // The window draws what the exercise model holds and follows its changes.
    explicit VentanaPrincipal(modelo::Ejercicio& modelo);

    // Redraws the whole drawing area from the model; the one place that draws.
    void actualizarPantalla();

    // The exercise window, as start-up wires it in.
    void ponerEjercicios(EnlaceEjercicios* ejercicios) { ejercicios_ = ejercicios; }

    // The drawing area's context menu, for teachers preparing worksheets:
    // the picture to the clipboard, or to a PNG or SVG file.
    void copiarImagen();
    void guardarImagen();

signals:
    // After every redraw.
    void pintado();
    // The menu asks for the about, the help or the laboratory window.
    void verAcerca();
    void verAyuda();
    void verLaboratorio();
    void verEntrenador();
    // The window is closing: the other windows close with it.
    void cerrando();

protected:
    void alCargar() override;
    bool alCerrar() override;
    bool alPulsarTecla(int codigo) override;
    void alCambiarZoom() override;
    void alCambiarIdioma() override;

private:
    void conectar();
    void mostrarZoom();
    void conectarIdiomas();
    void marcarIdioma();
    // The menu's check marks, the labels' colours, the number's frame and
    // boxes and the slider follow the model, then the drawing.
    void seguirModelo();
    void mostrarNumero();
    void mostrarTrazas();
    void menuDePantalla(const QPoint& donde);

    modelo::Ejercicio& modelo_;
    EnlaceEjercicios* ejercicios_ = nullptr;
    // What the widgets show of the model, as last applied: a change touches
    // only the widgets of the part that changed (a typed digit does not
    // recolour five labels nor lay out the number's frame again).
    std::optional<codigos::Visibles> visiblesMostradas_;
    std::optional<bool> ocultoMostrado_;
    QString numeroMostrado_;

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
