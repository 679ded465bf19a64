// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the name box takes as the student types or pastes: control
// characters (the line end a spreadsheet cell pastes with it) are dropped,
// and a character past the 40th, or one Windows-1252 cannot hold, is
// refused whole, with the reason kept for the window to show.

#include <QValidator>

namespace ejercicio {

class ValidadorNombre : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& posicion) const override;
    // Why the last edit was refused.
    const QString& motivo() const { return motivo_; }

private:
    mutable QString motivo_;
};

} // namespace ejercicio
