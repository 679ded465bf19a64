#pragma once
// The one seam for what the program says to the user outside its windows:
// the system beep and message boxes. Tests install their own to answer boxes
// and count beeps; the program uses Qt's.

#include <QString>

class QWidget;

namespace forms {

class Avisos {
public:
    enum class Botones { Aceptar, SiNo };
    enum class Icono { Ninguno, Critico, Aviso };
    enum class Respuesta { Aceptar, Si, No };

    virtual ~Avisos() = default;
    virtual void beep();
    // Modal; captioned "Tramavox".
    virtual Respuesta mensaje(QWidget* padre, const QString& texto, Botones botones, Icono icono);

    static Avisos& actual();
    // Replaces the current seam (nullptr restores Qt's); the caller keeps ownership.
    static void instalar(Avisos* avisos);
};

} // namespace forms
