#pragma once

#include "support/QtTestSupport.h"

#include <QAction>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace oria::test {

// One undoable action of a table: what the user does, and the name the menu then gives it.
struct UndoRow {
    const char* step; // "Annuler : <step>"
    std::function<void()> act;
    std::function<void()> prepare = {}; // a view chosen first, not part of the step
};

// What the user sees of a window, plus whatever it publishes that `extra` reads.
struct Seen {
    QImage look;
    std::vector<long long> extra;
    bool operator==(const Seen&) const = default;
};

inline void pressKeys(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, key, modifiers);
}

// The action changes what is seen; Ctrl+Z brings back exactly what was seen before it,
// Ctrl+Shift+Z what was seen after it, and so do the menu's commands and Ctrl+Y. `outside`
// counts what undoing must never do (random draws, dialogs, files): it stays as the action
// left it.
inline void CheckUndoRedo(QWidget* window, const std::function<Seen()>& seen, const UndoRow& row,
                          const std::function<long long()>& outside = [] { return 0LL; }) {
    SCOPED_TRACE(row.step);
    auto* undo = window->findChild<QAction*>("annuler");
    auto* redo = window->findChild<QAction*>("retablir");
    ASSERT_TRUE(undo && redo);
    if (row.prepare) {
        row.prepare();
    }
    // Active throughout: an inactive window is painted in other shades.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const Seen before = seen();
    row.act();
    QApplication::processEvents();
    const Seen after = seen();
    EXPECT_FALSE(after == before) << "the action changed nothing";
    EXPECT_EQ(undo->text().toStdString(), "&Annuler : " + std::string(row.step));
    EXPECT_FALSE(redo->isEnabled());
    const long long done = outside();

    pressKeys(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(seen() == before) << "after Ctrl+Z";
    EXPECT_EQ(redo->text().toStdString(), "&Rétablir : " + std::string(row.step));
    pressKeys(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(seen() == after) << "after Ctrl+Shift+Z";
    undo->trigger();
    EXPECT_TRUE(seen() == before) << "after the menu's Annuler";
    pressKeys(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(seen() == after) << "after Ctrl+Y";
    EXPECT_EQ(outside(), done) << "undo and redo only put back";
}

} // namespace oria::test
