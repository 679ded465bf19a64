// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions as a Moodle XML question bank (Banco de preguntas →
// Importar → Formato Moodle XML), UTF-8: one category per code under
// "Tramavox", the pictures inside the file as base64 PNG. The same
// questions give the same bytes.

#include "preguntas/Pregunta.h"

#include <QByteArray>

namespace preguntas {

QByteArray bancoMoodle(const std::vector<Pregunta>& preguntas);

// The PNG of a question's picture: the clock and one line, the bits shown
// or not (when they are the answer).
QByteArray imagenPng(codigos::Codigo c, const std::vector<codigos::Paso>& linea, const std::string& bits, bool verBits);

} // namespace preguntas
