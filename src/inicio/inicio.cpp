// SPDX-License-Identifier: GPL-3.0-or-later
#include "inicio/inicio.h"

#include "ayuda/Acerca.h"
#include "ayuda/Ayu.h"
#include "exercise/Ejerc.h"
#include "forms/Accesibilidad.h"
#include "forms/AspectoZoom.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/GraficoEspectro.h"
#include "laboratorio/Laboratorio.h"
#include "mainwindow/Aleatorio.h"
#include "mainwindow/Principal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QTranslator>

namespace inicio {

namespace {

// The exercise window as the main window knows it: through the reference,
// so that it is loaded when first shown and loaded afresh after a close.
class EjerciciosDeInicio : public VentanaEjercicios {
public:
    void mostrar() override { Ejerc().mostrar(); }
    bool abierta() override { return Ejerc().cargado(); }
    bool aleatorioElegido() override { return Ejerc()->aleatorioElegido(); }
    void tipo_cod_Click(int index) override { Ejerc()->tipo_cod_Click(index); }
};

Principal* crearPrincipal()
{
    static EjerciciosDeInicio ejercicios;
    auto* p = new Principal();
    p->ponerEjercicios(&ejercicios);
    QObject::connect(p, &Principal::verAcerca, p, [] { acerca().mostrar(); });
    QObject::connect(p, &Principal::verAyuda, p, [] { ayu().mostrar(); });
    QObject::connect(p, &Principal::verLaboratorio, p, [] { laboratorio().mostrar(); });
    // Closing the main window closes the others, in this order; the
    // exercise window saves the statistics as it closes.
    QObject::connect(p, &Principal::cerrando, p, [] {
        acerca().cerrar();
        Ejerc().cerrar();
        ayu().cerrar();
        laboratorio().cerrar();
    });
    return p;
}

Acerca* crearAcerca()
{
    auto* a = new Acerca();
    QObject::connect(a, &Acerca::redibujar, a, [] { principal()->ActPant(); });
    return a;
}

// Qt's own texts (a text box's context menu, the file dialog) in Spanish
// like the rest of the program, whatever language the desktop speaks.
void traducirQt()
{
    static bool instalado = false;
    if (instalado) return;
    auto* traductor = new QTranslator(QCoreApplication::instance());
    instalado = traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (instalado) QCoreApplication::installTranslator(traductor);
    else delete traductor;
}

// Every start proposes its own exercises, so that a class cannot pass the
// answers from desk to desk. A teacher who wants every desk to get the same
// set on purpose writes a whole number as "semilla" in the "ejercicios"
// group of the configuration file.
void sembrarAzar()
{
    bool fija = false;
    const qulonglong semilla = QSettings(QStringLiteral("Tramavox"), QStringLiteral("Tramavox"))
                                   .value(QStringLiteral("ejercicios/semilla"))
                                   .toULongLong(&fija);
    Randomize(fija ? semilla
                   : QRandomGenerator::system()->generate64() ^ quint64(QDateTime::currentMSecsSinceEpoch()));
}

} // namespace

forms::Referencia<Principal>& principal()
{
    static forms::Referencia<Principal> ref(crearPrincipal);
    return ref;
}

forms::Referencia<::Ejerc>& Ejerc()
{
    static forms::Referencia<::Ejerc> ref([] { return new ::Ejerc(*principal().cargar()); });
    return ref;
}

forms::Referencia<Acerca>& acerca()
{
    static forms::Referencia<Acerca> ref(crearAcerca);
    return ref;
}

forms::Referencia<Ayu>& ayu()
{
    static forms::Referencia<Ayu> ref([] { return new Ayu(); });
    return ref;
}

forms::Referencia<Laboratorio>& laboratorio()
{
    static forms::Referencia<Laboratorio> ref([] { return new Laboratorio(); });
    return ref;
}

void Main()
{
    traducirQt();
    forms::instalarAccesibilidad();
    forms::seguirZoomEnQt();
    forms::sonDibujos(laboratorio::DibujoCodigos::staticMetaObject);
    forms::sonDibujos(laboratorio::GraficoEspectro::staticMetaObject);
    sembrarAzar();
    forms::Formulario::ponerAyuda([] { ayu().mostrar(); });
    principal().mostrar();
}

} // namespace inicio
