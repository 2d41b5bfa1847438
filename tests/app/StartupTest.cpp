#include "app/Startup.h"
#include "harmony/Form1.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

namespace oria {
namespace {

TEST(StartUp, SplashWhileLoadingThenTheTipsWhenTheSettingAllows) {
    test::application();
    const struct {
        const char* setting; // nullptr: never stored
        std::vector<std::string> log;
    } cases[] = {
        {nullptr, {"splash", "tips over window"}},
        {"1", {"splash", "tips over window"}},
        {"0", {"splash"}},
    };
    for (const auto& c : cases) {
        Module1 module;
        test::FakePlatform platform;
        test::FakeWindows windows;
        if (c.setting) {
            platform.settings["Show Tips at Startup"] = c.setting;
        }
        const auto form = StartUp(module, platform, windows);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(windows.log, c.log) << (c.setting ? c.setting : "absent");
        EXPECT_EQ(windows.splashes, std::vector<bool>{true}) << "the splash closes by itself";
    }
}

TEST(AppWindows, TipWindowIsASingleInstanceUnloadedWithTheRest) {
    test::application();
    Module1 module;
    test::FakePlatform platform;
    AppWindows windows(module, platform);

    platform.settings["Show Tips at Startup"] = "0";
    windows.showTips(nullptr);
    EXPECT_EQ(windows.tips(), nullptr) << "the setting unloads it as it loads";

    platform.settings["Show Tips at Startup"] = "1";
    windows.showTips(nullptr);
    frmTip* first = windows.tips();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->findChild<QLabel*>("lblTipText")->text(),
              "Le fichier ASTUCES.TXT n'a pas été trouvé? \r\n\r\n");
    windows.showTips(nullptr);
    EXPECT_EQ(windows.tips(), first);

    windows.unloadAll();
    EXPECT_TRUE(test::waitFor([&] { return windows.tips() == nullptr; }));
}

TEST(AppWindows, RazezevAruIsOneInstanceModelessOrModalAndStartsAfreshEachTime) {
    test::application();
    Module1 module;
    test::FakePlatform platform;
    AppWindows windows(module, platform);
    using W = WindowDirectory::Window;
    ASSERT_TRUE(windows.isAvailable(W::Pro));
    windows.show(W::Pro, nullptr);
    Pro* first = windows.pro();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    windows.show(W::Pro, nullptr);
    EXPECT_EQ(windows.pro(), first);
    windows.unloadAll();
    EXPECT_TRUE(test::waitFor([&] { return windows.pro() == nullptr; }));

    // Modal, as the composer opens it: the answer is whether "OK" closed it.
    for (const char* button : {"Command2", "Command3"}) {
        QTimer::singleShot(0, [&] { windows.pro()->findChild<QPushButton*>(button)->click(); });
        EXPECT_EQ(windows.showModal(W::Pro, nullptr), std::string(button) == "Command2");
        EXPECT_TRUE(test::waitFor([&] { return windows.pro() == nullptr; }));
    }
}

TEST(AppWindows, VizozuduKeepsItsColoursWhenAskedForAgainEvenModally) {
    test::application();
    Module1 module;
    module.setHarmony({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), 0, 0});
    test::FakePlatform platform;
    AppWindows windows(module, platform);
    using W = WindowDirectory::Window;
    windows.show(W::Contraste, nullptr);
    Contraste* open = windows.contraste();
    ASSERT_NE(open, nullptr);
    open->findChild<QSlider*>("Slider1")->setSliderPosition(99); // colour 1 edited
    module.Couleur1 = RGB(50, 50, 50);
    windows.show(W::Contraste, nullptr);
    EXPECT_EQ(windows.contraste(), open);
    EXPECT_EQ(open->colours().colour[0], RGB(99, 2, 3)) << "brought forward as it was";

    // The composer asking for it modally gets that same window, now modal, edits and all.
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(windows.contraste(), open);
        EXPECT_TRUE(open->isModal());
        open->findChild<QPushButton*>("Command9")->click();
    });
    EXPECT_TRUE(windows.showModal(W::Contraste, nullptr));
    EXPECT_EQ(module.Couleur1, RGB(99, 2, 3));
    EXPECT_TRUE(test::waitFor([&] { return windows.contraste() == nullptr; }));
}

} // namespace
} // namespace oria
