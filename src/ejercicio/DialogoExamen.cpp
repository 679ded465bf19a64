// SPDX-License-Identifier: GPL-3.0-or-later
#include "ejercicio/DialogoExamen.h"

#include "codigos/Trazas.h"
#include "ejercicio/Clase.h"
#include "formularios/Avisos.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ejercicio {

namespace {
constexpr int kPreguntasIniciales = 10;
constexpr int kMinutosIniciales = 20;
constexpr int kSemillaMaxima = 999999; // a number a teacher can read out and type again

// The exercise window's codes, as the log names them.
QString nombreDe(int i) { return QString::fromLatin1(codigos::kDatosTrazas[codigos::Nrz + i].nombre); }
} // namespace

DialogoExamen::DialogoExamen(QWidget* padre) : QDialog(padre)
{
    setObjectName(QStringLiteral("dialogoExamen"));
    setWindowTitle(tr("Empezar un examen"));
    auto* formulario = new QFormLayout;
    nombre_ = new QLineEdit;
    nombre_->setObjectName(QStringLiteral("nombreExamen"));
    nombre_->setMaxLength(80);
    formulario->addRow(tr("&Nombre:"), nombre_);
    auto* filaCodigos = new QHBoxLayout;
    for (int i = 0; i < int(codigos_.size()); ++i) {
        codigos_[size_t(i)] = new QCheckBox(CodigoClase{nombreDe(i), false}.tituloVisible());
        codigos_[size_t(i)]->setObjectName(QStringLiteral("codigoExamen") + QString::number(i));
        codigos_[size_t(i)]->setChecked(true);
        filaCodigos->addWidget(codigos_[size_t(i)]);
    }
    formulario->addRow(tr("Códigos:"), filaCodigos);
    preguntas_ = new QSpinBox;
    preguntas_->setObjectName(QStringLiteral("preguntasExamen"));
    preguntas_->setRange(1, almacen::Examen::kMaximoPreguntas);
    preguntas_->setValue(kPreguntasIniciales);
    formulario->addRow(tr("&Preguntas por alumno:"), preguntas_);
    minutos_ = new QSpinBox;
    minutos_->setObjectName(QStringLiteral("minutosExamen"));
    minutos_->setRange(1, almacen::Examen::kMaximoMinutos);
    minutos_->setValue(kMinutosIniciales);
    minutos_->setSuffix(tr(" min"));
    formulario->addRow(tr("&Tiempo:"), minutos_);
    semilla_ = new QSpinBox;
    semilla_->setObjectName(QStringLiteral("semillaExamen"));
    semilla_->setRange(0, kSemillaMaxima);
    semilla_->setValue(int(QRandomGenerator::global()->bounded(kSemillaMaxima + 1)));
    formulario->addRow(tr("&Semilla:"), semilla_);
    mismaSerie_ = new QCheckBox(tr("Las mismas preguntas, en el mismo orden, en todos los puestos"));
    mismaSerie_->setObjectName(QStringLiteral("mismaSerie"));
    mismaSerie_->setChecked(true);
    formulario->addRow(mismaSerie_);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    botones->button(QDialogButtonBox::Ok)->setText(tr("Empezar"));
    connect(botones, &QDialogButtonBox::accepted, this, &DialogoExamen::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &DialogoExamen::reject);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(formulario);
    todo->addWidget(botones);
}

almacen::Examen DialogoExamen::examen() const
{
    almacen::Examen x;
    x.nombre = nombre_->text().simplified();
    for (int i = 0; i < int(codigos_.size()); ++i)
        if (codigos_[size_t(i)]->isChecked()) x.codigos << nombreDe(i);
    x.preguntas = preguntas_->value();
    x.segundos = minutos_->value() * 60;
    x.semilla = quint64(semilla_->value());
    x.mismaSerie = mismaSerie_->isChecked();
    return x;
}

// Nothing that cannot be an exam leaves the dialog.
void DialogoExamen::accept()
{
    if (const QString problema = examen().problema(); !problema.isEmpty()) {
        formularios::Avisos::actual().mensaje(this, problema, formularios::Avisos::Botones::Aceptar,
                                              formularios::Avisos::Icono::Aviso);
        return;
    }
    QDialog::accept();
}

} // namespace ejercicio
