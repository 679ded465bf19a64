#include "mainwindow/inicio.h"

#include "exercise/Ejerc.h"
#include "forms/Acerca.h"
#include "forms/Ayu.h"
#include "mainwindow/Principal.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace inicio {

forms::Referencia<Principal>& principal()
{
    static forms::Referencia<Principal> ref;
    return ref;
}

forms::Referencia<::Ejerc>& Ejerc()
{
    static forms::Referencia<::Ejerc> ref;
    return ref;
}

forms::Referencia<Acerca>& acerca()
{
    static forms::Referencia<Acerca> ref;
    return ref;
}

forms::Referencia<Ayu>& ayu()
{
    static forms::Referencia<Ayu> ref;
    return ref;
}

namespace {

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

} // namespace

void Main()
{
    traducirQt();
    principal().mostrar();
}

} // namespace inicio
