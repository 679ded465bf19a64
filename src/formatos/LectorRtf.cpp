// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/LectorRtf.h"

#include "formatos/Cp1252.h"
#include "formatos/Twips.h"

#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace formatos {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(formatos)
};
} // namespace

namespace {

constexpr int kProfundidadMaxima = 256; // deeper groups share their parent's state
// Sizes a page can hold, in twips: larger ones (a spacing of 2147483647
// twips on every paragraph) would only make the layout run for ever.
constexpr int kSangriaMaxima = 31680; // 22 inches
constexpr int kEspacioMaximo = 1440;  // 1 inch
constexpr int kTabuladoresMaximos = 64;
constexpr int kCeldasMaximas = 64;
constexpr int kHolguraBordes = 20;        // twips: writers round the edges of a row differently
constexpr int kMediosPuntosMaximos = 144; // \fs: 72 points, a title on a poster
// What one help window can show. A document that goes beyond is shown up
// to there, with a note, so that no file dropped in the start folder hangs
// the window or eats the memory, at any zoom.
constexpr qint64 kCaracteresMaximos = 300000; // some 150 pages
constexpr int kParrafosMaximos = 20000;
constexpr int kCeldasPorTabla = 2000;
constexpr int kCeldasPorDocumento = 5000;
constexpr qint64 kPixelesPorImagen = 4000000;     // a picture is kept at most this large
constexpr qint64 kPixelesPorDocumento = 48000000; // pictures as stored in the file: decoding them takes the time
constexpr double kPuntosPorDefecto = 12;          // RTF's size of text with no \fs
constexpr int kLetrasMaximas = 32;                // a control word is at most this long
constexpr qint64 kParametroMaximo = std::numeric_limits<int>::max();

enum class Destino { Texto, Saltar, Fuentes, Colores, Imagen };

// Groups whose content is not text to show.
const QSet<QByteArray> kSaltar = {
    "stylesheet",        "info",      "header",    "headerl",  "headerr",      "headerf",    "footer",
    "footerl",           "footerr",   "footerf",   "footnote", "nonshppict",   "fldinst",    "listtable",
    "listoverridetable", "revtbl",    "rsidtbl",   "xmlnstbl", "latentstyles", "themedata",  "colorschememapping",
    "datastore",         "pgdsctbl",  "object",    "objdata",  "comment",      "annotation", "atnid",
    "atnauthor",         "bkmkstart", "bkmkend",   "xe",       "tc",           "generator",  "pn",
    "filetbl",           "template",  "userprops",
};

// Destinations behind \* that hold text or a picture to show.
const QSet<QByteArray> kConocidosTrasAsterisco = {"shppict"};

// Word writes the bullets of its lists in the private area where the
// Symbol and Wingdings fonts sit (U+F0B7 is Symbol's bullet): in any other
// face they show nothing, so the common ones become their Unicode selves.
QChar simboloVisible(char16_t u)
{
    switch (u) {
    case 0xF0B7: return QChar(0x2022); // •
    case 0xF0A7: return QChar(0x25AA); // ▪
    case 0xF06F: return QChar(0x25E6); // ◦
    case 0xF0D8: return QChar(0x27A2); // ➢
    case 0xF0FC: return QChar(0x2713); // ✓
    default: return QChar(u);
    }
}

// The destination a control word opens, if it opens one; behind \* an
// unknown word's group is skipped.
std::optional<Destino> destinoDe(const QByteArray& w, bool trasAsterisco)
{
    if (w == "fonttbl") return Destino::Fuentes;
    if (w == "colortbl") return Destino::Colores;
    if (w == "pict") return Destino::Imagen;
    if (kSaltar.contains(w)) return Destino::Saltar;
    if (trasAsterisco && !kConocidosTrasAsterisco.contains(w)) return Destino::Saltar;
    return std::nullopt;
}

struct Fuente {
    QString nombre;
    bool simbolo = false; // \fcharset2: bytes are symbols, not letters
};

struct Estado {
    Destino destino = Destino::Texto;
    QTextCharFormat caracter;
    QTextBlockFormat parrafo;
    // Where the paragraph's tab stops and lines start, in twips from the
    // margin as RTF counts them (Qt counts from the first line's start).
    QList<int> tabuladores;
    int izquierda = 0;
    int primeraLinea = 0;
    bool enTabla = false; // \intbl: the paragraph belongs to a table cell
    bool oculto = false;  // \v: hidden text
    int uc = 1;
    int fuente = -1;
};

// A table row as \trowd and the \cellx after it define it.
struct DefinicionFila {
    QList<int> bordesDerechos;  // twips from the margin
    QList<bool> uneConAnterior; // \clmrg: merged into the cell on its left
    QList<bool> uneConSuperior; // \clvmrg: merged into the cell above
    bool conBordes = false;
    bool siguienteUneAnterior = false, siguienteUneSuperior = false;
};

struct Imagen {
    QByteArray hex;
    QByteArray formato; // "PNG", "JPG" or empty for kinds we do not show
    int anchoMeta = 0;  // \picwgoal, twips
    int altoMeta = 0;
    int escalaX = 100;
    int escalaY = 100;
};

class Lector {
public:
    Lector(const QByteArray& rtf, QTextDocument& doc, double escala)
        : in_(rtf), doc_(doc), cursor_(&doc), escala_(escala)
    {
    }
    void leer();

private:
    // Tokens
    void abrirGrupo();
    void cerrarGrupo();
    void barra();
    void palabra(const QByteArray& w, bool tieneParametro, int p);
    void simbolo(char c);
    void caracter(QChar c);
    void byteCodificado(unsigned char b);

    // Output
    void vaciar();
    void texto(const QString& s);
    void insertarImagen(const Imagen& img);
    QTextBlockFormat formatoBloque() const;
    void aplicarBloque();
    void nuevoParrafo();
    void quitarParrafoFinalVacio();
    void saltoDePagina();

    // Tables
    bool palabraDeTabla(const QByteArray& w, int p);
    void situarEnTabla();
    void partirColumnas();
    QList<QTextLength> anchosDe(const QList<int>& bordes) const;
    void terminarFila();
    std::pair<int, int> columnasDe(int celda) const;

    // Formatting
    bool formatoCaracter(const QByteArray& w, bool tieneParametro, int p);
    bool formatoParrafo(const QByteArray& w, int p);
    QString fuenteNombre(int n) const { return fuentes_.value(n).nombre; }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QTextDocument& doc_;
    QTextCursor cursor_;
    double escala_;

    Estado st_;
    std::vector<Estado> pila_;
    int gruposDeMas_ = 0;    // groups opened beyond the bound
    bool asterisco_ = false; // the last token was \*
    int saltarUc_ = 0;       // characters still to skip after \u
    bool ansi1252_ = true;

    QString pendiente_;
    QHash<int, Fuente> fuentes_;
    int fuenteEnTabla_ = -1;
    QString nombreFuente_;
    int fuentePorDefecto_ = -1;
    QList<QColor> colores_;
    int rojo_ = -1, verde_ = -1, azul_ = -1;
    Imagen imagen_;
    int imagenes_ = 0;

    // What the document has taken so far, against the bounds above; the
    // bound reached first, once reached.
    qint64 caracteres_ = 0;
    int parrafos_ = 0;
    int celdas_ = 0, celdasTabla_ = 0;
    qint64 pixeles_ = 0;
    QString cortado_;
    bool dentro(bool cabe, const char* limite, qint64 valor);
    void notaDeCorte();

    QTextTable* tabla_ = nullptr;
    QList<int> bordesTabla_; // the columns' right edges, from the table's first row
    DefinicionFila fila_;
    int filaTabla_ = 0, celdaTabla_ = 0;
    bool filaTerminada_ = false;
    QList<int> inicioUnionVertical_; // per column, the row a vertical merge began
};

void Lector::leer()
{
    doc_.clear();
    doc_.setUndoRedoEnabled(false);
    cursor_ = QTextCursor(&doc_);
    // One edit: the document is laid out once, at the end, not at every
    // insertion (thousands of pictures in one paragraph took minutes).
    cursor_.beginEditBlock();
    while (pos_ < in_.size() && cortado_.isEmpty()) {
        const char c = in_[pos_++];
        switch (c) {
        case '{': abrirGrupo(); break;
        case '}': cerrarGrupo(); break;
        case '\\': barra(); break;
        case '\r':
        case '\n': break;
        default:
            if (st_.destino == Destino::Imagen) {
                imagen_.hex.append(c);
            } else if (st_.destino == Destino::Fuentes) {
                if (c == ';') {
                    if (fuenteEnTabla_ >= 0) fuentes_[fuenteEnTabla_].nombre = nombreFuente_.trimmed();
                    nombreFuente_.clear();
                } else {
                    nombreFuente_.append(desde1252(static_cast<unsigned char>(c)));
                }
            } else if (st_.destino == Destino::Colores) {
                if (c == ';') {
                    colores_.append(rojo_ < 0 && verde_ < 0 && azul_ < 0
                                        ? QColor()
                                        : QColor(qBound(0, rojo_, 255), qBound(0, verde_, 255), qBound(0, azul_, 255)));
                    rojo_ = verde_ = azul_ = -1;
                }
            } else {
                byteCodificado(static_cast<unsigned char>(c));
            }
        }
    }
    vaciar();
    if (cortado_.isEmpty())
        quitarParrafoFinalVacio();
    else
        notaDeCorte();
    cursor_.endEditBlock();
    QFont f = doc_.defaultFont();
    if (fuentePorDefecto_ >= 0 && !fuenteNombre(fuentePorDefecto_).isEmpty())
        f.setFamilies({fuenteNombre(fuentePorDefecto_)});
    f.setPointSizeF(kPuntosPorDefecto * escala_);
    doc_.setDefaultFont(f);
}

void Lector::abrirGrupo()
{
    vaciar();
    saltarUc_ = 0;
    if (int(pila_.size()) >= kProfundidadMaxima) {
        ++gruposDeMas_;
    } else {
        pila_.push_back(st_);
    }
    asterisco_ = false;
}

void Lector::cerrarGrupo()
{
    vaciar();
    saltarUc_ = 0;
    asterisco_ = false;
    if (gruposDeMas_ > 0) {
        --gruposDeMas_;
        return;
    }
    if (pila_.empty()) return; // an unbalanced brace: nothing to close
    const Destino cerrado = st_.destino;
    if (cerrado == Destino::Fuentes && fuenteEnTabla_ >= 0 && !nombreFuente_.trimmed().isEmpty())
        fuentes_[fuenteEnTabla_].nombre = nombreFuente_.trimmed();
    st_ = pila_.back();
    pila_.pop_back();
    if (cerrado == Destino::Imagen && st_.destino != Destino::Imagen) {
        insertarImagen(imagen_);
        imagen_ = Imagen{};
    }
    if (cerrado == Destino::Fuentes && st_.destino != Destino::Fuentes) {
        fuenteEnTabla_ = -1;
        nombreFuente_.clear();
    }
}

void Lector::barra()
{
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
        ++pos_;
        simbolo(c);
        return;
    }
    QByteArray w;
    while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) {
        if (w.size() < kLetrasMaximas) w.append(in_[pos_]);
        ++pos_;
    }
    bool negativo = false, tieneParametro = false;
    qint64 p = 0;
    if (pos_ < in_.size() && in_[pos_] == '-') {
        negativo = true;
        ++pos_;
    }
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
        tieneParametro = true;
        p = std::min(kParametroMaximo, p * 10 + (in_[pos_] - '0'));
        ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_; // the delimiter belongs to the word
    palabra(w, tieneParametro, static_cast<int>(negativo ? -p : p));
}

void Lector::simbolo(char c)
{
    switch (c) {
    case '*': asterisco_ = true; return;
    case '\'': {
        if (pos_ + 2 > in_.size()) {
            pos_ = in_.size();
            return;
        }
        bool ok = false;
        const int b = in_.mid(pos_, 2).toInt(&ok, 16);
        pos_ += 2;
        if (!ok) return;
        if (st_.destino == Destino::Fuentes)
            nombreFuente_.append(desde1252(static_cast<unsigned char>(b)));
        else if (st_.destino == Destino::Texto)
            byteCodificado(static_cast<unsigned char>(b));
        return;
    }
    case '\\':
    case '{':
    case '}':
        if (st_.destino == Destino::Texto) caracter(QLatin1Char(c));
        return;
    case '~': caracter(QChar(0x00A0)); return;
    case '_': caracter(QChar(0x2011)); return;
    case '-': caracter(QChar(0x00AD)); return;
    case '\r':
    case '\n': palabra("par", false, 0); return; // a backslash before a line end
    default: return;
    }
}

void Lector::byteCodificado(unsigned char b)
{
    if (b < 0x20 && b != '\t') return; // stray control bytes
    const bool simboloFuente = fuentes_.value(st_.fuente).simbolo;
    if (simboloFuente && b == 0xB7) {
        caracter(QChar(0x2022)); // the bullet of the Symbol font
    } else if (ansi1252_ || b < 0x80) {
        caracter(desde1252(b));
    } else {
        caracter(QChar(b)); // other code pages: read as Latin-1
    }
}

void Lector::caracter(QChar c)
{
    if (st_.destino != Destino::Texto || st_.oculto) return;
    if (saltarUc_ > 0) {
        --saltarUc_;
        return;
    }
    pendiente_.append(c);
}

void Lector::palabra(const QByteArray& w, bool tieneParametro, int p)
{
    const bool tras = asterisco_;
    asterisco_ = false;

    if (w == "bin") {
        // Raw bytes follow: never read them as tokens.
        const qsizetype n = std::min<qsizetype>(std::max(p, 0), in_.size() - pos_);
        if (st_.destino == Destino::Imagen) imagen_.hex.append(in_.mid(pos_, n).toHex());
        pos_ += n;
        return;
    }
    if (st_.destino == Destino::Saltar) return;

    if (const auto destino = destinoDe(w, tras)) {
        vaciar();
        st_.destino = *destino;
        if (*destino == Destino::Imagen) imagen_ = Imagen{};
        return;
    }
    switch (st_.destino) {
    case Destino::Fuentes:
        if (w == "f") {
            fuenteEnTabla_ = p;
            fuentes_[p] = Fuente{};
            nombreFuente_.clear();
        } else if (w == "fcharset" && fuenteEnTabla_ >= 0) {
            fuentes_[fuenteEnTabla_].simbolo = p == 2;
        }
        return;
    case Destino::Colores:
        if (w == "red")
            rojo_ = p;
        else if (w == "green")
            verde_ = p;
        else if (w == "blue")
            azul_ = p;
        return;
    case Destino::Imagen:
        if (w == "pngblip")
            imagen_.formato = "PNG";
        else if (w == "jpegblip")
            imagen_.formato = "JPG";
        else if (w == "picwgoal")
            imagen_.anchoMeta = p;
        else if (w == "pichgoal")
            imagen_.altoMeta = p;
        else if (w == "picscalex")
            imagen_.escalaX = p;
        else if (w == "picscaley")
            imagen_.escalaY = p;
        else if (w == "wmetafile" || w == "emfblip" || w == "macpict" || w == "dibitmap" || w == "wbitmap")
            imagen_.formato.clear();
        return;
    case Destino::Saltar:
    case Destino::Texto: break;
    }

    // Document properties
    if (w == "ansicpg") {
        ansi1252_ = p == 1252;
        return;
    }
    if (w == "deff") {
        fuentePorDefecto_ = p;
        return;
    }
    if (w == "uc") {
        st_.uc = std::max(0, p);
        return;
    }
    if (w == "u") {
        const char16_t unidad = static_cast<char16_t>(p < 0 ? p + 65536 : p);
        caracter(simboloVisible(unidad));
        saltarUc_ = st_.uc;
        return;
    }
    // Special characters and breaks
    if (w == "par") return nuevoParrafo();
    if (w == "page") return saltoDePagina();
    if (palabraDeTabla(w, p)) return;
    if (w == "line") return caracter(QChar::LineSeparator);
    if (w == "tab") return caracter(QLatin1Char('\t'));
    if (w == "emdash") return caracter(QChar(0x2014));
    if (w == "endash") return caracter(QChar(0x2013));
    if (w == "bullet") return caracter(QChar(0x2022));
    if (w == "lquote") return caracter(QChar(0x2018));
    if (w == "rquote") return caracter(QChar(0x2019));
    if (w == "ldblquote") return caracter(QChar(0x201C));
    if (w == "rdblquote") return caracter(QChar(0x201D));
    if (formatoCaracter(w, tieneParametro, p)) return;
    formatoParrafo(w, p);
}

bool Lector::formatoCaracter(const QByteArray& w, bool tieneParametro, int p)
{
    const bool activo = !tieneParametro || p != 0;
    QTextCharFormat f = st_.caracter;
    if (w == "plain") {
        f = QTextCharFormat();
        st_.fuente = -1;
        st_.oculto = false;
    } else if (w == "b") {
        f.setFontWeight(activo ? QFont::Bold : QFont::Normal);
    } else if (w == "i") {
        f.setFontItalic(activo);
    } else if (w == "ul") {
        f.setFontUnderline(activo);
    } else if (w == "ulnone") {
        f.setFontUnderline(false);
    } else if (w == "uld" || w == "uldash" || w == "uldashd" || w == "uldashdd" || w == "ulldash" || w == "ulthd" ||
               w == "ulthdash" || w == "ulthdashd" || w == "ulthdashdd" || w == "ulthldash") {
        f.setUnderlineStyle(activo ? (w.contains("dash") ? QTextCharFormat::DashUnderline : QTextCharFormat::DotLine)
                                   : QTextCharFormat::NoUnderline);
    } else if (w == "ulwave" || w == "ulhwave" || w == "ululdbwave") {
        f.setUnderlineStyle(activo ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline);
    } else if (w == "uldb" || w == "ulw" || w == "ulth") {
        f.setFontUnderline(activo);
    } else if (w == "caps" || w == "scaps") {
        f.setFontCapitalization(!activo ? QFont::MixedCase : w == "caps" ? QFont::AllUppercase : QFont::SmallCaps);
    } else if (w == "v") {
        st_.oculto = activo;
        return true;
    } else if (w == "up" || w == "dn") {
        const bool arriba = w == "up";
        f.setVerticalAlignment(tieneParametro && p == 0 ? QTextCharFormat::AlignNormal
                               : arriba                 ? QTextCharFormat::AlignSuperScript
                                                        : QTextCharFormat::AlignSubScript);
    } else if (w == "strike") {
        f.setFontStrikeOut(activo);
    } else if (w == "fs") {
        if (p > 0) f.setFontPointSize(std::min(p, kMediosPuntosMaximos) / 2.0 * escala_);
    } else if (w == "f") {
        st_.fuente = p;
        const QString nombre = fuenteNombre(p);
        if (!nombre.isEmpty() && !fuentes_.value(p).simbolo) f.setFontFamilies({nombre});
    } else if (w == "cf") {
        const QColor c = colores_.value(p);
        if (c.isValid())
            f.setForeground(c);
        else
            f.clearForeground();
    } else if (w == "highlight" || w == "cb" || w == "chcbpat") {
        const QColor c = colores_.value(p);
        if (c.isValid() && p > 0)
            f.setBackground(c);
        else
            f.clearBackground();
    } else if (w == "super") {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (w == "sub") {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    } else if (w == "nosupersub") {
        f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    } else {
        return false;
    }
    vaciar();
    st_.caracter = f;
    return true;
}

bool Lector::formatoParrafo(const QByteArray& w, int p)
{
    QTextBlockFormat& f = st_.parrafo;
    const int sangria = std::clamp(p, -kSangriaMaxima, kSangriaMaxima);
    const auto pixeles = [this](int twips) { return double(twips) / kTwipsPorPixel * escala_; };
    const double espacio = pixeles(std::clamp(p, 0, kEspacioMaximo));
    if (w == "pard") {
        f = QTextBlockFormat();
        st_.tabuladores.clear();
        st_.izquierda = st_.primeraLinea = 0;
        st_.enTabla = false;
    } else if (w == "ql")
        f.setAlignment(Qt::AlignLeft);
    else if (w == "qc")
        f.setAlignment(Qt::AlignHCenter);
    else if (w == "qr")
        f.setAlignment(Qt::AlignRight);
    else if (w == "qj")
        f.setAlignment(Qt::AlignJustify);
    else if (w == "li") {
        st_.izquierda = std::max(0, sangria);
        f.setLeftMargin(pixeles(st_.izquierda));
    } else if (w == "ri")
        f.setRightMargin(pixeles(std::max(0, sangria)));
    else if (w == "fi") {
        st_.primeraLinea = sangria;
        f.setTextIndent(pixeles(sangria));
    } else if (w == "sb")
        f.setTopMargin(espacio);
    else if (w == "sa")
        f.setBottomMargin(espacio);
    else if (w == "tx") {
        if (st_.tabuladores.size() < kTabuladoresMaximos) st_.tabuladores << std::clamp(p, 0, kSangriaMaxima);
    } else if (w == "intbl")
        st_.enTabla = true;
    else
        return false;
    return true;
}

void Lector::vaciar()
{
    if (pendiente_.isEmpty()) return;
    texto(pendiente_);
    pendiente_.clear();
}

void Lector::texto(const QString& s)
{
    const qint64 caben = kCaracteresMaximos - caracteres_;
    caracteres_ += s.size();
    aplicarBloque();
    cursor_.insertText(caben < s.size() ? s.left(qsizetype(std::max<qint64>(0, caben))) : s, st_.caracter);
    dentro(caracteres_ <= kCaracteresMaximos, QT_TRANSLATE_NOOP("formatos", "más de %L1 caracteres"),
           kCaracteresMaximos);
}

// Whether the document is still within a bound; the first bound it passes
// ends the reading there.
// `limite` (marked for translation) and its `valor` are put into words only
// when the bound is passed: this runs for every piece of text.
bool Lector::dentro(bool cabe, const char* limite, qint64 valor)
{
    if (!cortado_.isEmpty()) return false;
    if (!cabe) cortado_ = Textos::tr(limite).arg(valor);
    return cabe;
}

// The reader stopped at a bound: a note after what is shown says why.
void Lector::notaDeCorte()
{
    if (tabla_) {
        cursor_ = tabla_->lastCursorPosition();
        cursor_.movePosition(QTextCursor::NextBlock);
        tabla_ = nullptr;
    }
    QTextCharFormat letra;
    letra.setFontItalic(true);
    letra.setFontPointSize(kPuntosPorDefecto * escala_);
    letra.setForeground(QColor(160, 0, 0));
    cursor_.insertBlock(QTextBlockFormat(), letra);
    cursor_.insertText(Textos::tr("[La ayuda se muestra hasta aquí: el documento pasa de lo que esta ventana puede "
                                  "mostrar (%1).]")
                           .arg(cortado_),
                       letra);
}

// The paragraph's format, its tab stops moved from RTF's origin (the
// margin) to Qt's (the first line's start). A hanging first line (a bullet
// or a number, then a tab) with no stop of its own gets one where the other
// lines start, as word processors lay it out.
QTextBlockFormat Lector::formatoBloque() const
{
    QTextBlockFormat f = st_.parrafo;
    QList<int> tabuladores = st_.tabuladores;
    if (tabuladores.isEmpty() && st_.primeraLinea < 0) tabuladores << st_.izquierda;
    QList<QTextOption::Tab> posiciones;
    for (int t : tabuladores) {
        const int desdeLaLinea = t - st_.izquierda - st_.primeraLinea;
        if (desdeLaLinea > 0)
            posiciones << QTextOption::Tab(double(desdeLaLinea) / kTwipsPorPixel * escala_, QTextOption::LeftTab);
    }
    f.setTabPositions(posiciones);
    return f;
}

// The paragraph the text goes into takes its format, once: setting it again
// for every piece of a long paragraph would cost its whole length each time.
void Lector::aplicarBloque()
{
    situarEnTabla();
    const QTextBlockFormat f = formatoBloque();
    if (cursor_.blockFormat() != f) cursor_.setBlockFormat(f);
}

// A final \par ends the last paragraph; it starts no empty one after it,
// as word processors show it. After a table the document needs its block.
void Lector::quitarParrafoFinalVacio()
{
    QTextCursor fin(&doc_);
    fin.movePosition(QTextCursor::End);
    const QTextBlock anterior = fin.block().previous();
    if (fin.block().length() > 1 || !anterior.isValid() || QTextCursor(anterior).currentTable()) return;
    fin.deletePreviousChar();
}

void Lector::nuevoParrafo()
{
    vaciar();
    if (!dentro(++parrafos_ <= kParrafosMaximos, QT_TRANSLATE_NOOP("formatos", "más de %L1 párrafos"),
                kParrafosMaximos))
        return;
    aplicarBloque();
    cursor_.insertBlock(formatoBloque(), st_.caracter);
}

// A page of the document ends: on screen, a line across.
void Lector::saltoDePagina()
{
    vaciar();
    aplicarBloque();
    QTextBlockFormat regla;
    regla.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    regla.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    cursor_.insertBlock(regla);
    cursor_.insertBlock(formatoBloque(), st_.caracter);
}

// \trowd starts a row's definition, \cellx gives each cell's right edge,
// \clmrg and \clvmrg merge a cell into the one on its left or above, a
// \clbrdr gives the cells borders; the paragraphs marked \intbl fill the
// cells in turn, \cell ends a cell and \row the row. Nested tables read as
// text, their cells apart by tabs.
bool Lector::palabraDeTabla(const QByteArray& w, int p)
{
    if (w == "trowd") {
        fila_ = DefinicionFila{};
    } else if (w == "cellx") {
        if (fila_.bordesDerechos.size() >= kCeldasMaximas) return true;
        fila_.bordesDerechos << std::clamp(p, 0, kSangriaMaxima);
        fila_.uneConAnterior << fila_.siguienteUneAnterior;
        fila_.uneConSuperior << fila_.siguienteUneSuperior;
        fila_.siguienteUneAnterior = fila_.siguienteUneSuperior = false;
    } else if (w == "clmrg") {
        fila_.siguienteUneAnterior = true;
    } else if (w == "clvmrg") {
        fila_.siguienteUneSuperior = true;
    } else if (w.startsWith("clbrdr")) {
        fila_.conBordes = true;
    } else if (w == "cell") {
        vaciar();
        situarEnTabla();
        if (!tabla_) return true; // a cell mark outside any table ends nothing
        if (!dentro(++celdasTabla_ <= kCeldasPorTabla, QT_TRANSLATE_NOOP("formatos", "una tabla de más de %L1 celdas"),
                    kCeldasPorTabla) ||
            !dentro(++celdas_ <= kCeldasPorDocumento, QT_TRANSLATE_NOOP("formatos", "más de %L1 celdas de tabla"),
                    kCeldasPorDocumento))
            return true;
        // A paragraph mark just before the end of the cell leaves no empty
        // paragraph in it.
        if (cursor_.block().length() == 1 && cursor_.position() > tabla_->cellAt(cursor_).firstPosition())
            cursor_.deletePreviousChar();
        ++celdaTabla_;
    } else if (w == "row") {
        vaciar();
        terminarFila();
    } else if (w == "nestcell") {
        caracter(QLatin1Char('\t'));
    } else if (w == "nestrow") {
        caracter(QChar::LineSeparator);
    } else {
        return false;
    }
    return true;
}

// The columns' widths from their right edges.
QList<QTextLength> Lector::anchosDe(const QList<int>& bordes) const
{
    QList<QTextLength> anchos;
    int izquierda = 0;
    for (const int borde : bordes) {
        anchos << QTextLength(QTextLength::FixedLength,
                              std::max(1.0, (borde - izquierda) / double(kTwipsPorPixel) * escala_));
        izquierda = std::max(izquierda, borde);
    }
    return anchos;
}

// Puts the cursor where the next text goes: in the current cell of the
// table (made, or grown by a row or a column, as needed), or after the table
// once a paragraph outside it comes.
void Lector::situarEnTabla()
{
    if (!st_.enTabla) {
        if (!tabla_) return;
        cursor_ = tabla_->lastCursorPosition();
        cursor_.movePosition(QTextCursor::NextBlock);
        tabla_ = nullptr;
        return;
    }
    if (!tabla_) {
        QTextTableFormat formato;
        const QList<QTextLength> anchos = anchosDe(fila_.bordesDerechos);
        formato.setColumnWidthConstraints(anchos);
        formato.setBorder(fila_.conBordes ? 1 : 0);
        formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        formato.setBorderCollapse(true);
        formato.setCellPadding(3 * escala_);
        formato.setCellSpacing(0);
        tabla_ = cursor_.insertTable(1, std::max(1, int(anchos.size())), formato);
        celdasTabla_ = 0;
        bordesTabla_ = fila_.bordesDerechos;
        filaTabla_ = celdaTabla_ = 0;
        filaTerminada_ = false;
        inicioUnionVertical_.clear();
    } else if (filaTerminada_) {
        partirColumnas();
        tabla_->appendRows(1);
        ++filaTabla_;
        celdaTabla_ = 0;
        filaTerminada_ = false;
    }
    const int columna = columnasDe(celdaTabla_).first;
    if (columna >= tabla_->columns()) tabla_->appendColumns(columna - tabla_->columns() + 1);
    const QTextTableCell celda = tabla_->cellAt(filaTabla_, columna);
    if (cursor_.position() < celda.firstPosition() || cursor_.position() > celda.lastPosition())
        cursor_ = celda.firstCursorPosition();
}

// A row with a cell edge where the table has none (a title merged across
// three columns above a row of three cells) splits the table's column
// there; the cells of the rows before it then span both halves.
void Lector::partirColumnas()
{
    for (const int borde : fila_.bordesDerechos) {
        qsizetype j = 0;
        while (j < bordesTabla_.size() && bordesTabla_[j] < borde - kHolguraBordes) ++j;
        if (j < bordesTabla_.size() && bordesTabla_[j] <= borde + kHolguraBordes) continue; // an edge it has
        if (j == bordesTabla_.size()) {
            tabla_->appendColumns(1);
            bordesTabla_ << borde;
            continue;
        }
        // The column ending at bordesTabla_[j] now ends at `borde`; a new one
        // after it takes the rest, and the cells already there span both.
        tabla_->insertColumns(int(j) + 1, 1);
        bordesTabla_.insert(j, borde);
        if (inicioUnionVertical_.size() > j) inicioUnionVertical_.insert(j + 1, inicioUnionVertical_[j]);
        for (int r = 0; r < tabla_->rows(); ++r) {
            const QTextTableCell celda = tabla_->cellAt(r, int(j));
            if (celda.row() != r || celda.column() + celda.columnSpan() > j + 1) continue; // already across both
            tabla_->mergeCells(r, celda.column(), celda.rowSpan(), int(j) + 2 - celda.column());
        }
    }
    QTextTableFormat formato = tabla_->format();
    formato.setColumnWidthConstraints(anchosDe(bordesTabla_));
    tabla_->setFormat(formato);
}

// The first column and the number of columns a cell of this row takes: a
// cell as wide as several of the table's columns (the way LibreOffice and
// Word write a merged cell) spans them.
std::pair<int, int> Lector::columnasDe(int celda) const
{
    if (celda >= fila_.bordesDerechos.size() || bordesTabla_.isEmpty()) return {celda, 1};
    const int izquierda = celda == 0 ? 0 : fila_.bordesDerechos[celda - 1];
    int desde = 0;
    while (desde < bordesTabla_.size() && bordesTabla_[desde] <= izquierda + kHolguraBordes) ++desde;
    int hasta = desde;
    while (hasta < bordesTabla_.size() && bordesTabla_[hasta] <= fila_.bordesDerechos[celda] + kHolguraBordes) ++hasta;
    return {desde, std::max(1, hasta - desde)};
}

// A row is complete: a wide cell spans its columns, and the cells marked
// merged join the cell on their left or the one above.
void Lector::terminarFila()
{
    if (!tabla_) return;
    const int celdas = int(fila_.bordesDerechos.size());
    const auto unir = [this](int fila, int columna, int filas, int columnas) {
        if (columna + columnas <= tabla_->columns() && (filas > 1 || columnas > 1))
            tabla_->mergeCells(fila, columna, filas, columnas);
    };
    for (int c = 0; c < celdas;) {
        int hasta = c + 1;
        while (hasta < celdas && fila_.uneConAnterior[hasta]) ++hasta;
        const int primera = columnasDe(c).first;
        const auto [ultima, ancho] = columnasDe(hasta - 1);
        unir(filaTabla_, primera, 1, ultima + ancho - primera);
        c = hasta;
    }
    for (int c = 0; c < celdas; ++c) {
        const int columna = columnasDe(c).first;
        while (inicioUnionVertical_.size() <= columna) inicioUnionVertical_ << -1;
        if (fila_.uneConSuperior[c] && inicioUnionVertical_[columna] >= 0)
            unir(inicioUnionVertical_[columna], columna, filaTabla_ - inicioUnionVertical_[columna] + 1,
                 columnasDe(c).second);
        else
            inicioUnionVertical_[columna] = filaTabla_;
    }
    filaTerminada_ = true;
}

void Lector::insertarImagen(const Imagen& img)
{
    if (img.formato.isEmpty() || st_.destino != Destino::Texto || st_.oculto) return;
    // A picture is decoded no larger than it is shown (and than a bound):
    // forty photographs of 25 megapixels shown as stamps took 4 GB.
    QByteArray datos = QByteArray::fromHex(img.hex);
    QBuffer fuente(&datos);
    QImageReader lector(&fuente, img.formato);
    const QSize propio = lector.size();
    if (!propio.isValid()) return;
    const auto medida = [this](int meta, int escala, int propia) {
        const double px = meta > 0 ? meta / double(kTwipsPorPixel) * qBound(1, escala, 1000) / 100.0 : propia;
        return std::clamp(px * escala_, 1.0, 4000.0);
    };
    const QSizeF mostrado(medida(img.anchoMeta, img.escalaX, propio.width()),
                          medida(img.altoMeta, img.escalaY, propio.height()));
    QSize decodificado = propio;
    if (qint64(propio.width()) * propio.height() > kPixelesPorImagen || propio.width() > 2 * mostrado.width())
        decodificado =
            propio.scaled(std::max(1, qRound(std::min(mostrado.width() * 2, std::sqrt(double(kPixelesPorImagen))))),
                          std::max(1, qRound(std::min(mostrado.height() * 2, std::sqrt(double(kPixelesPorImagen))))),
                          Qt::KeepAspectRatio);
    pixeles_ += qint64(propio.width()) * propio.height();
    if (!dentro(pixeles_ <= kPixelesPorDocumento,
                QT_TRANSLATE_NOOP("formatos", "imágenes de más de %L1 megapíxeles en total"),
                kPixelesPorDocumento / 1000000))
        return;
    if (decodificado != propio) lector.setScaledSize(decodificado);
    const QImage imagen = lector.read();
    if (imagen.isNull()) return;
    const QUrl nombre(QStringLiteral("rtfimg://%1").arg(++imagenes_));
    doc_.addResource(QTextDocument::ImageResource, nombre, imagen);
    QTextImageFormat f;
    f.setName(nombre.toString());
    f.setWidth(mostrado.width());
    f.setHeight(mostrado.height());
    aplicarBloque();
    cursor_.insertImage(f);
}

} // namespace

void leerRtf(const QByteArray& rtf, QTextDocument& documento, double escala)
{
    if (!rtf.left(1024).contains("{\\rtf")) {
        // Plain text named .rtf: its lines, as written (UTF-8, else Windows-1252).
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString texto = utf8.decode(rtf);
        if (utf8.hasError()) texto = desde1252(rtf);
        documento.setPlainText(texto);
        QFont f = documento.defaultFont();
        f.setPointSizeF(kPuntosPorDefecto * escala);
        documento.setDefaultFont(f);
        return;
    }
    Lector(rtf, documento, escala).leer();
}

} // namespace formatos
