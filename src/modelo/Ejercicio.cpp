// SPDX-License-Identifier: GPL-3.0-or-later
#include "modelo/Ejercicio.h"

#include "modelo/Aleatorio.h"

namespace modelo {

using codigos::Traza;

namespace {
const QString kNumeroInicial = QStringLiteral("0000");
constexpr int kCifras = 4;
} // namespace

void Ejercicio::empezar()
{
    numero_ = kNumeroInicial;
    visibles_.fill(true);
    bitsErroneos_ = 0;
    periodo_ = kPeriodoInicial;
    enCurso_ = false;
    ponerRonda(Ronda::Libre);
    emit pantallaCambiada();
}

codigos::EstadoPantalla Ejercicio::estadoPantalla() const
{
    codigos::EstadoPantalla estado;
    estado.semiperiodo = periodo_ * kTwipsPorPasoPeriodo;
    estado.bitsErroneos = bitsErroneos_;
    return estado;
}

void Ejercicio::ponerNumero(const QString& numero)
{
    numero_ = numero;
    emit pantallaCambiada();
}

void Ejercicio::ponerVisible(Traza traza, bool visible)
{
    visibles_[traza] = visible;
    emit pantallaCambiada();
}

void Ejercicio::mostrarTodas(bool ver)
{
    visibles_.fill(ver);
    emit pantallaCambiada();
}

// A slider reports every move, even to where it was: each redraws.
void Ejercicio::ponerPeriodo(int periodo)
{
    periodo_ = periodo;
    emit pantallaCambiada();
}

void Ejercicio::abrirEjercicios()
{
    codigoElegido_ = CodigoAleatorio;
    enCurso_ = true;
    ponerRonda(Ronda::Libre);
    respuesta_ = kNumeroInicial;
    emit respuestaCambiada();
    olvidarAlumno();
}

void Ejercicio::mostrarCodigo(int indice)
{
    // The random choice draws after the digits, from the same sequence.
    if (indice == CodigoAleatorio) indice = static_cast<int>(alAzar() * 4.0f);
    codigoVisto_ = static_cast<Traza>(codigos::Nrz + indice);
    visibles_.fill(false);
    visibles_[codigos::Reloj] = true;
    visibles_[codigoVisto_] = true;
}

void Ejercicio::elegirCodigo(int indice)
{
    const bool otro = indice != codigoElegido_;
    codigoElegido_ = indice;
    // A question on screen is not to be read again in an easier code: in
    // another code it is another question, and the answer counts under the
    // code it was shown in.
    if (otro && (ronda_ == Ronda::Propuesto || ronda_ == Ronda::SolucionVista)) {
        if (indice != CodigoAleatorio) mostrarCodigo(indice); // the random choice draws after the digits
        proponer();
        return;
    }
    mostrarCodigo(indice);
    emit pantallaCambiada();
}

QString Ejercicio::codigoPreguntado() const { return QString::fromLatin1(codigos::kDatosTrazas[codigoVisto_].nombre); }

void Ejercicio::proponer()
{
    respuesta_ = kNumeroInicial;
    emit respuestaCambiada();
    QString nuevo;
    for (int i = 0; i < kCifras; ++i) {
        const int d = static_cast<int>(alAzar() * 16);
        nuevo += QString::number(d, 16).toUpper();
    }
    numero_ = nuevo;
    bitsErroneos_ = 0;
    // A fixed code stays as it was chosen.
    if (codigoElegido_ == CodigoAleatorio) mostrarCodigo(CodigoAleatorio);
    ponerRonda(Ronda::Propuesto);
    emit pantallaCambiada();
}

void Ejercicio::proponerPregunta(const QString& numero, int indice)
{
    respuesta_ = kNumeroInicial;
    emit respuestaCambiada();
    numero_ = numero;
    bitsErroneos_ = 0;
    mostrarCodigo(qBound(0, indice, int(CodigoHdb3)));
    ponerRonda(Ronda::Propuesto);
    emit pantallaCambiada();
}

void Ejercicio::ponerRespuesta(const QString& respuesta)
{
    respuesta_ = respuesta;
    emit respuestaCambiada();
}

void Ejercicio::verSolucion()
{
    if (ronda_ != Ronda::Propuesto) return;
    ponerRonda(Ronda::SolucionVista);
    emit pantallaCambiada();
}

std::optional<Resultado> Ejercicio::responder()
{
    if (alumno_ < 0) return std::nullopt;
    Resultado r;
    r.correcta = numero_ == respuesta_;
    r.contada = ronda_ == Ronda::Propuesto;
    // The drawing shows the student which bits were misread.
    bitsErroneos_ = static_cast<std::uint16_t>(numero_.toUInt(nullptr, 16) ^ respuesta_.toUInt(nullptr, 16));
    const int respuestas = r.contada ? 1 : 0;
    const int aciertos = r.contada && r.correcta ? 1 : 0;
    // Even an answer that does not count rewrites the counts as worked out.
    ponerCuentas(total_.mas(respuestas, &r.saturada), bien_.mas(aciertos, &r.saturada),
                 mal_.mas(respuestas - aciertos, &r.saturada));
    ponerRonda(Ronda::Respondido);
    emit pantallaCambiada();
    return r;
}

void Ejercicio::terminar()
{
    bitsErroneos_ = 0;
    visibles_.fill(true);
    enCurso_ = false;
    ponerRonda(Ronda::Libre);
    emit pantallaCambiada();
}

double Ejercicio::porcentaje() const
{
    const auto t = double(total_.valor());
    return t > 0 ? double(bien_.valor()) * 100 / t : 0.0;
}

void Ejercicio::elegirAlumno(int indice, Cuenta total, Cuenta bien)
{
    alumno_ = indice;
    ponerCuentas(total, bien, Cuenta(sumarCuenta(total.valor(), -bien.valor())));
}

void Ejercicio::moverAlumno(int indice) { alumno_ = indice; }

void Ejercicio::reiniciarCuentas() { ponerCuentas(Cuenta(), Cuenta(), Cuenta()); }

void Ejercicio::olvidarAlumno()
{
    alumno_ = -1;
    reiniciarCuentas();
}

void Ejercicio::ponerCuentas(Cuenta total, Cuenta bien, Cuenta mal)
{
    total_ = total;
    bien_ = bien;
    mal_ = mal;
    emit cuentasCambiadas();
}

// Said even when the round stays: a new proposal starts a round afresh.
void Ejercicio::ponerRonda(Ronda ronda)
{
    ronda_ = ronda;
    emit rondaCambiada();
}

} // namespace modelo
