// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the screenshots that software centres show, with the program's own
// windows, offscreen: the main window, and an exercise with its window.
//
// Usage: generar_capturas <folder>

#include "dibujo/ArchivoImagen.h"
#include "exercise/Ejerc.h"
#include "inicio/inicio.h"
#include "mainwindow/Principal.h"

#include "Herramienta.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

bool guardar(QWidget* ventana, const QString& ruta)
{
    QCoreApplication::processEvents();
    return dibujo::guardarPng(ventana->grab().toImage(), ruta).isEmpty();
}

int capturar(const QStringList& argumentos)
{
    const QString destino = QDir(argumentos[0]).absolutePath();
    QTemporaryDir trabajo; // the exercise window saves its statistics here
    if (!QDir().mkpath(destino) || !QDir::setCurrent(trabajo.path())) return 1;
    inicio::Main();
    Principal* p = inicio::principal().cargar();
    bool hecho = guardar(p, destino + QStringLiteral("/principal.png"));
    p->findChild<QAction*>(QStringLiteral("prop"))->trigger();
    hecho = hecho && guardar(inicio::Ejerc().cargar(), destino + QStringLiteral("/ejercicio.png"));
    hecho = hecho && guardar(p, destino + QStringLiteral("/ejercicio-principal.png"));
    p->close();
    if (!hecho) std::fprintf(stderr, "generar_capturas: no se pudo escribir en %s\n", qPrintable(destino));
    return hecho ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    return ejecutarHerramienta<QApplication>(argc, argv, "generar_capturas <carpeta>", 1, capturar);
}
