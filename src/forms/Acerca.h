#pragma once
// The about window "acerca": the picture, the course and "Aceptar".

#include "forms/Formulario.h"

class Acerca : public forms::Formulario {
    Q_OBJECT
public:
    Acerca();

    // Hides the window (it stays loaded) and redraws the main window's
    // waveforms, which it may have covered.
    void Command1_Click();

protected:
    void Form_Unload(int& cancelar) override;
};
