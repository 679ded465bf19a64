// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/PuntosCompartidos.h"

#include "ejercicio/Numeros.h"
#include "formatos/ArchivoEntero.h"

#include "ejercicio/Diario.h"
#include "formatos/Cerrojo.h"
#include "formatos/Csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

namespace ejercicio {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(ejercicio)
};
} // namespace

namespace {

// Lines the log owes where no note could be kept (a folder that takes no
// new file), for the next save of this run.
QByteArray& sinAnotar(const QString& rutaHistorial)
{
    static QHash<QString, QByteArray> lineas;
    return lineas[rutaHistorial];
}

// The length of the log, 0 while it is no file yet (it then gets its header).
qint64 largoDe(const QString& ruta)
{
    struct stat datos = {};
    return ::lstat(QFile::encodeName(ruta).constData(), &datos) == 0 && S_ISREG(datos.st_mode) ? qint64(datos.st_size)
                                                                                               : 0;
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

const QByteArray kCabeceraHistorial = "fecha,alumno,codigo,numero,respuesta,resultado,modo\r\n";

QByteArray lineaHistorial(const RespuestaContada& r)
{
    const QStringList campos{r.cuando.toString(Qt::ISODate),
                             sinRelleno(r.alumno),
                             r.codigo,
                             r.numero,
                             r.respuesta,
                             r.correcta ? QStringLiteral("bien") : QStringLiteral("mal"),
                             r.modo};
    QStringList escritos;
    for (const QString& c : campos) escritos << formatos::campoCsv(c, QLatin1Char(','));
    return escritos.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

Fusion fusionar(const TablaAlumnos& disco, const TablaAlumnos& base, const TablaAlumnos& mia,
                const QSet<int>& reiniciados)
{
    Fusion f{disco, QVector<int>(mia.num_alumnos(), -1), false};
    QVector<bool> usado(disco.num_alumnos(), false);
    const auto sumar = [&f](modelo::Cuenta enDisco, qint64 nuevas) { return enDisco.mas(nuevas, &f.saturada); };
    for (int i = 0; i < mia.num_alumnos(); ++i) {
        const bool reiniciado = reiniciados.contains(i);
        if (i >= base.num_alumnos()) {
            f.posiciones[i] = f.tabla.agregar(mia.nombres[i], mia.totales[i], mia.aciertos[i]);
            continue;
        }
        const qint64 total = mia.totales[i].valor() - base.totales[i].valor();
        const qint64 bien = mia.aciertos[i].valor() - base.aciertos[i].valor();
        const int j = buscar(disco, usado, i, base.nombres[i]);
        if (j < 0) {
            // Removed by another copy: it comes back only with new answers.
            if (!reiniciado && (total != 0 || bien != 0))
                f.posiciones[i] = f.tabla.agregar(mia.nombres[i], modelo::Cuenta(total), modelo::Cuenta(bien));
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

// What an earlier save left owing to the log (it died, or the log could
// not be written, after the totals were saved) is paid; a note whose totals
// never reached the file owes nothing, and totals a kill left half written
// get their old bytes back (`disco` is read again then). Returns the lines
// still owed.
QByteArray PuntosCompartidos::pagarDeudas(Diario& diario, Carga& disco) const
{
    const auto deuda = diario.leer();
    if (!deuda) return {};
    if (Diario::huella(disco.bytes) != deuda->huellaPuntos) {
        // Killed before the totals were saved, or while they were written in place.
        if (Diario::deshacer(ruta_, disco.bytes, *deuda).isEmpty()) {
            if (disco.bytes != deuda->anterior) disco = cargarPuntos(ruta_);
            diario.saldar();
        }
        return {};
    }
    if (!Diario::pagar(rutaHistorial(), *deuda).isEmpty()) return deuda->lineas;
    diario.saldar();
    return {};
}

Carga PuntosCompartidos::cargar()
{
    // Read under the lock where it can be had, so that no save is seen half
    // written, and what a killed copy left half done is settled. A user who
    // may not write the file reads it as it is.
    const formatos::Cerrojo cerrojo(ruta_, formatos::Cerrojo::kEsperaMs, false);
    Carga c = cargarPuntos(ruta_);
    if (Diario diario(ruta_); cerrojo.tomado() && c.error.isEmpty() && diario.leer()) pagarDeudas(diario, c);
    base_ = c.tabla;
    reiniciados_.clear();
    return c;
}

// One read-modify-write under the lock: what an earlier save left owing is
// paid, the file is read again, this copy's table merged into it, `cambio`
// applied, the whole file written, and then the log, still under the lock.
// On success the result becomes the base and this copy's table.
PuntosCompartidos::Guardado PuntosCompartidos::actualizar(TablaAlumnos& mia,
                                                          const std::function<QString(Fusion&)>& cambio,
                                                          const QList<RespuestaContada>& nuevas)
{
    Guardado g;
    formatos::Cerrojo cerrojo(ruta_);
    if (!(g.error = cerrojo.error()).isEmpty()) return g;
    Carga disco = cargarPuntos(ruta_);
    if (!(g.error = disco.error).isEmpty()) return g;
    Diario diario(ruta_);
    QByteArray debidas = pagarDeudas(diario, disco) + sinAnotar(rutaHistorial());
    if (!(g.error = disco.error).isEmpty()) return g; // read again after its old bytes came back

    Fusion f = fusionar(disco.tabla, base_, mia, reiniciados_);
    if (!(g.error = cambio(f)).isEmpty()) return g;
    const QByteArray puntos = escribirPuntos(f.tabla);
    QByteArray lineas = debidas;
    for (const RespuestaContada& r : nuevas) lineas += lineaHistorial(r);
    const qint64 largo = largoDe(rutaHistorial());
    // A log that is no file yet starts with its header (lines owed already have it).
    if (largo == 0 && debidas.isEmpty() && !lineas.isEmpty()) lineas.prepend(kCabeceraHistorial);
    // A file written in place can be left half written by a kill: the note then keeps both versions.
    const bool enSuSitio = formatos::seEscribeEnSuSitio(ruta_);
    const bool anotada = (enSuSitio || !lineas.isEmpty()) &&
                         diario.anotar({largo, Diario::huella(puntos), lineas, enSuSitio ? disco.bytes : QByteArray(),
                                        enSuSitio ? puntos : QByteArray()});
    if (!(g.error = formatos::escribirEntero(ruta_, puntos, cerrojo)).isEmpty()) {
        // Nothing of this save is owed; what was owed before still is.
        if (anotada)
            debidas.isEmpty()
                ? diario.saldar()
                : void(diario.anotar({largo, Diario::huella(disco.bytes), debidas, disco.bytes, disco.bytes}));
        return g;
    }
    g.puntosGuardados = true;
    base_ = f.tabla;
    mia = f.tabla;
    reiniciados_.clear();
    g.posiciones = f.posiciones;
    g.saturada = f.saturada;
    sinAnotar(rutaHistorial()).clear();
    if (lineas.isEmpty()) {
        if (anotada) diario.saldar();
        return g;
    }
    if (const QString error = formatos::anadirAlFinal(rutaHistorial(), lineas); !error.isEmpty()) {
        // The note keeps the lines for the next save of any copy; without one, this copy keeps them.
        if (!anotada) sinAnotar(rutaHistorial()) = lineas;
        g.error = error;
        return g;
    }
    if (anotada) diario.saldar();
    return g;
}

PuntosCompartidos::Guardado PuntosCompartidos::guardar(TablaAlumnos& mia, const QList<RespuestaContada>& nuevas)
{
    const auto sinCambios = [](Fusion&) { return QString(); };
    return actualizar(mia, sinCambios, nuevas);
}

PuntosCompartidos::Guardado PuntosCompartidos::borrar(const QString& nombre, int pista, TablaAlumnos& mia)
{
    return actualizar(mia,
                      [&nombre, pista](Fusion& f) {
                          int j = pista >= 0 && pista < f.tabla.num_alumnos() && f.tabla.nombres[pista] == nombre
                                      ? pista
                                      : -1;
                          if (j < 0) j = int(f.tabla.nombres.indexOf(nombre));
                          if (j < 0)
                              return Textos::tr("«%1» ya no está en el fichero: otra copia del programa lo ha borrado")
                                  .arg(sinRelleno(nombre));
                          f.tabla.quitar(j);
                          for (int& p : f.posiciones) p = p == j ? -1 : p > j ? p - 1 : p;
                          return QString();
                      },
                      {});
}

} // namespace ejercicio
