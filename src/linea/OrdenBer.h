// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line that measures a code's bit error rate, for teachers who
// script tables and plots:
//   tramavox --ber --codigo "NRZ polar" --ebn0 0,2,4,6,8 [--bits 200000]
//            [--semilla S] [--perdida DB] [--acoplamiento F]
// It prints a header and one line per Eb/N0 (decimal point, ";" between
// fields, the theory's rate empty where there is no closed form).

#include <string>
#include <vector>

namespace linea {

// The arguments after the program's name, "--ber" first; the table goes to
// `salida`, a Spanish reason to `error`. Returns the exit status: 0, or 2
// for arguments it cannot take.
int ordenBer(const std::vector<std::string>& argumentos, std::string& salida, std::string& error);

} // namespace linea
