#pragma once

#include "widgets/WindowDirectory.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace oria::bench {

// No other window opens from the one measured.
class NoWindows : public WindowDirectory {
public:
    void showSplash(QWidget*, bool) override {}
    void showTips(QWidget*) override {}
    bool isAvailable(Window) const override { return false; }
    void show(Window, QWidget*) override {}
    bool showModal(Window, QWidget*) override { return false; }
    void unloadAll() override {}
    void showPage(QWidget*, const QString&) override {}
};

// The windows on the offscreen platform, built as the program builds them.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "oria-bench";
    static char* argv[] = {name, nullptr};
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Never destroyed: at exit, Qt's own globals may already be gone before it.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// A mouse event as the user's pointer sends it.
inline void sendMouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, {});
    QApplication::sendEvent(w, &e);
}

// What the user sees after an event: posted events handled, and with them the repaint of
// whatever changed (the window's pending update request).
// Twice: what the first round's events post (an update from a paint, a window system event)
// is part of the same action.
inline void settle() {
    for (int round = 0; round < 2; ++round) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
}

} // namespace oria::bench
