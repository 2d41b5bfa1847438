#include "contrast/Contraste.h"
#include "contrast/VisionImage.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/UndoCheck.h"
#include "widgets/ColourReadout.h"
#include "widgets/VisionChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kC1 = RGB(200, 30, 30);
constexpr Colour kC2 = RGB(20, 20, 200);
constexpr Colour kC3 = RGB(240, 240, 20);

// The viewer as the harmony window opens it; helpers read what the user sees.
class ContrasteTest : public ::testing::Test {
protected:
    void open(int count) {
        test::application();
        module.setHarmony({kC1, kC2, kC3, RGB(1, 1, 1), RGB(2, 2, 2)});
        module.NbCouleursContraste = count;
        windows.setHandBackListener([this] { ++handBacks; });
        windows.setVisionChoice(&vision);
        window = std::make_unique<Contraste>(module, platform, windows);
        window->show();
    }
    template <class T = QWidget> T* child(const QString& name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(5, 5));
    }
    QString text(const QString& name) { return child<QLabel>(name)->text(); }
    Colour at(const QString& picture, int x, int y) {
        return FromQColor(child(picture)->grab().toImage().pixelColor(x, y));
    }
    bool checked(const QString& name) { return child<QRadioButton>(name)->isChecked(); }
    Colour colour(int k) { return window->colours().colour[static_cast<std::size_t>(k)]; }
    QSlider* slider(const QString& name) { return child<QSlider>(name); }
    // The window against tests/golden/contrast/<name>.txt, with the colours edited, the answer
    // for the harmony window and pixels of the views: the bands, the figure and the lines.
    void snap(const QString& name) {
        QString s = test::DescribeWindow(window.get());
        for (int k = 0; k < 3; ++k) {
            s += QStringLiteral("couleur %1 %2\n").arg(k + 1).arg(HexQString(colour(k)));
        }
        s += QStringLiteral("retour %1\n").arg(module.RetourDialogue);
        const int bands = checked("Option2") ? 3 : 2;
        std::vector<std::tuple<const char*, int, int>> points{
            {"Picture1", 10, 10}, {"Picture1", 10, 200}, {"Picture1", 100, 100},
            {"Picture2", 21, 22}, {"Picture2", 14, 14},  {"Picture2", 29, 29}};
        for (int i = 0; i < bands; ++i) {
            points.emplace_back("Picture3", 233 / bands * (2 * i + 1) / 2, 40);
        }
        for (const auto& [picture, x, y] : points) {
            s += QString::asprintf("%s (%d, %d) %s\n", picture, x, y,
                                   qUtf8Printable(HexQString(at(picture, x, y))));
        }
        test::ExpectGolden("contrast/" + name, s);
    }

    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    VisionChoice vision{
        platform, [](QImage& image, int v) { SimulateVisionImage(image, static_cast<Vision>(v)); }};
    int handBacks = 0;
    std::unique_ptr<Contraste> window;
};

// The bands left to right; below the figure's upper band and on the lines view's second line,
// the third colour when there is one.
TEST_F(ContrasteTest, OpensWithTwoOrThreeColoursInEveryView) {
    for (const int count : {2, 3}) {
        SCOPED_TRACE(count);
        open(count);
        snap(QStringLiteral("opens-with-%1-colours").arg(count));
    }
}

TEST_F(ContrasteTest, EditingOneColourAtATimeByHandOrAtRandom) {
    open(3);
    click("Option5");
    snap("edit-colour-3");
    click("Option1"); // back to two colours: the editing moves to colour 2
    snap("edit-back-to-two-colours");

    click("Option3");
    slider("Slider1")->triggerAction(QAbstractSlider::SliderToMaximum);
    slider("Slider2")->setSliderPosition(128); // as a user drag does
    slider("Slider3")->triggerAction(QAbstractSlider::SliderToMinimum);
    snap("edit-sliders"); // the views and the read-out follow

    // "Lum. moins" on a value of 3 gives black; the sliders follow, and their numbers.
    platform.colourAnswers = {RGB(3, 1, 2)};
    click("Command3");
    EXPECT_EQ(platform.colourDialogStarts.back(), RGB(255, 128, 0));
    snap("edit-chosen");
    click("Command6");
    snap("edit-darker");
    click("Command5");
    EXPECT_EQ(colour(0), RGB(13, 13, 13));

    // Random draws reseed; the sliders show the last colour drawn, colour 3. 127.5 rounds to
    // even.
    open(3);
    platform.randomSource =
        test::ScriptedRandom({0.0, 0.5, 1.0 - 1e-9, 0.2, 0.4, 0.6, 0.1, 0.3, 0.9});
    click("Command1");
    EXPECT_EQ(platform.randomSource.reseeds, 1);
    snap("random-one");
    click("Command2");
    EXPECT_EQ(platform.randomSource.reseeds, 2);
    snap("random-all");
}

TEST_F(ContrasteTest, ReadoutClipboardAndSimulatedVision) {
    open(2); // red text on blue ground
    QTest::mouseMove(child("Picture3"), QPoint(200, 40));
    EXPECT_EQ(text("Label8"), "#1414C8");
    EXPECT_EQ(child("Picture3")->toolTip(), "R:20 V:20 B:200");
    auto* menu = child<QMenu>("transfert");
    QTest::mouseClick(child("Picture2"), Qt::RightButton, {}, QPoint(21, 22));
    EXPECT_FALSE(menu->isVisible()) << "the lines view has no pop-up";
    QTest::mouseClick(child("Picture1"), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_TRUE(test::waitFor([&] { return menu->isVisible(); }));
    menu->findChild<QAction*>("presspap")->trigger();
    menu->close();
    EXPECT_EQ(platform.clipboard, "#1414C8") << "the colour last pointed at, not the one clicked";

    // Under a simulated vision the views are painted as seen and the read-out adds the
    // measures as seen; the real colours' measures stay.
    vision.setCurrent(static_cast<int>(Vision::Deuteranopie));
    snap("vision-deuteranopia");
    QTest::mouseMove(child("Picture3"), QPoint(20, 40));
    EXPECT_EQ(text("Label8"), "#C81E1E") << "read as it is";
}

TEST_F(ContrasteTest, OkHandsThreeColoursBackAnnulerAndEscDoNot) {
    for (const char* how : {"Command9", "Command4", "Esc"}) {
        SCOPED_TRACE(how);
        handBacks = 0;
        open(2);
        slider("Slider2")->setSliderPosition(99);
        const bool ok = std::string(how) == "Command9";
        if (std::string(how) == "Esc") {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        } else {
            click(how);
        }
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(module.RetourDialogue, ok ? 2 : 1);
        EXPECT_EQ(module.harmony(),
                  (Palette{ok ? RGB(200, 99, 30) : kC1, kC2, kC3, RGB(1, 1, 1), RGB(2, 2, 2)}));
        EXPECT_EQ(handBacks, ok ? 1 : 0);
    }
}

TEST_F(ContrasteTest, EveryColourEditIsUndoneAndRedone) {
    open(2);
    // Each step's answers are ready before: only its own action asks for them.
    platform.colourAnswers.push_back(RGB(9, 99, 199));
    platform.randomSource = test::ScriptedRandom({0.1, 0.5, 0.8, 0.3});
    auto seen = [this] {
        const auto& colours = window->colours().colour;
        return test::Seen{window->grab().toImage(), {colours.begin(), colours.end()}};
    };
    auto clicking = [this](const char* step, const char* name) {
        return test::UndoRow{step, [this, name] { click(name); }};
    };
    const test::UndoRow rows[] = {
        {"Réglages",
         [&] { // one drag, one step
             slider("Slider1")->setSliderDown(true);
             slider("Slider1")->setSliderPosition(90);
             slider("Slider1")->setSliderPosition(20);
             slider("Slider1")->setSliderDown(false);
         }},
        {"Réglages",
         [&] {
             slider("Slider3")->triggerAction(QAbstractSlider::SliderPageStepSub);
             slider("Slider3")->triggerAction(QAbstractSlider::SliderPageStepSub);
         }},
        clicking("Choisir...", "Command3"),
        clicking("Lum. plus", "Command5"),
        clicking("Sat. moins", "Command8"),
        clicking("3 couleurs", "Option2"),
        clicking("Aléatoire", "Command2"),
        // Colour 3 edited from now on: a view, not a step.
        {"Aléatoire", [&] { click("Command1"); }, [&] { click("Option5"); }},
        clicking("2 couleurs", "Option1"),
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(window.get(), seen, row, [this] {
            return platform.randomSource.drawn() + platform.colourDialogStarts.size();
        });
    }
    EXPECT_EQ(window->history().stack()->count(), 9);
}

TEST_F(ContrasteTest, ProposalsForAPairThatMissesTheTargetApplyInOneStep) {
    open(2);
    snap("proposals-aa");
    click("TextePropose21");
    snap("proposals-text-applied"); // the pair meets AA now
    child<QAction>("annuler")->trigger();
    EXPECT_EQ(colour(1), kC2);

    // The background's proposal goes to colour 1, which the sliders edit: they follow.
    click("FondPropose21");
    snap("proposals-background-applied");

    // The target is kept for the next time the viewer opens.
    auto* cible = child<QComboBox>("Cible");
    cible->setCurrentIndex(cible->findText("Lc 75"));
    emit cible->activated(cible->currentIndex());
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc75");
    snap("proposals-lc75");
    open(2);
    EXPECT_EQ(child<QComboBox>("Cible")->currentText(), "Lc 75");
}

} // namespace
} // namespace oria
