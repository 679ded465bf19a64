// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrenador/Entrenamiento.h"

#include "codigos/DatosCodigo.h"
#include "modelo/Aleatorio.h"

#include <algorithm>

namespace entrenador {

using codigos::Codigo;
using codigos::kSinDibujar;

namespace {

int alAzarHasta(int n) { return std::min(n - 1, static_cast<int>(modelo::alAzar() * float(n))); }

bool esHexadecimal(QChar c)
{
    return c.isDigit() || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
}

} // namespace

void Entrenamiento::ponerModo(Modo modo)
{
    modo_ = modo;
    emit cambiado();
}

void Entrenamiento::ponerCodigos(const std::vector<Codigo>& codigos)
{
    if (!codigos.empty()) codigos_ = codigos;
    emit cambiado();
}

void Entrenamiento::ponerLongitud(int bits)
{
    if (std::find(kLongitudes.begin(), kLongitudes.end(), bits) != kLongitudes.end()) longitud_ = bits;
    emit cambiado();
}

void Entrenamiento::nuevo()
{
    ejercicio_.codigo = codigos_[std::size_t(alAzarHasta(int(codigos_.size())))];
    ejercicio_.bits.clear();
    for (int i = 0; i < longitud_; ++i) ejercicio_.bits += alAzarHasta(2) == 0 ? '0' : '1';
    ejercicio_.inicio = codigos::estadoAlAzar(ejercicio_.codigo, alAzarHasta);
    respuesta_.clear();
    mitades_.assign(std::size_t(2 * longitud_), kSinDibujar);
    cursor_ = 0;
    resultado_.reset();
    ronda_ = Ronda::Propuesto;
    emit cambiado();
}

std::vector<codigos::Paso> Entrenamiento::solucion() const
{
    return codigos::codificar(ejercicio_.codigo, ejercicio_.bits, ejercicio_.inicio);
}

void Entrenamiento::ponerRespuesta(const QString& texto)
{
    respuesta_ = texto;
    emit cambiado();
}

std::optional<std::string> Entrenamiento::bitsDe(const QString& texto, QString* porque) const
{
    QString limpio = texto;
    limpio.remove(QLatin1Char(' '));
    const int n = int(ejercicio_.bits.size());
    std::string bits;
    if (limpio.size() == n && std::all_of(limpio.begin(), limpio.end(), [](QChar c) { return c == '0' || c == '1'; })) {
        bits = limpio.toStdString();
    } else if (limpio.size() == n / 4 && std::all_of(limpio.begin(), limpio.end(), esHexadecimal)) {
        for (QChar c : limpio)
            bits += QString::number(QString(c).toInt(nullptr, 16), 2).rightJustified(4, '0').toStdString();
    } else {
        if (porque) *porque = tr("Escribe los %1 bits, o sus %2 cifras hexadecimales.").arg(n).arg(n / 4);
        return std::nullopt;
    }
    return bits;
}

void Entrenamiento::moverCursor(int cuanto) { ponerCursor(cursor_ + cuanto); }

void Entrenamiento::ponerCursor(int mitad)
{
    if (mitades_.empty()) return;
    cursor_ = std::clamp(mitad, 0, int(mitades_.size()) - 1);
    emit cambiado();
}

std::vector<int> Entrenamiento::niveles() const
{
    const auto& datos = codigos::datosCodigo(ejercicio_.codigo);
    return {datos.niveles.begin(), datos.niveles.begin() + datos.cuantosNiveles};
}

void Entrenamiento::ponerNivel(int nivel)
{
    if (ronda_ != Ronda::Propuesto || mitades_.empty()) return;
    mitades_[std::size_t(cursor_)] = nivel;
    emit cambiado();
}

// From no level, up takes the lowest above the middle (the middle itself
// when the code has nothing above it), down the highest below.
void Entrenamiento::subir()
{
    if (mitades_.empty()) return;
    const std::vector<int> n = niveles(); // highest first
    const int ahora = mitades_[std::size_t(cursor_)];
    int nuevo = ahora;
    for (auto it = n.rbegin(); it != n.rend(); ++it)
        if (ahora == kSinDibujar ? *it > 0 || *it == n.front() : *it > ahora) {
            nuevo = *it;
            break;
        }
    ponerNivel(nuevo);
}

void Entrenamiento::bajar()
{
    if (mitades_.empty()) return;
    const std::vector<int> n = niveles();
    const int ahora = mitades_[std::size_t(cursor_)];
    int nuevo = ahora;
    for (int nivel : n)
        if (ahora == kSinDibujar ? nivel < 0 || nivel == n.back() : nivel < ahora) {
            nuevo = nivel;
            break;
        }
    ponerNivel(nuevo);
}

void Entrenamiento::pulsar(int mitad)
{
    ponerCursor(mitad);
    if (mitades_.empty()) return;
    const std::vector<int> n = niveles();
    const auto ahora = std::find(n.begin(), n.end(), mitades_[std::size_t(cursor_)]);
    ponerNivel(ahora == n.end() || ahora + 1 == n.end() ? n.front() : *(ahora + 1));
}

void Entrenamiento::verSolucion()
{
    if (ronda_ != Ronda::Propuesto) return;
    ronda_ = Ronda::SolucionVista;
    emit cambiado();
}

std::optional<Resultado> Entrenamiento::comprobar(QString* porque)
{
    if (ronda_ != Ronda::Propuesto && ronda_ != Ronda::SolucionVista) return std::nullopt;
    Resultado r;
    if (modo_ == Modo::Leer) {
        const auto bits = bitsDe(respuesta_, porque);
        if (!bits) return std::nullopt;
        r.leidos = *bits;
        int mal = 0;
        for (std::size_t i = 0; i < bits->size(); ++i) {
            r.bitsMal.push_back((*bits)[i] != ejercicio_.bits[i]);
            mal += r.bitsMal.back();
        }
        r.correcta = mal == 0;
    } else {
        const codigos::Correccion c =
            codigos::corregir(ejercicio_.codigo, ejercicio_.bits, ejercicio_.inicio, mitades_);
        r.correcta = c.mal == 0;
        r.primera = c.primera;
    }
    r.contada = ronda_ == Ronda::Propuesto;
    ronda_ = Ronda::Respondido;
    resultado_ = r;
    emit cambiado();
    return r;
}

QString Entrenamiento::veredicto() const
{
    if (!resultado_) return {};
    const Resultado& r = *resultado_;
    if (!r.contada) return tr("Trampa, trampa, miraste la solución");
    if (r.correcta) return tr("Correcto.");
    if (modo_ == Modo::Leer) {
        const auto mal = std::count(r.bitsMal.begin(), r.bitsMal.end(), true);
        return tr("Incorrecto: %1 de %2 bits mal leídos.").arg(mal).arg(r.bitsMal.size());
    }
    // The reason is worked out again, in the language of the moment.
    const codigos::Correccion c = codigos::corregir(ejercicio_.codigo, ejercicio_.bits, ejercicio_.inicio, mitades_);
    const QString plantilla = c.primera % 2 == 0
                                  ? tr("Incorrecto en el bit %1, primera mitad: %2. Medios bits mal: %3.")
                                  : tr("Incorrecto en el bit %1, segunda mitad: %2. Medios bits mal: %3.");
    return plantilla.arg(c.primera / 2 + 1).arg(QString::fromStdString(c.porque)).arg(c.mal);
}

} // namespace entrenador
