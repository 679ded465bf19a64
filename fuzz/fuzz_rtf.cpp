// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the RTF reader must give a document, never a crash,
// a hang or a sanitizer report.

#include "formatos/LectorRtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Documents lay out text, which needs the font database of an application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "fuzz_rtf";
    static char* argv[] = {nombre, nullptr};
    static QGuiApplication app(argc, argv);
    // Broken pictures are expected here; their decoder's complaints are noise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    QTextDocument doc;
    formatos::leerRtf(QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n)), doc);
    (void)doc.toPlainText();
    return 0;
}
