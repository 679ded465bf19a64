// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam for what the program says to or asks of the user outside its
// windows: the system beep, message boxes, the password box and the file dialog. Tests install their own to answer boxes
// and count pitidos; the program uses Qt's.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace formularios {

class Avisos {
public:
    enum class Botones { Aceptar, SiNo };
    enum class Icono { Ninguno, Critico, Aviso };
    enum class Respuesta { Aceptar, Si, No };

    virtual ~Avisos() = default;
    virtual void pitido();
    // Modal; captioned "Tramavox". A yes-or-no question starts on "No".
    virtual Respuesta mensaje(QWidget* padre, const QString& texto, Botones botones, Icono icono);

    // Modal, critical icon: the text and one button per choice; returns the
    // index of the one pressed (the last, the cautious one, if the box is
    // closed without a choice).
    virtual int elegir(QWidget* padre, const QString& texto, const QStringList& botones);

    // A password typed in a box that hides it, after `texto`; none when the
    // user cancels.
    virtual std::optional<QString> contrasena(QWidget* padre, const QString& texto);

    // A file name to save to, or an empty text when the user cancels.
    // `filtros` as in QFileDialog; a name without extension gets the chosen one's.
    virtual QString ficheroParaGuardar(QWidget* padre, const QString& titulo, const QString& inicial,
                                       const QString& filtros);

    static Avisos& actual();
    // Replaces the current seam (nullptr restores Qt's); the caller keeps ownership.
    static void instalar(Avisos* avisos);
};

} // namespace formularios
