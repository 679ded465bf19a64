// SPDX-License-Identifier: GPL-3.0-or-later
// Any "puntos.pnt" must read without a crash, and what the program writes
// must read back to itself: saving twice gives the same bytes. (Windows-1252
// bytes that happen to be valid UTF-8 are read as a hand edit in UTF-8.)

#include "almacen/ArchivoPuntos.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    using namespace almacen;
    const QByteArray entrada(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    const TablaAlumnos tabla = leerPuntos(entrada);
    const QByteArray escrito = escribirPuntos(tabla);
    Lecturas lecturas;
    const TablaAlumnos releida = leerPuntos(escrito, &lecturas);
    if (lecturas.utf8) return 0;
    if (releida.num_alumnos() != tabla.num_alumnos() || escribirPuntos(releida) != escrito) __builtin_trap();
    return 0;
}
