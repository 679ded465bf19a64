// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace principal {
// What the main window needs of the exercise window. The exercise window is
// built on top of the main window and works it through its public routines;
// the main window knows it only through this, wired up in start-up.

// The option buttons of the code choice, by index: the four codes in the
// order of their traces, then the random choice.
enum CodigoEjercicio { CodigoNrz, CodigoRz, CodigoAmi, CodigoHdb3, CodigoAleatorio, kCodigos };

class EnlaceEjercicios {
public:
    virtual ~EnlaceEjercicios() = default;
    // Shows the window, loading it first when it is not loaded.
    virtual void mostrar() = 0;
    // Still open: its closing was refused to keep unsaved results.
    virtual bool abierta() = 0;
    virtual bool aleatorioElegido() = 0;
    virtual void elegirCodigo(int index) = 0;
};

} // namespace principal
