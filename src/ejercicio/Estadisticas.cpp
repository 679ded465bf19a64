// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/Estadisticas.h"

namespace ejercicio {

Estadisticas::Estadisticas(const QString& ruta) : nombre_(ruta), puntos_(ruta) {}

Carga Estadisticas::abrir()
{
    if (usuarios_++ > 0) return {};
    puntos_ = PuntosCompartidos(nombre_);
    Carga carga = puntos_.cargar();
    // Saving over a file that could not be read would lose its students.
    puedeGuardar_ = carga.error.isEmpty();
    tabla_ = carga.tabla;
    pendientes_.clear();
    return carga;
}

PuntosCompartidos::Guardado Estadisticas::guardar()
{
    const auto hecho = puntos_.guardar(tabla_, pendientes_);
    if (hecho.puntosGuardados) {
        // The log's lines are owed now, and the next save writes them.
        pendientes_.clear();
        emit tablaCambiada(hecho.posiciones, hecho.saturada, false);
    }
    return hecho;
}

QString Estadisticas::borrarAlumno(const QString& nombre, int pista)
{
    const auto hecho = puntos_.borrar(nombreDeTabla(nombre), pista, tabla_);
    if (hecho.error.isEmpty()) emit tablaCambiada(hecho.posiciones, false, true);
    return hecho.error;
}

} // namespace ejercicio
