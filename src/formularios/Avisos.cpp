// SPDX-License-Identifier: GPL-3.0-or-later
#include "formularios/Avisos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace formularios {

namespace {
// The context of this file's texts in the translations.
struct Textos {
    Q_DECLARE_TR_FUNCTIONS(formularios)
};
} // namespace

namespace {
Avisos* instalado = nullptr;
} // namespace

void Avisos::pitido() { QApplication::beep(); }

Avisos::Respuesta Avisos::mensaje(QWidget* padre, const QString& texto, Botones botones, Icono icono)
{
    QMessageBox box(padre);
    box.setWindowTitle(QStringLiteral("Tramavox"));
    box.setText(texto);
    switch (icono) {
    case Icono::Ninguno: box.setIcon(QMessageBox::NoIcon); break;
    case Icono::Critico: box.setIcon(QMessageBox::Critical); break;
    case Icono::Aviso: box.setIcon(QMessageBox::Warning); break;
    }
    if (botones == Botones::SiNo) {
        QPushButton* si = box.addButton(Textos::tr("Sí"), QMessageBox::YesRole);
        // Every yes-or-no question here would erase something: Enter or
        // Space on a box just opened, or Esc, answers No.
        QPushButton* no = box.addButton(Textos::tr("No"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == si ? Respuesta::Si : Respuesta::No;
    }
    box.addButton(Textos::tr("Aceptar"), QMessageBox::AcceptRole);
    box.exec();
    return Respuesta::Aceptar;
}

int Avisos::elegir(QWidget* padre, const QString& texto, const QStringList& botones)
{
    QMessageBox box(padre);
    box.setWindowTitle(QStringLiteral("Tramavox"));
    box.setText(texto);
    box.setIcon(QMessageBox::Critical);
    QList<QAbstractButton*> hechos;
    for (const QString& b : botones) hechos << box.addButton(b, QMessageBox::ActionRole);
    box.exec();
    const int i = int(hechos.indexOf(box.clickedButton()));
    return i >= 0 ? i : int(botones.size()) - 1;
}

std::optional<QString> Avisos::contrasena(QWidget* padre, const QString& texto)
{
    bool aceptada = false;
    const QString r =
        QInputDialog::getText(padre, QStringLiteral("Tramavox"), texto, QLineEdit::Password, QString(), &aceptada);
    if (!aceptada) return std::nullopt;
    return r;
}

QString Avisos::ficheroParaGuardar(QWidget* padre, const QString& titulo, const QString& inicial,
                                   const QString& filtros)
{
    QString filtro;
    QString ruta = QFileDialog::getSaveFileName(padre, titulo, inicial, filtros, &filtro);
    if (ruta.isEmpty() || !QFileInfo(ruta).suffix().isEmpty()) return ruta;
    // "Imagen PNG (*.png)" -> ".png"
    const qsizetype estrella = filtro.indexOf(QLatin1String("*."));
    if (estrella >= 0) ruta += filtro.mid(estrella + 1).chopped(1);
    return ruta;
}

Avisos& Avisos::actual()
{
    static Avisos qt;
    return instalado ? *instalado : qt;
}

void Avisos::instalar(Avisos* avisos) { instalado = avisos; }

} // namespace formularios
