// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of a Qt Test data table on one line: its name, then its cells in
// the order of the table's columns (a string literal fills a QString).

#include <QTest>

template <typename... Celdas>
void fila(const char* nombre, Celdas... celdas)
{
    (QTest::newRow(nombre) << ... << celdas);
}
