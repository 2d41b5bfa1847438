#pragma once

// Drives a window as its user does: its controls found by their names, clicked, pointed at and
// pressed, and whole scenarios written as a line of steps. A window test's fixture derives from
// WindowTest and points the driver at the window it opens.

#include "core/Module1.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/UndoCheck.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace oria::test {

class WindowDriver {
public:
    explicit WindowDriver(QWidget* window = nullptr) : driven_(window) {}
    void drive(QWidget* window) { driven_ = window; }

    // The control, menu or action of that name; the test fails where there is none.
    template <class T = QWidget> T* child(const QString& name) const {
        T* w = driven_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    bool checked(const QString& name) const { return child<QAbstractButton>(name)->isChecked(); }
    QAbstractSlider* slider(const QString& name) const { return child<QAbstractSlider>(name); }
    // The colour painted at a point of a control, as the screen gets it.
    QColor painted(const QString& name, QPoint at) const {
        return child(name)->grab().toImage().pixelColor(at);
    }

    void click(const QString& name, QPoint at = QPoint(5, 5)) const {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton, {}, at);
    }
    void hover(const QString& source, QPoint at) const { QTest::mouseMove(child(source), at); }
    void pick(const QString& source, QPoint at, Qt::MouseButton b = Qt::LeftButton) const {
        hover(source, at);
        QTest::mousePress(child(source), b, {}, at);
    }
    // One drag of a slider's thumb through the positions given.
    void slide(const QString& name, std::initializer_list<int> positions) const {
        slider(name)->setSliderDown(true);
        for (const int p : positions) {
            slider(name)->setSliderPosition(p);
        }
        slider(name)->setSliderDown(false);
    }
    // A right click at a point, then the item `item` of the pop-up menu that opens.
    void fromMenu(const QString& source, QPoint at, const char* item) const {
        QTest::mouseClick(child(source), Qt::RightButton, {}, at);
        auto* menu = child<QMenu>("transfert");
        EXPECT_TRUE(waitFor([&] { return menu->isVisible(); }));
        menu->findChild<QAction*>(item)->trigger();
        menu->close();
    }
    // A file dropped on the window, as the drag manager delivers it: only to a window that
    // takes drops and took the drag as it entered.
    void drop(const QString& path) const {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        static_cast<QObject*>(driven_)->event(&enter);
        ASSERT_TRUE(driven_->acceptDrops() && enter.isAccepted());
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        static_cast<QObject*>(driven_)->event(&event);
    }

    // What the user does, step by step: "Esc" closes the window; an action's or a control's
    // name triggers or clicks it; "name@x,y" presses there; "box=text" types over a text box's
    // text; "combo=n" chooses an item; "slider=min|max|n" moves a slider (n: as a drag does).
    void run(const QString& steps) const {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString name = step.section('=', 0, 0).section('@', 0, 0);
            const QString value = step.section('=', 1);
            const QStringList xy = step.section('@', 1).split(',');
            if (step == "Esc") {
                QTest::keyClick(driven_, Qt::Key_Escape);
            } else if (auto* action = driven_->findChild<QAction*>(step)) {
                action->trigger();
            } else if (xy.size() == 2) {
                pick(name, {xy[0].toInt(), xy[1].toInt()});
            } else if (value.isEmpty()) {
                click(step);
            } else if (auto* edit = driven_->findChild<QLineEdit*>(name)) {
                edit->selectAll();
                QTest::keyClicks(edit, value);
            } else if (auto* combo = driven_->findChild<QComboBox*>(name)) {
                combo->setCurrentIndex(value.toInt());
                emit combo->activated(value.toInt());
            } else if (value == "max" || value == "min") {
                slider(name)->triggerAction(value == "max" ? QAbstractSlider::SliderToMaximum
                                                           : QAbstractSlider::SliderToMinimum);
            } else {
                slider(name)->setSliderPosition(value.toInt());
            }
        }
    }
    // An undo row whose step is `steps`, run after `view` (a view chosen, not part of it).
    UndoRow doing(const char* undone, const QString& steps, const QString& view = {}) const {
        return {undone, [this, steps] { run(steps); }, [this, view] { run(view); }};
    }

private:
    QWidget* driven_;
};

// A fresh shared state, a scripted desktop and directory of windows for the window to open on,
// and a folder for the files it reads.
class WindowTest : public ::testing::Test, protected WindowDriver {
protected:
    WindowTest() { application(); }
    // A file of the folder holding `bytes`; its path.
    QString file(const QString& name, const QByteArray& bytes) const {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return out.fileName();
    }

    const QTemporaryDir dir;
    Module1 module;
    FakePlatform platform;
    FakeWindows windows;
};

} // namespace oria::test
