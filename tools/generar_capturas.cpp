// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the screenshots that software centres show, with the program's own
// windows, offscreen: the main window, and an exercise with its window.
//
// Usage: generar_capturas <folder>

#include "dibujo/ArchivoImagen.h"
#include "exercise/Ejerc.h"
#include "inicio/inicio.h"
#include "mainwindow/Principal.h"

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: generar_capturas <carpeta>\n");
        return 2;
    }
    const QString destino = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
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
