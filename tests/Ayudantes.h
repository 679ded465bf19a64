#pragma once
// Shared helpers of the window tests: the seam that counts beeps and answers
// message boxes, and ways to find and measure the real widgets.

#include "forms/Avisos.h"
#include "forms/FormDef.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include <deque>

class AvisosDePrueba : public forms::Avisos {
public:
    AvisosDePrueba() { instalar(this); }
    ~AvisosDePrueba() override { instalar(nullptr); }

    void beep() override { ++beeps; }
    Respuesta mensaje(QWidget*, const QString& texto, Botones b, Icono i) override
    {
        mensajes << texto;
        ultimosBotones = b;
        ultimoIcono = i;
        if (respuestas.empty()) return b == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    int beeps = 0;
    QStringList mensajes;
    Botones ultimosBotones = Botones::Aceptar;
    Icono ultimoIcono = Icono::Ninguno;
    std::deque<Respuesta> respuestas;
};

// A top-level window by its design name.
template <typename W = QWidget>
W* ventana(const QString& nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nombre && w->isVisible()) return qobject_cast<W*>(w);
    return nullptr;
}
