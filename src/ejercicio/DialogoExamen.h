// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the teacher asks for an exam: its name, the codes, how many
// questions, how many minutes, the seed, and whether every desk gets the
// same series. Laid out by Qt, so it grows with its texts in every language.

#include "almacen/Examen.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace ejercicio {

class DialogoExamen : public QDialog {
    Q_OBJECT
public:
    explicit DialogoExamen(QWidget* padre);

    // The exam as chosen; its id and start are the class's to give.
    almacen::Examen examen() const;

    void accept() override;

private:
    QLineEdit* nombre_;
    std::array<QCheckBox*, 4> codigos_{};
    QSpinBox* preguntas_;
    QSpinBox* minutos_;
    QSpinBox* semilla_;
    QCheckBox* mismaSerie_;
};

} // namespace ejercicio
