// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every build tool starts with: it runs on build machines with no
// display, so Qt draws offscreen, and it takes just the arguments its usage
// line names.

#include <QByteArray>
#include <QStringList>

#include <cstdio>

// A Qt application of the given kind, drawing offscreen (always, or unless
// the caller's environment chose a platform), around `cuerpo`: the start
// of every tool and benchmark.
template <typename Aplicacion, typename Cuerpo>
int conAplicacion(int& argc, char** argv, bool siempreFueraDePantalla, Cuerpo cuerpo)
{
    if (siempreFueraDePantalla || qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplicacion app(argc, argv);
    return cuerpo();
}

// Runs `cuerpo` on the arguments (without the program's name) and returns
// its exit status; wrong arguments print the usage and give 2.
template <typename Aplicacion, typename Cuerpo>
int ejecutarHerramienta(int argc, char** argv, const char* uso, int argumentos, Cuerpo cuerpo)
{
    return conAplicacion<Aplicacion>(argc, argv, true, [&] {
        if (argc != argumentos + 1) {
            std::fprintf(stderr, "uso: %s\n", uso);
            return 2;
        }
        QStringList dados;
        for (int i = 1; i < argc; ++i) dados << QString::fromLocal8Bit(argv[i]);
        return cuerpo(dados);
    });
}
