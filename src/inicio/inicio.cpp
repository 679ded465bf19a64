// SPDX-License-Identifier: GPL-3.0-or-later
#include "inicio/inicio.h"

#include "almacen/Estadisticas.h"
#include "ayuda/VentanaAcerca.h"
#include "ayuda/VentanaAyuda.h"
#include "ejercicio/VentanaEjercicios.h"
#include "entrenador/DibujoEntrenador.h"
#include "entrenador/VentanaEntrenador.h"
#include "formularios/Accesibilidad.h"
#include "formularios/Ajustes.h"
#include "formularios/AspectoZoom.h"
#include "formularios/Avisos.h"
#include "formularios/Idioma.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/GraficoBer.h"
#include "laboratorio/GraficoEspectro.h"
#include "laboratorio/GraficoOjo.h"
#include "laboratorio/VentanaLaboratorio.h"
#include "modelo/Aleatorio.h"
#include "modelo/Ejercicio.h"
#include "principal/VentanaPrincipal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>

namespace inicio {

using ayuda::VentanaAcerca;
using ayuda::VentanaAyuda;
using ejercicio::VentanaEjercicios;
using laboratorio::VentanaLaboratorio;
using principal::VentanaPrincipal;

namespace {

// The exercise window as the main window knows it: through the reference,
// so that it is loaded when first shown and loaded afresh after a close.
class EjerciciosDeInicio : public principal::EnlaceEjercicios {
public:
    void mostrar() override { ejercicios().mostrar(); }
    bool abierta() override { return ejercicios().cargado(); }
};

struct Textos {
    Q_DECLARE_TR_FUNCTIONS(inicio)
};

// During an exam the laboratory and the trainer are closed: they would
// answer its questions. A copy that has not opened the class looks at it
// once, so that a second copy of the program is no way round the exam.
bool cerradaPorExamen(QWidget* padre)
{
    almacen::Estadisticas& e = estadisticas();
    std::optional<almacen::Examen> examen;
    if (e.usuarios() > 0) {
        examen = e.examenEnCurso();
    } else if (QFileInfo(almacen::AlmacenClase(e.rutaPuntos()).carpetaRegistros()).isDir()) {
        e.abrir();
        examen = e.examenEnCurso();
        e.cerrar();
    }
    if (!examen) return false;
    formularios::Avisos::actual().mensaje(
        padre, Textos::tr("Durante el examen «%1» el laboratorio y el entrenador están cerrados.").arg(examen->nombre),
        formularios::Avisos::Botones::Aceptar, formularios::Avisos::Icono::Aviso);
    return true;
}

VentanaPrincipal* crearPrincipal()
{
    static EjerciciosDeInicio enlace;
    auto* p = new VentanaPrincipal(modeloEjercicio());
    p->ponerEjercicios(&enlace);
    QObject::connect(p, &VentanaPrincipal::verAcerca, p, [] { acerca().mostrar(); });
    QObject::connect(p, &VentanaPrincipal::verAyuda, p, [] { ayuda().mostrar(); });
    QObject::connect(p, &VentanaPrincipal::verLaboratorio, p, [p] {
        if (!cerradaPorExamen(p)) laboratorio().mostrar();
    });
    QObject::connect(p, &VentanaPrincipal::verEntrenador, p, [p] {
        if (!cerradaPorExamen(p)) entrenador().mostrar();
    });
    // An exam that begins closes them on every desk that has the class open.
    QObject::connect(&estadisticas(), &almacen::Estadisticas::examenCambiado, p, [](bool enCurso) {
        if (!enCurso) return;
        entrenador().cerrar();
        laboratorio().cerrar();
    });
    // Closing the main window closes the others, in this order; the
    // exercise window saves the statistics as it closes.
    QObject::connect(p, &VentanaPrincipal::cerrando, p, [] {
        acerca().cerrar();
        ejercicios().cerrar();
        entrenador().cerrar();
        ayuda().cerrar();
        laboratorio().cerrar();
    });
    return p;
}

VentanaAcerca* crearAcerca()
{
    auto* a = new VentanaAcerca();
    QObject::connect(a, &VentanaAcerca::redibujar, a, [] { principal()->actualizarPantalla(); });
    return a;
}

// Every start proposes its own exercises, so that a class cannot pass the
// answers from desk to desk. A teacher who wants every desk to get the same
// set on purpose writes a whole number as "semilla" in the "ejercicios"
// group of the configuration file.
void sembrarAzar()
{
    bool fija = false;
    const qulonglong semilla = formularios::Ajustes().value(formularios::kClaveSemilla).toULongLong(&fija);
    modelo::sembrarAleatorio(
        fija ? semilla : QRandomGenerator::system()->generate64() ^ quint64(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace

formularios::Referencia<VentanaPrincipal>& principal()
{
    static formularios::Referencia<VentanaPrincipal> ref(crearPrincipal);
    return ref;
}

formularios::Referencia<VentanaEjercicios>& ejercicios()
{
    static formularios::Referencia<VentanaEjercicios> ref(
        [] { return new VentanaEjercicios(modeloEjercicio(), estadisticas(), *principal().cargar()); });
    return ref;
}

formularios::Referencia<VentanaAcerca>& acerca()
{
    static formularios::Referencia<VentanaAcerca> ref(crearAcerca);
    return ref;
}

formularios::Referencia<VentanaAyuda>& ayuda()
{
    static formularios::Referencia<VentanaAyuda> ref([] { return new VentanaAyuda(); });
    return ref;
}

formularios::Referencia<entrenador::VentanaEntrenador>& entrenador()
{
    static formularios::Referencia<entrenador::VentanaEntrenador> ref(
        [] { return new entrenador::VentanaEntrenador(estadisticas()); });
    return ref;
}

formularios::Referencia<VentanaLaboratorio>& laboratorio()
{
    static formularios::Referencia<VentanaLaboratorio> ref([] { return new VentanaLaboratorio(); });
    return ref;
}

almacen::Estadisticas& estadisticas()
{
    static almacen::Estadisticas estadisticas;
    return estadisticas;
}

modelo::Ejercicio& modeloEjercicio()
{
    static modelo::Ejercicio modelo;
    return modelo;
}

void Main()
{
    formularios::Idioma::actual();
    formularios::instalarAccesibilidad();
    formularios::seguirZoomEnQt();
    formularios::sonDibujos(laboratorio::DibujoCodigos::staticMetaObject);
    formularios::sonDibujos(laboratorio::GraficoEspectro::staticMetaObject);
    formularios::sonDibujos(laboratorio::GraficoOjo::staticMetaObject);
    formularios::sonDibujos(laboratorio::GraficoBer::staticMetaObject);
    formularios::sonDibujos(entrenador::DibujoEntrenador::staticMetaObject);
    sembrarAzar();
    formularios::Formulario::ponerAyuda([] { ayuda().mostrar(); });
    principal().mostrar();
}

} // namespace inicio
