// SPDX-License-Identifier: GPL-3.0-or-later
// Any "puntos.pnt" must read without a crash, and what the program writes
// must read back to itself: saving twice gives the same bytes.

#include "exercise/ArchivoPuntos.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    using namespace ejercicio;
    const QByteArray entrada(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    const TablaAlumnos tabla = leerPuntos(entrada);
    const QByteArray escrito = escribirPuntos(tabla);
    const TablaAlumnos releida = leerPuntos(escrito);
    if (releida.num_alumnos() != tabla.num_alumnos() || escribirPuntos(releida) != escrito) __builtin_trap();
    return 0;
}
