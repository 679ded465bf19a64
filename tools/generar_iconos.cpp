// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNGs of the hicolor theme's sizes and as SVG:
// <folder>/hicolor/<n>x<n>/apps/tramavox.png, <folder>/hicolor/scalable/apps/tramavox.svg
//
// Usage: generar_iconos <folder>

#include "dibujo/ArchivoImagen.h"
#include "dibujo/Dibujos.h"
#include "formatos/ArchivoEntero.h"

#include "Herramienta.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

int generar(const QStringList& argumentos)
{
    const QString& raiz = argumentos[0];
    const auto fallo = [](const QString& carpeta, const QString& motivo) {
        std::fprintf(stderr, "generar_iconos: %s: %s\n", qPrintable(carpeta), qPrintable(motivo));
        return 1;
    };
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
        const QString carpeta = QStringLiteral("%1/hicolor/%2x%2/apps").arg(raiz).arg(lado);
        if (!QDir().mkpath(carpeta)) return fallo(carpeta, QStringLiteral("no se pudo crear"));
        if (const QString e = dibujo::guardarPng(dibujo::dibujarIcono(lado), carpeta + "/tramavox.png"); !e.isEmpty())
            return fallo(carpeta, e);
    }
    const QString escalable = raiz + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(escalable)) return fallo(escalable, QStringLiteral("no se pudo crear"));
    if (const QString e = formatos::escribirEntero(escalable + "/tramavox.svg", dibujo::iconoSvg()); !e.isEmpty())
        return fallo(escalable, e);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return ejecutarHerramienta<QGuiApplication>(argc, argv, "generar_iconos <carpeta>", 1, generar);
}
