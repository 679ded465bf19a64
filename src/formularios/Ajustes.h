// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps what a user chose from one start to the next,
// and under which keys: read by the windows and start-up, written by the
// tools that need a fixed setting.

#include <QSettings>
#include <QString>

namespace formularios {

// The zoom every window opens at (1.0 is 100 %).
inline const QString kClaveZoom = QStringLiteral("ventanas/zoom");
// The language the user chose ("ca", "en"…); without it, the system's.
inline const QString kClaveIdioma = QStringLiteral("ventanas/idioma");
// A teacher's fixed seed for the exercises; without it each start differs.
inline const QString kClaveSemilla = QStringLiteral("ejercicios/semilla");

// The codes the trainer may ask, as the teacher last marked them (their names).
inline const QString kClaveCodigosEntrenador = QStringLiteral("entrenador/codigos");

// The user's settings of the program, in the system's own place for them.
class Ajustes : public QSettings {
public:
    Ajustes() : QSettings(QStringLiteral("Tramavox"), QStringLiteral("Tramavox")) {}
};

} // namespace formularios
