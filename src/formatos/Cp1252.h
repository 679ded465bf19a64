// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the code page of "puntos.pnt" and of most RTF documents
// written on Western European systems.

#include <QByteArray>
#include <QString>

namespace formatos {

QChar desde1252(unsigned char byte);
QString desde1252(const QByteArray& bytes);

// A character Windows-1252 cannot hold becomes "?".
QByteArray a1252(const QString& texto);

} // namespace formatos
