// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNGs of the hicolor theme's sizes and as SVG:
// <folder>/hicolor/<n>x<n>/apps/tramavox.png, <folder>/hicolor/scalable/apps/tramavox.svg
//
// Usage: generar_iconos <folder>

#include "dibujo/Dibujos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: generar_iconos <carpeta>\n");
        return 2;
    }
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
        const QString carpeta = QStringLiteral("%1/hicolor/%2x%2/apps").arg(raiz).arg(lado);
        if (!QDir().mkpath(carpeta) || !dibujo::dibujarIcono(lado).save(carpeta + "/tramavox.png")) {
            std::fprintf(stderr, "generar_iconos: no se pudo escribir en %s\n", qPrintable(carpeta));
            return 1;
        }
    }
    const QString escalable = raiz + QStringLiteral("/hicolor/scalable/apps");
    QFile svg(escalable + QStringLiteral("/tramavox.svg"));
    if (!QDir().mkpath(escalable) || !svg.open(QIODevice::WriteOnly) || svg.write(dibujo::iconoSvg()) < 0) {
        std::fprintf(stderr, "generar_iconos: no se pudo escribir en %s\n", qPrintable(escalable));
        return 1;
    }
    return 0;
}
