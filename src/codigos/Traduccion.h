// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the pure code writes for a student are Spanish. A program with
// translations installs a translator here; without one (the build tools,
// the command line's tables, most tests) they stay as written.

#include <functional>
#include <initializer_list>
#include <string>

// Marks a text kept in a table, to be translated where it is shown, in the
// given context ("codigos", "linea").
#define TRADUCIBLE(contexto, texto) texto

namespace codigos {

using Traductor = std::function<std::string(const char* contexto, const char* texto)>;

// Installs the translator every later text goes through; an empty one
// leaves them in Spanish.
void ponerTraductor(Traductor traductor);

// `texto` in the user's language. The context is a literal, for the tool
// that gathers the texts to translate.
std::string traducir(const char* contexto, const char* texto);

// `plantilla` with %1, %2… replaced by `datos` in order: the number stays
// out of the words, so a translation may put it where its language wants.
std::string rellenar(const std::string& plantilla, std::initializer_list<std::string> datos);

} // namespace codigos
