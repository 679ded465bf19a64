// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Qt draws for us follows the projector zoom too: check and radio
// marks, and the letters of message boxes, file dialogs and tooltips.

namespace formularios {

// Once, at start-up, after the zoom is read.
void seguirZoomEnQt();

} // namespace formularios
