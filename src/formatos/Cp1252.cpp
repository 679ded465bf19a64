// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatos/Cp1252.h"

#include <array>

namespace formatos {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// bytes it leaves undefined, which keep their own value.
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QChar desde1252(unsigned char b)
{
    const char16_t u = (b >= 0x80 && b < 0xA0) ? kAlto[b - 0x80] : b;
    return QChar(u ? u : char16_t(b));
}

QString desde1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) s.append(desde1252(static_cast<unsigned char>(c)));
    return s;
}

QByteArray a1252(const QString& texto)
{
    QByteArray r;
    r.reserve(texto.size());
    for (QChar ch : texto) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = static_cast<char>(u);
        } else if (u < 0xA0) {
            // The five bytes Windows-1252 leaves undefined read as themselves,
            // so they go back as themselves; the other C1 codes have no byte.
            if (kAlto[u - 0x80] == 0) b = static_cast<char>(u);
        } else {
            for (int i = 0; i < int(kAlto.size()); ++i)
                if (kAlto[i] == u) b = static_cast<char>(0x80 + i);
        }
        r.append(b);
    }
    return r;
}

} // namespace formatos
