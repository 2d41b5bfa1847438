#pragma once

#include <QApplication>
#include <QTest>
#include <functional>

namespace oria::test {

// One application for the whole test program (offscreen, set by ctest).
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "oria-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Waits for a condition; the caller asserts on the result.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace oria::test
