#include "app/Startup.h"
#include "app/CommandLine.h"
#include "composer/Compo.h"
#include "composer/PageDocument.h"
#include "harmony/Form1.h"
#include "support/QtTestSupport.h"
#include "support/WindowDriver.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace oria {
namespace {

// The start procedure against a recording directory, and the real directory of windows.
class StartUpTest : public test::WindowTest {
protected:
    ~StartUpTest() override { app.unloadAll(); }
    AppWindows app{module, platform};
    using W = WindowDirectory::Window;
};

TEST_F(StartUpTest, SplashWhileLoadingThenTheTipsWhenTheSettingAllows) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {nullptr, {"splash", "tips over window"}}, // never stored
        {"1", {"splash", "tips over window"}},
        {"0", {"splash"}},
    };
    for (const auto& [setting, log] : cases) {
        SCOPED_TRACE(setting ? setting : "absent");
        windows.log.clear();
        windows.splashes.clear();
        if (setting) {
            platform.settings["Show Tips at Startup"] = setting;
        }
        EXPECT_TRUE(StartUp(module, platform, windows)->isVisible());
        EXPECT_EQ(windows.log, log);
        EXPECT_EQ(windows.splashes, std::vector<bool>{true}) << "the splash closes by itself";
    }
}

// `oria FICHIER`: a page goes to the composer, a palette into the harmony window.
TEST_F(StartUpTest, WithTheDocumentTheDesktopOpened) {
    const QString palette =
        file("marque.gpl", "GIMP Palette\n10 20 30 A\n40 50 60 B\n70 80 90 C\n");
    StartUp(module, platform, windows, dir.filePath("été.ORI"));
    EXPECT_EQ(windows.pages, QStringList{dir.filePath("été.ORI")});
    const auto form = StartUp(module, platform, windows, palette);
    EXPECT_EQ(form->nombreCouleurs(), 3);
    EXPECT_EQ(module.Couleur3, RGB(70, 80, 90));
    EXPECT_EQ(windows.pages.size(), 1);

    // The real directory opens the composer on the page, or says why it cannot.
    PageDocument page;
    page.name = PageNameBytes("Dune");
    page.fond = RGB(240, 220, 180);
    ASSERT_EQ(WritePageDocument(dir.filePath("dune.ori"), page), std::nullopt);
    app.showPage(form.get(), dir.filePath("dune.ori"));
    ASSERT_NE(app.compo(), nullptr);
    EXPECT_EQ(app.compo()->zoneColours()[Index(Zone::Fond)], RGB(240, 220, 180));
    EXPECT_EQ(module.NbCouleursCompo, 3);
    app.unloadAll();
    AppWindows fresh(module, platform);
    fresh.showPage(form.get(), dir.filePath("absente.ori"));
    EXPECT_EQ(fresh.compo(), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("absente.ori"));
}

TEST(StartUp, ALoneWordThatIsNoCommandIsADocument) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"page.ori"}, true},       {{"/tmp/marque.gpl"}, true},
        {{"harmonie"}, false},      {{"--help"}, false},
        {{"tracer"}, false},        {{"/tmp"}, true},
        {{"page.ori", "x"}, false}, {{}, false},  {{"-x.ori"}, false}};
    for (const auto& [args, document] : cases) {
        EXPECT_EQ(OpensInTheWindows(args), document) << args.size();
    }
}

TEST_F(StartUpTest, TipWindowIsASingleInstanceUnloadedWithTheRest) {
    platform.settings["Show Tips at Startup"] = "0";
    app.showTips(nullptr);
    EXPECT_EQ(app.tips(), nullptr) << "the setting unloads it as it loads";

    platform.settings["Show Tips at Startup"] = "1";
    app.showTips(nullptr);
    frmTip* first = app.tips();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    app.showTips(nullptr);
    EXPECT_EQ(app.tips(), first);
    app.unloadAll();
    EXPECT_TRUE(test::waitFor([&] { return app.tips() == nullptr; }));
}

TEST_F(StartUpTest, RazezevAruIsOneInstanceModelessOrModalAndStartsAfreshEachTime) {
    ASSERT_TRUE(app.isAvailable(W::Pro));
    app.show(W::Pro, nullptr);
    Pro* first = app.pro();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    app.show(W::Pro, nullptr);
    EXPECT_EQ(app.pro(), first);
    app.unloadAll();
    EXPECT_TRUE(test::waitFor([&] { return app.pro() == nullptr; }));

    // Modal, as the composer opens it: the answer is whether "OK" closed it.
    for (const char* button : {"Command2", "Command3"}) {
        QTimer::singleShot(0, [&] { test::WindowDriver(app.pro()).click(button); });
        EXPECT_EQ(app.showModal(W::Pro, nullptr), std::string(button) == "Command2");
        EXPECT_TRUE(test::waitFor([&] { return app.pro() == nullptr; }));
    }
}

TEST_F(StartUpTest, VizozuduKeepsItsColoursWhenAskedForAgainEvenModally) {
    module.setHarmony({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), 0, 0});
    app.show(W::Contraste, nullptr);
    Contraste* open = app.contraste();
    test::WindowDriver(open).run("Slider1=99"); // colour 1 edited
    module.Couleur1 = RGB(50, 50, 50);
    app.show(W::Contraste, nullptr);
    EXPECT_EQ(app.contraste(), open);
    EXPECT_EQ(open->colours().colour[0], RGB(99, 2, 3)) << "brought forward as it was";

    // The composer asking for it modally gets that same window, now modal, edits and all.
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(app.contraste(), open);
        EXPECT_TRUE(open->isModal());
        test::WindowDriver(open).click("Command9");
    });
    EXPECT_TRUE(app.showModal(W::Contraste, nullptr));
    EXPECT_EQ(module.Couleur1, RGB(99, 2, 3));
    EXPECT_TRUE(test::waitFor([&] { return app.contraste() == nullptr; }));
}

} // namespace
} // namespace oria
