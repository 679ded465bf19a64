// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled as part of the drawing library, which sits below the windows:
// its own headers and those below it are found, a window's are not.

#include "codigos/CodigosLinea.h"
#include "dibujo/Dibujos.h"
#include "formatos/Twips.h"

#ifdef TRAMAVOX_HACIA_ARRIBA
#include "principal/DisenoPrincipal.h"
#endif

int capas() { return formatos::aPixeles(1440) + codigos::kCodigosLinea; }
