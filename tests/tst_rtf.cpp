// SPDX-License-Identifier: GPL-3.0-or-later
#include "Filas.h"
#include "formatos/LectorRtf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using formatos::leerRtf;

namespace {

QString textoDe(const QByteArray& rtf)
{
    QTextDocument d;
    leerRtf(rtf, d);
    // Raw text keeps line separators and non-breaking spaces as written.
    return d.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The character format at the first letter of `trozo`.
QTextCharFormat formatoDe(QTextDocument& d, const QString& trozo)
{
    const QTextCursor c = d.find(trozo);
    if (c.isNull()) qFatal("not found: %s", qPrintable(trozo));
    QTextCursor en(&d);
    en.setPosition(c.selectionStart() + 1);
    return en.charFormat();
}

// A file written by a real word processor, from the fixtures' folder.
void leerFixture(const QString& nombre, QTextDocument& d)
{
    QFile f(QStringLiteral(TRAMAVOX_FIXTURES "/%1.rtf").arg(nombre));
    QVERIFY(f.open(QIODevice::ReadOnly));
    leerRtf(f.readAll(), d);
}

QByteArray hexDePng(const QColor& color, QSize tamano = QSize(4, 3))
{
    QImage img(tamano, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes.toHex();
}

// An RTF in the style a common word processor writes: header tables, a
// style sheet and document info to skip, list definitions, list text with a
// Symbol bullet, fields, Unicode with fallbacks.
const QByteArray kProcesador =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\n"
    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}"
    "{\\f3\\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\f0\\fs24 \\snext0 Normal;}{\\s1\\ql heading 1;}}\n"
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}\\listid1}}\n"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\n"
    "{\\info{\\title Ayuda}{\\author Docente}{\\creatim\\yr2026\\mo12\\dy6}}\n"
    "{\\*\\generator Microsoft Word 16;}\\paperw11906\\paperh16838\\margl1701\n"
    "\\pard\\plain \\s1\\qc\\sb240\\sa60\\keepn \\b\\f1\\fs32\\cf2 T\\'edtulo\\par\n"
    "\\pard\\plain \\ql\\fi-360\\li720 {\\listtext\\f3\\fs24 \\'b7\\tab}\\ls1 Primer {\\b punto}\\par\n"
    "{\\listtext 2.\\tab}Segundo {\\i punto}\\par\n"
    "\\pard Campo: {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt enlace}}, s\\u237?mbolo \\u8364\\'80.\\par\n"
    "{\\highlight4 resaltado} y {\\ul subrayado}{\\strike tachado}\\par\n"
    "\\pard\\qj\\li1440\\ri720\\sa120 justo\\par sigue\\par}\n";

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void texto_data();
    void texto();
    void formatoDeCaracter();
    void procesadorDeTexto();
    void imagenes();
    void procesadoresReales_data();
    void procesadoresReales();
    void formatosNuevos();
    void tablas_data();
    void tablas();
    void documentosHostiles_data();
    void documentosHostiles();
};

void TestRtf::texto_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texto");
    fila("par and line", QByteArray("{\\rtf1 a\\par b\\line c}"), "a\nb\u2028c");
    fila("escaped", QByteArray("{\\rtf1 \\{x\\}\\\\}"), "{x}\\");
    fila("cp1252 escapes", QByteArray("{\\rtf1\\ansi\\ansicpg1252 Telefon\\'eda \\'80\\'93}"), "Telefonía €“");
    fila("Symbol's bullet, uc2", QByteArray("{\\rtf1\\uc2 \\u-3913\\'b7\\'b7y}"), "\u2022y");
    fila("uc scoped to group", QByteArray("{\\rtf1 {\\uc2 a}\\u241?b}"), "añb");
    fila("nbsp, hyphens", QByteArray("{\\rtf1 a\\~b\\_c\\-d}"), "a\u00a0b\u2011c\u00add");
    fila("quotes, dashes", QByteArray("{\\rtf1 \\ldblquote x\\rdblquote \\emdash\\endash\\bullet}"), "“x”—–•");
    fila("bin skipped", QByteArray("{\\rtf1 a{\\*\\obj\\bin3 }}}}b}"), "ab");
    fila("no rtf header", QByteArray("solo texto"), "solo texto");
    // Malformed input reads what it can, never more (random bytes are the
    // fuzz target's business).
    fila("cell mark outside a table", QByteArray("{\\rtf1\\cell b\\row c}"), "bc");
    fila("deep nesting", "{\\rtf1 " + QByteArray(200000, '{') + "hondo" + QByteArray(200000, '}'), "hondo");
    fila("unbalanced close", QByteArray("}}}{\\rtf1 a}}}b"), "ab");
    fila("huge numbers", QByteArray("{\\rtf1 \\fs99999999999999999999 \\li-99999999999 a\\sb99999999999 b}"), "ab");
    fila("huge uc", QByteArray("{\\rtf1 {\\uc99999999999 \\u241 abc}d}"), "\u00f1d");
    fila("huge bin", QByteArray("{\\rtf1 a\\bin999999999999 b}"), "a");
    fila("long word", QByteArray("{\\rtf1 \\") + QByteArray(100000, 'x') + " a}", "a");
    fila("broken picture", QByteArray("{\\rtf1 {\\pict\\pngblip zz99}a}"), "a");
    fila("font table unterminated", QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial"), "");
}

void TestRtf::texto()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texto);
    QCOMPARE(textoDe(rtf), texto);
}

// Formatting the word-processor document below does not show: switching off,
// sizes, fonts, and the scope of groups and \\plain.
void TestRtf::formatoDeCaracter()
{
    QTextDocument d;
    leerRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\ul sub\\ulnone raya} {\\fs40 grande} {\\f1 fija}"
            " {\\b\\i ambas\\b0 solo} {\\b\\plain llano}}",
            d);
    QVERIFY(!formatoDe(d, "raya").fontUnderline());
    QCOMPARE(formatoDe(d, "grande").fontPointSize(), 20.0);
    QCOMPARE(formatoDe(d, "fija").fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(formatoDe(d, "solo").fontWeight(), int(QFont::Normal));
    QVERIFY(formatoDe(d, "solo").fontItalic());
    QCOMPARE(formatoDe(d, "llano").fontWeight(), int(QFont::Normal));
    QVERIFY(!formatoDe(d, "llano").fontItalic());
}

void TestRtf::procesadorDeTexto()
{
    QTextDocument d;
    leerRtf(kProcesador, d);
    QCOMPARE(d.toPlainText(),
             QString("Título\n\u2022\tPrimer punto\n2.\tSegundo punto\nCampo: enlace, símbolo €.\n"
                     "resaltado y subrayadotachado\njusto\nsigue")); // no empty paragraph after the last \par
    QCOMPARE(formatoDe(d, "Título").foreground().color(), QColor(0, 0, 255));
    QCOMPARE(d.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(d.findBlockByNumber(0).blockFormat().topMargin(), 16.0); // 240 twips
    QCOMPARE(d.findBlockByNumber(1).blockFormat().leftMargin(), 48.0);
    QCOMPARE(d.findBlockByNumber(1).blockFormat().textIndent(), -24.0);
    // \\pard holds until the next one: "sigue" keeps \\qj and the margins.
    for (int b : {5, 6}) {
        const QTextBlockFormat f = d.findBlockByNumber(b).blockFormat();
        QCOMPARE(f.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
        QCOMPARE(f.leftMargin(), 96.0);
        QCOMPARE(f.rightMargin(), 48.0);
        QCOMPARE(f.bottomMargin(), 8.0);
    }
    QCOMPARE(formatoDe(d, "punto").fontWeight(), int(QFont::Bold));
    QCOMPARE(formatoDe(d, "resaltado").background().color(), QColor(255, 255, 0));
    QVERIFY(formatoDe(d, "subrayado").fontUnderline());
    QVERIFY(formatoDe(d, "tachado").fontStrikeOut());
    QCOMPARE(d.defaultFont().family(), QString("Times New Roman"));
}

void TestRtf::imagenes()
{
    const QByteArray png = hexDePng(Qt::red);
    QTextDocument d;
    leerRtf("{\\rtf1 antes{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450\n" + png +
                "}}{\\nonshppict{\\pict\\wmetafile8 0102}}despues"
                "{\\pict\\pngblip\\picscalex200 " +
                png + "}{\\pict\\jpegblip ffd8ff00}{\\pict\\emfblip " + png + "}}",
            d);
    QCOMPARE(d.toPlainText().remove(QChar::ObjectReplacementCharacter), QString("antesdespues"));
    QList<QTextImageFormat> imagenes;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) imagenes << it.fragment().charFormat().toImageFormat();
    // The PNG twice (the WMF fallback, the broken JPEG and the EMF are not shown).
    QCOMPARE(imagenes.size(), 2);
    QCOMPARE(imagenes[0].width(), 40.0); // 600 twips
    QCOMPARE(imagenes[0].height(), 30.0);
    QCOMPARE(imagenes[1].width(), 4.0); // no goal: its own pixels
    const QImage img = d.resource(QTextDocument::ImageResource, QUrl(imagenes[0].name())).value<QImage>();
    QCOMPARE(img.pixelColor(1, 1), QColor(Qt::red));
}

void TestRtf::procesadoresReales_data()
{
    QTest::addColumn<QString>("fichero");
    QTest::addColumn<bool>("libreoffice"); // pandoc writes no underlines, small capitals or merged cells
    for (const char* f : {"libreoffice_odt", "libreoffice_docx", "libreoffice_html"}) fila(f, f, true);
    fila("pandoc", "pandoc", false);
}

// What LibreOffice and pandoc write renders as LibreOffice shows it: the
// table cell by cell with formatting inside, a merged cell, sub- and
// superscripts, underlines, small capitals, list bullets.
void TestRtf::procesadoresReales()
{
    QFETCH(QString, fichero);
    QFETCH(bool, libreoffice);
    QTextDocument d;
    leerFixture(fichero, d);
    QTextTable* tabla = nullptr;
    for (QTextFrame* marco : d.rootFrame()->childFrames()) tabla = tabla ? tabla : qobject_cast<QTextTable*>(marco);
    QVERIFY(tabla);
    QCOMPARE(tabla->columns(), 3);
    QCOMPARE(tabla->rows(), libreoffice ? 4 : 3);
    const auto celda = [&](int fila, int columna) {
        const QTextTableCell c = tabla->cellAt(fila, columna);
        QTextCursor cursor(&d);
        cursor.setPosition(c.firstPosition());
        cursor.setPosition(c.lastPosition(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    QCOMPARE((QStringList{celda(0, 0), celda(0, 1), celda(1, 0), celda(2, 2)}),
             (QStringList{"Código", "Componente continua", "AMI", "E1"}));
    const auto formatoEnCelda = [&](int fila, int columna) {
        QTextCursor c = tabla->cellAt(fila, columna).firstCursorPosition();
        c.movePosition(QTextCursor::NextCharacter);
        return c.charFormat();
    };
    QCOMPARE(formatoEnCelda(1, 0).fontWeight(), int(QFont::Bold));
    QVERIFY(formatoEnCelda(2, 0).fontItalic());
    QCOMPARE(formatoDe(d, "1 va").verticalAlignment(), QTextCharFormat::AlignSubScript); // E₁
    QCOMPARE(formatoDe(d, "2.").verticalAlignment(), QTextCharFormat::AlignSuperScript); // f²
    QVERIFY(d.toPlainText().contains("\u2022\tAMI\n\u2022\tHDB3"));
    if (!libreoffice) return;
    QCOMPARE(tabla->cellAt(3, 0).columnSpan(), 2);
    QCOMPARE(celda(3, 2), QString("—"));
    QVERIFY(formatoDe(d, "Subrayado").fontUnderline());
    QVERIFY(formatoDe(d, "doble").fontUnderline());
    QCOMPARE(formatoDe(d, "versalitas").fontCapitalization(), QFont::SmallCaps);
}

// Hidden text as LibreOffice writes it, a page break, capitals, \up and \dn, the 12-point default,
// tab stops from the margin, and sizes no page holds cut to what one does.
void TestRtf::formatosNuevos()
{
    QTextDocument d;
    leerRtf("{\\rtf1 visible.\\page {\\caps mayus}{\\up6 arriba}{\\dn6 abajo}{\\up0 normal}{\\up sube}{\\dn baja}"
            "{\\uld puntos}{\\ulwave onda}{\\v {\\pict\\pngblip " +
                hexDePng(Qt::red) +
                "}}\\par"
                "\\pard\\li720\\fi-360\\tx1440 lista\\par\\pard\\sb2147483647\\li-99999\\tx99999999 lejos}",
            d);
    QTextDocument oculto;
    leerFixture("libreoffice_oculto", oculto);
    QCOMPARE(oculto.toPlainText().trimmed(), QString("Texto visible."));
    QVERIFY(d.findBlockByNumber(1).blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    QCOMPARE(formatoDe(d, "mayus").fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(formatoDe(d, "arriba").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatoDe(d, "abajo").verticalAlignment(), QTextCharFormat::AlignSubScript);
    QCOMPARE(formatoDe(d, "normal").verticalAlignment(), QTextCharFormat::AlignNormal);
    QCOMPARE(formatoDe(d, "sube").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatoDe(d, "baja").verticalAlignment(), QTextCharFormat::AlignSubScript);
    QVERIFY(!d.toPlainText().contains(QChar::ObjectReplacementCharacter)); // the hidden picture
    QCOMPARE(formatoDe(d, "puntos").underlineStyle(), QTextCharFormat::DotLine);
    QCOMPARE(formatoDe(d, "onda").underlineStyle(), QTextCharFormat::WaveUnderline);
    QCOMPARE(d.defaultFont().pointSizeF(), 12.0);
    // \tx1440 is an inch from the margin: 1080 twips from where the first line starts.
    const QTextBlockFormat lista = d.find("lista").block().blockFormat();
    QCOMPARE(lista.tabPositions().value(0).position, 72.0);
    const QTextBlockFormat lejos = d.find("lejos").block().blockFormat();
    QCOMPARE(lejos.topMargin(), 96.0); // 1 inch
    QCOMPARE(lejos.leftMargin(), 0.0);
    QVERIFY(lejos.tabPositions().value(0).position <= 31680 / 15.0);

    QTextDocument texto;
    leerRtf("Primera línea\nSegunda\r\n", texto);
    QCOMPARE(texto.toPlainText(), QString("Primera línea\nSegunda\n"));
}

void TestRtf::tablas_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("celdas"); // rows apart by "/", cells by ","; "*n" spans n columns, "^n" n rows
    fila("a later row with more cells",
         QByteArray("\\trowd\\cellx3000\\intbl Titulo\\cell\\row\\trowd\\cellx1000"
                    "\\cellx2000\\cellx3000\\intbl b\\cell\\intbl c\\cell\\intbl d\\cell\\row"),
         "Titulo*3/b,c,d");
    fila("\\clmrg",
         QByteArray("\\trowd\\cellx1000\\clmrg\\cellx2000\\cellx3000\\intbl a\\cell\\intbl\\cell"
                    "\\intbl c\\cell\\row"),
         "a*2,c");
    fila("\\clvmrg",
         QByteArray("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell\\intbl b\\cell\\row\\trowd"
                    "\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell\\intbl d\\cell\\row"),
         "a^2,b/d");
    fila("a cell without its \\cellx", QByteArray("\\trowd\\cellx1000\\intbl a\\cell\\intbl b\\cell\\row"), "a,b");
}

// Each row's cells come from its own \cellx edges; merged cells span what
// they cover.
void TestRtf::tablas()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, celdas);
    QTextDocument d;
    leerRtf("{\\rtf1 " + rtf + "\\pard fin}", d);
    QTextTable* tabla = QTextCursor(&d).currentTable();
    if (!tabla)
        tabla = d.rootFrame()->childFrames().isEmpty() ? nullptr
                                                       : qobject_cast<QTextTable*>(d.rootFrame()->childFrames()[0]);
    QVERIFY(tabla);
    QStringList filas;
    for (int r = 0; r < tabla->rows(); ++r) {
        QStringList fila;
        for (int c = 0; c < tabla->columns(); ++c) {
            const QTextTableCell celda = tabla->cellAt(r, c);
            if (celda.row() != r || celda.column() != c) continue;
            QTextCursor texto(&d);
            texto.setPosition(celda.firstPosition());
            texto.setPosition(celda.lastPosition(), QTextCursor::KeepAnchor);
            fila << texto.selectedText() + (celda.columnSpan() > 1 ? "*" + QString::number(celda.columnSpan()) : "") +
                        (celda.rowSpan() > 1 ? "^" + QString::number(celda.rowSpan()) : "");
        }
        filas << fila.join(',');
    }
    QCOMPARE(filas.join('/'), celdas);
}

void TestRtf::documentosHostiles_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("limite"); // what the note after the cut names; empty: no cut
    const QByteArray sello =
        "{\\pict\\pngblip\\picwgoal1500\\pichgoal1500 " + hexDePng(Qt::darkCyan, {3000, 3000}) + "}";
    QByteArray tabla =
        "\\trowd\\cellx100\\cellx200" + QByteArray("\\intbl x\\cell\\intbl y\\cell\\row ").repeated(1001);
    QByteArray tablas = ("\\trowd\\cellx100\\cellx200" +
                         QByteArray("\\intbl x\\cell\\intbl y\\cell\\row ").repeated(900) + "\\pard\\par ")
                            .repeated(3);
    const QLocale l;
    for (const double zoom : {1.0, 3.0}) {
        const QByteArray z = zoom == 1 ? " at 100 %" : " at 300 %";
        fila("1000-point letters" + z, QByteArray("{\\rtf1\\fs2000 grande\\par\\sb2147483647 p}"), zoom, "");
        fila("300,001 characters" + z, "{\\rtf1 " + QByteArray(300001, 'a') + "}", zoom,
             "más de " + l.toString(300000) + " caracteres");
        fila("20,001 paragraphs" + z, "{\\rtf1 " + QByteArray("p\\par ").repeated(20001) + "}", zoom,
             "más de " + l.toString(20000) + " párrafos");
        fila("a table of 2,002 cells" + z, "{\\rtf1 " + tabla + "\\pard fin}", zoom,
             "una tabla de más de " + l.toString(2000) + " celdas");
        fila("5,400 cells in three tables" + z, "{\\rtf1 " + tablas + "fin}", zoom,
             "más de " + l.toString(5000) + " celdas de tabla");
        fila("big pictures drawn small" + z, "{\\rtf1 " + sello.repeated(6) + "}", zoom,
             "imágenes de más de 48 megapíxeles en total");
    }
}

// A help file any student can drop in the start folder is read up to what
// the window can show, at any zoom: letters and spacing no page holds are
// cut to what one does, pictures are kept no larger than they are shown,
// and past a bound the document ends with a note that says why.
void TestRtf::documentosHostiles()
{
    QFETCH(QByteArray, rtf);
    QFETCH(double, zoom);
    QFETCH(QString, limite);
    QTextDocument d;
    leerRtf(rtf, d, zoom);
    const QString nota =
        "[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede mostrar (" + limite + ").]";
    QCOMPARE(d.lastBlock().text() == nota, !limite.isEmpty());
    QVERIFY(d.characterCount() < 300000 + nota.size() + 10);
    int imagenes = 0;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        QVERIFY(b.blockFormat().topMargin() <= 96 * zoom);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QVERIFY(f.fontPointSize() <= 72 * zoom);
            if (!f.isImageFormat()) continue;
            ++imagenes;
            const QImage img = d.resource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name())).value<QImage>();
            QVERIFY(img.width() <= 2 * 100 * zoom);
        }
    }
    if (rtf.contains("pict")) QCOMPARE(imagenes, 5);
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
