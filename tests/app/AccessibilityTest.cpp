// Every control of every window can be found and used without seeing the screen: it has a
// French name of its own within its window, a colour it shows is said in its description, and
// Tab reaches every control.
#include "widgets/Accessibility.h"
#include "support/AllWindows.h"
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

// An option of a group that is not the chosen one: the group is one Tab stop.
bool OtherOption(QWidget* w) {
    auto* option = qobject_cast<QAbstractButton*>(w);
    return option && option->autoExclusive() && !option->isChecked();
}

class Windows : public ::testing::Test, protected test::AllWindows {};

// Tab goes through every control, frame by frame in reading order, and leaves multi-line fields.
TEST_F(Windows, EveryControlHasAFrenchNameOfItsOwnAndTabReachesItInReadingOrder) {
    for (const auto& [title, open] : all) {
        SCOPED_TRACE(title);
        QWidget* window = open();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(activate(window));
        std::map<QString, std::string> seen; // name -> control
        std::set<QWidget*> stops;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!IsControl(w) || !w->isVisibleTo(window)) {
                continue;
            }
            const QString name = NameOf(w);
            const std::string control = w->objectName().toStdString();
            EXPECT_FALSE(name.trimmed().isEmpty())
                << w->metaObject()->className() << " " << control;
            if (!name.isEmpty()) {
                const auto [at, fresh] = seen.emplace(name, control);
                EXPECT_TRUE(fresh)
                    << "« " << name.toStdString() << " » : " << control << " et " << at->second;
            }
            if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !OtherOption(w)) {
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
            EXPECT_FALSE(OtherOption(focus)) << focus->objectName().toStdString();
            reached.insert(focus);
            previous = focus;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        for (QWidget* w : stops) {
            EXPECT_TRUE(reached.count(w)) << "Tab n'atteint pas " << NameOf(w).toStdString();
        }
    }
}

// A swatch says its colour, and says the new one when it changes.
TEST(Accessibility, ASwatchDescribesTheColourItShows) {
    test::application();
    QWidget window;
    auto* swatch = new ColourPicture(&window);
    swatch->setObjectName("essai");
    NameControls(&window, {{"essai", "Essai"}});
    swatch->setBackgroundColour(RGB(0x1C, 0xC1, 0xD6));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(swatch)->text(QAccessible::Description),
              "#1CC1D6 (R 28, V 193, B 214)");
    swatch->setBackgroundColour(RGB(0, 0, 0));
    EXPECT_EQ(swatch->accessibleDescription(), "#000000 (R 0, V 0, B 0)");
    EXPECT_EQ(NameOf(swatch), "Essai");
}

} // namespace
} // namespace oria
