// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the screenshots that software centres show, with the program's own
// windows, offscreen: the main window, and an exercise with its window.
//
// Usage: generar_capturas <folder>

#include "dibujo/ArchivoImagen.h"
#include "ejercicio/VentanaEjercicios.h"
#include "formularios/Ajustes.h"
#include "formularios/Avisos.h"
#include "inicio/inicio.h"
#include "principal/VentanaPrincipal.h"

#include "Herramienta.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// A message box would wait for a click that no build gives: what the program
// would say goes to the error output, and the pictures are not made.
class AvisosSinVentanas : public formularios::Avisos {
public:
    AvisosSinVentanas() { instalar(this); }
    ~AvisosSinVentanas() override { instalar(nullptr); }
    void pitido() override {}
    Respuesta mensaje(QWidget*, const QString& texto, Botones b, Icono) override
    {
        decir(texto);
        return b == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
    int elegir(QWidget*, const QString& texto, const QStringList& botones) override
    {
        decir(texto);
        return int(botones.size()) - 1;
    }
    QString ficheroParaGuardar(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool callado() const { return callado_; }

private:
    void decir(const QString& texto)
    {
        std::fprintf(stderr, "generar_capturas: %s\n", qPrintable(texto));
        callado_ = false;
    }
    bool callado_ = true;
};

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
    // The same pictures at every build, whatever the builder's own settings:
    // a fresh install's zoom and a fixed set of exercises.
    QStandardPaths::setTestModeEnabled(true);
    formularios::Ajustes ajustes;
    ajustes.setValue(formularios::kClaveZoom, 1.0);
    ajustes.setValue(formularios::kClaveSemilla, 1);
    AvisosSinVentanas avisos;
    inicio::Main();
    principal::VentanaPrincipal* p = inicio::principal().cargar();
    bool hecho = guardar(p, destino + QStringLiteral("/principal.png"));
    p->findChild<QAction*>(QStringLiteral("prop"))->trigger();
    hecho = hecho && guardar(inicio::ejercicios().cargar(), destino + QStringLiteral("/ejercicio.png"));
    hecho = hecho && guardar(p, destino + QStringLiteral("/ejercicio-principal.png"));
    p->close();
    if (!hecho) std::fprintf(stderr, "generar_capturas: no se pudo escribir en %s\n", qPrintable(destino));
    return hecho && avisos.callado() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    return ejecutarHerramienta<QApplication>(argc, argv, "generar_capturas <carpeta>", 1, capturar);
}
