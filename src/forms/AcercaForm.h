#pragma once
#include "forms/FormDef.h"

namespace forms {

// The about window "acerca" as designed.
FormDef acercaForm();

// Where the about window first appears, in pixels from the screen's corner.
constexpr int kAcercaX = 265;
constexpr int kAcercaY = 240;

} // namespace forms
