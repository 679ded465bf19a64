// SPDX-License-Identifier: GPL-3.0-or-later
#include "inicio/inicio.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    inicio::Main();
    return app.exec();
}
