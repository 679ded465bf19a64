// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/PuntosCompartidos.h"

#include "exercise/Numeros.h"
#include "formatos/ArchivoEntero.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace ejercicio {

namespace {

constexpr int kEsperaCerrojoMs = 5000;

// The lock beside the file, taken for one read-modify-write. A folder where
// no lock file can be made (read-only) is one no other copy can change
// either, so the work goes on without it.
class Cerrojo {
public:
    explicit Cerrojo(const QString& ruta) : cerrojo_(ruta + QStringLiteral(".lock"))
    {
        cerrojo_.setStaleLockTime(30000); // a dead owner's lock is taken over
        if (cerrojo_.tryLock(kEsperaCerrojoMs) || cerrojo_.error() == QLockFile::PermissionError) return;
        error_ = QStringLiteral("otra copia del programa lo tiene ocupado; inténtelo de nuevo");
    }
    const QString& error() const { return error_; }

private:
    QLockFile cerrojo_;
    QString error_;
};

QString campoCsv(const QString& texto)
{
    static const QRegularExpression especial(QStringLiteral("[\",\r\n]"));
    if (!texto.contains(especial)) return texto;
    return QLatin1Char('"') + QString(texto).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString sinRelleno(QString nombre)
{
    while (nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
    return nombre;
}

// The entry of `disco` for a student of `base`: same position and name,
// else the first unused entry of that name, else none (removed elsewhere).
int buscar(const TablaAlumnos& disco, const QVector<bool>& usado, int i, const QString& nombre)
{
    if (i < disco.num_alumnos() && !usado[i] && disco.nombres[i] == nombre) return i;
    for (int k = 0; k < disco.num_alumnos(); ++k)
        if (!usado[k] && disco.nombres[k] == nombre) return k;
    return -1;
}

} // namespace

const QByteArray kCabeceraHistorial = "fecha,alumno,codigo,numero,respuesta,resultado\r\n";

QByteArray lineaHistorial(const RespuestaContada& r)
{
    const QStringList campos{r.cuando.toString(Qt::ISODate), sinRelleno(r.alumno), r.codigo, r.numero, r.respuesta,
                             r.correcta ? QStringLiteral("bien") : QStringLiteral("mal")};
    QStringList escritos;
    for (const QString& c : campos) escritos << campoCsv(c);
    return escritos.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

Fusion fusionar(const TablaAlumnos& disco, const TablaAlumnos& base, const TablaAlumnos& mia,
                const QSet<int>& reiniciados)
{
    Fusion f{disco, QVector<int>(mia.num_alumnos(), -1), false};
    QVector<bool> usado(disco.num_alumnos(), false);
    const auto sumar = [&f](const QString& enDisco, qint64 nuevas) {
        return QString::number(sumarCuenta(leerCuenta(enDisco), nuevas, &f.saturada));
    };
    for (int i = 0; i < mia.num_alumnos(); ++i) {
        const bool reiniciado = reiniciados.contains(i);
        if (i >= base.num_alumnos()) {
            f.posiciones[i] = f.tabla.agregar(mia.nombres[i], mia.totales[i], mia.aciertos[i]);
            continue;
        }
        const qint64 total = leerCuenta(mia.totales[i]) - leerCuenta(base.totales[i]);
        const qint64 bien = leerCuenta(mia.aciertos[i]) - leerCuenta(base.aciertos[i]);
        const int j = buscar(disco, usado, i, base.nombres[i]);
        if (j < 0) {
            // Removed by another copy: it comes back only with new answers.
            if (!reiniciado && (total != 0 || bien != 0)) f.posiciones[i] = f.tabla.agregar(mia.nombres[i], QString::number(total), QString::number(bien));
            continue;
        }
        usado[j] = true;
        f.posiciones[i] = j;
        if (reiniciado) {
            f.tabla.totales[j] = mia.totales[i];
            f.tabla.aciertos[j] = mia.aciertos[i];
        } else if (total != 0 || bien != 0) {
            f.tabla.totales[j] = sumar(disco.totales[j], total);
            f.tabla.aciertos[j] = sumar(disco.aciertos[j], bien);
        }
    }
    return f;
}

PuntosCompartidos::PuntosCompartidos(const QString& ruta) : ruta_(QDir::current().absoluteFilePath(ruta)) {}

QString PuntosCompartidos::rutaHistorial() const
{
    return QFileInfo(ruta_).absolutePath() + QStringLiteral("/historial.csv");
}

Carga PuntosCompartidos::cargar()
{
    Carga c = cargarPuntos(ruta_);
    base_ = c.tabla;
    reiniciados_.clear();
    return c;
}

// One read-modify-write under the lock: the file is read again, this copy's
// table merged into it, `cambio` applied, the whole file written, and then
// `despues` done (the log), still under the lock. On success the result
// becomes the base and this copy's table.
PuntosCompartidos::Guardado PuntosCompartidos::actualizar(TablaAlumnos& mia, const std::function<void(Fusion&)>& cambio,
                                                          const std::function<QString()>& despues)
{
    Guardado g;
    const Cerrojo cerrojo(ruta_);
    if (!(g.error = cerrojo.error()).isEmpty()) return g;
    Carga disco = cargarPuntos(ruta_);
    if (!(g.error = disco.error).isEmpty()) return g;
    Fusion f = fusionar(disco.tabla, base_, mia, reiniciados_);
    cambio(f);
    if (!(g.error = formatos::escribirEntero(ruta_, escribirPuntos(f.tabla))).isEmpty()) return g;
    base_ = f.tabla;
    mia = f.tabla;
    reiniciados_.clear();
    g.posiciones = f.posiciones;
    g.saturada = f.saturada;
    // The counts are saved already; a log that cannot be written is said,
    // and its lines are offered again at the next save.
    g.error = despues();
    return g;
}

PuntosCompartidos::Guardado PuntosCompartidos::guardar(TablaAlumnos& mia, const QList<RespuestaContada>& nuevas)
{
    return actualizar(mia, [](Fusion&) {}, [this, &nuevas]() -> QString {
        QByteArray lineas;
        for (const RespuestaContada& r : nuevas) lineas += lineaHistorial(r);
        if (lineas.isEmpty()) return {};
        const bool nuevo = !QFileInfo::exists(rutaHistorial());
        const QString error = formatos::anadirAlFinal(rutaHistorial(), nuevo ? kCabeceraHistorial + lineas : lineas);
        return error.isEmpty() ? error : QStringLiteral("«historial.csv»: ") + error;
    });
}

PuntosCompartidos::Guardado PuntosCompartidos::borrar(int indice, TablaAlumnos& mia)
{
    return actualizar(mia, [indice](Fusion& f) {
        const int j = f.posiciones.value(indice, -1);
        if (j < 0) return;
        f.tabla.nombres.removeAt(j);
        f.tabla.totales.removeAt(j);
        f.tabla.aciertos.removeAt(j);
        for (int& p : f.posiciones) p = p == j ? -1 : p > j ? p - 1 : p;
    }, [] { return QString(); });
}

} // namespace ejercicio
