// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the teacher's class view needs of the statistics, and no more: the
// students as last saved, where the files are, and the deletion of a
// student (which the exercise window must follow in its own list). The
// exercise window provides it, so the class view needs no window of its own.

#include "almacen/RegistroClase.h"
#include "almacen/TablaAlumnos.h"

#include <QString>

#include <functional>

namespace almacen {

class DatosClase {
public:
    virtual ~DatosClase() = default;
    virtual const TablaAlumnos& alumnos() const = 0;
    virtual QString rutaPuntos() const = 0;
    // Reads what the other desks recorded since (and records what this one
    // still holds); the students and answers then include it. The share is
    // read off the window's thread, the store takes it here, and `hecho` is
    // told whether anything came: nothing blocks the window while a slow
    // share answers.
    virtual void releerAparte(std::function<void(bool)> hecho) = 0;
    // The class's answers as its records give them.
    virtual RespuestasClase respuestas() = 0;
    // Deletes the student under the lock (the row only as a hint); the
    // reason it could not, or empty.
    virtual QString borrarAlumno(const QString& nombre, int pista) = 0;
    // The class's exams, in the order they started; starting and ending one
    // (recorded at once: the reason it could not be, or empty).
    virtual QVector<Examen> examenes() const = 0;
    virtual QString empezarExamen(Examen examen) = 0;
    virtual QString terminarExamen(const QString& id) = 0;
};

} // namespace almacen
