// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key preview: each typed character reaches the window's key handler before
// the control that has the focus, and then goes on to that control unless
// the handler took it. Tab and Shift+Tab stay focus navigation and are not
// previewed.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace formularios {

class TeclasPrevias : public QObject {
    Q_OBJECT
public:
    // Returns whether the window took the key, which then goes no further.
    using Handler = std::function<bool(int codigo)>;

    TeclasPrevias(QWidget* ventana, Handler handler);
    ~TeclasPrevias() override;

    void setEnabled(bool on) { activo_ = on; }
    bool isEnabled() const { return activo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> ventana_;
    Handler handler_;
    bool activo_ = true;
};

} // namespace formularios
