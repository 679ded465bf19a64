// SPDX-License-Identifier: GPL-3.0-or-later
#include "preguntas/OrdenMoodle.h"

#include "formatos/ArchivoEntero.h"
#include "preguntas/BancoMoodle.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <cstdio>

namespace preguntas {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(preguntas)
};
} // namespace

namespace {

constexpr int kMaximoPreguntas = 1000;
constexpr int kMinimoBits = 4, kMaximoBits = 64;

QString uso()
{
    return Textos::tr(
        "uso: tramavox --moodle FICHERO [--preguntas N] [--codigos HDB3,AMI,…] [--bits 16] [--semilla S]");
}

QString sinBlancos(QString s) { return s.remove(QLatin1Char(' ')); }

// A code by its name, with or without its blanks, in any case.
bool leerCodigo(const QString& nombre, codigos::Codigo* c)
{
    for (codigos::Codigo candidato : codigos::kTodosLosCodigos)
        if (sinBlancos(QString::fromUtf8(codigos::nombreCodigo(candidato)))
                .compare(sinBlancos(nombre), Qt::CaseInsensitive) == 0) {
            *c = candidato;
            return true;
        }
    return false;
}

QString leerCodigos(const QString& lista, std::vector<codigos::Codigo>* codigos)
{
    codigos->clear();
    for (const QString& nombre : lista.split(QLatin1Char(','))) {
        codigos::Codigo c{};
        if (!leerCodigo(nombre, &c)) {
            QStringList conocidos;
            for (codigos::Codigo k : codigos::kTodosLosCodigos)
                conocidos << sinBlancos(QString::fromUtf8(codigos::nombreCodigo(k)));
            return Textos::tr("«%1» no es un código; los códigos son %2")
                .arg(nombre, conocidos.join(QStringLiteral(", ")));
        }
        if (std::find(codigos->begin(), codigos->end(), c) == codigos->end()) codigos->push_back(c);
    }
    return {};
}

} // namespace

OrdenLeida leerOrden(const QStringList& argumentos)
{
    OrdenLeida r;
    r.pedido.semilla = QRandomGenerator::system()->generate64();
    if (argumentos.value(0) != QLatin1String("--moodle") || argumentos.size() < 2 ||
        argumentos[1].startsWith(QLatin1String("--"))) {
        r.error = Textos::tr("falta el fichero de preguntas que se ha de escribir");
        return r;
    }
    r.fichero = argumentos[1];
    for (int i = 2; i < argumentos.size() && r.error.isEmpty(); i += 2) {
        const QString& opcion = argumentos[i];
        if (i + 1 >= argumentos.size()) {
            r.error = Textos::tr("a «%1» le falta su valor").arg(opcion);
            break;
        }
        const QString& valor = argumentos[i + 1];
        bool ok = false;
        if (opcion == QLatin1String("--preguntas")) {
            r.pedido.preguntas = valor.toInt(&ok);
            if (!ok || r.pedido.preguntas < 1 || r.pedido.preguntas > kMaximoPreguntas)
                r.error = Textos::tr("el número de preguntas ha de ser de 1 a %1").arg(kMaximoPreguntas);
        } else if (opcion == QLatin1String("--bits")) {
            r.pedido.bits = valor.toInt(&ok);
            if (!ok || r.pedido.bits < kMinimoBits || r.pedido.bits > kMaximoBits || r.pedido.bits % 4 != 0)
                r.error = Textos::tr("los bits han de ser un múltiplo de 4 de %1 a %2 (cada cifra hexadecimal son 4)")
                              .arg(kMinimoBits)
                              .arg(kMaximoBits);
        } else if (opcion == QLatin1String("--semilla")) {
            r.pedido.semilla = valor.toULongLong(&ok);
            if (!ok) r.error = Textos::tr("la semilla ha de ser un número entero positivo");
        } else if (opcion == QLatin1String("--codigos")) {
            r.error = leerCodigos(valor, &r.pedido.codigos);
        } else {
            r.error = Textos::tr("no se conoce la opción «%1»").arg(opcion);
        }
    }
    return r;
}

int ordenMoodle(const QStringList& argumentos)
{
    const OrdenLeida orden = leerOrden(argumentos);
    if (!orden.error.isEmpty()) {
        std::fprintf(stderr, "tramavox: %s.\n%s\n", qPrintable(orden.error), qPrintable(uso()));
        return 2;
    }
    const QString error = formatos::escribirEntero(orden.fichero, bancoMoodle(generarPreguntas(orden.pedido)));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Textos::tr("tramavox: no se pudo escribir «%1»: %2.")
                                    .arg(QDir::toNativeSeparators(orden.fichero), error)));
        return 1;
    }
    return 0;
}

} // namespace preguntas
