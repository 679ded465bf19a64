// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of every window, for a classroom projector: one factor for the
// whole program, in steps from 100 % to 300 %, remembered between runs. At
// 100 % everything is as designed.

#include <QObject>
#include <QString>

#include <array>

namespace forms {

constexpr std::array<double, 6> kPasosZoom = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

// The keys of the zoom and of the help, the same in every window ("; "
// between keys that do the same).
inline const QString kTeclasAmpliar = QStringLiteral("Ctrl++; Ctrl+=");
inline const QString kTeclasReducir = QStringLiteral("Ctrl+-");
inline const QString kTeclasNormal = QStringLiteral("Ctrl+0");
inline const QString kTeclasAyuda = QStringLiteral("F1");

class Zoom : public QObject {
    Q_OBJECT
public:
    static Zoom& actual();

    double factor() const { return kPasosZoom[paso_]; }
    void ampliar() { ponerPaso(paso_ + 1); }
    void reducir() { ponerPaso(paso_ - 1); }
    void normal() { ponerPaso(0); }

    // Pixels at this zoom for a length in twips.
    int aPixeles(int twips) const;

signals:
    void cambiado();

private:
    Zoom();
    void ponerPaso(int paso);

    int paso_ = 0;
};

} // namespace forms
