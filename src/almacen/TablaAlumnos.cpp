// SPDX-License-Identifier: GPL-3.0-or-later
#include "almacen/TablaAlumnos.h"

#include "formatos/Cp1252.h"

#include <QCoreApplication>

namespace almacen {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(almacen)
};
} // namespace

QString nombreDeTabla(const QString& nombre)
{
    return nombre.left(kAnchoNombre).leftJustified(kAnchoNombre, QLatin1Char(' '));
}

bool esDeControl(QChar c)
{
    const auto categoria = c.category();
    return categoria == QChar::Other_Control || categoria == QChar::Separator_Line ||
           categoria == QChar::Separator_Paragraph;
}

QString nombreLimpio(const QString& nombre)
{
    QString limpio;
    limpio.reserve(nombre.size());
    for (const QChar c : nombre)
        if (!esDeControl(c)) limpio += c;
    return limpio.trimmed();
}

QString motivoNombreNoValido(const QString& nombre)
{
    if (nombre.size() > kAnchoNombre) return Textos::tr("El nombre no puede pasar de %1 caracteres.").arg(kAnchoNombre);
    for (const QChar c : nombre) {
        if (c.isHighSurrogate() || formatos::desde1252(formatos::a1252(QString(c))) != QString(c))
            return Textos::tr("El nombre no puede llevar «%1»: el fichero de notas no puede guardarlo.")
                .arg(c.isHighSurrogate() ? nombre.mid(nombre.indexOf(c), 2) : QString(c));
    }
    return {};
}

QString sinRelleno(QString nombre)
{
    while (nombre.endsWith(QLatin1Char(' '))) nombre.chop(1);
    return nombre;
}

int TablaAlumnos::agregar(const QString& nombre, modelo::Cuenta total, modelo::Cuenta bien)
{
    nombres << nombreDeTabla(nombre);
    totales << total;
    aciertos << bien;
    return num_alumnos() - 1;
}

void TablaAlumnos::quitar(int indice)
{
    nombres.removeAt(indice);
    totales.removeAt(indice);
    aciertos.removeAt(indice);
    for (LineaIntacta& l : intactas)
        if (l.antesDe > indice) --l.antesDe;
}

namespace {
// A name as a person reads it aloud: no case, no accents, no padding.
QString sinMatices(const QString& nombre)
{
    QString r;
    for (QChar c : sinRelleno(nombre).normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) r += c;
    return r.toCaseFolded();
}
} // namespace

QStringList TablaAlumnos::nombresVisibles() const
{
    QStringList r;
    for (const QString& n : nombres) r << sinRelleno(n);
    return r;
}

int TablaAlumnos::parecido(const QString& nombre) const
{
    const QString buscado = sinMatices(nombre);
    for (int i = 0; i < num_alumnos(); ++i)
        if (sinMatices(nombres[i]) == buscado) return i;
    return -1;
}

} // namespace almacen
