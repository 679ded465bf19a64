// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name box of a window that counts answers, with the same rules in
// every such window: the students of the statistics in a list; a typed name
// refused as it is typed when the file cannot hold it, checked when Enter
// is pressed or the keyboard moves on, asked about when it differs from a
// student's only in capitals or accents, and added otherwise.

#include <QObject>
#include <QVector>

class QComboBox;
class QWidget;

namespace almacen {
class Estadisticas;
}

namespace ejercicio {

class EleccionAlumno : public QObject {
    Q_OBJECT
public:
    // `siguiente` takes the keyboard once a student is chosen from the list.
    EleccionAlumno(QComboBox* caja, almacen::Estadisticas& estadisticas, QWidget* siguiente);

    // The list filled from the statistics and the prompt shown, nobody
    // chosen, the keyboard on the box.
    void empezar();
    // Takes what the box shows: a student of the list, or a new name.
    void validar();
    // The list follows the table after a merge or a deletion; `elegido` is
    // the student chosen before it, and the one chosen now is returned (-1
    // when gone: the box keeps the name typed, or shows the prompt again
    // after a deletion).
    int seguirTabla(const QVector<int>& posiciones, int elegido, bool borrado);
    // The prompt in the new language, replacing the old one if it shows.
    void cambiarIdioma();

signals:
    // A student chosen; `nuevo` when just added, with no answers yet.
    void elegido(int indice, bool nuevo);
    // The box took or left the keyboard (the window's key preview stops
    // while a name is typed).
    void enLaCaja(bool dentro);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void seleccionar(int indice);
    bool esElMismo(int indice);

    QComboBox* caja_;
    almacen::Estadisticas& estadisticas_;
    QWidget* siguiente_;
    QString invitacion_ = tr("Introduce tu nombre"); // the prompt, in the language it was shown in
};

} // namespace ejercicio
