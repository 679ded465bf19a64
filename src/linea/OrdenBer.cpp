// SPDX-License-Identifier: GPL-3.0-or-later
#include "linea/OrdenBer.h"

#include "linea/Linea.h"

#include "codigos/Traduccion.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>
#include <sstream>

namespace linea {

namespace {

constexpr long kBitsPorOmision = 200000;
constexpr long kMaximoBits = 100000000;
constexpr double kMaximaPerdida = 40;
constexpr double kMaximoAcoplamiento = 0.5;

std::string uso()
{
    return codigos::traducir("linea", "uso: tramavox --ber --codigo CÓDIGO --ebn0 0,2,4 [--bits 200000] [--semilla S] "
                                      "[--perdida DB] [--acoplamiento F]");
}

std::string normalizado(const std::string& s)
{
    std::string r;
    for (char c : s)
        if (c != ' ') r += char(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool leerDouble(const std::string& s, double& v)
{
    std::istringstream entrada(s);
    entrada.imbue(std::locale::classic());
    return bool(entrada >> v) && entrada.eof();
}

bool leerEntero(const std::string& s, long long& v)
{
    std::istringstream entrada(s);
    return bool(entrada >> v) && entrada.eof();
}

std::string numero(double v)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", v); // the C locale's decimal point
    return texto;
}

struct Orden {
    codigos::Codigo codigo{};
    bool hayCodigo = false;
    std::vector<double> ebn0;
    long bits = kBitsPorOmision;
    std::uint64_t semilla = std::random_device{}();
    AjustesLinea linea;
};

std::string leer(const std::vector<std::string>& a, Orden& o)
{
    for (std::size_t i = 1; i < a.size(); i += 2) {
        const std::string& opcion = a[i];
        if (i + 1 >= a.size())
            return codigos::rellenar(codigos::traducir("linea", "a «%1» le falta su valor"), {opcion});
        const std::string& valor = a[i + 1];
        long long entero = 0;
        double real = 0;
        if (opcion == "--codigo") {
            const auto c = std::find_if(
                codigos::kTodosLosCodigos.begin(), codigos::kTodosLosCodigos.end(),
                [&](codigos::Codigo k) { return normalizado(codigos::nombreCodigo(k)) == normalizado(valor); });
            if (c == codigos::kTodosLosCodigos.end())
                return codigos::rellenar(codigos::traducir("linea", "«%1» no es un código"), {valor});
            o.codigo = *c;
            o.hayCodigo = true;
        } else if (opcion == "--ebn0") {
            std::istringstream lista(valor);
            for (std::string parte; std::getline(lista, parte, ',');) {
                if (!leerDouble(parte, real))
                    return codigos::rellenar(codigos::traducir("linea", "«%1» no es un Eb/N0 en dB"), {parte});
                o.ebn0.push_back(real);
            }
        } else if (opcion == "--bits") {
            if (!leerEntero(valor, entero) || entero < 1 || entero > kMaximoBits)
                return codigos::rellenar(codigos::traducir("linea", "los bits han de ser de 1 a %1"),
                                         {std::to_string(kMaximoBits)});
            o.bits = long(entero);
        } else if (opcion == "--semilla") {
            if (!leerEntero(valor, entero) || entero < 0)
                return codigos::traducir("linea", "la semilla ha de ser un número entero positivo");
            o.semilla = std::uint64_t(entero);
        } else if (opcion == "--perdida") {
            if (!leerDouble(valor, real) || real < 0 || real > kMaximaPerdida)
                return codigos::rellenar(codigos::traducir("linea", "la pérdida del cable ha de ser de 0 a %1 dB"),
                                         {numero(kMaximaPerdida)});
            o.linea.perdidaDb = real;
        } else if (opcion == "--acoplamiento") {
            if (!leerDouble(valor, real) || real < 0 || real > kMaximoAcoplamiento)
                return codigos::rellenar(
                    codigos::traducir(
                        "linea", "el corte del acoplamiento ha de ser una fracción de la velocidad binaria de 0 a %1"),
                    {numero(kMaximoAcoplamiento)});
            o.linea.acoplamiento = real;
        } else {
            return codigos::rellenar(codigos::traducir("linea", "no se conoce la opción «%1»"), {opcion});
        }
    }
    if (!o.hayCodigo) return codigos::traducir("linea", "falta el código (--codigo)");
    if (o.ebn0.empty()) return codigos::traducir("linea", "faltan los valores de Eb/N0 (--ebn0)");
    return {};
}

} // namespace

int ordenBer(const std::vector<std::string>& argumentos, std::string& salida, std::string& error)
{
    Orden o;
    error = leer(argumentos, o);
    if (!error.empty()) {
        error = "tramavox: " + error + ".\n" + uso() + "\n";
        return 2;
    }
    salida = "ebn0_db;bits;errores;ber;ber_teorico\n";
    for (double ebn0 : o.ebn0) {
        AjustesLinea ajustes = o.linea;
        ajustes.ebn0Db = ebn0;
        const MedidaBer m = medirBer(o.codigo, ajustes, o.bits, o.semilla);
        // The closed forms hold on a line with no loss and no coupling.
        const auto teorica =
            o.linea.perdidaDb == 0 && o.linea.acoplamiento == 0 ? berTeorica(o.codigo, ebn0) : std::nullopt;
        salida += numero(ebn0) + ';' + std::to_string(m.bits) + ';' + std::to_string(m.errores) + ';' +
                  numero(m.ber()) + ';' + (teorica ? numero(*teorica) : std::string()) + '\n';
    }
    return 0;
}

} // namespace linea
