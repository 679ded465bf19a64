// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the whole program: Spanish, in which it is written, or one
// of the translations built into it. It follows the system's language until
// the user chooses one, which is then remembered between runs. A change
// installs the new translations at once; Qt then tells every open window,
// and each relabels itself.

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTranslator>

#include <array>

namespace formularios {

struct Lengua {
    const char* codigo; // ISO 639-1
    const char* nombre; // in its own language, so that anyone finds theirs
};

constexpr std::array<Lengua, 5> kIdiomas = {{
    {"es", "Español"},
    {"ca", "Català"},
    {"gl", "Galego"},
    {"eu", "Euskara"},
    {"en", "English"},
}};

// The first of the desktop's languages that is one of ours, or Spanish.
QString idiomaDelSistema();

// The language in use (Spanish until the program chooses one), and how it
// writes numbers and dates for what is shown; files keep their own forms.
QString idiomaEnUso();
QLocale localeEnUso();

class Idioma : public QObject {
    Q_OBJECT
public:
    static Idioma& actual();

    QString codigo() const { return idiomaEnUso(); }

    // The user's choice, kept for the next run; an unknown code is ignored.
    void elegir(const QString& codigo);
    // A language for this run only (a build tool writing one document per
    // language), leaving the user's choice as it was.
    void usar(const QString& codigo);

signals:
    void cambiado();

private:
    Idioma();
    void instalar(const QString& codigo);

    QTranslator nuestro_; // the program's own texts
    QTranslator deQt_;    // Qt's: context menus, dialog buttons, file dialogs
};

} // namespace formularios
