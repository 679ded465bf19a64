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

QString idiomaPara(const QString& nombreLocale)
{
    const QString codigo = nombreLocale.left(2).toLower();
    return esNuestro(codigo) ? codigo : QStringLiteral("es");
}

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
    instalar(esNuestro(guardado) ? guardado : idiomaPara(QLocale::system().name()));
}

void Idioma::elegir(const QString& codigo)
{
    if (!esNuestro(codigo)) return;
    Ajustes().setValue(kClaveIdioma, codigo);
    usar(codigo);
}

void Idioma::usar(const QString& codigo)
{
    if (!esNuestro(codigo) || codigo == codigo_) return;
    instalar(codigo);
    emit cambiado();
}

void Idioma::instalar(const QString& codigo)
{
    QCoreApplication::removeTranslator(&nuestro_);
    QCoreApplication::removeTranslator(&deQt_);
    codigo_ = codigo;
    if (codigo != QLatin1String("es") && nuestro_.load(QStringLiteral(":/traducciones/tramavox_") + codigo))
        QCoreApplication::installTranslator(&nuestro_);
    if (cargarQt(deQt_, codigo)) QCoreApplication::installTranslator(&deQt_);
}

} // namespace formularios
