// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code laboratory "lab": any bit string coded in the line codes of
// telephone and data lines, stacked like the main window's traces, with the
// chosen starting state, the step table and the decoding of the code in
// focus, line errors injected by a click on the drawing, and the spectra.
// Between the coder and the receiver stands a line (cable, transformer,
// noise): what arrives, the eye, the recovered clock and the error rate
// show what it does to each code. With no cable, transformer nor noise the
// receiver reads exactly what was sent.

#include "codigos/EntradaBits.h"
#include "formularios/Formulario.h"
#include "laboratorio/DibujoCodigos.h"

#include <map>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace laboratorio {
class GraficoEspectro;
class ModeloPasos;
class PanelLinea;
} // namespace laboratorio

namespace laboratorio {

class VentanaLaboratorio : public formularios::Formulario {
    Q_OBJECT
public:
    VentanaLaboratorio();

    const laboratorio::DibujoCodigos& dibujo() const { return *dibujo_; }

protected:
    void alCambiarZoom() override;
    void alCambiarIdioma() override;

private:
    void anchoDeMotivos();
    void conectar();
    void leerEntrada(const QString& texto);
    void cambiarFormaEntrada(int indice);
    void ponerPista(const QString& texto, bool rechazo);
    QString pistaDeCuenta() const;
    void alternarError(int linea, int bit, int mitad);
    void actualizar();
    void actualizarFoco();
    void actualizarOjo();
    QString enLaFormaDeLaEntrada(const std::string& leidos) const;

    codigos::EstadoInicial estadoInicial(codigos::Codigo c) const;
    std::vector<codigos::Codigo> elegidos() const;
    codigos::Codigo enFoco() const;
    laboratorio::LineaDibujada linea(codigos::Codigo c) const;

    std::string bits_;
    QString textoValido_;
    codigos::FormaEntrada forma_ = codigos::FormaEntrada::Bits;
    std::map<codigos::Codigo, std::set<std::pair<int, int>>> errores_;

    QComboBox* entrada;
    QLineEdit* bits;
    QLabel* pista;
    QListWidget* codigo;
    QComboBox* ultimoPulso;
    QComboBox* nivelInicial;
    QComboBox* paridad;
    QComboBox* escala;
    QLineEdit* decodificado;
    QLineEdit* leido;
    QLabel* deteccion;
    QLabel* convencion;
    laboratorio::DibujoCodigos* dibujo_;
    laboratorio::GraficoEspectro* grafico_;
    laboratorio::ModeloPasos* pasos_;

    laboratorio::PanelLinea* linea_;
};

} // namespace laboratorio
