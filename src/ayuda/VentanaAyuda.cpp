// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda/VentanaAyuda.h"

#include "ayuda/DisenoAyuda.h"
#include "formatos/ArchivoEntero.h"
#include "formatos/LectorRtf.h"
#include "formularios/Avisos.h"
#include "formularios/Idioma.h"
#include "formularios/Zoom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace ayuda {

const QString VentanaAyuda::kAyudaIncorporada = QStringLiteral(":/ayuda.rtf");

namespace {

const QString kArchivoAyuda = QStringLiteral("ayuda.rtf");
constexpr qint64 kMaximoBytes = 32 * 1024 * 1024; // a long manual with pictures

// The help's file in a language: "ayuda.rtf" in Spanish, "ayuda.ca.rtf"...
QString archivoEn(const QString& idioma)
{
    return idioma == QLatin1String("es") ? kArchivoAyuda : QStringLiteral("ayuda.%1.rtf").arg(idioma);
}

// The built-in help is a resource, not a file of the disk.
QByteArray incorporada(const QString& idioma)
{
    QFile f(QStringLiteral(":/") + archivoEn(idioma));
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
    f.setFileName(VentanaAyuda::kAyudaIncorporada);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

VentanaAyuda::VentanaAyuda() : Formulario(disenoAyuda())
{
    ayutext = controles().buscar<QTextEdit>("ayutext");
    ayutext->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    (new QVBoxLayout(cliente()))->addWidget(ayutext);
}

void VentanaAyuda::alCargar()
{
    leerAyuda();
    mostrar();
}

// The program's help follows the language; a teacher's own, read first
// again, stays.
void VentanaAyuda::alCambiarIdioma()
{
    leerAyuda();
    mostrar();
}

void VentanaAyuda::leerAyuda()
{
    // The working directory's copy first, so a teacher can replace it; then
    // the installed one in the user's language; then the one built into the
    // program in that language, or in Spanish. A file there that cannot be
    // read (a folder, a FIFO, a huge file) is said.
    const QString idioma = formularios::idiomaEnUso();
    const QStringList rutas{kArchivoAyuda, QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../share/tramavox/") + archivoEn(idioma)};
    rtf_.clear();
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
            rtf_ = lectura.contenido;
            break;
        }
    }
    if (rtf_.isEmpty()) rtf_ = incorporada(idioma);
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
