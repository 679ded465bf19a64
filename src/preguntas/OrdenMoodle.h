// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line that writes a question bank for Moodle, for teachers who
// script their courses:
//   tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…]
//            [--bits 16] [--semilla S]
// It prints nothing but errors, in Spanish.

#include "preguntas/Pregunta.h"

#include <QString>
#include <QStringList>

namespace preguntas {

struct OrdenLeida {
    Pedido pedido;
    QString fichero;
    QString error; // why the arguments cannot be taken; empty when they can
};

// The arguments after the program's name, "--moodle" first. Without
// "--semilla" the seed is drawn at random.
OrdenLeida leerOrden(const QStringList& argumentos);

// Writes the bank: 0 when written, 2 for arguments it cannot take, 1 when
// the file cannot be written; the reason goes to the error output.
int ordenMoodle(const QStringList& argumentos);

} // namespace preguntas
