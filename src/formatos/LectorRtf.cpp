// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/LectorRtf.h"

#include "formatos/Cp1252.h"
#include "formatos/Twips.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <vector>

namespace formatos {

namespace {

constexpr int kProfundidadMaxima = 256; // deeper groups share their parent's state
constexpr int kLetrasMaximas = 32;      // a control word is at most this long
constexpr qint64 kParametroMaximo = std::numeric_limits<int>::max();

enum class Destino { Texto, Saltar, Fuentes, Colores, Imagen };

// Groups whose content is not text to show.
const QSet<QByteArray> kSaltar = {
    "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl",
    "footerr", "footerf", "footnote", "nonshppict", "fldinst", "listtable", "listoverridetable",
    "revtbl", "rsidtbl", "xmlnstbl", "latentstyles", "themedata", "colorschememapping",
    "datastore", "pgdsctbl", "object", "objdata", "comment", "annotation", "atnid", "atnauthor",
    "bkmkstart", "bkmkend", "xe", "tc", "generator", "pn", "filetbl", "template", "userprops",
};

// Destinations behind \* that hold text or a picture to show.
const QSet<QByteArray> kConocidosTrasAsterisco = {"shppict"};

// A hanging first line (a bullet or a number, then a tab) has its tab stop
// where the other lines start, as word processors lay it out.
QTextBlockFormat conSangriaColgante(QTextBlockFormat f)
{
    if (f.textIndent() < 0 && f.tabPositions().isEmpty())
        f.setTabPositions({QTextOption::Tab(-f.textIndent(), QTextOption::LeftTab)});
    return f;
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
    int uc = 1;
    int fuente = -1;
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
    int gruposDeMas_ = 0;      // groups opened beyond the bound
    bool asterisco_ = false;   // the last token was \*
    int saltarUc_ = 0;         // characters still to skip after \u
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
};

void Lector::leer()
{
    doc_.clear();
    cursor_ = QTextCursor(&doc_);
    while (pos_ < in_.size()) {
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
    QFont f = doc_.defaultFont();
    if (fuentePorDefecto_ >= 0 && !fuenteNombre(fuentePorDefecto_).isEmpty()) f.setFamilies({fuenteNombre(fuentePorDefecto_)});
    if (escala_ != 1.0 && f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * escala_);
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
        if (st_.destino == Destino::Fuentes) nombreFuente_.append(desde1252(static_cast<unsigned char>(b)));
        else if (st_.destino == Destino::Texto) byteCodificado(static_cast<unsigned char>(b));
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
    if (st_.destino != Destino::Texto) return;
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
        if (w == "red") rojo_ = p;
        else if (w == "green") verde_ = p;
        else if (w == "blue") azul_ = p;
        return;
    case Destino::Imagen:
        if (w == "pngblip") imagen_.formato = "PNG";
        else if (w == "jpegblip") imagen_.formato = "JPG";
        else if (w == "picwgoal") imagen_.anchoMeta = p;
        else if (w == "pichgoal") imagen_.altoMeta = p;
        else if (w == "picscalex") imagen_.escalaX = p;
        else if (w == "picscaley") imagen_.escalaY = p;
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
        caracter(QChar(unidad));
        saltarUc_ = st_.uc;
        return;
    }
    // Special characters and breaks
    if (w == "par") {
        vaciar();
        cursor_.setBlockFormat(conSangriaColgante(st_.parrafo));
        cursor_.insertBlock(st_.parrafo, st_.caracter);
        return;
    }
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
    } else if (w == "b") {
        f.setFontWeight(activo ? QFont::Bold : QFont::Normal);
    } else if (w == "i") {
        f.setFontItalic(activo);
    } else if (w == "ul") {
        f.setFontUnderline(activo);
    } else if (w == "ulnone") {
        f.setFontUnderline(false);
    } else if (w == "strike") {
        f.setFontStrikeOut(activo);
    } else if (w == "fs") {
        if (p > 0) f.setFontPointSize(std::min(p, 2000) / 2.0 * escala_);
    } else if (w == "f") {
        st_.fuente = p;
        const QString nombre = fuenteNombre(p);
        if (!nombre.isEmpty() && !fuentes_.value(p).simbolo) f.setFontFamilies({nombre});
    } else if (w == "cf") {
        const QColor c = colores_.value(p);
        if (c.isValid()) f.setForeground(c);
        else f.clearForeground();
    } else if (w == "highlight" || w == "cb" || w == "chcbpat") {
        const QColor c = colores_.value(p);
        if (c.isValid() && p > 0) f.setBackground(c);
        else f.clearBackground();
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
    const double puntos = double(p) / kTwipsPorPixel * escala_; // in pixels
    if (w == "pard") f = QTextBlockFormat();
    else if (w == "ql") f.setAlignment(Qt::AlignLeft);
    else if (w == "qc") f.setAlignment(Qt::AlignHCenter);
    else if (w == "qr") f.setAlignment(Qt::AlignRight);
    else if (w == "qj") f.setAlignment(Qt::AlignJustify);
    else if (w == "li") f.setLeftMargin(std::max(0.0, puntos));
    else if (w == "ri") f.setRightMargin(std::max(0.0, puntos));
    else if (w == "fi") f.setTextIndent(puntos);
    else if (w == "sb") f.setTopMargin(std::max(0.0, puntos));
    else if (w == "sa") f.setBottomMargin(std::max(0.0, puntos));
    else if (w == "tx") {
        auto tabs = f.tabPositions();
        tabs.append(QTextOption::Tab(std::max(0.0, puntos), QTextOption::LeftTab));
        f.setTabPositions(tabs);
    } else return false;
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
    cursor_.setBlockFormat(conSangriaColgante(st_.parrafo));
    cursor_.insertText(s, st_.caracter);
}

void Lector::insertarImagen(const Imagen& img)
{
    if (img.formato.isEmpty() || st_.destino != Destino::Texto) return;
    const QImage imagen = QImage::fromData(QByteArray::fromHex(img.hex), img.formato.constData());
    if (imagen.isNull()) return;
    const QUrl nombre(QStringLiteral("rtfimg://%1").arg(++imagenes_));
    doc_.addResource(QTextDocument::ImageResource, nombre, imagen);
    QTextImageFormat f;
    f.setName(nombre.toString());
    const auto medida = [this](int meta, int escala, int propia) {
        const double px = meta > 0 ? meta / double(kTwipsPorPixel) * qBound(1, escala, 1000) / 100.0 : propia;
        return std::clamp(px * escala_, 1.0, 4000.0);
    };
    f.setWidth(medida(img.anchoMeta, img.escalaX, imagen.width()));
    f.setHeight(medida(img.altoMeta, img.escalaY, imagen.height()));
    cursor_.setBlockFormat(st_.parrafo);
    cursor_.insertImage(f);
}

} // namespace

void leerRtf(const QByteArray& rtf, QTextDocument& documento, double escala)
{
    Lector(rtf, documento, escala).leer();
}

} // namespace formatos
