#include "contrast/Contraste.h"
#include "contrast/Legibility.h"
#include "contrast/Proposals.h"
#include "contrast/VisionImage.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/UndoCheck.h"
#include "widgets/ColourReadout.h"
#include "widgets/VisionChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
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
    bool shown(const QString& name) { return child(name)->isVisibleTo(window.get()); }
    Colour colour(int k) { return window->colours().colour[static_cast<std::size_t>(k)]; }
    QSlider* slider(const QString& name) { return child<QSlider>(name); }

    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    VisionChoice vision{
        platform, [](QImage& image, int v) { SimulateVisionImage(image, static_cast<Vision>(v)); }};
    int handBacks = 0;
    std::unique_ptr<Contraste> window;
};

TEST_F(ContrasteTest, OpensWithTwoOrThreeColoursInEveryView) {
    const struct {
        int count;
        std::vector<Colour> bands; // left to right
        Colour ground;             // below the upper band of the figure view
        Colour nearLine;           // the lines view, on its second line
        bool thirdPairs;
    } cases[] = {
        {2, {kC1, kC2}, kC2, kC2, false},
        {3, {kC1, kC2, kC3}, kC3, kC3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        open(c.count);
        EXPECT_EQ(window->windowTitle(), "contrast");
        EXPECT_EQ(module.RetourDialogue, 0);
        EXPECT_EQ(checked("Option1"), c.count == 2);
        EXPECT_EQ(checked("Option2"), c.count == 3);
        EXPECT_EQ(child("Option5")->isEnabled(), c.count == 3);
        EXPECT_TRUE(checked("Option3"));
        EXPECT_EQ(text("Label1"), "200");
        EXPECT_EQ(text("Label7"), "#C81E1E");
        const int band = 233 / c.count;
        for (std::size_t i = 0; i < c.bands.size(); ++i) {
            EXPECT_EQ(at("Picture3", band / 2 + band * static_cast<int>(i), 40), c.bands[i]);
        }
        EXPECT_EQ(at("Picture1", 10, 10), kC2) << "upper band";
        EXPECT_EQ(at("Picture1", 10, 200), c.ground);
        EXPECT_EQ(at("Picture1", 100, 100), kC1) << "the figure";
        EXPECT_EQ(at("Picture2", 21, 22), kC1) << "the field between lines";
        EXPECT_EQ(at("Picture2", 14, 14), c.nearLine);
        EXPECT_EQ(at("Picture2", 29, 29), kC2);
        EXPECT_EQ(text("Ratio21"), "1,86:1");
        EXPECT_EQ(shown("Paire31"), c.thirdPairs);
        EXPECT_EQ(shown("Paire32"), c.thirdPairs);
    }
}

TEST_F(ContrasteTest, EditingOneColourAtATimeByHandOrAtRandom) {
    open(3);
    click("Option5");
    EXPECT_EQ(text("Label3"), "20");
    click("Option1"); // back to two colours: the editing moves to colour 2
    EXPECT_TRUE(checked("Option4"));
    EXPECT_FALSE(child("Option5")->isEnabled());
    EXPECT_EQ(text("Label3"), "200");

    click("Option3");
    slider("Slider1")->triggerAction(QAbstractSlider::SliderToMaximum);
    slider("Slider2")->setSliderPosition(128); // as a user drag does
    slider("Slider3")->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(colour(0), RGB(255, 128, 0));
    EXPECT_EQ(text("Label2"), "128");
    EXPECT_EQ(text("Label7"), "#FF8000");
    EXPECT_EQ(at("Picture3", 20, 40), RGB(255, 128, 0));
    EXPECT_EQ(text("Ratio21"), "4,25:1") << "the read-out follows";
    EXPECT_EQ(text("Lc21"), "Lc 41,8");

    // "Lum. moins" on a value of 3 gives black; the sliders follow.
    platform.colourAnswers = {RGB(3, 1, 2)};
    click("Command3");
    EXPECT_EQ(platform.colourDialogStarts.back(), RGB(255, 128, 0));
    EXPECT_EQ(text("Label1"), "3") << "the numbers stay with the sliders";
    click("Command6");
    EXPECT_EQ(colour(0), RGB(0, 0, 0));
    EXPECT_EQ(text("Label7"), "#000000");
    click("Command5");
    EXPECT_EQ(colour(0), RGB(13, 13, 13));

    // Random draws reseed; the sliders show the last colour drawn.
    open(3);
    platform.randomSource =
        test::ScriptedRandom({0.0, 0.5, 1.0 - 1e-9, 0.2, 0.4, 0.6, 0.1, 0.3, 0.9});
    click("Command1");
    EXPECT_EQ(platform.randomSource.reseeds, 1);
    EXPECT_EQ(colour(0), RGB(0, 128, 255)) << "127.5 rounds to even";
    click("Command2");
    EXPECT_EQ(platform.randomSource.reseeds, 2);
    EXPECT_EQ(colour(0), RGB(51, 102, 153));
    EXPECT_EQ(colour(1), RGB(26, 76, 230));
    EXPECT_EQ(colour(2), RGB(0, 128, 255));
    EXPECT_EQ(text("Label1"), "0") << "colour 3 is the last drawn";
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

    // Under a simulated vision the read-out adds the measures as seen.
    EXPECT_FALSE(child("Simulation21")->isVisible());
    vision.setCurrent(static_cast<int>(Vision::Deuteranopie));
    EXPECT_TRUE(child("Simulation21")->isVisible());
    const Legibility seen = MeasureLegibility(SimulateVision(kC2, Vision::Deuteranopie),
                                              SimulateVision(kC1, Vision::Deuteranopie));
    EXPECT_TRUE(text("Simulation21")
                    .startsWith(QStringLiteral("Vu ainsi : %1:1")
                                    .arg(QString::number(seen.ratio, 'f', 2).replace('.', ','))));
    EXPECT_EQ(window->windowTitle(), "contrast — Simulation : deutéranopie");
    EXPECT_EQ(text("Ratio21"), "1,86:1") << "the real colours' measures stay";
    EXPECT_EQ(at("Picture3", 20, 40), SimulateVision(kC1, Vision::Deuteranopie))
        << "painted as seen";
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
        EXPECT_EQ(module.Couleur1, ok ? RGB(200, 99, 30) : kC1);
        EXPECT_EQ(module.Couleur2, kC2);
        EXPECT_EQ(module.Couleur3, kC3);
        EXPECT_EQ(module.Couleur4, RGB(1, 1, 1));
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
    auto* textButton = child<QToolButton>("TextePropose21");
    auto* background = child<QToolButton>("FondPropose21");
    ASSERT_FALSE(MeetsTarget(ContrastTarget::Aa, kC2, kC1));
    EXPECT_TRUE(shown("TextePropose21") && shown("FondPropose21"));
    const Proposals p = ProposeColours(kC2, kC1, ContrastTarget::Aa);
    EXPECT_TRUE(textButton->text().contains(HexQString(p.text.colour)));
    EXPECT_TRUE(background->text().startsWith("Fond proposé\n" + HexQString(p.background.colour)));

    QTest::mouseClick(textButton, Qt::LeftButton);
    EXPECT_EQ(colour(1), p.text.colour);
    EXPECT_FALSE(shown("TextePropose21")) << "the pair meets AA now";
    EXPECT_EQ(child<QAction>("annuler")->text(), "&Annuler : Texte proposé");
    child<QAction>("annuler")->trigger();
    EXPECT_EQ(colour(1), kC2);

    // The background's proposal goes to colour 1, which the sliders edit: they follow.
    QTest::mouseClick(background, Qt::LeftButton);
    EXPECT_EQ(colour(0), p.background.colour);
    EXPECT_EQ(text("Label7"), HexQString(p.background.colour));

    // The target is kept for the next time the viewer opens.
    auto* cible = child<QComboBox>("Cible");
    cible->setCurrentIndex(cible->findText("Lc 75"));
    emit cible->activated(cible->currentIndex());
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc75");
    const Proposal lc = ProposeText(kC2, p.background.colour, ContrastTarget::Lc75);
    EXPECT_EQ(textButton->text().endsWith("impossible"), lc.kind == ProposalKind::Impossible);
    EXPECT_EQ(textButton->isEnabled(), lc.kind == ProposalKind::Proposed);
    open(2);
    EXPECT_EQ(child<QComboBox>("Cible")->currentText(), "Lc 75");
}

} // namespace
} // namespace oria
