// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions on the line codes, drawn at random from a seed: the same seed
// gives the same questions on every machine.

#include "codigos/Fallos.h"

#include <cstdint>
#include <string>
#include <vector>

namespace preguntas {

enum class Tipo {
    Leer,   // the waveform is shown; the bits are the answer
    Elegir, // the bits are given; which of four pictures is their waveform
};

struct Opcion {
    std::vector<codigos::Paso> linea;
    bool correcta = false;
    std::string comentario; // why a wrong picture is wrong
};

struct Pregunta {
    Tipo tipo = Tipo::Leer;
    codigos::Codigo codigo = codigos::Codigo::Hdb3;
    std::string bits;
    codigos::EstadoInicial inicio;
    std::vector<Opcion> opciones; // to choose from: the right one, then three mistakes
};

struct Pedido {
    int preguntas = 20;
    std::vector<codigos::Codigo> codigos{codigos::kTodosLosCodigos.begin(), codigos::kTodosLosCodigos.end()};
    int bits = 16;
    std::uint64_t semilla = 0;
};

// The codes in turn, each asked both ways: the first code's waveform to
// read, then its picture to choose, then the next code's.
std::vector<Pregunta> generarPreguntas(const Pedido& pedido);

// The bits in groups of four, as an exam writes them ("1000 0000 0011").
std::string enGrupos(const std::string& bits);

// The bits as hexadecimal digits, in capitals (a multiple of four bits).
std::string aHexadecimal(const std::string& bits);

} // namespace preguntas
