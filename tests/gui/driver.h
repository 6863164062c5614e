// Drives the modal dialogs of a test: a step runs as soon as the next modal window is up,
// while the code under test waits in its exec(). Every window handled is marked, so a new
// dialog that happens to reuse the address of the last one is still told apart.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

namespace vak1::test {

using Step = std::function<void(QWidget*)>;

// Steps for the coming modal windows, one window each, in order. A step that finds no new
// window within two seconds gets nullptr, so a dialog that never opened fails the test
// instead of hanging it.
class DialogScript {
  public:
    DialogScript& Then(Step step) {
        state_->steps.push_back(std::move(step));
        return *this;
    }
    void Start() { Poll(state_); }
    std::size_t Left() const { return state_->steps.size(); }

  private:
    struct State {
        std::deque<Step> steps;
        QElapsedTimer waiting;
    };
    static void Poll(const std::shared_ptr<State>& s) {
        if (s->steps.empty()) return;
        if (!s->waiting.isValid()) s->waiting.start();
        QWidget* modal = QApplication::activeModalWidget();
        const bool fresh = modal && modal->isVisible() && !modal->property("vak1_handled").toBool();
        if (fresh || s->waiting.elapsed() > 2000) {
            Step step = std::move(s->steps.front());
            s->steps.pop_front();
            s->waiting.invalidate();
            if (fresh) modal->setProperty("vak1_handled", true);
            step(fresh ? modal : nullptr);
        }
        QTimer::singleShot(5, [s] { Poll(s); });
    }
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// One step for the next modal window.
inline void OnNextModal(Step step) {
    DialogScript().Then(std::move(step)).Start();
}

// The widget that takes the keys of the window: its focus widget, or the window itself.
inline QWidget* KeyTarget(QWidget* window) {
    QWidget* f = window->focusWidget();
    return f ? f : window;
}

// Types text into a widget key by key; letters beyond ASCII arrive as their text, as an
// input method delivers them.
inline void TypeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, static_cast<char>(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
}

// With VAK1_SHOT_DIR set, keeps a picture of the window for a look at it.
inline void SaveShot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("VAK1_SHOT_DIR");
    if (!dir.isEmpty() && w) w->grab().save(dir + "/" + name + ".png");
}

template <typename T> T* Child(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

} // namespace vak1::test
