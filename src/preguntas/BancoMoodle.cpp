// SPDX-License-Identifier: GPL-3.0-or-later
#include "preguntas/BancoMoodle.h"

#include "laboratorio/DibujoCodigos.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace preguntas {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(preguntas)
};
} // namespace

namespace {

using codigos::Codigo;

// Each wrong choice takes away a third, as Moodle's own default does.
const QString kPenalizacion = QStringLiteral("0.3333333");
const QString kCategoria = QStringLiteral("$course$/top/Tramavox/");

QString deUtf8(const std::string& s) { return QString::fromUtf8(s.c_str()); }

QString nombreDe(Codigo c) { return QString::fromStdString(codigos::nombreVisible(c)); }

// A sentence from a phrase: its first letter in capitals and a full stop.
QString frase(const std::string& texto)
{
    QString r = deUtf8(texto);
    if (!r.isEmpty()) r[0] = r[0].toUpper();
    return r + QLatin1Char('.');
}

QString estadoDe(const Pregunta& p)
{
    const std::string estado = codigos::describirInicio(p.codigo, p.inicio);
    return estado.empty() ? QString() : Textos::tr("<p>Antes del primer bit: %1.</p>").arg(deUtf8(estado));
}

class Escritor {
public:
    explicit Escritor(QByteArray* salida) : xml_(salida)
    {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
        xml_.writeStartDocument();
        xml_.writeStartElement(QStringLiteral("quiz"));
    }
    void terminar()
    {
        xml_.writeEndElement();
        xml_.writeEndDocument();
    }

    void categoria(Codigo c)
    {
        xml_.writeStartElement(QStringLiteral("question"));
        xml_.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
        xml_.writeStartElement(QStringLiteral("category"));
        xml_.writeTextElement(QStringLiteral("text"), kCategoria + nombreDe(c));
        xml_.writeEndElement();
        xml_.writeEndElement();
    }

    void pregunta(const Pregunta& p, int numero)
    {
        if (p.tipo == Tipo::Leer)
            leer(p, numero);
        else
            elegir(p, numero);
    }

private:
    void leer(const Pregunta& p, int numero)
    {
        const QString imagen = QStringLiteral("leer-%1.png").arg(numero);
        const QString hex = deUtf8(aHexadecimal(p.bits));
        abrir(QStringLiteral("shortanswer"),
              Textos::tr("%1: leer %2 bits (%3)").arg(nombreDe(p.codigo)).arg(p.bits.size()).arg(numero));
        texto(QStringLiteral("questiontext"),
              Textos::tr("<p>Este dibujo es la señal %1 de %2 bits, con el reloj encima.</p>%3"
                         "<p><img src=\"@@PLUGINFILE@@/%4\" alt=\"Señal %1 de %2 bits\"></p>"
                         "<p>Escribe los bits, o su valor en hexadecimal.</p>")
                  .arg(nombreDe(p.codigo))
                  .arg(p.bits.size())
                  .arg(estadoDe(p), imagen),
              imagen, imagenPng(p.codigo, codigos::codificar(p.codigo, p.bits, p.inicio), p.bits, false));
        texto(QStringLiteral("generalfeedback"),
              Textos::tr("<p>Los bits son %1 (%2 en hexadecimal).</p>").arg(deUtf8(enGrupos(p.bits)), hex));
        comunes();
        xml_.writeTextElement(QStringLiteral("usecase"), QStringLiteral("0"));
        for (const QString& respuesta : {deUtf8(p.bits), hex}) respuestaCorrecta(respuesta);
        xml_.writeEndElement();
    }

    void elegir(const Pregunta& p, int numero)
    {
        abrir(QStringLiteral("multichoice"),
              Textos::tr("%1: elegir la señal de %2 bits (%3)").arg(nombreDe(p.codigo)).arg(p.bits.size()).arg(numero));
        texto(QStringLiteral("questiontext"), Textos::tr("<p>¿Cuál es la señal %1 de %2?</p>%3")
                                                  .arg(nombreDe(p.codigo), deUtf8(enGrupos(p.bits)), estadoDe(p)));
        texto(QStringLiteral("generalfeedback"), QString::fromStdString(codigos::convencionVisible(p.codigo)));
        comunes();
        xml_.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
        xml_.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("true"));
        xml_.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("abc"));
        for (std::size_t i = 0; i < p.opciones.size(); ++i) {
            const Opcion& o = p.opciones[i];
            const QString imagen = QStringLiteral("elegir-%1-%2.png").arg(numero).arg(i + 1);
            xml_.writeStartElement(QStringLiteral("answer"));
            xml_.writeAttribute(QStringLiteral("fraction"), o.correcta ? QStringLiteral("100") : QStringLiteral("0"));
            xml_.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
            html(Textos::tr("<p><img src=\"@@PLUGINFILE@@/%1\" alt=\"Una señal de %2 bits\"></p>")
                     .arg(imagen)
                     .arg(p.bits.size()));
            archivo(imagen, imagenPng(p.codigo, o.linea, p.bits, true));
            texto(QStringLiteral("feedback"),
                  o.correcta ? Textos::tr("<p>Correcto.</p>") : QStringLiteral("<p>%1</p>").arg(frase(o.comentario)));
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void abrir(const QString& tipo, const QString& nombre)
    {
        xml_.writeStartElement(QStringLiteral("question"));
        xml_.writeAttribute(QStringLiteral("type"), tipo);
        xml_.writeStartElement(QStringLiteral("name"));
        xml_.writeTextElement(QStringLiteral("text"), nombre);
        xml_.writeEndElement();
    }

    void comunes()
    {
        xml_.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
        xml_.writeTextElement(QStringLiteral("penalty"), kPenalizacion);
        xml_.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    }

    void respuestaCorrecta(const QString& respuesta)
    {
        xml_.writeStartElement(QStringLiteral("answer"));
        xml_.writeAttribute(QStringLiteral("fraction"), QStringLiteral("100"));
        xml_.writeAttribute(QStringLiteral("format"), QStringLiteral("moodle_auto_format"));
        xml_.writeTextElement(QStringLiteral("text"), respuesta);
        texto(QStringLiteral("feedback"), Textos::tr("<p>Correcto.</p>"));
        xml_.writeEndElement();
    }

    // An HTML text in its element, with the picture it shows when it has one.
    void texto(const QString& elemento, const QString& contenido, const QString& imagen = {},
               const QByteArray& png = {})
    {
        xml_.writeStartElement(elemento);
        xml_.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        html(contenido);
        if (!imagen.isEmpty()) archivo(imagen, png);
        xml_.writeEndElement();
    }

    void html(const QString& contenido)
    {
        xml_.writeStartElement(QStringLiteral("text"));
        xml_.writeCDATA(contenido);
        xml_.writeEndElement();
    }

    void archivo(const QString& nombre, const QByteArray& png)
    {
        xml_.writeStartElement(QStringLiteral("file"));
        xml_.writeAttribute(QStringLiteral("name"), nombre);
        xml_.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
        xml_.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
        xml_.writeCharacters(QString::fromLatin1(png.toBase64()));
        xml_.writeEndElement();
    }

    QXmlStreamWriter xml_;
};

} // namespace

QByteArray imagenPng(Codigo c, const std::vector<codigos::Paso>& linea, const std::string& bits, bool verBits)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // A picture of a few colours compresses in a third of the time with a
    // palette, and the file shrinks by a third.
    laboratorio::figuraPregunta({c, linea}, bits, verBits)
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
        .save(&buffer, "PNG");
    return png;
}

QByteArray bancoMoodle(const std::vector<Pregunta>& preguntas)
{
    QByteArray salida;
    Escritor escritor(&salida);
    // Grouped by code, each under its category, in the order first asked.
    std::vector<Codigo> orden;
    for (const Pregunta& p : preguntas)
        if (std::find(orden.begin(), orden.end(), p.codigo) == orden.end()) orden.push_back(p.codigo);
    for (Codigo c : orden) {
        escritor.categoria(c);
        for (std::size_t i = 0; i < preguntas.size(); ++i)
            if (preguntas[i].codigo == c) escritor.pregunta(preguntas[i], int(i) + 1);
    }
    escritor.terminar();
    return salida;
}

} // namespace preguntas
