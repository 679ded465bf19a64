// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/VentanaAyuda.h"

#include "ayuda/DisenoAyuda.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/LectorRtf.h"
#include "formularios/Avisos.h"
#include "formularios/Zoom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextEdit>

namespace ayuda {

const QString VentanaAyuda::kAyudaIncorporada = QStringLiteral(":/ayuda.rtf");

namespace {

const QString kArchivoAyuda = QStringLiteral("ayuda.rtf");
constexpr qint64 kMaximoBytes = 32 * 1024 * 1024; // a long manual with pictures

// The built-in help is a resource, not a file of the disk.
QByteArray incorporada()
{
    QFile f(VentanaAyuda::kAyudaIncorporada);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

VentanaAyuda::VentanaAyuda() : Formulario(disenoAyuda())
{
    ayutext = controles().buscar<QTextEdit>("ayutext");
    ayutext->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void VentanaAyuda::alCargar()
{
    // The working directory's copy first, so a teacher can replace it; then
    // the installed one; then the one built into the program. A file there
    // that cannot be read (a folder, a FIFO, a huge file) is said.
    const QStringList rutas{kArchivoAyuda, QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../share/tramavox/") + kArchivoAyuda};
    QByteArray rtf;
    for (const QString& ruta : rutas) {
        const formatos::Lectura lectura = formatos::leerEntero(ruta, kMaximoBytes);
        if (!lectura.error.isEmpty()) {
            formularios::Avisos::actual().mensaje(
                this,
                tr("No se pudo leer «%1»: %2. Se muestra la ayuda que lleva el programa.")
                    .arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()), lectura.error),
                formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
            break;
        }
        if (lectura.existe && !lectura.contenido.isEmpty()) {
            rtf = lectura.contenido;
            break;
        }
    }
    rtf_ = rtf.isEmpty() ? incorporada() : rtf;
    mostrar();
}

void VentanaAyuda::alCambiarZoom() { mostrar(); }

void VentanaAyuda::mostrar()
{
    ayutext->document()->setDefaultFont(ayutext->font());
    formatos::leerRtf(rtf_, *ayutext->document(), formularios::Zoom::actual().factor());
    // Shown from its beginning with nothing selected.
    QTextCursor inicio(ayutext->document());
    ayutext->setTextCursor(inicio);
    ayutext->verticalScrollBar()->setValue(0);
}

} // namespace ayuda
