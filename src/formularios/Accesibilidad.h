// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of our own controls: a drawing is a picture
// with a description of what it shows, and a drop-down list is called by its
// label ("Alumno"), not by the value it shows (Qt's own names a list on
// Linux by its value).

struct QMetaObject;

namespace formularios {

// Installs the program's accessibility rules; once, at start-up.
void instalarAccesibilidad();

// The widgets of this class are drawings: pictures to assistive technology.
// Said before the first one is made.
void sonDibujos(const QMetaObject& clase);

} // namespace formularios
