#include "ayuda/Ayu.h"

#include "ayuda/AyuForm.h"
#include "formatos/LectorRtf.h"

#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QTextEdit>

const QString Ayu::kAyudaIncorporada = QStringLiteral(":/ayuda.rtf");

namespace {

const QString kArchivoAyuda = QStringLiteral("ayuda.rtf");

// The file's bytes, or nothing when it is missing or cannot be read.
QByteArray leerArchivo(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

} // namespace

Ayu::Ayu() : Formulario(ayuForm())
{
    ayutext = ctl().get<QTextEdit>("ayutext");
    ayutext->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void Ayu::Form_Load()
{
    // The working directory's copy first, so a teacher can replace it; then
    // the installed one; then the one built into the program.
    QByteArray rtf = leerArchivo(kArchivoAyuda);
    if (rtf.isEmpty())
        rtf = leerArchivo(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tramavox/") + kArchivoAyuda);
    if (rtf.isEmpty()) rtf = leerArchivo(kAyudaIncorporada);
    formatos::leerRtf(rtf, *ayutext->document());
    // Shown from its beginning with nothing selected.
    QTextCursor inicio(ayutext->document());
    ayutext->setTextCursor(inicio);
    ayutext->verticalScrollBar()->setValue(0);
}
