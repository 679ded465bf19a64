// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/ControlProfesor.h"

#include "almacen/Profesor.h"
#include "formularios/Avisos.h"

#include <QCoreApplication>
#include <QDir>

namespace ejercicio {

namespace {
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(ejercicio)
};

using formularios::Avisos;

void avisar(QWidget* ventana, const QString& texto, Avisos::Icono icono = Avisos::Icono::Critico)
{
    Avisos::actual().mensaje(ventana, texto, Avisos::Botones::Aceptar, icono);
}

QString danado(const almacen::Profesor& profesor)
{
    return Textos::tr("El fichero de la contraseña del profesor («%1») está dañado: no se puede comprobar "
                      "ninguna contraseña. Si el profesor lo borra, puede poner una nueva.")
        .arg(QDir::toNativeSeparators(profesor.ruta()));
}

} // namespace

bool permiteElProfesor(QWidget* ventana, const QString& rutaPuntos, const QString& accion)
{
    const almacen::Profesor profesor(rutaPuntos);
    switch (profesor.estado()) {
    case almacen::Profesor::Estado::SinProfesor: return true;
    case almacen::Profesor::Estado::Danado: avisar(ventana, danado(profesor)); return false;
    case almacen::Profesor::Estado::ConProfesor: break;
    }
    const auto clave = Avisos::actual().contrasena(
        ventana, Textos::tr("Solo el profesor puede %1. Escribe la contraseña del profesor:").arg(accion));
    if (!clave) return false;
    if (profesor.comprobar(*clave)) return true;
    avisar(ventana, Textos::tr("Esa no es la contraseña del profesor."));
    return false;
}

void ponerContrasenaProfesor(QWidget* ventana, const QString& rutaPuntos)
{
    almacen::Profesor profesor(rutaPuntos);
    QString actual;
    switch (profesor.estado()) {
    case almacen::Profesor::Estado::Danado: avisar(ventana, danado(profesor)); return;
    case almacen::Profesor::Estado::ConProfesor: {
        const auto clave = Avisos::actual().contrasena(ventana, Textos::tr("Contraseña actual del profesor:"));
        if (!clave) return;
        if (!profesor.comprobar(*clave)) {
            avisar(ventana, Textos::tr("Esa no es la contraseña del profesor."));
            return;
        }
        actual = *clave;
        break;
    }
    case almacen::Profesor::Estado::SinProfesor: break;
    }
    const auto nueva = Avisos::actual().contrasena(
        ventana, Textos::tr("Nueva contraseña del profesor (al menos %1 caracteres):").arg(almacen::Profesor::kMinimo));
    if (!nueva) return;
    const auto otraVez = Avisos::actual().contrasena(ventana, Textos::tr("Repite la nueva contraseña:"));
    if (!otraVez) return;
    if (*otraVez != *nueva) {
        avisar(ventana, Textos::tr("Las dos contraseñas no coinciden: no se ha cambiado nada."));
        return;
    }
    if (const QString error = profesor.poner(*nueva, actual); !error.isEmpty()) {
        avisar(ventana, Textos::tr("No se pudo guardar la contraseña del profesor: %1.").arg(error));
        return;
    }
    avisar(ventana,
           Textos::tr("Contraseña del profesor guardada. Desde ahora, borrar alumnos y poner cuentas a cero la piden."),
           Avisos::Icono::Ninguno);
}

} // namespace ejercicio
