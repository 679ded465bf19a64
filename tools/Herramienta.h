// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every build tool starts with: it runs on build machines with no
// display, so Qt draws offscreen, and it takes just the arguments its usage
// line names.

#include <QByteArray>
#include <QStringList>

#include <cstdio>

// Runs `cuerpo` on the arguments (without the program's name) and returns
// its exit status; wrong arguments print the usage and give 2.
template <typename Aplicacion, typename Cuerpo>
int ejecutarHerramienta(int argc, char** argv, const char* uso, int argumentos, Cuerpo cuerpo)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplicacion app(argc, argv);
    if (argc != argumentos + 1) {
        std::fprintf(stderr, "uso: %s\n", uso);
        return 2;
    }
    QStringList dados;
    for (int i = 1; i < argc; ++i) dados << QString::fromLocal8Bit(argv[i]);
    return cuerpo(dados);
}
