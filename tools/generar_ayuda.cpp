// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the help document "ayuda.rtf" from its readable source: the text is
// written in UTF-8 and escaped here for RTF, and every line
//   @FIGURA <number> <traces…> [T=<half period>]@
// becomes a PNG picture drawn by the main window's plotter, and every line
//   @CODIGOS <bits> <codes, named without blanks…>@
// one drawn as the code laboratory draws, so the figures always match what
// the program shows.
//
// The captions, and the words in the figures, are in the document's language.
//
// Usage: generar_ayuda <source> <ayuda.rtf> <language: es, ca, gl, eu, en>

#include "formatos/ArchivoEntero.h"
#include "formatos/Cp1252.h"
#include "formatos/Enumeracion.h"
#include "formularios/Idioma.h"
#include "laboratorio/DibujoCodigos.h"
#include "laboratorio/GraficoBer.h"
#include "laboratorio/GraficoOjo.h"
#include "principal/Figura.h"

#include "Herramienta.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <map>
#include <optional>

namespace {

// The context of the captions in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(ayuda)
};

// A code as the captions name it, in the document's language.
QString nombre(codigos::Codigo c) { return QString::fromStdString(codigos::nombreVisible(c)); }

QByteArray escaparRtf(const QString& texto)
{
    QByteArray r;
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            r.append(static_cast<char>(u));
        } else if (const QByteArray b = formatos::a1252(QString(c)); b != "?") {
            r.append("\\'" + b.toHex());
        } else {
            r.append("\\u" + QByteArray::number(static_cast<qint16>(u)) + "?");
        }
    }
    return r;
}

QByteArray imagenRtf(const QImage& img)
{
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    QByteArray hex = png.toHex();
    for (qsizetype i = 128; i < hex.size(); i += 129) hex.insert(i, '\n');
    // Shown at its pixel size: 15 twips a pixel.
    return "{\\pict\\pngblip\\picw" + QByteArray::number(img.width()) + "\\pich" + QByteArray::number(img.height()) +
           "\\picwgoal" + QByteArray::number(img.width() * 15) + "\\pichgoal" + QByteArray::number(img.height() * 15) +
           "\n" + hex + "}";
}

// A figure's caption under it, its text alternative for every reader.
QByteArray pie(const QString& texto) { return "\\line{\\i\\fs18 " + escaparRtf(texto) + "}"; }

QByteArray figura(const QStringList& partes)
{
    codigos::Visibles visibles{};
    int t = 240;
    const QStringList nombres{"CLK", "NRZ", "RZ", "AMI", "HDB3"};
    for (const QString& p : partes.mid(1)) {
        if (p.startsWith("T="))
            t = p.mid(2).toInt();
        else if (const int i = int(nombres.indexOf(p)); i >= 0)
            visibles[i] = true;
    }
    return imagenRtf(principal::figuraOndas(partes.value(0), visibles, t)) +
           pie(Textos::tr("%1, del número %2.").arg(principal::descripcionOndas(visibles), partes.value(0)));
}

// A code named as the laboratory lists it, without its blanks.
QByteArray figuraCodigos(const QStringList& partes)
{
    std::vector<codigos::Codigo> codigos;
    for (const QString& p : partes.mid(1)) {
        for (codigos::Codigo c : codigos::kTodosLosCodigos)
            if (QString::fromUtf8(codigos::nombreCodigo(c)).remove(' ').compare(p, Qt::CaseInsensitive) == 0)
                codigos.push_back(c);
    }
    if (codigos.size() != std::size_t(partes.size() - 1)) return {};
    QStringList nombres;
    for (codigos::Codigo c : codigos) nombres << nombre(c);
    return imagenRtf(laboratorio::figuraCodigos(partes.value(0).toStdString(), codigos)) +
           pie(Textos::tr("Señal %1 de los bits %2.").arg(formatos::enumerar(nombres), partes.value(0)));
}

std::optional<codigos::Codigo> codigoLlamado(const QString& nombre)
{
    for (codigos::Codigo c : codigos::kTodosLosCodigos)
        if (QString::fromUtf8(codigos::nombreCodigo(c)).remove(' ').compare(nombre, Qt::CaseInsensitive) == 0) return c;
    return std::nullopt;
}

// @LINEA bits código dB@: what arrives through that cable, and its clock.
QByteArray figuraLinea(const QStringList& partes)
{
    const auto c = codigoLlamado(partes.value(1));
    if (partes.size() != 3 || !c) return {};
    return imagenRtf(laboratorio::figuraLinea(partes.value(0).toStdString(), *c, partes.value(2).toDouble())) +
           pie(Textos::tr("%1 de los bits %2 tras %3 dB de cable: lo que llega, lo que lee el receptor y el reloj "
                          "que recupera.")
                   .arg(nombre(*c), partes.value(0), partes.value(2)));
}

// @OJO código dB@: its eye through that cable.
QByteArray figuraOjo(const QStringList& partes)
{
    const auto c = codigoLlamado(partes.value(0));
    if (partes.size() != 2 || !c) return {};
    return imagenRtf(laboratorio::figuraOjo(*c, partes.value(1).toDouble())) +
           pie(Textos::tr("Ojo de %1 tras %2 dB de cable, sin ruido.").arg(nombre(*c), partes.value(1)));
}

// @TASA códigos@: their error rate, measured and in theory.
QByteArray figuraTasa(const QStringList& partes)
{
    std::vector<codigos::Codigo> codigos;
    QStringList nombres;
    for (const QString& p : partes)
        if (const auto c = codigoLlamado(p)) {
            codigos.push_back(*c);
            nombres << nombre(*c);
        }
    if (codigos.empty() || codigos.size() != std::size_t(partes.size())) return {};
    return imagenRtf(laboratorio::figuraTasa(codigos)) +
           pie(Textos::tr("Tasa de errores de %1: medida (puntos) y teórica (curvas).")
                   .arg(formatos::enumerar(nombres)));
}

int generar(const QStringList& argumentos)
{
    // The figures' words and the captions in the document's language.
    formularios::Idioma::actual().usar(argumentos[2]);
    QFile fuente(argumentos[0]);
    if (!fuente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "generar_ayuda: %s\n", qPrintable(fuente.errorString()));
        return 1;
    }
    const QString texto = QString::fromUtf8(fuente.readAll());
    static const QRegularExpression marca(QStringLiteral("@(FIGURA|CODIGOS|LINEA|OJO|TASA) ([^@]+)@"));
    const std::map<QString, QByteArray (*)(const QStringList&)> figuras{{QStringLiteral("FIGURA"), figura},
                                                                        {QStringLiteral("CODIGOS"), figuraCodigos},
                                                                        {QStringLiteral("LINEA"), figuraLinea},
                                                                        {QStringLiteral("OJO"), figuraOjo},
                                                                        {QStringLiteral("TASA"), figuraTasa}};
    QByteArray salida;
    qsizetype desde = 0;
    for (auto it = marca.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        salida += escaparRtf(texto.mid(desde, m.capturedStart() - desde));
        const QStringList partes = m.captured(2).split(' ', Qt::SkipEmptyParts);
        const QByteArray imagen = figuras.at(m.captured(1))(partes);
        if (imagen.isEmpty()) {
            std::fprintf(stderr, "generar_ayuda: figura incorrecta: %s\n", qPrintable(m.captured(0)));
            return 1;
        }
        salida += imagen;
        desde = m.capturedEnd();
    }
    salida += escaparRtf(texto.mid(desde));

    if (const QString error = formatos::escribirEntero(argumentos[1], salida); !error.isEmpty()) {
        std::fprintf(stderr, "generar_ayuda: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // A QApplication: the laboratory's figures are drawn by its widget.
    return ejecutarHerramienta<QApplication>(argc, argv, "generar_ayuda <fuente> <ayuda.rtf> <idioma>", 3, generar);
}
