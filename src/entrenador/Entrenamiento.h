// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill for every code, with no widgets: which codes may be asked and
// how long an exercise is, the exercise (a code, random bits, the line's
// starting state), the student's answer (the bits read, or the line drawn
// half-bit by half-bit with a cursor) and the round. The trainer window
// changes it through its routines and follows it through `cambiado`.

#include "codigos/Correccion.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace entrenador {

enum class Modo { Leer, Dibujar };

enum class Ronda {
    SinEjercicio,
    Propuesto,     // waits for its answer
    SolucionVista, // the solution was shown before any answer: nothing counts
    Respondido,    // checked: the solution is shown, nothing more counts
};

struct Ejercicio {
    codigos::Codigo codigo = codigos::Codigo::Hdb3;
    std::string bits;
    codigos::EstadoInicial inicio;
};

struct Resultado {
    bool correcta = false;
    bool contada = false;
    std::string leidos;        // reading: the bits the answer gives
    std::vector<bool> bitsMal; // reading: the bits misread
    int primera = -1;          // drawing: the first wrong half-bit
};

class Entrenamiento : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 5> kLongitudes{8, 12, 16, 24, 32};

    Modo modo() const { return modo_; }
    void ponerModo(Modo modo);
    const std::vector<codigos::Codigo>& codigos() const { return codigos_; }
    // At least one code: an empty choice keeps the last.
    void ponerCodigos(const std::vector<codigos::Codigo>& codigos);
    int longitud() const { return longitud_; }
    void ponerLongitud(int bits);

    // A code among those chosen, random bits and starting state, from the
    // program's one random source; the answer starts empty.
    void nuevo();
    const Ejercicio& ejercicio() const { return ejercicio_; }
    Ronda ronda() const { return ronda_; }
    // The right line of the exercise.
    std::vector<codigos::Paso> solucion() const;

    // Reading: the text typed, bits or hexadecimal, blanks ignored.
    const QString& respuesta() const { return respuesta_; }
    void ponerRespuesta(const QString& texto);
    // The bits the text gives, or why it gives none (in Spanish).
    std::optional<std::string> bitsDe(const QString& texto, QString* porque) const;

    // Drawing: the level of each half-bit (codigos::kSinDibujar where none
    // yet) and the cursor on one of them.
    const std::vector<int>& mitades() const { return mitades_; }
    int cursor() const { return cursor_; }
    void moverCursor(int cuanto);
    void ponerCursor(int mitad);
    void subir();
    void bajar();
    // A click on a half-bit: it takes the cursor and steps through the
    // code's levels, highest first.
    void pulsar(int mitad);

    // Shows the solution: an answer after it counts nothing.
    void verSolucion();
    // Checks the answer (once a round; nothing when a read answer gives no
    // bits: `porque` says why). The solution is shown afterwards.
    std::optional<Resultado> comprobar(QString* porque = nullptr);
    // The last check of this exercise, for the drawing to mark.
    const std::optional<Resultado>& resultado() const { return resultado_; }
    // The last answer's verdict, in the current language.
    QString veredicto() const;

signals:
    void cambiado();

private:
    void ponerNivel(int nivel);
    std::vector<int> niveles() const; // the code's levels, highest first

    Modo modo_ = Modo::Leer;
    std::vector<codigos::Codigo> codigos_{codigos::kTodosLosCodigos.begin(), codigos::kTodosLosCodigos.end()};
    int longitud_ = 16;
    Ejercicio ejercicio_;
    Ronda ronda_ = Ronda::SinEjercicio;
    QString respuesta_;
    std::vector<int> mitades_;
    int cursor_ = 0;
    std::optional<Resultado> resultado_;
};

} // namespace entrenador
