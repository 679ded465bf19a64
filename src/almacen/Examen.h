// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exam the teacher sets for a class folder, with no files and no
// widgets: its name, the codes asked, how many questions, how long, and the
// seed of its questions. Every desk works the same series out of the seed
// (or each desk its own out of the seed and the desk's name), so no desk
// needs to be told its questions, and a desk started again asks the same
// question it asked before.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace almacen {

struct PreguntaExamen {
    QString codigo; // as the log names it: "HDB3"
    QString numero; // four hexadecimal digits
};

struct Examen {
    static constexpr int kMaximoPreguntas = 200;
    static constexpr int kMaximoMinutos = 600;

    QString id;                   // unique in the folder
    QString nombre;               // "Parcial 1"
    QStringList codigos;          // the codes asked, as the log names them
    int preguntas = 10;           // questions per student
    int segundos = 1200;          // from its start
    quint64 semilla = 0;          // of the questions
    bool mismaSerie = true;       // every desk the same questions, in the same order; else each desk its own
    QDateTime inicio;             // when the teacher started it
    std::optional<QDateTime> fin; // when the teacher ended it, if they did

    QDateTime limite() const { return inicio.addSecs(segundos); }
    // Under way: started, not ended and with time left.
    bool enCurso(const QDateTime& ahora) const { return !fin && ahora >= inicio && ahora < limite(); }
    // Whole seconds left, never below zero.
    qint64 segundosQuedan(const QDateTime& ahora) const;
    // The `n`-th question (from 1) at the desk `puesto`.
    PreguntaExamen pregunta(int n, const QString& puesto) const;
    // Why a teacher's choice cannot be an exam ("" when it can): no name,
    // no codes, too few or too many questions or minutes.
    QString problema() const;
};

} // namespace almacen
