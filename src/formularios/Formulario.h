// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common ground of the program's windows: built from their definition,
// loaded (alCargar) once built, asked whether it may close (alCerrar)
// when closed, after which the window is destroyed and the next show builds
// it afresh from its design state.

#include "formularios/ConstructorVentanas.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

namespace formularios {

class TeclasPrevias;

class Formulario : public QMainWindow {
    Q_OBJECT
public:
    explicit Formulario(const DefinicionVentana& def, QWidget* parent = nullptr);

    bool descargado() const { return descargado_; }
    // What F1 does in every window (start-up says: show the help).
    static void ponerAyuda(std::function<void()> mostrarAyuda);
    // Runs the load handler; the holder calls it once, right after building.
    void cargar() { alCargar(); }

protected:
    virtual void alCargar() {}
    // As the window closes: false keeps it open.
    virtual bool alCerrar() { return true; }
    // The window's key handler, when its design previews keys; returns
    // whether the window took the key away from the focused control.
    virtual bool alPulsarTecla(int codigo)
    {
        (void)codigo;
        return false;
    }
    // After the zoom changed and the controls were placed again: what the
    // builder does not know of (pictures, documents) follows here.
    virtual void alCambiarZoom() {}
    // After the language changed and the design's captions were translated
    // again: the texts the window writes itself follow here.
    virtual void alCambiarIdioma() {}

    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
    // Where the window goes as it shows: by default where it was (or where
    // the window manager put it), moved onto the screen.
    virtual void colocarAlMostrar();
    void encajarEnPantalla();
    bool redimensionable() const;

    const Controles& controles() const { return controles_; }
    // The area a laid-out window sets its layout on.
    QWidget* cliente() const { return cliente_; }
    TeclasPrevias* vistaPrevia() const { return vistaPrevia_; }

private:
    void aplicarZoom();
    void ponerTamanoDeDiseno();
    void activarDisposicion();
    void reservarAltoDeTextos();
    void teclasDelPrograma();

    void traducirTitulo();

    DefinicionVentana def_;      // its captions are translated again when the language changes
    QWidget* cliente_ = nullptr; // the design's area, the controls' parent
    Controles controles_;
    TeclasPrevias* vistaPrevia_ = nullptr;
    bool descargado_ = false;
    bool tamanoPuesto_ = false; // a laid-out window keeps the size the user gave it
};

// One program-wide reference to a window: the window is built and loaded on
// first use, and again after it was closed; there is never more than one.
template <typename W>
class Referencia {
public:
    // `crear` builds the window and wires it to the others (start-up says how).
    explicit Referencia(std::function<W*()> crear) : crear_(std::move(crear)) {}

    bool cargado() const { return w_ && !w_->descargado(); }
    W* cargar()
    {
        if (!cargado()) {
            w_ = crear_();
            w_->cargar();
        }
        return w_;
    }
    // Not modal, no owner: a hidden or unloaded window is shown (loading it
    // first), a visible one is brought forward.
    void mostrar()
    {
        W* w = cargar();
        w->show();
        w->raise();
        w->activateWindow();
    }
    // Closing a window that was never loaded does nothing.
    void cerrar()
    {
        if (cargado()) w_->close();
    }
    W* operator->() { return cargar(); }

private:
    std::function<W*()> crear_;
    QPointer<W> w_;
};

} // namespace formularios
