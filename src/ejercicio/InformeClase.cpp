// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/InformeClase.h"

#include "formatos/ArchivoEntero.h"
#include "formularios/Idioma.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace ejercicio {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(ejercicio)
};
} // namespace

namespace {

constexpr double kFila = 14, kCabecera = 80, kPie = 24;
constexpr double kAnchoNombre = 190; // the rest of the line is shared by the numbers
constexpr int kLetra = 9;

// One table of the report: its caption, column titles, and each row's cells
// (the name, then numbers that align on the right).
struct Tabla {
    QString titulo;
    QStringList columnas;
    std::vector<QStringList> filas;
    std::vector<double> barras; // the percentage bars, when the table has them
};

class Paginador {
public:
    Paginador(HojaInforme& hoja, const DatosInforme& datos, int paginas)
        : hoja_(hoja), fecha_(formularios::localeEnUso().toString(datos.fecha, QLocale::LongFormat)), paginas_(paginas)
    {
    }

    void tabla(const Tabla& t)
    {
        for (size_t i = 0; i < t.filas.size() || i == 0; ++i) {
            if (i % size_t(filasPorPagina()) == 0) empezarPagina(t);
            if (i < t.filas.size()) fila(t, i);
        }
    }

    static int filasPorPagina() { return int((kAltoA4 - 2 * kMargenInforme - kCabecera - kPie) / kFila); }

private:
    void empezarPagina(const Tabla& t)
    {
        if (pagina_ > 0) hoja_.nuevaPagina();
        ++pagina_;
        const double x = kMargenInforme, ancho = kAnchoA4 - 2 * kMargenInforme;
        hoja_.texto(QRectF(x, kMargenInforme, ancho, 22), Qt::AlignLeft, Textos::tr("Estadísticas de la clase"), 16,
                    true);
        hoja_.texto(QRectF(x, kMargenInforme + 24, ancho, kFila), Qt::AlignLeft,
                    fecha_ + QStringLiteral(" · ") + t.titulo, kLetra, false);
        y_ = kMargenInforme + kCabecera - kFila;
        celdas(t, t.columnas, true);
        y_ += kFila;
        const QString pie = Textos::tr("Página %1 de %2").arg(pagina_).arg(paginas_);
        hoja_.texto(QRectF(x, kAltoA4 - kMargenInforme - kFila, ancho, kFila), Qt::AlignHCenter, pie, kLetra, false);
    }

    void fila(const Tabla& t, size_t i)
    {
        celdas(t, t.filas[i], false);
        if (!t.barras.empty() && t.barras[i] > 0) {
            const QRectF zona = columna(t, int(t.columnas.size()) - 1);
            hoja_.barra(QRectF(zona.x(), y_ + 3, zona.width() * qMin(t.barras[i], 100.0) / 100, kFila - 6));
        }
        y_ += kFila;
    }

    void celdas(const Tabla& t, const QStringList& textos, bool negrita)
    {
        for (int c = 0; c < textos.size(); ++c)
            hoja_.texto(columna(t, c), c == 0 ? Qt::AlignLeft : Qt::AlignRight, textos[c], kLetra, negrita);
    }

    QRectF columna(const Tabla& t, int c) const
    {
        const double resto = (kAnchoA4 - 2 * kMargenInforme - kAnchoNombre) / double(t.columnas.size() - 1);
        const double x = c == 0 ? kMargenInforme : kMargenInforme + kAnchoNombre + (c - 1) * resto;
        // A little room between a number and the next column.
        return QRectF(x, y_, (c == 0 ? kAnchoNombre : resto) - 6, kFila);
    }

    HojaInforme& hoja_;
    QString fecha_;
    int paginas_;
    int pagina_ = 0;
    double y_ = 0;
};

Tabla tablaCuentas(const std::vector<FilaClase>& filas)
{
    Tabla t{Textos::tr("Respuestas de cada alumno"),
            {Textos::tr("Alumno"), Textos::tr("Total"), Textos::tr("Aciertos"), Textos::tr("Errores"),
             QStringLiteral("%"), Textos::tr("Gráfico")},
            {},
            {}};
    for (const FilaClase& f : filas) {
        t.filas.push_back({f.nombre, QString::number(f.total), QString::number(f.bien), QString::number(f.mal()),
                           textoPorcentajeClase(f.porcentaje())});
        t.barras.push_back(f.porcentaje());
    }
    return t;
}

// The answers per code, four codes a table, so that every number fits its
// column on the page however many codes the class has answered.
std::vector<Tabla> tablasPorCodigo(const DatosInforme& datos)
{
    constexpr std::size_t kCodigosPorTabla = 4;
    std::vector<Tabla> r;
    for (std::size_t desde = 0; desde < datos.codigos.size() || desde == 0; desde += kCodigosPorTabla) {
        const std::size_t hasta = std::min(datos.codigos.size(), desde + kCodigosPorTabla);
        Tabla t{datos.desde.isEmpty() ? Textos::tr("Respuestas por código: aún no hay ninguna anotada")
                                      : Textos::tr("Respuestas por código desde el %1").arg(datos.desde),
                {Textos::tr("Alumno")},
                {},
                {}};
        for (std::size_t c = desde; c < hasta; ++c)
            t.columnas << Textos::tr("%1 bien").arg(datos.codigos[c].tituloVisible())
                       << Textos::tr("%1 mal").arg(datos.codigos[c].tituloVisible());
        for (const FilaClase& f : datos.porCodigo) {
            QStringList fila{f.nombre};
            for (std::size_t c = desde; c < hasta && c < f.bienPorCodigo.size(); ++c)
                fila << QString::number(f.bienPorCodigo[c]) << QString::number(f.malPorCodigo[c]);
            t.filas.push_back(fila);
        }
        r.push_back(std::move(t));
        if (hasta == datos.codigos.size()) break;
    }
    return r;
}

// The last exam's marks: questions answered, the mark, and per code asked
// its right answers of those answered.
Tabla tablaNotas(const almacen::Examen& examen, const std::vector<NotaExamen>& notas)
{
    Tabla t{resumenExamen(examen, QDateTime::currentDateTimeUtc()),
            {Textos::tr("Alumno"), Textos::tr("Preguntas"), Textos::tr("Nota")},
            {},
            {}};
    for (const QString& c : examen.codigos) t.columnas << CodigoClase{c, false}.tituloVisible();
    for (const NotaExamen& n : notas) {
        QStringList fila{n.alumno, QStringLiteral("%1 / %2").arg(n.respondidas).arg(examen.preguntas),
                         textoNota(n.nota(examen))};
        for (size_t c = 0; c < n.aciertosPorCodigo.size(); ++c)
            fila << QStringLiteral("%1 / %2").arg(n.aciertosPorCodigo[c]).arg(n.respondidasPorCodigo[c]);
        t.filas.push_back(fila);
    }
    return t;
}

int paginasDe(const Tabla& t)
{
    return qMax(1,
                int((t.filas.size() + size_t(Paginador::filasPorPagina()) - 1) / size_t(Paginador::filasPorPagina())));
}

// The hand that draws on a PDF page.
class HojaPdf : public HojaInforme {
public:
    explicit HojaPdf(QPdfWriter& pdf) : pdf_(pdf) {}
    QPainter& pintor() { return p_; }

    void texto(const QRectF& donde, Qt::Alignment alineacion, const QString& texto, int puntos, bool negrita) override
    {
        QFont f = p_.font();
        f.setPointSize(puntos);
        f.setBold(negrita);
        p_.setFont(f);
        p_.drawText(donde, int(alineacion | Qt::AlignVCenter), texto);
    }
    void barra(const QRectF& donde) override { p_.fillRect(donde, kColorBarra); }
    void nuevaPagina() override { pdf_.newPage(); }

private:
    QPdfWriter& pdf_;
    QPainter p_;
};

} // namespace

void dibujarInforme(HojaInforme& hoja, const DatosInforme& datos)
{
    const Tabla cuentas = tablaCuentas(datos.cuentas);
    std::vector<Tabla> otras = tablasPorCodigo(datos);
    if (datos.examen) otras.push_back(tablaNotas(*datos.examen, datos.notas));
    int total = paginasDe(cuentas);
    for (const Tabla& t : otras) total += paginasDe(t);
    Paginador paginas(hoja, datos, total);
    paginas.tabla(cuentas);
    for (const Tabla& t : otras) paginas.tabla(t);
}

QString informeClase(const DatosInforme& datos, const QString& ruta)
{
    return formatos::escribirEntero(ruta, [&datos](QIODevice& destino) {
        QPdfWriter pdf(&destino);
        pdf.setTitle(Textos::tr("Estadísticas de la clase"));
        pdf.setCreator(QStringLiteral("Tramavox"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF()); // the report keeps its own margins
        pdf.setResolution(72);           // one unit a point
        HojaPdf hoja(pdf);
        if (!hoja.pintor().begin(&pdf)) return false;
        dibujarInforme(hoja, datos);
        return hoja.pintor().end();
    });
}

} // namespace ejercicio
