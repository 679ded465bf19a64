// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window "acerca": the picture, the course and "Aceptar".

#include "formularios/Formulario.h"

namespace ayuda {

class VentanaAcerca : public formularios::Formulario {
    Q_OBJECT
public:
    VentanaAcerca();

    // Hides the window (it stays loaded) and asks for the main window's
    // waveforms to be redrawn, as it may have covered them.
    void aceptar();

signals:
    void redibujar();

protected:
    bool alCerrar() override;
    void alCambiarZoom() override;
    void alCambiarIdioma() override;

private:
    void disponer();
};

} // namespace ayuda
