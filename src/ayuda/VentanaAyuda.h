// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window "ayu": shows "ayuda.rtf" from the working directory, so a
// teacher can replace it, or the program's own help in the user's language
// (installed, or built into the program) when there is none to read.

#include "formularios/Formulario.h"

class QTextEdit;

namespace ayuda {

class VentanaAyuda : public formularios::Formulario {
    Q_OBJECT
public:
    VentanaAyuda();

    // The help as the program was built with it.
    static const QString kAyudaIncorporada;

protected:
    void alCargar() override;
    void alCambiarZoom() override;
    void alCambiarIdioma() override;

private:
    void leerAyuda();
    void mostrar();

    QTextEdit* ayutext;
    QByteArray rtf_; // the document read at load
};

} // namespace ayuda
