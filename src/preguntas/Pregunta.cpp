// SPDX-License-Identifier: GPL-3.0-or-later
#include "preguntas/Pregunta.h"

#include <random>

namespace preguntas {

namespace {

using codigos::Codigo;

// A question that asks to choose shows the right waveform and three wrong
// ones; bits that leave fewer mistakes to show (HDB3 without four zeros in
// a row) are drawn again, up to this many times.
constexpr int kOpciones = 4;
constexpr int kIntentos = 200;

// The engine's own output, never a library distribution: those differ
// between standard libraries, and the same seed must give the same file.
class Azar {
public:
    explicit Azar(std::uint64_t semilla) : motor_(semilla) {}
    bool moneda() { return (motor_() >> 63) != 0; }
    std::string bits(int n)
    {
        std::string r;
        for (int i = 0; i < n; ++i) r += moneda() ? '1' : '0';
        return r;
    }
    // A state the code can start from.
    codigos::EstadoInicial inicio(Codigo c)
    {
        return codigos::estadoAlAzar(c, [this](int n) { return int(motor_() % std::uint64_t(n)); });
    }

private:
    std::mt19937_64 motor_;
};

Pregunta paraElegir(Codigo c, int n, Azar& azar)
{
    Pregunta p{Tipo::Elegir, c, {}, {}, {}};
    std::vector<codigos::Fallo> fallos;
    for (int intento = 0; intento < kIntentos && int(fallos.size()) < kOpciones - 1; ++intento) {
        p.bits = azar.bits(n);
        p.inicio = azar.inicio(c);
        fallos = codigos::fallosTipicos(c, p.bits, p.inicio);
    }
    p.opciones.push_back({codigos::codificar(c, p.bits, p.inicio), true, {}});
    for (std::size_t i = 0; i < fallos.size() && p.opciones.size() < kOpciones; ++i)
        p.opciones.push_back({fallos[i].linea, false, fallos[i].que});
    return p;
}

} // namespace

std::vector<Pregunta> generarPreguntas(const Pedido& pedido)
{
    Azar azar(pedido.semilla);
    std::vector<Pregunta> r;
    for (int k = 0; k < pedido.preguntas && !pedido.codigos.empty(); ++k) {
        const Codigo c = pedido.codigos[std::size_t(k / 2) % pedido.codigos.size()];
        if (k % 2 == 0) {
            Pregunta p{Tipo::Leer, c, azar.bits(pedido.bits), azar.inicio(c), {}};
            r.push_back(std::move(p));
        } else {
            r.push_back(paraElegir(c, pedido.bits, azar));
        }
    }
    return r;
}

std::string enGrupos(const std::string& bits)
{
    std::string r;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (i > 0 && i % 4 == 0) r += ' ';
        r += bits[i];
    }
    return r;
}

std::string aHexadecimal(const std::string& bits)
{
    std::string r;
    for (std::size_t i = 0; i + 4 <= bits.size(); i += 4)
        r += "0123456789ABCDEF"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return r;
}

} // namespace preguntas
