// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Idioma.h"
#include "inicio/inicio.h"
#include "linea/OrdenBer.h"
#include "preguntas/OrdenMoodle.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--ber") == 0) {
        // A table on the standard output, for scripts: no window; Qt only
        // for the messages in the user's language.
        QCoreApplication app(argc, argv);
        formularios::Idioma::actual();
        std::string salida, error;
        const int estado = linea::ordenBer({argv + 1, argv + argc}, salida, error);
        std::fputs(salida.c_str(), stdout);
        std::fputs(error.c_str(), stderr);
        return estado;
    }
    if (argc > 1 && std::strcmp(argv[1], "--moodle") == 0) {
        // No window opens: the pictures are drawn offscreen, so that a
        // teacher's script runs anywhere, over ssh too.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // It says nothing but its own errors: Qt's notes on the environment
        // (no runtime folder, say) would read as if something had failed.
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
            if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(texto));
        });
        QApplication app(argc, argv);
        formularios::Idioma::actual();
        return preguntas::ordenMoodle(QCoreApplication::arguments().mid(1));
    }
    QApplication app(argc, argv);
    inicio::Main();
    return app.exec();
}
