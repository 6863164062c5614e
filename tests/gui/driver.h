// Drives the modal dialogs of a test: a step runs as soon as the next modal window is up,
// while the code under test waits in its exec().
#pragma once
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace vak1::test {

// Runs step on the next modal window that is not skip. A step that finds no window within
// two seconds gets nullptr, so a dialog that never opened fails the test instead of hanging.
inline void OnNextModal(std::function<void(QWidget*)> step, QWidget* skip = nullptr) {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [step = std::move(step), timer, poll, skip]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != skip && modal->isVisible()) {
            step(modal);
            *poll = nullptr; // breaks the cycle
            return;
        }
        if (timer->elapsed() > 2000) {
            step(nullptr);
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// The widget that takes the keys of the window: its focus widget, or the window itself.
inline QWidget* KeyTarget(QWidget* window) {
    QWidget* f = window->focusWidget();
    return f ? f : window;
}

template <typename T> T* Child(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

} // namespace vak1::test
