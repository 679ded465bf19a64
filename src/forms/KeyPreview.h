// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key preview: each typed character reaches the window's key handler before
// the control that has the focus, and then goes on to that control. Tab and
// Shift+Tab stay focus navigation and are not previewed.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace forms {

class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int codigo)>;

    KeyPreview(QWidget* ventana, Handler handler);
    ~KeyPreview() override;

    void setEnabled(bool on) { activo_ = on; }
    bool isEnabled() const { return activo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> ventana_;
    Handler handler_;
    bool activo_ = true;
};

} // namespace forms
