// The keyboard of the desktop smoke test under a headless Wayland compositor, whose headless
// back end has no seat: nothing outside the program can press a key or focus a window. Loaded
// as Qt loads its own keyboard plug-ins (QT_PLUGIN_PATH=<folder holding generic/>
// QT_QPA_GENERIC_PLUGINS=oriasmokekeys:<steps>), it focuses a window as a compositor does on a
// click and presses keys through QWindowSystemInterface; the program carries no test hook.
//
// Steps, separated by ';', their fields by '|':
//   show|TITLE      wait until a window titled TITLE is on screen (exposed);
//   key|KEY|TITLE   focus the window TITLE and press KEY there (a QKeySequence name: F5);
//   close|TITLE     close the window TITLE as the compositor's close request does, and wait
//                   until it is gone.
// Progress goes to stderr as "smoke: ..."; a step not done within 30 s ends the program with
// status 3.
#include <QApplication>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QKeySequence>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Only a guard against a hang: the steps take some 50 ms each, the first the splash's 2 s.
constexpr int kStepTimeoutMs = 30000;

void say(const QString& text) {
    std::fprintf(stderr, "smoke: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// The visible window with this title; when `exposed`, only once the compositor has put it on
// screen.
QWidget* window(const QString& title, bool exposed = true) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title &&
            (!exposed || (w->windowHandle() && w->windowHandle()->isExposed()))) {
            return w;
        }
    }
    return nullptr;
}

class SmokeKeyboard : public QObject {
public:
    explicit SmokeKeyboard(const QString& steps) : steps_(steps.split(u';', Qt::SkipEmptyParts)) {
        // Polled: a modal window opened by a key runs its own event loop, which this timer
        // keeps running in.
        connect(&timer_, &QTimer::timeout, this, &SmokeKeyboard::poll);
        timer_.start(50);
        clock_.start();
        // Made by the application as it starts, once its platform plug-in is loaded.
        say(QStringLiteral("plate-forme ") + QGuiApplication::platformName());
    }

private:
    void poll() {
        if (next_ >= steps_.size()) {
            timer_.stop();
            return;
        }
        const QStringList step = steps_.at(next_).split(u'|');
        const QString& title = step.constLast();
        bool done = false;
        if (step.size() == 2 && step.at(0) == QLatin1String("show")) {
            done = window(title) != nullptr;
        } else if (step.size() == 3 && step.at(0) == QLatin1String("key")) {
            if (QWidget* shown = window(title)) {
                // Pressed outside this poll: the key may open a modal window, whose event loop
                // would otherwise hold the poll until it closes.
                const QKeyCombination key = QKeySequence::fromString(step.at(1))[0];
                QTimer::singleShot(0, shown, [shown, key] {
                    QT_WARNING_PUSH
                    QT_WARNING_DISABLE_DEPRECATED
                    QApplication::setActiveWindow(shown);
                    QT_WARNING_POP
                    QTest::keyClick(shown->windowHandle(), key.key(), key.keyboardModifiers());
                });
                done = true;
            }
        } else if (step.size() == 2 && step.at(0) == QLatin1String("close")) {
            if (!closing_) {
                if (QWidget* shown = window(title)) {
                    closing_ = true;
                    QTimer::singleShot(0, shown, [this, shown, title, step = next_] {
                        shown->windowHandle()->close();
                        // The last window closed, the program may end before the next poll.
                        if (next_ == step && !window(title, false)) {
                            stepDone();
                        }
                    });
                }
            } else {
                done = !window(title, false);
            }
        } else {
            say(QStringLiteral("étape incomprise « %1 »").arg(steps_.at(next_)));
            std::_Exit(3);
        }
        if (done) {
            stepDone();
        } else if (clock_.elapsed() > kStepTimeoutMs) {
            say(QStringLiteral("ÉCHEC, pas fait en %1 s : %2")
                    .arg(kStepTimeoutMs / 1000)
                    .arg(steps_.at(next_)));
            std::_Exit(3);
        }
    }

    void stepDone() {
        say(QStringLiteral("%1 (%2 ms)").arg(steps_.at(next_)).arg(clock_.restart()));
        closing_ = false;
        ++next_;
    }

    QStringList steps_;
    QTimer timer_;
    QElapsedTimer clock_;
    qsizetype next_ = 0;
    bool closing_ = false;
};

} // namespace

class SmokeKeyboardPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "SmokeKeyboard.json")

public:
    QObject* create(const QString& key, const QString& keys) override {
        return key == QLatin1String("oriasmokekeys") ? new SmokeKeyboard(keys) : nullptr;
    }
};

#include "SmokeKeyboard.moc"
