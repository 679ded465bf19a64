// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace principal {
// What the main window needs of the exercise window: to show it, and to know
// whether it is still open. The two windows share nothing else but the
// exercise model, which both follow. Wired up in start-up.

class EnlaceEjercicios {
public:
    virtual ~EnlaceEjercicios() = default;
    // Shows the window, loading it first when it is not loaded.
    virtual void mostrar() = 0;
    // Still open: its closing was refused to keep unsaved results.
    virtual bool abierta() = 0;
};

} // namespace principal
