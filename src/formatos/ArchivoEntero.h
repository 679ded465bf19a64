#pragma once
// The project's one way of writing a file: whole or not at all. What is
// written goes to a new file beside the old one, which is replaced only once
// every byte has been written and flushed; a failure leaves the old file as
// it was and reports why.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace formatos {

// `escribir` writes the content into the device and says whether it could.
// Returns an empty text on success, else the reason of the failure.
QString escribirEntero(const QString& ruta, const std::function<bool(QIODevice&)>& escribir);
QString escribirEntero(const QString& ruta, const QByteArray& contenido);

} // namespace formatos
