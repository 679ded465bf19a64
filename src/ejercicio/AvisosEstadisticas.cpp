// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/AvisosEstadisticas.h"

#include "formularios/Avisos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <limits>

namespace ejercicio {

using almacen::Carga;
using almacen::Estadisticas;
using almacen::Lecturas;

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(ejercicio)
};
} // namespace

namespace {

using formularios::Avisos;

QString nativa(const QString& ruta) { return QDir::toNativeSeparators(ruta); }

// What loading found in a hand-edited file, said once as the window opens.
void avisarLecturas(QWidget* ventana, const Lecturas& lecturas, const QString& ruta)
{
    if (lecturas.saturada) avisarSaturada(ventana, ruta);
    const QString archivo = nativa(ruta);
    QStringList partes;
    if (lecturas.utf8)
        partes << Textos::tr("«%1» estaba escrito en UTF-8; se ha leído así y se guardará en Windows-1252, como lo "
                             "escribe el programa.")
                      .arg(archivo);
    if (!lecturas.avisos.isEmpty()) {
        constexpr int kMaximoLineas = 10;
        QStringList lineas = lecturas.avisos.mid(0, kMaximoLineas);
        if (lecturas.avisos.size() > kMaximoLineas)
            lineas << Textos::tr("y %1 más").arg(lecturas.avisos.size() - kMaximoLineas);
        partes << Textos::tr("Estas líneas de «%1» no son de ningún alumno y se dejan como están: %2.")
                      .arg(archivo, lineas.join(QStringLiteral("; ")));
    }
    if (!partes.isEmpty())
        Avisos::actual().mensaje(ventana, partes.join(QLatin1Char('\n')), Avisos::Botones::Aceptar,
                                 Avisos::Icono::Aviso);
}

} // namespace

void avisarCarga(QWidget* ventana, const Carga& carga, const QString& ruta)
{
    if (carga.error.isEmpty()) {
        avisarLecturas(ventana, carga.lecturas, ruta);
        return;
    }
    Avisos::actual().mensaje(ventana,
                             Textos::tr("No se pudo leer «%1»: %2. Las estadísticas de esta sesión no se guardarán.")
                                 .arg(nativa(ruta), carga.error),
                             Avisos::Botones::Aceptar, Avisos::Icono::Critico);
}

Carga abrirConAvisos(QWidget* ventana, Estadisticas& estadisticas)
{
    Carga carga = estadisticas.abrir();
    auto& avisos = Avisos::actual();
    while (estadisticas.usuarios() == 1 && !estadisticas.errorCarpeta().isEmpty()) {
        const QString carpeta = QFileInfo(estadisticas.rutaPuntos()).absolutePath();
        const int eleccion = avisos.elegir(
            ventana,
            Textos::tr("La carpeta «%1» no puede guardar las respuestas de la clase: %2. Puedes guardarlas en una "
                       "carpeta tuya.")
                .arg(nativa(carpeta), estadisticas.errorCarpeta()),
            {Textos::tr("Guardar en una carpeta mía…"), Textos::tr("Seguir sin guardar")});
        if (eleccion != 0) break;
        const QString ruta = avisos.ficheroParaGuardar(ventana, Textos::tr("Guardar las estadísticas en"),
                                                       QDir::homePath() + QStringLiteral("/puntos.pnt"),
                                                       Textos::tr("Estadísticas (*.pnt)"));
        if (ruta.isEmpty()) continue;
        estadisticas.cerrar();
        carga = estadisticas.abrir(ruta);
    }
    avisarCarga(ventana, carga, estadisticas.rutaPuntos());
    return carga;
}

bool guardarConAvisos(QWidget* ventana, Estadisticas& estadisticas, Momento momento)
{
    // The desks whose student has been told that their answers wait.
    static QSet<const Estadisticas*> avisadas;
    if (!estadisticas.puedeGuardar()) return true;
    const QString ruta = estadisticas.rutaPuntos();
    auto& avisos = Avisos::actual();
    for (;;) {
        const auto hecho = estadisticas.guardar();
        if (hecho.saturada) avisarSaturada(ventana, ruta);
        if (hecho.guardado) {
            avisadas.remove(&estadisticas);
            return true;
        }
        if (momento == Momento::TrasResponder) {
            if (!avisadas.contains(&estadisticas))
                avisos.mensaje(ventana,
                               Textos::tr("No se pudo anotar la respuesta en la carpeta de la clase «%1»: %2. Se "
                                          "guarda en este puesto y se anotará en cuanto se pueda; no se te volverá "
                                          "a avisar hasta entonces.")
                                   .arg(nativa(QFileInfo(ruta).absolutePath()), hecho.error),
                               Avisos::Botones::Aceptar, Avisos::Icono::Aviso);
            avisadas.insert(&estadisticas);
            return true;
        }
        const int eleccion =
            avisos.elegir(ventana,
                          Textos::tr("No se pudieron anotar las respuestas en la carpeta de la clase «%1»: %2.")
                              .arg(nativa(QFileInfo(ruta).absolutePath()), hecho.error),
                          {Textos::tr("Reintentar"), Textos::tr("Guardar una copia…"), Textos::tr("Cerrar sin guardar"),
                           Textos::tr("Cancelar")});
        if (eleccion == 0) continue;
        if (eleccion == 1) {
            const QString copia = avisos.ficheroParaGuardar(
                ventana, Textos::tr("Guardar una copia de las estadísticas"),
                QDir::homePath() + QStringLiteral("/puntos.pnt"), Textos::tr("Estadísticas (*.pnt)"));
            if (copia.isEmpty()) continue;
            if (const QString error = estadisticas.guardarCopia(copia); !error.isEmpty()) {
                avisos.mensaje(ventana,
                               Textos::tr("No se pudo guardar la copia en «%1»: %2.").arg(nativa(copia), error),
                               Avisos::Botones::Aceptar, Avisos::Icono::Critico);
                continue;
            }
            return true;
        }
        return eleccion == 2;
    }
}

void avisarSaturada(QWidget* ventana, const QString& ruta)
{
    Avisos::actual().mensaje(
        ventana,
        Textos::tr("Una cuenta de «%1» ha llegado al máximo que se puede guardar (%2) y no crecerá más.")
            .arg(nativa(ruta))
            .arg(std::numeric_limits<qint64>::max()),
        Avisos::Botones::Aceptar, Avisos::Icono::Aviso);
}

} // namespace ejercicio
