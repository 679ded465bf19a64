// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/EleccionAlumno.h"

#include "almacen/Estadisticas.h"
#include "ejercicio/ValidadorNombre.h"
#include "formularios/Avisos.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolTip>

namespace ejercicio {

EleccionAlumno::EleccionAlumno(QComboBox* caja, almacen::Estadisticas& estadisticas, QWidget* siguiente)
    : QObject(caja), caja_(caja), estadisticas_(estadisticas), siguiente_(siguiente)
{
    connect(caja_, &QComboBox::activated, this, [this] {
        siguiente_->setFocus();
        validar();
    });
    // A name the file cannot hold is refused as it is typed, with the reason beside the box.
    auto* validador = new ValidadorNombre(caja_);
    caja_->setValidator(validador);
    connect(caja_->lineEdit(), &QLineEdit::inputRejected, this, [this, validador] {
        formularios::Avisos::actual().pitido();
        QToolTip::showText(caja_->mapToGlobal(QPoint(0, caja_->height())), validador->motivo(), caja_);
    });
    // The box itself takes the keys (its edit field only gets them forwarded).
    caja_->installEventFilter(this);
}

bool EleccionAlumno::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto != caja_) return false;
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
        validar();
        return true; // handled: the box has nothing more to do with it
    }
    if (evento->type() == QEvent::FocusIn) {
        emit enLaCaja(true);
    } else if (evento->type() == QEvent::FocusOut) {
        // The name is checked when the focus moves on inside the window, not
        // when the window merely loses activation or the list drops down.
        const auto razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason) validar();
        emit enLaCaja(false);
    }
    return false;
}

void EleccionAlumno::cambiarIdioma()
{
    const bool mostrada = caja_->currentIndex() < 0 && caja_->currentText() == invitacion_;
    invitacion_ = tr("Introduce tu nombre");
    if (mostrada) caja_->setEditText(invitacion_);
}

void EleccionAlumno::empezar()
{
    caja_->addItems(estadisticas_.tabla().nombresVisibles());
    // The box shows its prompt with no student chosen: Qt would have chosen
    // the first one it was given.
    caja_->setCurrentIndex(-1);
    caja_->setEditText(invitacion_);
    // Nobody is chosen yet: the keyboard starts on the name, over the prompt,
    // and what is typed there never reaches the answer.
    caja_->lineEdit()->selectAll();
    caja_->setFocus(Qt::OtherFocusReason);
}

void EleccionAlumno::seleccionar(int indice)
{
    // Selecting from the program raises the click at once.
    caja_->setCurrentIndex(indice);
    siguiente_->setFocus();
    validar();
}

// A name typed again with other capitals or accents is most likely the same
// student: asked before a second entry splits their results.
bool EleccionAlumno::esElMismo(int indice)
{
    return formularios::Avisos::actual().mensaje(caja_->window(),
                                                 tr("Ya hay un alumno «%1». ¿Eres tú?\n"
                                                    "Responde No solo si eres otro alumno con un nombre parecido.")
                                                     .arg(almacen::sinRelleno(estadisticas_.tabla().nombres[indice])),
                                                 formularios::Avisos::Botones::SiNo,
                                                 formularios::Avisos::Icono::Ninguno) ==
           formularios::Avisos::Respuesta::Si;
}

void EleccionAlumno::validar()
{
    const int i = caja_->currentIndex();
    if (i >= 0) {
        emit elegido(i, false);
        return;
    }
    const QString texto = almacen::nombreLimpio(caja_->currentText());
    if (texto == invitacion_) return;
    if (const QString motivo = almacen::motivoNombreNoValido(texto); !motivo.isEmpty()) {
        formularios::Avisos::actual().mensaje(caja_->window(), motivo, formularios::Avisos::Botones::Aceptar,
                                              formularios::Avisos::Icono::Aviso);
        return;
    }
    if (const int ya = estadisticas_.tabla().parecido(texto); ya >= 0 && esElMismo(ya)) {
        seleccionar(ya);
        return;
    }
    const int n = estadisticas_.tabla().agregar(texto);
    caja_->addItem(almacen::sinRelleno(estadisticas_.tabla().nombres[n]));
    seleccionar(n);
    emit elegido(n, true);
}

int EleccionAlumno::seguirTabla(const QVector<int>& posiciones, int elegido, bool borrado)
{
    QStringList items;
    for (int i = 0; i < caja_->count(); ++i) items << caja_->itemText(i);
    if (items == estadisticas_.tabla().nombresVisibles()) return elegido;
    const bool eraElegido = elegido >= 0 && posiciones.value(elegido, -1) < 0;
    const QSignalBlocker bloqueo(caja_);
    const QString texto = caja_->currentText();
    caja_->clear();
    caja_->addItems(estadisticas_.tabla().nombresVisibles());
    const int ahora = elegido >= 0 ? posiciones.value(elegido, -1) : -1;
    caja_->setCurrentIndex(ahora);
    caja_->lineEdit()->setCursorPosition(0);
    if (ahora < 0) caja_->setEditText(borrado && eraElegido ? invitacion_ : texto);
    return ahora;
}

} // namespace ejercicio
