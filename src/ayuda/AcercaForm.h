// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "forms/FormDef.h"


// The about window "acerca" as designed.
forms::FormDef acercaForm();

// Where the about window first appears, in pixels from the screen's corner.
constexpr int kAcercaX = 265;
constexpr int kAcercaY = 240;

