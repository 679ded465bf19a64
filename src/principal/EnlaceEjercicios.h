// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace principal {
// What the main window needs of the exercise window: to show it, and to know
// whether it is still open. The exercise window is built on top of the main
// window and works it through its public routines; it learns of each new
// exercise from the main window's signal. Wired up in start-up.

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
};

} // namespace principal
