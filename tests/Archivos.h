// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of the tests: a line of "puntos.pnt", and whole files read and
// written plainly (the program's own reader and writer are under test).

#include <QFile>
#include <QTest>

// A line of "puntos.pnt": the name in 40 columns, then the counts.
inline QByteArray lineaPuntos(const QByteArray& nombre, const QByteArray& cuentas)
{
    return nombre.leftJustified(40, ' ') + cuentas + "\r\n";
}

inline QByteArray leer(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void escribir(const QString& ruta, const QByteArray& contenido)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}
