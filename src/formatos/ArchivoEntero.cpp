#include "formatos/ArchivoEntero.h"

#include <QSaveFile>

namespace formatos {

QString escribirEntero(const QString& ruta, const std::function<bool(QIODevice&)>& escribir)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return f.errorString();
    // QSaveFile buffers its writes and would commit a file whose last
    // buffer never reached the disk (a full disk, say): the flush is checked
    // before the old file is replaced.
    const bool escrito = escribir(f) && f.flush() && f.error() == QFileDevice::NoError;
    if (!escrito) {
        const QString motivo = f.error() != QFileDevice::NoError ? f.errorString()
                                                                 : QStringLiteral("no se pudo escribir el contenido");
        f.cancelWriting();
        return motivo;
    }
    return f.commit() ? QString() : f.errorString();
}

QString escribirEntero(const QString& ruta, const QByteArray& contenido)
{
    return escribirEntero(ruta, [&contenido](QIODevice& f) { return f.write(contenido) == contenido.size(); });
}

} // namespace formatos
