// SPDX-License-Identifier: GPL-3.0-or-later
#include "codigos/DatosCodigo.h"

#include "codigos/Traduccion.h"

#include <iterator>

namespace codigos {

namespace {

// In the order of Codigo. Each row: name; convention; levels and how many;
// sends zero; pulse; alternates; detects errors; discrete lines; colour;
// mark, filled or hollow.
// clang-format off
constexpr DatosCodigo kDatos[] = {
    // NrzUnipolar
    {TRADUCIBLE("codigos", "NRZ unipolar"),
     TRADUCIBLE("codigos", "NRZ unipolar: un 1 es nivel alto todo el bit; un 0, nivel cero."),
     {1, 0}, 2, true, Pulso::BitEntero, false, false, true, 0xFF3030, FormaMarca::Circulo, true},
    // NrzPolar
    {TRADUCIBLE("codigos", "NRZ polar"),
     TRADUCIBLE("codigos", "NRZ polar: un 1 es +1 todo el bit; un 0, −1."),
     {1, 0, -1}, 3, false, Pulso::BitEntero, false, false, false, 0xFF8080, FormaMarca::Cuadrado, true},
    // Nrzi
    {"NRZI",
     TRADUCIBLE("codigos", "NRZI: cada 1 cambia el nivel al empezar el bit; un 0 lo mantiene."),
     {1, 0, -1}, 3, false, Pulso::BitEntero, false, false, false, 0xFF60FF, FormaMarca::TrianguloArriba, true},
    // Rz
    {"RZ",
     TRADUCIBLE("codigos", "RZ unipolar: un 1 es un pulso en la primera mitad del bit; un 0, nivel cero."),
     {1, 0}, 2, true, Pulso::MedioBit, false, false, true, 0xFFFF00, FormaMarca::TrianguloAbajo, true},
    // Ami
    {"AMI",
     TRADUCIBLE("codigos", "AMI (ANSI T1.102): cada 1 es un pulso de medio bit de signo contrario al anterior; un 0, cero."),
     {1, 0, -1}, 3, true, Pulso::MedioBit, true, true, false, 0x00FF00, FormaMarca::Rombo, true},
    // Pseudoternario
    {TRADUCIBLE("codigos", "Pseudoternario"),
     TRADUCIBLE("codigos", "Pseudoternario (UIT-T I.430): cada 0 es un pulso de bit entero, de signo contrario al anterior; un 1, cero."),
     {1, 0, -1}, 3, true, Pulso::BitEntero, true, true, false, 0x80FF80, FormaMarca::Cruz, false},
    // Hdb3
    {"HDB3",
     TRADUCIBLE("codigos", "HDB3 (UIT-T G.703): AMI en que cuatro ceros son 000V tras un número impar de marcas desde la última V, "
     "o B00V tras un número par."),
     {1, 0, -1}, 3, true, Pulso::MedioBit, true, true, false, 0xFF8000, FormaMarca::Aspa, false},
    // B8zs
    {"B8ZS",
     TRADUCIBLE("codigos", "B8ZS (ANSI T1.102): AMI en que ocho ceros son 000VB0VB."),
     {1, 0, -1}, 3, true, Pulso::MedioBit, true, true, false, 0xFFC060, FormaMarca::Circulo, false},
    // Cmi
    {"CMI",
     TRADUCIBLE("codigos", "CMI (UIT-T G.703): un 1 ocupa el bit entero, alto y bajo por turnos; un 0 es bajo y luego alto."),
     {1, 0, -1}, 3, false, Pulso::Mitades, true, true, true, 0x40A0FF, FormaMarca::Cuadrado, false},
    // Manchester
    {"Manchester",
     TRADUCIBLE("codigos", "Manchester (IEEE 802.3): un 1 sube a mitad de bit; un 0 baja (al revés que el convenio de G. E. Thomas)."),
     {1, 0, -1}, 3, false, Pulso::Manchester, false, true, false, 0xC0A0FF, FormaMarca::TrianguloArriba, false},
    // ManchesterDiferencial
    {TRADUCIBLE("codigos", "Manchester diferencial"),
     TRADUCIBLE("codigos", "Manchester diferencial: siempre hay transición a mitad de bit, y además al empezar cada 0."),
     {1, 0, -1}, 3, false, Pulso::Mitades, false, true, false, 0xA0FFA0, FormaMarca::TrianguloAbajo, false},
    // DosBUnoQ
    {"2B1Q",
     TRADUCIBLE("codigos", "2B1Q (ANSI T1.601): dos bits por símbolo, el primero el signo y el segundo la magnitud: "
     "10 +3, 11 +1, 01 −1, 00 −3; un último bit sin pareja va con un 0."),
     {3, 1, -1, -3}, 4, false, Pulso::BitEntero, false, false, false, 0xFFFFFF, FormaMarca::Rombo, false},
    // Mlt3
    {"MLT-3",
     TRADUCIBLE("codigos", "MLT-3: cada 1 avanza un paso por 0, +1, 0, −1; un 0 mantiene el nivel."),
     {1, 0, -1}, 3, true, Pulso::BitEntero, false, false, false, 0x60FFC0, FormaMarca::Asterisco, false},
};
// clang-format on
static_assert(std::size(kDatos) == kCodigosLinea, "one row per code");

} // namespace

const DatosCodigo& datosCodigo(Codigo c) { return kDatos[static_cast<std::size_t>(c)]; }

const char* nombreCodigo(Codigo c) { return datosCodigo(c).nombre; }

const char* convencionCodigo(Codigo c) { return datosCodigo(c).convencion; }

std::string nombreVisible(Codigo c) { return traducir("codigos", nombreCodigo(c)); }

std::string convencionVisible(Codigo c) { return traducir("codigos", convencionCodigo(c)); }

} // namespace codigos
