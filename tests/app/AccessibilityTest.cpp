// Every control of every window can be found and used without seeing the screen: it has a
// French name of its own within its window, a colour it shows is said in its description, and
// Tab reaches every control.
#include "support/AllWindows.h"
#include "widgets/Accessibility.h"
#include "widgets/ColourPicture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace oria {
namespace {

// What acts or shows something: buttons, options, boxes, sliders, lists, fields, and the
// pictures that show colours.
bool IsControl(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<ColourPicture*>(w);
}

QString NameOf(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

class Windows : public ::testing::Test, protected test::AllWindows {};

TEST_F(Windows, EveryControlHasAFrenchNameOfItsOwn) {
    for (const auto& [title, open] : all) {
        SCOPED_TRACE(title);
        QWidget* window = open();
        ASSERT_NE(window, nullptr);
        window->show();
        std::map<QString, QString> seen; // name -> control
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!IsControl(w) || !w->isVisibleTo(window)) {
                continue;
            }
            const QString name = NameOf(w);
            EXPECT_FALSE(name.trimmed().isEmpty()) << w->metaObject()->className() << " " << w->objectName().toStdString();
            if (!name.isEmpty()) {
                const auto [at, fresh] = seen.emplace(name, w->objectName());
                EXPECT_TRUE(fresh) << "« " << name.toStdString() << " » : " << w->objectName().toStdString() << " et " << at->second.toStdString();
            }
        }
    }
}

// Tab goes through every control, frame by frame in reading order, a group of options being
// one stop, and leaves multi-line fields.
TEST_F(Windows, TabReachesEveryControlInReadingOrder) {
    for (const auto& [title, open] : all) {
        SCOPED_TRACE(title);
        QWidget* window = open();
        ASSERT_TRUE(activate(window));
        std::set<QWidget*> stops;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* option = qobject_cast<QAbstractButton*>(w);
            const bool otherOption = option && option->autoExclusive() && !option->isChecked();
            if (IsControl(w) && w->isVisibleTo(window) && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus) && !otherOption) {
                stops.insert(w);
            }
        }
        if (QApplication::focusWidget() == nullptr) {
            QTest::keyClick(window, Qt::Key_Tab);
        }
        std::set<QWidget*> reached;
        QWidget* previous = nullptr;
        for (std::size_t i = 0; i < 2 * stops.size() + 4; ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            // Within a frame, each stop reads after the one before (or the round starts again).
            if (previous && previous->parentWidget() == focus->parentWidget() &&
                !reached.count(focus)) {
                const bool sameRow = std::abs(previous->y() - focus->y()) <= 6;
                EXPECT_TRUE(sameRow ? previous->x() < focus->x() : previous->y() < focus->y())
                    << previous->objectName().toStdString() << " puis "
                    << focus->objectName().toStdString();
            }
            reached.insert(focus);
            previous = focus;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        for (QWidget* w : stops) {
            EXPECT_TRUE(reached.count(w)) << "Tab n'atteint pas " << NameOf(w).toStdString();
            EXPECT_FALSE(reached.count(w) && qobject_cast<QAbstractButton*>(w) &&
                         qobject_cast<QAbstractButton*>(w)->autoExclusive() &&
                         !qobject_cast<QAbstractButton*>(w)->isChecked());
        }
    }
}

// A swatch says its colour, and says the new one when it changes.
TEST(Accessibility, ASwatchDescribesTheColourItShows) {
    test::application();
    ColourPicture swatch;
    swatch.setObjectName("essai");
    QWidget window;
    swatch.setParent(&window);
    NameControls(&window, {{"essai", "Essai"}});
    swatch.setBackgroundColour(RGB(0x1C, 0xC1, 0xD6));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&swatch)->text(QAccessible::Description),
              "#1CC1D6 (R 28, V 193, B 214)");
    swatch.setBackgroundColour(RGB(0, 0, 0));
    EXPECT_EQ(swatch.accessibleDescription(), "#000000 (R 0, V 0, B 0)");
    EXPECT_EQ(NameOf(&swatch), "Essai");
    swatch.setParent(nullptr);
}

} // namespace
} // namespace oria
