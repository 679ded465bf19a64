// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the help document "ayuda.rtf" from its readable source: the text is
// written in UTF-8 and escaped here for RTF, and every line
//   @FIGURA <number> <traces…> [T=<half period>]@
// becomes a PNG picture drawn by the program's own plotter, so the figures
// always match what the program shows.
//
// Usage: generar_ayuda <source> <ayuda.rtf>

#include "formatos/ArchivoEntero.h"
#include "formatos/Cp1252.h"
#include "mainwindow/Figura.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

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

QByteArray figura(const QStringList& partes)
{
    linecode::Visibles visibles{};
    int t = 240;
    const QStringList nombres{"CLK", "NRZ", "RZ", "AMI", "HDB3"};
    for (const QString& p : partes.mid(1)) {
        if (p.startsWith("T=")) t = p.mid(2).toInt();
        else if (const int i = int(nombres.indexOf(p)); i >= 0) visibles[i] = true;
    }
    const QImage img = figuraOndas(partes.value(0), visibles, t);
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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: generar_ayuda <fuente> <ayuda.rtf>\n");
        return 2;
    }
    QFile fuente(QString::fromLocal8Bit(argv[1]));
    if (!fuente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "generar_ayuda: %s\n", qPrintable(fuente.errorString()));
        return 1;
    }
    const QString texto = QString::fromUtf8(fuente.readAll());
    static const QRegularExpression marca(QStringLiteral("@FIGURA ([^@]+)@"));
    QByteArray salida;
    qsizetype desde = 0;
    for (auto it = marca.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        salida += escaparRtf(texto.mid(desde, m.capturedStart() - desde));
        salida += figura(m.captured(1).split(' ', Qt::SkipEmptyParts));
        desde = m.capturedEnd();
    }
    salida += escaparRtf(texto.mid(desde));

    if (const QString error = formatos::escribirEntero(QString::fromLocal8Bit(argv[2]), salida); !error.isEmpty()) {
        std::fprintf(stderr, "generar_ayuda: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
