// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/Profesor.h"

#include "formatos/ArchivoEntero.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sodium.h>

namespace almacen {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};

const QByteArray kCabecera = "tramavox-profesor 1\n";
constexpr qint64 kMaximo = 4096;

// The cost of one check: a fraction of a second on a school's desk, and
// libsodium's choice for passwords typed at a prompt.
constexpr unsigned long long kOperaciones = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t kMemoria = crypto_pwhash_MEMLIMIT_INTERACTIVE;

bool sodioListo()
{
    static const bool listo = sodium_init() >= 0;
    return listo;
}

} // namespace

Profesor::Profesor(const QString& rutaPuntos)
    : ruta_(QFileInfo(rutaPuntos).absolutePath() + QStringLiteral("/.tramavox/profesor"))
{
}

QByteArray Profesor::hash(bool* existe) const
{
    const formatos::Lectura f = formatos::leerEntero(ruta_, kMaximo);
    if (existe) *existe = f.existe;
    if (!f.existe || !f.error.isEmpty() || !f.contenido.startsWith(kCabecera)) return {};
    QByteArray h = f.contenido.mid(kCabecera.size()).trimmed();
    // A hash libsodium cannot read (cut, edited) is damage, not a password.
    if (h.isEmpty() || h.size() >= crypto_pwhash_STRBYTES || !sodioListo() ||
        crypto_pwhash_str_needs_rehash(h.constData(), kOperaciones, kMemoria) < 0)
        return {};
    return h;
}

Profesor::Estado Profesor::estado() const
{
    bool existe = false;
    const QByteArray h = hash(&existe); // the file read once
    if (!existe) return Estado::SinProfesor;
    return h.isEmpty() ? Estado::Danado : Estado::ConProfesor;
}

bool Profesor::comprobar(const QString& contrasena) const
{
    const QByteArray h = hash();
    if (h.isEmpty()) return false;
    const QByteArray clave = contrasena.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), clave.constData(), size_t(clave.size())) == 0;
}

QString Profesor::poner(const QString& nueva, const QString& actual)
{
    switch (estado()) {
    case Estado::Danado: return Textos::tr("el fichero de la contraseña del profesor «%1» está dañado").arg(ruta_);
    case Estado::ConProfesor:
        if (!comprobar(actual)) return Textos::tr("la contraseña actual no es la del profesor");
        break;
    case Estado::SinProfesor: break;
    }
    if (nueva.size() < kMinimo) return Textos::tr("la contraseña ha de tener al menos %1 caracteres").arg(kMinimo);
    if (!sodioListo()) return Textos::tr("no se puede usar la biblioteca de cifrado");
    const QByteArray clave = nueva.toUtf8();
    char h[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(h, clave.constData(), size_t(clave.size()), kOperaciones, kMemoria) != 0)
        return Textos::tr("no hay memoria bastante para cifrar la contraseña");
    return formatos::reemplazarEntero(ruta_, kCabecera + QByteArray(h) + '\n');
}

} // namespace almacen
