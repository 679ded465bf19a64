// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project's own RTF reader (the distribution packages none): turns an
// RTF document into a Qt rich-text document with its fonts, colours,
// character and paragraph formatting, lists as the word processor wrote
// their bullets and numbers, and PNG or JPEG pictures.
//
// Malformed input never crashes or hangs: braces need not balance, a file
// may stop anywhere, numbers are clamped and nesting is bounded.

#include <QByteArray>

class QTextDocument;

namespace formatos {

// Replaces the document's content with the RTF's. `escala` enlarges every
// size (letters, indents, spacing, pictures), for a zoomed window.
void leerRtf(const QByteArray& rtf, QTextDocument& documento, double escala = 1.0);

} // namespace formatos
