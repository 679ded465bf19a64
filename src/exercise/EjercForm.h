// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "forms/FormDef.h"
#include "mainwindow/VentanaEjercicios.h"


// The exercise window "Ejerc" as designed, in the state it loads in.
forms::FormDef ejercForm();


