// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom of every window, for a classroom projector: one factor for the
// whole program, in steps from 100 % to 300 %, remembered between runs. At
// 100 % everything is as designed. The windows that keep their designed
// layout are watched: the zoom never grows past the step at which one of
// them would not fit, frame and title bar included, on its screen.

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QWidget;

namespace formularios {

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

    double factor() const { return kPasosZoom[size_t(paso_)]; }
    int porcentaje() const { return qRound(factor() * 100); }
    void ampliar() { ponerPaso(paso_ + 1, true); }
    void reducir() { ponerPaso(paso_ - 1, true); }
    void normal() { ponerPaso(0, true); }
    bool puedeAmpliar() const { return paso_ < pasoMaximo(); }

    // Pixels at this zoom for a length in twips.
    int aPixeles(int twips) const;

    // A window of fixed layout, built at the current zoom, whose size limits
    // it from now on; a zoom its screen cannot hold comes down at once.
    void vigilar(QWidget* ventana);

signals:
    void cambiado();

private:
    Zoom();
    void ponerPaso(int paso, bool guardar);
    int pasoMaximo() const;

    int paso_ = 0;
    std::vector<QPointer<QWidget>> fijas_;
};

// What the window manager adds around a window: its real frame once shown,
// a common title bar and border before.
QMargins margenesDeMarco(const QWidget* ventana);

// The part of its screen a window may use (task bars left out).
QRect zonaLibre(const QWidget* ventana);

} // namespace formularios
