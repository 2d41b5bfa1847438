#include "contrast/Contraste.h"
#include "contrast/VisionImage.h"
#include "platform/QtPlatform.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/UndoCheck.h"
#include "support/WindowDriver.h"
#include "widgets/ColourReadout.h"
#include "widgets/VisionChoice.h"

#include <QUndoStack>
#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kC1 = RGB(200, 30, 30);
constexpr Colour kC2 = RGB(20, 20, 200);
constexpr Colour kC3 = RGB(240, 240, 20);

// The viewer as the harmony window opens it; helpers read what the user sees.
class ContrasteTest : public test::WindowTest {
protected:
    void open(int count) {
        module.setHarmony({kC1, kC2, kC3, RGB(1, 1, 1), RGB(2, 2, 2)});
        module.NbCouleursContraste = count;
        module.RetourDialogue = handBacks = 0;
        platform.colourDialogStarts.clear();
        windows.setHandBackListener([this] { ++handBacks; });
        windows.setVisionChoice(&vision);
        window = std::make_unique<Contraste>(module, platform, windows);
        window->show();
        drive(window.get());
    }
    // The window against tests/golden/contrast/<name>.txt, with the colours edited, what the
    // harmony window gets back, what was asked of the desktop and pixels of the views: the
    // figure, the lines and the bands.
    void snap(const QString& name) {
        QString s = test::DescribeWindow(window.get());
        for (int k = 0; const Colour c : window->colours().colour) {
            s += QStringLiteral("couleur %1 %2\n").arg(++k).arg(HexQString(c));
        }
        s += QString::asprintf("visible %d, retour %d, rendu %d fois, tirages réensemencés %d\n",
                               window->isVisible(), module.RetourDialogue, handBacks,
                               platform.randomSource.reseeds);
        for (const Colour c : module.harmony()) {
            s += QStringLiteral("harmonie %1\n").arg(HexQString(c));
        }
        for (const Colour c : platform.colourDialogStarts) {
            s += QStringLiteral("sélecteur ouvert sur %1\n").arg(HexQString(c));
        }
        const int bands = checked("Option2") ? 3 : 2;
        std::vector<std::tuple<const char*, int, int>> points{
            {"Picture1", 10, 10}, {"Picture1", 10, 200}, {"Picture1", 100, 100},
            {"Picture2", 21, 22}, {"Picture2", 14, 14},  {"Picture2", 29, 29},
            {"Paire21", 2, 20}, {"TextePropose21", 12, 20}}; // the sample, a proposal's swatch
        for (int i = 0; i < bands; ++i) {
            points.emplace_back("Picture3", 233 / bands * (2 * i + 1) / 2, 40);
        }
        for (const auto& [picture, x, y] : points) {
            s +=
                QString::asprintf("%s (%d, %d) %s\n", picture, x, y,
                                  qUtf8Printable(HexQString(FromQColor(painted(picture, {x, y})))));
        }
        test::ExpectGolden("contrast/" + name, s);
    }

    VisionChoice vision{
        platform, [](QImage& image, int v) { SimulateVisionImage(image, static_cast<Vision>(v)); }};
    int handBacks = 0;
    std::unique_ptr<Contraste> window;
};

// Each row from a window just opened with two or three colours: what the user does, then
// what the window shows.
TEST_F(ContrasteTest, WhatTheWindowShowsAfterEachScenario) {
    const struct {
        const char* golden;
        int count;
        const char* steps;
    } rows[] = {
        // The bands left to right; below the figure's upper band and on the lines view's
        // second line, the third colour when there is one.
        {"opens-with-2-colours", 2, ""},
        {"opens-with-3-colours", 3, ""},
        {"edit-colour-3", 3, "Option5"},
        {"edit-back-to-two-colours", 3, "Option5 Option1"},         // the editing moves to colour 2
        {"edit-sliders", 2, "Slider1=max Slider2=128 Slider3=min"}, // the views follow
        // "Lum. moins" on a value of 3 gives black; the sliders follow, and their numbers.
        {"edit-chosen", 2, "Command3"},
        {"edit-darker", 2, "Command3 Command6"},
        {"edit-lighter", 2, "Command3 Command6 Command5"},
        // Random draws reseed; the sliders show the last colour drawn, colour 3 for all three.
        // 127.5 rounds to even.
        {"random-one", 3, "Command1"},
        {"random-all", 3, "Command1 Command2"},
        // OK hands the three colours back; "Annuler" and Esc do not.
        {"closed-by-ok", 2, "Slider2=99 Command9"},
        {"closed-by-annuler", 2, "Slider2=99 Command4"},
        {"closed-by-esc", 2, "Slider2=99 Esc"},
        // A pair that misses the target: either proposal applies in one step, the background's
        // to colour 1, which the sliders edit.
        {"proposals-text-applied", 2, "TextePropose21"},
        {"proposals-background-applied", 2, "TextePropose21 annuler FondPropose21"},
        {"proposals-black-applied", 2, // black, as any other proposal
         "Slider1=114 Slider2=117 Slider3=114 Option4 Slider1=40 Slider2=40 Slider3=40 "
         "TextePropose21"},
        {"proposals-lc75", 2, "FondPropose21 Cible=6"},
        {"opens-with-the-target-kept", 2, ""}, // Lc 75, for the next time the viewer opens
    };
    for (const auto& row : rows) {
        platform.randomSource =
            test::ScriptedRandom({0.0, 0.5, 1.0 - 1e-9, 0.2, 0.4, 0.6, 0.1, 0.3, 0.9});
        platform.colourAnswers = {RGB(3, 1, 2)};
        open(row.count);
        run(row.steps);
        snap(row.golden);
    }
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc75");
}

TEST_F(ContrasteTest, ReadoutClipboardAndSimulatedVision) {
    open(2); // red text on blue ground
    hover("Picture3", QPoint(200, 40));
    EXPECT_EQ(text("Label8"), "#1414C8");
    EXPECT_EQ(child("Picture3")->toolTip(), "R:20 V:20 B:200");
    auto* menu = child<QMenu>("transfert");
    QTest::mouseClick(child("Picture2"), Qt::RightButton, {}, QPoint(21, 22));
    EXPECT_FALSE(menu->isVisible()) << "the lines view has no pop-up";
    fromMenu("Picture1", QPoint(100, 100), "presspap");
    EXPECT_EQ(platform.clipboard, "#1414C8") << "the colour last pointed at, not the one clicked";

    // Under a simulated vision the views are painted as seen and the read-out adds the
    // measures as seen; the real colours' measures stay.
    vision.setCurrent(static_cast<int>(Vision::Deuteranopie));
    snap("vision-deuteranopia");
    hover("Picture3", QPoint(20, 40));
    EXPECT_EQ(text("Label8"), "#C81E1E") << "read as it is";
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
    const test::UndoRow rows[] = {
        {"Réglages",
         [&] {
             slide("Slider1", {90, 20});
         }}, // one drag, one step
        {"Réglages",
         [&] {
             slider("Slider3")->triggerAction(QAbstractSlider::SliderPageStepSub);
             slider("Slider3")->triggerAction(QAbstractSlider::SliderPageStepSub);
         }},
        doing("Choisir...", "Command3"),
        doing("Lum. plus", "Command5"),
        doing("Sat. moins", "Command8"),
        doing("3 couleurs", "Option2"),
        doing("Aléatoire", "Command2"),
        // Colour 3 edited from now on: a view, not a step.
        doing("Aléatoire", "Command1", "Option5"),
        doing("2 couleurs", "Option1"),
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(window.get(), seen, row, [this] {
            return platform.randomSource.drawn() + platform.colourDialogStarts.size();
        });
    }
    EXPECT_EQ(window->history().stack()->count(), 9);
}

} // namespace
} // namespace oria
