#include "UndoHistory.h"

#include "ColourPicture.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace oria {

// ---- control states ----

namespace {

// What one control holds beside its hidden and disabled flags.
QVariant valueOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
        return b->isChecked();
    }
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
        return s->value();
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        return c->currentIndex();
    }
    if (auto* p = qobject_cast<ColourPicture*>(w)) {
        return QVariantList{p->backgroundColour(), p->hasBorder()};
    }
    return {};
}

// An exclusive option cannot be cleared while it stays exclusive.
void uncheck(QAbstractButton* b) {
    if (QButtonGroup* group = b->group(); group && group->exclusive()) {
        group->setExclusive(false);
        b->setChecked(false);
        group->setExclusive(true);
    } else {
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(exclusive);
    }
}

void setValue(QWidget* w, const QVariant& v) {
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
        // Checking one option clears the others of its group; clearing is done apart.
        if (v.toBool() && !b->isChecked()) {
            b->setChecked(true);
        }
    } else if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
        s->setValue(v.toInt());
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text() != v.toString()) {
            l->setText(v.toString());
        }
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != v.toString()) {
            e->setText(v.toString());
        }
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->setCurrentIndex(v.toInt());
    } else if (auto* p = qobject_cast<ColourPicture*>(w)) {
        const QVariantList colour = v.toList();
        p->setBackgroundColour(colour.value(0).toInt());
        p->setBorder(colour.value(1).toBool());
    }
}

constexpr qsizetype kValuesPerControl = 3; // hidden, disabled, value

} // namespace

ControlStates::ControlStates(QWidget* root, const QList<QWidget*>& excluded) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        bool inExcluded = false;
        for (QWidget* x = w; x && x != root && !inExcluded; x = x->parentWidget()) {
            inExcluded = excluded.contains(x);
        }
        if (!inExcluded) {
            widgets_.push_back(w);
        }
    }
}

void ControlStates::capture(UndoState& state) const {
    for (QWidget* w : widgets_) {
        state << w->isHidden() << w->testAttribute(Qt::WA_ForceDisabled) << valueOf(w);
    }
}

void ControlStates::apply(const UndoState& state, qsizetype& offset) const {
    std::vector<QAbstractButton*> cleared;
    for (QWidget* w : widgets_) {
        const bool hidden = state.at(offset).toBool();
        const bool disabled = state.at(offset + 1).toBool();
        const QVariant& value = state.at(offset + 2);
        offset += kValuesPerControl;
        if (w->isHidden() != hidden) {
            w->setHidden(hidden);
        }
        if (w->testAttribute(Qt::WA_ForceDisabled) != disabled) {
            w->setEnabled(!disabled);
        }
        setValue(w, value);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && b->isCheckable() && !value.toBool()) {
            cleared.push_back(b);
        }
    }
    for (QAbstractButton* b : cleared) {
        if (b->isChecked()) {
            uncheck(b);
        }
    }
}

// ---- steps ----

namespace {

class Step : public QUndoCommand {
public:
    Step(const QString& text, UndoState before, UndoState after, int key, QDateTime at,
         const std::function<UndoState()>& capture,
         const std::function<void(const UndoState&)>& apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), key_(key),
          at_(std::move(at)), capture_(capture), apply_(apply) {}

    int id() const override { return key_; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (next->key_ != key_ || at_.msecsTo(next->at_) > UndoHistory::kMergeMs) {
            return false;
        }
        after_ = next->after_;
        at_ = next->at_;
        setObsolete(after_ == before_);
        return true;
    }

    void undo() override { put(before_); }

    void redo() override {
        if (first_) {
            first_ = false; // the action itself already did it
            return;
        }
        put(after_);
    }

    const UndoState& settled(bool undone) const { return undone ? before_ : after_; }

private:
    // Only what this step changed; the rest stays as it is now.
    void put(const UndoState& target) {
        UndoState state = capture_();
        for (qsizetype i = 0; i < state.size() && i < target.size(); ++i) {
            if (before_.at(i) != after_.at(i)) {
                state[i] = target.at(i);
            }
        }
        apply_(state);
    }

    UndoState before_, after_;
    int key_;
    QDateTime at_;
    bool first_ = true;
    const std::function<UndoState()>& capture_;
    const std::function<void(const UndoState&)>& apply_;
};

} // namespace

UndoHistory::UndoHistory(QWidget* window, std::function<UndoState()> capture,
                         std::function<void(const UndoState&)> apply,
                         std::function<QDateTime()> clock)
    : QObject(window), capture_(std::move(capture)), apply_(std::move(apply)),
      clock_(std::move(clock)), window_(window), stack_(new QUndoStack(this)) {
    stack_->setUndoLimit(kLimit);
    qApp->installEventFilter(this);
}

bool UndoHistory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    // Ours: the window, its controls and their pop-ups (lists, menus), not other windows.
    for (auto* w = qobject_cast<QWidget*>(watched); w; w = w->parentWidget()) {
        if (w == window_) {
            if (depth_ == 0) {
                pending_ = capture_();
            }
            break;
        }
        if (w->isWindow() && w->windowType() != Qt::Popup) {
            break;
        }
    }
    return false;
}

UndoState UndoHistory::takeBefore() {
    if (pending_.isEmpty()) {
        return capture_();
    }
    return std::exchange(pending_, {});
}

void UndoHistory::reset() {
    stack_->clear();
    settled_ = capture_();
}

void UndoHistory::connectSlider(QAbstractSlider* slider, const QString& text, int key,
                                const std::function<void()>& moved) {
    connect(slider, &QAbstractSlider::sliderPressed, this, [this, text] { begin(text); });
    connect(slider, &QAbstractSlider::sliderReleased, this, [this] { end(); });
    connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, text, key, moved] {
        recordMerging(text, key, [slider, &moved] {
            // Reported before the slider takes its new value: take it now, so that the step
            // ends with it.
            slider->setValue(slider->sliderPosition());
            moved();
        });
    });
}

UndoState UndoHistory::settledOrCapture() const {
    return settled_.isEmpty() ? capture_() : settled_;
}

void UndoHistory::push(const QString& text, const UndoState& before, int key) {
    UndoState after = capture_();
    if (after == before) {
        return;
    }
    settled_ = after;
    stack_->push(
        new Step(text, before, std::move(after), key, clock_(), capture_, apply_));
}

void UndoHistory::record(const QString& text, const std::function<void()>& action) {
    recordMerging(text, -1, action);
}

void UndoHistory::recordMerging(const QString& text, int key,
                                const std::function<void()>& action) {
    if (depth_ > 0) {
        action();
        return;
    }
    const UndoState before = takeBefore();
    ++depth_;
    action();
    --depth_;
    push(text, before, key);
}

void UndoHistory::begin(const QString& text) {
    if (depth_++ == 0) {
        before_ = takeBefore();
        text_ = text;
    }
}

void UndoHistory::end() {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    push(text_, std::exchange(before_, {}), -1);
}

void UndoHistory::recordArrived(const QString& text, const QList<qsizetype>& indices,
                                const std::function<void()>& show) {
    if (depth_ > 0) {
        show();
        return;
    }
    UndoState before = capture_();
    const UndoState settled = settledOrCapture();
    for (qsizetype i : indices) {
        before[i] = settled.at(i);
    }
    ++depth_;
    show();
    --depth_;
    push(text, before, -1);
}

void UndoHistory::undo() {
    travel(true);
}

void UndoHistory::redo() {
    travel(false);
}

void UndoHistory::travel(bool back) {
    // A key pressed in the middle of a drag: the drag ends here, as one step, first.
    if (depth_ > 0) {
        depth_ = 1;
        end();
    }
    pending_.clear();
    if (back ? !stack_->canUndo() : !stack_->canRedo()) {
        return;
    }
    const int index = back ? stack_->index() - 1 : stack_->index();
    back ? stack_->undo() : stack_->redo();
    settled_ = static_cast<const Step*>(stack_->command(index))->settled(back);
}

QMenu* UndoHistory::addMenu(QMenuBar* bar, QAction* before, QWidget* window) {
    auto* menu = new QMenu(QStringLiteral("&Édition"), bar);
    menu->setObjectName("edition");
    bar->insertMenu(before, menu);

    // The stack's own actions keep their enabled states; the texts are French and say
    // nothing after the verb when there is nothing to undo or redo.
    QAction* undo = stack_->createUndoAction(menu);
    QAction* redo = stack_->createRedoAction(menu);
    const struct {
        QAction* action;
        const char* name;
        QString verb;
        void (UndoHistory::*run)();
        void (QUndoStack::*stackRun)();
        void (QUndoStack::*textChanged)(const QString&);
        QString (QUndoStack::*text)() const;
    } rows[] = {
        {undo, "annuler", QStringLiteral("&Annuler"), &UndoHistory::undo, &QUndoStack::undo,
         &QUndoStack::undoTextChanged, &QUndoStack::undoText},
        {redo, "retablir", QStringLiteral("&Rétablir"), &UndoHistory::redo, &QUndoStack::redo,
         &QUndoStack::redoTextChanged, &QUndoStack::redoText},
    };
    for (const auto& row : rows) {
        row.action->setObjectName(row.name);
        disconnect(row.action, &QAction::triggered, stack_, row.stackRun);
        connect(row.action, &QAction::triggered, this, row.run);
        auto named = [verb = row.verb](const QString& step) {
            return step.isEmpty() ? verb : verb + QStringLiteral(" : ") + step;
        };
        row.action->setText(named((stack_->*row.text)()));
        connect(stack_, row.textChanged, row.action,
                [action = row.action, named](const QString& step) {
                    action->setText(named(step));
                });
        menu->addAction(row.action);
        window->addAction(row.action);
    }
    undo->setShortcuts(QKeySequence::Undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& k : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(k)) {
            redoKeys << k;
        }
    }
    redo->setShortcuts(redoKeys);
    return menu;
}

} // namespace oria
