// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/NotasExamen.h"

#include "almacen/Numeros.h"
#include "ejercicio/Clase.h"
#include "formatos/Csv.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace ejercicio {

namespace {
constexpr double kNotaMaxima = 10;
} // namespace

double NotaExamen::nota(const almacen::Examen& examen) const
{
    return examen.preguntas > 0 ? kNotaMaxima * aciertos / examen.preguntas : 0.0;
}

std::vector<NotaExamen> notasExamen(const almacen::Examen& examen, const almacen::RespuestasClase& respuestas)
{
    QVector<const almacen::Evento*> suyas;
    for (const almacen::Evento* e : respuestas.leidas)
        if (e->respuesta.pregunta > 0 && e->respuesta.examen == examen.id) suyas << e;
    almacen::ordenarEnElTiempo(suyas);
    std::vector<NotaExamen> notas;
    QHash<QString, size_t> donde;
    QSet<QPair<QString, int>> vistas;
    const auto n = size_t(examen.codigos.size());
    for (const almacen::Evento* e : std::as_const(suyas)) {
        const almacen::RespuestaContada& r = e->respuesta;
        const QString nombre = almacen::sinRelleno(r.alumno);
        // The desks take no answer once the exam is over; a question beyond
        // its count is no part of it.
        if (r.pregunta > examen.preguntas || vistas.contains({nombre, r.pregunta})) continue;
        vistas.insert({nombre, r.pregunta});
        auto it = donde.constFind(nombre);
        if (it == donde.constEnd()) {
            it = donde.insert(nombre, notas.size());
            NotaExamen nueva;
            nueva.alumno = nombre;
            nueva.respondidasPorCodigo.assign(n, 0);
            nueva.aciertosPorCodigo.assign(n, 0);
            notas.push_back(nueva);
        }
        NotaExamen& nota = notas[*it];
        ++nota.respondidas;
        nota.aciertos += r.correcta ? 1 : 0;
        const qsizetype c = examen.codigos.indexOf(r.codigo);
        if (c < 0) continue;
        ++nota.respondidasPorCodigo[size_t(c)];
        nota.aciertosPorCodigo[size_t(c)] += r.correcta ? 1 : 0;
    }
    QCollator orden{QLocale(QLocale::Spanish, QLocale::Spain)};
    std::sort(notas.begin(), notas.end(),
              [&orden](const NotaExamen& a, const NotaExamen& b) { return orden.compare(a.alumno, b.alumno) < 0; });
    return notas;
}

QString textoNota(double nota) { return QLocale(QLocale::Spanish, QLocale::Spain).toString(nota, 'f', 1); }

QString resumenExamen(const almacen::Examen& examen, const QDateTime& ahora)
{
    const QString estado = examen.enCurso(ahora) ? QCoreApplication::translate("ejercicio", "en curso, quedan %1 min")
                                                       .arg((examen.segundosQuedan(ahora) + 59) / 60)
                                                 : QCoreApplication::translate("ejercicio", "terminado");
    QStringList codigos;
    for (const QString& c : examen.codigos) codigos << CodigoClase{c, false}.tituloVisible();
    return QCoreApplication::translate("ejercicio", "Examen «%1» (%2) · preguntas: %3 · códigos: %4 · %5 min")
        .arg(examen.nombre, estado)
        .arg(examen.preguntas)
        .arg(codigos.join(QStringLiteral(", ")))
        .arg(examen.segundos / 60);
}

QByteArray csvNotas(const almacen::Examen& examen, const std::vector<NotaExamen>& notas)
{
    QStringList cabecera{QStringLiteral("Alumno"), QStringLiteral("Respondidas"), QStringLiteral("Aciertos"),
                         QStringLiteral("Nota")};
    for (const QString& c : examen.codigos)
        cabecera << c + QStringLiteral(" respondidas") << c + QStringLiteral(" aciertos");
    QString csv = formatos::campoCsv(QStringLiteral("Examen: ") + examen.nombre, QLatin1Char(';')) +
                  QStringLiteral(";%1 preguntas\r\n").arg(examen.preguntas);
    csv += cabecera.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const NotaExamen& n : notas) {
        QStringList campos{formatos::campoCsv(n.alumno, QLatin1Char(';')), QString::number(n.respondidas),
                           QString::number(n.aciertos), textoNota(n.nota(examen))};
        for (size_t c = 0; c < n.respondidasPorCodigo.size(); ++c)
            campos << QString::number(n.respondidasPorCodigo[c]) << QString::number(n.aciertosPorCodigo[c]);
        csv += campos.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}

} // namespace ejercicio
