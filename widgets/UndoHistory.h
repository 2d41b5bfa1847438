#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QVariant>

#include <functional>
#include <vector>

class QAbstractSlider;
class QAction;
class QMenu;
class QMenuBar;
class QUndoStack;
class QWidget;

namespace oria {

// What a step may change in a window, as a list of values in a fixed order: the window's
// controls as the user sees them, then whatever the window keeps beside them.
using UndoState = QVariantList;

// The controls under a widget, read and set as values: checked, value, text, current item,
// colour, and whether each is hidden or disabled. Setting runs no reaction: the windows react
// to the user's own clicks and moves only.
class ControlStates {
public:
    // `excluded`: widgets (with everything in them) that are views, never steps.
    ControlStates(QWidget* root, const QList<QWidget*>& excluded = {});
    void capture(UndoState& state) const;
    // Reads its values from `state` at `offset` and moves the offset past them.
    void apply(const UndoState& state, qsizetype& offset) const;

private:
    std::vector<QWidget*> widgets_;
};

// A window's undo history on a QUndoStack: each step keeps the window's state before and
// after it; undoing or redoing puts back only the values the step changed, so that views
// changed since (a grid, a scroll, a vision) stay as they are. Applying a state never draws
// random numbers, opens a dialog or touches a file. A step starts from the state the window
// had when the user's press, key or wheel turn that caused it arrived.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 100;
    static constexpr qint64 kMergeMs = 1000;

    // `window`: the window whose user input starts the steps.
    UndoHistory(QWidget* window, std::function<UndoState()> capture,
                std::function<void(const UndoState&)> apply,
                std::function<QDateTime()> clock);

    QUndoStack* stack() const { return stack_; }
    // Forgets every step: the window as it is now is where the history starts.
    void reset();

    // Runs `action` as one step named `text`; nothing is recorded when nothing changed.
    // Inside a step already running (a drag, a handler calling another) it just runs.
    void record(const QString& text, const std::function<void()>& action);
    // The same, merged into the previous step when that one has the same key and came less
    // than a second before (keyboard and wheel steps on one slider).
    void recordMerging(const QString& text, int key, const std::function<void()>& action);
    // A step that spans several events (a drag from press to release).
    void begin(const QString& text);
    void end();
    // A slider the user moves: a drag is one step from press to release, keyboard and wheel
    // steps merge under `key`; `moved` is the window's reaction.
    void connectSlider(QAbstractSlider* slider, const QString& text, int key,
                       const std::function<void()>& moved);
    bool inStep() const { return depth_ > 0; }
    // Records a change already made to the values at `indices` (a hand-back written into the
    // shared state by another window): before, they held what the last step, undo or redo left.
    void recordArrived(const QString& text, const QList<qsizetype>& indices,
                       const std::function<void()>& show);

    void undo();
    void redo();

    // "&Édition" with "&Annuler" and "&Rétablir", whose texts name the step; inserted before
    // `before` (at the end when null). Its shortcuts work in `window` while the menu is closed.
    QMenu* addMenu(QMenuBar* bar, QAction* before, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void push(const QString& text, const UndoState& before, int key);
    // One step back (undo) or forward (redo).
    void travel(bool back);
    UndoState settledOrCapture() const;
    // The state as it was when the user's last press, key or wheel reached the window: a
    // click, a chosen item or a key step reports itself after the control has changed.
    UndoState takeBefore();

    std::function<UndoState()> capture_;
    std::function<void(const UndoState&)> apply_;
    std::function<QDateTime()> clock_;
    QWidget* window_;
    QUndoStack* stack_;
    UndoState pending_;
    int depth_ = 0;
    UndoState before_;
    QString text_;
    UndoState settled_; // after the last step, undo or redo
};

} // namespace oria
