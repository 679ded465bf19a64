// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the texts of every window design as C++ marks that lupdate reads,
// one line each, in the window's context: the designs keep their texts as
// data, which lupdate cannot see, and the builder translates them at run
// time.
//
// Usage: textos_disenos <file.cpp>

#include "ayuda/DisenoAcerca.h"
#include "ayuda/DisenoAyuda.h"
#include "ejercicio/DisenoEjercicios.h"
#include "ejercicio/DisenoVistaClase.h"
#include "entrenador/DisenoEntrenador.h"
#include "formatos/ArchivoEntero.h"
#include "laboratorio/DisenoLaboratorio.h"
#include "principal/DisenoPrincipal.h"

#include "Herramienta.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

QString comoLiteral(const QString& texto)
{
    QString r = texto;
    r.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    r.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + r + QLatin1Char('"');
}

int escribir(const QStringList& argumentos)
{
    QString salida = QStringLiteral("// Written by textos_disenos; read by lupdate, never compiled.\n");
    for (const formularios::DefinicionVentana& d :
         {principal::disenoPrincipal(), ejercicio::disenoEjercicios(), ejercicio::disenoVistaClase(),
          laboratorio::disenoLaboratorio(), entrenador::disenoEntrenador(), ayuda::disenoAyuda(),
          ayuda::disenoAcerca()}) {
        for (const QString& t : formularios::textosTraducibles(d))
            salida += QStringLiteral("QT_TRANSLATE_NOOP(%1, %2);\n").arg(comoLiteral(d.nombre), comoLiteral(t));
    }
    const QString error = formatos::escribirEntero(argumentos[0], salida.toUtf8());
    if (error.isEmpty()) return 0;
    std::fprintf(stderr, "textos_disenos: %s: %s\n", qPrintable(argumentos[0]), qPrintable(error));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    return ejecutarHerramienta<QGuiApplication>(argc, argv, "textos_disenos <file.cpp>", 1, escribir);
}
