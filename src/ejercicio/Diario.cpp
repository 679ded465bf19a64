// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/Diario.h"

#include "formatos/ArchivoEntero.h"
#include "formatos/Descriptor.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejercicio {

namespace {

const QByteArray kCabecera = "tramavox pendiente 1\n";
constexpr qint64 kMaximo = 64 * 1024 * 1024;

// The bytes of `f` from `desde`, at most `cuantos`.
QByteArray leerDesde(int fd, qint64 desde, qint64 cuantos)
{
    QByteArray r(qsizetype(cuantos), '\0');
    qsizetype leido = 0;
    while (leido < r.size()) {
        const ssize_t n = ::pread(fd, r.data() + leido, size_t(r.size() - leido), off_t(desde + leido));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        leido += n;
    }
    r.truncate(leido);
    return r;
}

} // namespace

Diario::Diario(const QString& rutaPuntos)
    : ruta_(QFileInfo(rutaPuntos).absolutePath() + QStringLiteral("/.") + QFileInfo(rutaPuntos).fileName() +
            QStringLiteral(".pendiente"))
{
}

QByteArray Diario::huella(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// "tramavox pendiente 1", the log's length, the totals' fingerprint, the
// lengths of the lines, the old totals and the new, the fingerprint of the
// three, one a line; then the lines, the old totals and the new. A note cut short by a kill
// fails its fingerprint and owes nothing: the save had not begun.
std::optional<Diario::Deuda> Diario::leer() const
{
    const formatos::Lectura nota = formatos::leerEntero(ruta_, kMaximo);
    if (!nota.contenido.startsWith(kCabecera)) return std::nullopt;
    QList<QByteArray> campos;
    qsizetype desde = kCabecera.size();
    for (int i = 0; i < 6; ++i) {
        const qsizetype fin = nota.contenido.indexOf('\n', desde);
        if (fin < 0) return std::nullopt;
        campos << nota.contenido.mid(desde, fin - desde);
        desde = fin + 1;
    }
    const QByteArray resto = nota.contenido.mid(desde);
    const auto lineas = qsizetype(campos[2].toLongLong()), anterior = qsizetype(campos[3].toLongLong());
    if (lineas < 0 || anterior < 0 || lineas + anterior + campos[4].toLongLong() != resto.size() ||
        huella(resto) != campos[5])
        return std::nullopt;
    return Deuda{campos[0].toLongLong(), campos[1], resto.left(lineas), resto.mid(lineas, anterior),
                 resto.mid(lineas + anterior)};
}

bool Diario::anotar(const Deuda& d)
{
    formatos::Descriptor f(formatos::abrir(ruta_, O_RDWR, true));
    if (f.numero() < 0) return false;
    const QByteArray nota = kCabecera + QByteArray::number(d.largoHistorial) + '\n' + d.huellaPuntos + '\n' +
                            QByteArray::number(d.lineas.size()) + '\n' + QByteArray::number(d.anterior.size()) + '\n' +
                            QByteArray::number(d.nuevo.size()) + '\n' + huella(d.lineas + d.anterior + d.nuevo) + '\n' +
                            d.lineas + d.anterior + d.nuevo;
    return formatos::escribirTodo(f.numero(), nota, 0) == 0 && ::ftruncate(f.numero(), off_t(nota.size())) == 0 &&
           ::fsync(f.numero()) == 0;
}

void Diario::saldar()
{
    formatos::Descriptor f(formatos::abrir(ruta_, O_WRONLY));
    if (f.numero() >= 0 && ::ftruncate(f.numero(), 0) == 0) ::fsync(f.numero());
}

QString Diario::deshacer(const QString& rutaPuntos, const QByteArray& ahora, const Deuda& d)
{
    qsizetype hasta = 0; // where the new bytes stop
    while (hasta < ahora.size() && hasta < d.nuevo.size() && ahora[hasta] == d.nuevo[hasta]) ++hasta;
    const bool aMedias = ahora.mid(hasta) == d.anterior.mid(hasta);
    if (!aMedias || ahora == d.anterior || ahora == d.nuevo) return {};
    return formatos::escribirEntero(rutaPuntos, d.anterior);
}

QString Diario::pagar(const QString& rutaHistorial, const Deuda& d)
{
    {
        formatos::Descriptor f(formatos::abrir(rutaHistorial, O_RDWR));
        struct stat datos = {};
        if (f.numero() >= 0 && ::fstat(f.numero(), &datos) == 0 && S_ISREG(datos.st_mode) &&
            datos.st_size > d.largoHistorial) {
            const QByteArray tras = leerDesde(f.numero(), d.largoHistorial, d.lineas.size());
            if (tras == d.lineas) return {}; // paid before the note could be cleared
            // Cut short while it was being added: cut it off and add it whole.
            if (d.lineas.startsWith(tras) && datos.st_size == d.largoHistorial + tras.size() &&
                ::ftruncate(f.numero(), off_t(d.largoHistorial)) != 0)
                return formatos::motivo(errno);
        }
    }
    return formatos::anadirAlFinal(rutaHistorial, d.lineas);
}

} // namespace ejercicio
