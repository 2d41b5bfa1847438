// Every control of every window can be found and used without seeing the screen: it has a
// French name of its own within its window, a colour it shows is said in its description, and
// Tab reaches every control.
#include "widgets/Accessibility.h"
#include "support/AllWindows.h"
#include "support/Snapshot.h"
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

// Each window's visible controls with the name a screen reader says, "tab" marking a Tab stop;
// then where Tab goes, once round from the first stop. The golden files show each name French
// and of its own within its window, and Tab reaching every stop in reading order, frame by
// frame, never resting on an option that is not the chosen one nor staying in a text field.
TEST_F(Windows, EveryControlHasAFrenchNameOfItsOwnAndTabReachesItInReadingOrder) {
    for (const auto& [title, open] : all) {
        SCOPED_TRACE(title);
        QWidget* window = open();
        ASSERT_TRUE(activate(window));
        QString text;
        int stops = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (IsControl(w) && w->isVisibleTo(window)) {
                const bool stop =
                    w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !OtherOption(w);
                stops += stop;
                text += w->objectName() + QStringLiteral(" « ") + NameOf(w) +
                        (stop ? QStringLiteral(" » tab\n") : QStringLiteral(" »\n"));
            }
        }
        if (QApplication::focusWidget() == nullptr) {
            QTest::keyClick(window, Qt::Key_Tab);
        }
        text += QStringLiteral("Tab:");
        for (int i = 0; i <= stops; ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            text += QStringLiteral("\n  ") + focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        test::ExpectGolden(QStringLiteral("app/names-and-tab-") + title, text + '\n');
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
