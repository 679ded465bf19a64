// SPDX-License-Identifier: GPL-3.0-or-later
// Any line of a record file must read without a crash or a read past its
// end (another desk's file may hold anything a share or a kill leaves), and
// a line read must write back to a line that reads as the same event. The
// input is read as it comes and, so that the fields are reached past the
// checksum, also as a line's body with its right checksum added.

#include "almacen/RegistroClase.h"

#include <QByteArrayView>

#include <cstdint>
#include <zlib.h>

namespace {

void probar(const QByteArray& entrada)
{
    using namespace almacen;
    TextosComunes comunes;
    const auto e = decodificar(QByteArrayView(entrada), &comunes);
    if (!e) return;
    const QByteArray linea = codificar(*e);
    const auto vuelta = decodificar(linea, &comunes);
    if (!vuelta || codificar(*vuelta) != linea) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n)
{
    const QByteArray entrada(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(n));
    probar(entrada);
    const QByteArray cuerpo = entrada.endsWith('\n') ? entrada.left(entrada.lastIndexOf('\t') + 1) : entrada + '\t';
    const auto suma = ::crc32(0, reinterpret_cast<const Bytef*>(cuerpo.constData()), uInt(cuerpo.size()));
    probar(cuerpo + QByteArray::number(quint32(suma), 16).rightJustified(8, '0') + '\n');
    return 0;
}
