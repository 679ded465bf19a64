// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Idioma.h"

#include "codigos/Traduccion.h"
#include "formularios/Ajustes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <algorithm>

namespace formularios {

namespace {

bool esNuestro(const QString& codigo)
{
    return std::any_of(kIdiomas.begin(), kIdiomas.end(),
                       [&](const Lengua& l) { return codigo == QLatin1String(l.codigo); });
}

// Qt ships its own texts in some of our languages; for the others the
// program carries them.
bool cargarQt(QTranslator& t, const QString& codigo)
{
    const QString propio = QStringLiteral(":/traducciones/qtbase_%1.qm").arg(codigo);
    if (QFileInfo::exists(propio)) return t.load(propio);
    return t.load(QStringLiteral("qtbase_") + codigo, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

QString idiomaDelSistema()
{
    // The languages the desktop asks for, in its order (LANGUAGE, then
    // LC_ALL, LC_MESSAGES and LANG): the first that is ours.
    for (const QString& lengua : QLocale::system().uiLanguages()) {
        const QString codigo = lengua.left(2).toLower();
        if (esNuestro(codigo)) return codigo;
    }
    return QStringLiteral("es");
}

namespace {
QString& enUso()
{
    static QString codigo = QStringLiteral("es");
    return codigo;
}
} // namespace

QString idiomaEnUso() { return enUso(); }

QLocale localeEnUso() { return QLocale(enUso()); }

Idioma& Idioma::actual()
{
    static Idioma idioma;
    return idioma;
}

Idioma::Idioma()
{
    // The pure code's texts (a code's rules, a violation) go through the same
    // translations as the windows'.
    codigos::ponerTraductor([](const char* contexto, const char* texto) {
        return QCoreApplication::translate(contexto, texto).toStdString();
    });
    const QString guardado = Ajustes().value(kClaveIdioma).toString();
    instalar(esNuestro(guardado) ? guardado : idiomaDelSistema());
}

void Idioma::elegir(const QString& codigo)
{
    if (!esNuestro(codigo)) return;
    Ajustes().setValue(kClaveIdioma, codigo);
    usar(codigo);
}

void Idioma::usar(const QString& codigo)
{
    if (!esNuestro(codigo) || codigo == enUso()) return;
    instalar(codigo);
    emit cambiado();
}

void Idioma::instalar(const QString& codigo)
{
    QCoreApplication::removeTranslator(&nuestro_);
    QCoreApplication::removeTranslator(&deQt_);
    enUso() = codigo;
    if (codigo != QLatin1String("es") && nuestro_.load(QStringLiteral(":/traducciones/tramavox_") + codigo))
        QCoreApplication::installTranslator(&nuestro_);
    if (cargarQt(deQt_, codigo)) QCoreApplication::installTranslator(&deQt_);
}

} // namespace formularios
