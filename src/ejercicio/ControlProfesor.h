// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows ask before doing what is the teacher's, in a class
// folder that has a teacher (almacen::Profesor); and the teacher's password
// set or changed from the class view.

#include <QString>

class QWidget;

namespace ejercicio {

// Whether `accion` ("borrar a un alumno") may go on: always in a folder
// with no teacher; else only once the teacher's password is typed.
bool permiteElProfesor(QWidget* ventana, const QString& rutaPuntos, const QString& accion);

// Asks for the new password twice (and the current one, where there is a
// teacher) and keeps it; says how it went.
void ponerContrasenaProfesor(QWidget* ventana, const QString& rutaPuntos);

} // namespace ejercicio
