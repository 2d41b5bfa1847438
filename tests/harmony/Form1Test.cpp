#include "harmony/Form1.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/UndoCheck.h"
#include "support/WindowDriver.h"
#include "widgets/VisionChoice.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace oria {
namespace {

using W = WindowDirectory::Window;
using A = QAbstractSlider;

// The harmony window over a fresh shared state and a scripted desktop, and what it shows.
class Form1Test : public test::WindowTest {
protected:
    void SetUp() override { open({W::Pro, W::Contraste, W::Compo}); }
    // Opens the window afresh on a fresh desktop; the random base colour it draws (0.999, 0, 0)
    // is pure red.
    void open(std::set<W> available) {
        form.reset();
        platform = test::FakePlatform{};
        platform.randomSource = test::ScriptedRandom({0.999, 0.0, 0.0});
        windows.available = std::move(available);
        module = Module1{};
        windows.shown.clear();
        form = std::make_unique<Form1>(module, platform, windows);
        form->show();
        drive(form.get());
    }

    QString status() { return text("StatusBar1_Panel1"); }
    // The colour painted at the middle of the top of a square.
    QColor top(const QString& name) { return painted(name, {child(name)->width() / 2, 4}); }
    // Every control, the colours painted at the top of the squares shown, what other windows
    // read of the shared state, and what the window asked of the desktop.
    void expectShown(const char* golden) {
        QString shown = test::DescribeWindow(form.get());
        for (const char* name :
             {"carre1", "carre2", "carre3", "carre4", "carre5", "carre6", "carre7", "Picture1"}) {
            if (child(name)->isVisible()) {
                shown += QStringLiteral("painted %1 %2\n").arg(name, top(name).name().toUpper());
            }
        }
        shown += QStringLiteral("shared");
        for (const Colour c : module.harmony()) {
            shown += QLatin1Char(' ') + test::ColourHex(c);
        }
        shown += QStringLiteral(", ReglageFin %1, NbCouleursContraste %2\n")
                     .arg(module.ReglageFin)
                     .arg(module.NbCouleursContraste);
        for (const W w : windows.shown) {
            shown += QStringLiteral("window %1 opened, NbCouleursCompo %2\n")
                         .arg(int(w))
                         .arg(module.NbCouleursCompo);
        }
        for (const Colour c : platform.colourDialogStarts) {
            shown += QStringLiteral("colour dialog from %1\n").arg(test::ColourHex(c));
        }
        for (const QString& filter : platform.fileFilters) {
            shown += QStringLiteral("file dialog \"%1\"\n").arg(filter);
        }
        const char* icons[] = {"information", "warning", "critical"};
        for (const auto& [kind, list] : {std::pair{"question", &platform.questions},
                                         std::pair{"message", &platform.messages}}) {
            for (const auto& q : *list) {
                shown += QStringLiteral("%1 \"%2\" \"%3\" %4\n")
                             .arg(kind, q.title, q.text, icons[static_cast<int>(q.icon)]);
            }
        }
        shown.replace(dir.path(), QStringLiteral("<dossier>"));
        test::ExpectGolden(QStringLiteral("harmony/") + golden, shown);
    }
    void chooseType(HarmonyType type) { run(QStringLiteral("Combo1=%1").arg(int(type))); }
    void handBack(const Palette& colours) { // as another window does
        module.setHarmony(colours);
        windows.notifyHandBack();
    }

    std::unique_ptr<VisionChoice> vision;
    std::unique_ptr<Form1> form;
};

// What the user sees after each action, from a fresh window: the base colour wherever it comes
// from, the count and contrast options, the fine tuning, the adjustments and what unlocks it.
// A step is a button or else a menu's action to click, or a slider and the value it is moved to.
TEST_F(Form1Test, WindowAfterEachAction) {
    using H = HarmonyType;
    const QByteArray une = "GIMP Palette\n0 128 0 Vert\n",
                     trois = "GIMP Palette\nName: T\n10 20 30 Nuit\n200 100 0 Or\n0 128 255\n",
                     sept = ":root { --a: #010203; --b: #040506; --c: #070809; --d: #0A0B0C; "
                            "--e: #0D0E0F; --f: #101112; }";
    const auto opening = [&](const char* name, const QByteArray& content) {
        return [&, name, content] { platform.openAnswer = file(name, content); };
    };
    const auto savingNowhere = [&] { platform.saveAnswer = dir.filePath("absent/harmonie.css"); };
    const auto otherRandom = [&] { platform.randomSource = test::ScriptedRandom({0.2, 0.6, 0.9}); };
    const auto blue = [&] { platform.colourAnswers = {RGB(0, 0, 255)}; };
    const auto no = [&] { platform.yesNoAnswer = false; };
    const Palette handed{RGB(10, 20, 30), RGB(200, 100, 50), RGB(1, 2, 3), 0, 0};
    const struct {
        const char* golden;
        std::optional<H> type;
        const char* steps;
        std::function<void()> prepare = {};
    } rows[] = {
        {"start-up", {}, ""},
        {"classique-neutre", H::ClassiqueNeutre, ""},
        {"slider-drag", H::ClassiqueNeutre, "Slider2=128"},
        // Then cancelled: the dialog gives back the start colour.
        {"colour-dialog", H::ClassiqueNeutre, "Command1 Command1", blue},
        {"one-colour-palette", H::ClassiqueNeutre, "importer", opening("une.gpl", une)},
        {"imported", {}, "importer", opening("trois.gpl", trois)},
        {"import-refused", {}, "importer", opening("faux.gpl", "pas une palette")},
        {"dropped", {}, "", [&] { drop(file("sept.css", sept)); }}, // the first five
        {"export-refused", {}, "exporter", savingNowhere},
        {"hand-back", H::ClassiqueNeutre, "", [&] { handBack(handed); }}, // shown, not recomputed
        {"fine-tuning", H::ClassiqueNeutre, "Slider4=25"},
        {"fine-tuning-zero", H::ClassiqueNeutre, "Slider4=25 Command6"},
        {"five-colours", H::Special, "contrast3 cinq"},
        {"four-colours", H::Special, "contrast3 quatre"},
        {"three-colours", H::Special, "contrast3 trois"},
        {"two-colours-contraste-3", H::Special, "trois deux contrast3"},
        {"lum-plus", H::Moderne, "cinq Command12"},
        {"lum-moins", H::Moderne, "cinq Command11"},
        {"sat-plus", H::Moderne, "cinq Command8"},
        {"sat-moins", H::Moderne, "cinq Command9"},
        {"web-safe", H::Moderne, "cinq Command7"},
        {"web-safe-menu", H::Moderne, "cinq websafe"},
        // The menu's "Aléatoire" draws a base colour but leaves the fine tuning locked; the
        // button unlocks it, and so does a count.
        {"random-after-adjustment", H::Moderne, "Command12 menualeatoire", otherRandom},
        {"random-unlocks", H::Moderne, "Command12 Command4", otherRandom},
        {"count-unlocks", H::Moderne, "websafe trois"},
        // Colours 2..n are computed afresh; the hidden slots keep the adjustment.
        {"recalculer-declined", H::Moderne, "trois Command12 Command5", no},
        {"recalculated", H::Moderne, "trois Command12 Recalculer"},
        // The cycler moves the sliders without recomputing.
        {"cycled", H::Moderne, "cinq Command13"},
        {"sorted", H::Moderne, "cinq Command13 Command15"}, // light to dark
        {"shuffled", H::Moderne, "cinq Command14"},
        // The viewer gets the count of the option shown, whatever the composer left.
        {"viewer-count", {}, "Command3", [&] { click("trois"), module.NbCouleursContraste = 2; }},
        {"viewer-count-menu", {}, "deux contrast", [&] { module.NbCouleursContraste = 3; }},
        {"composer-count", {}, "quatre composeur Command10"}, // then the picker
        {"manuel", H::Manuel, ""}, // the geometric picker opens; nothing is computed
        {"no-other-window", {}, "Command3", [&] { open({}); }}, // the viewer is not built
    };
    for (const auto& row : rows) {
        open({W::Pro, W::Contraste, W::Compo});
        if (row.type) {
            chooseType(*row.type);
        }
        if (row.prepare) {
            row.prepare();
        }
        run(row.steps);
        expectShown(row.golden);
    }
    auto* model = qobject_cast<QStandardItemModel*>(child<QComboBox>("Combo1")->model());
    EXPECT_FALSE(model->item(10)->isEnabled()) << "nor the picker";
}

TEST_F(Form1Test, EveryTypeOfTheListComputesFromTheBaseColour) {
    for (int n = 2; n <= 5; ++n) {
        click(std::array{"deux", "trois", "quatre", "cinq"}[static_cast<std::size_t>(n - 2)]);
        for (int t = 0; t <= 8; ++t) {
            Palette want = module.harmony(); // the slots above n stay as they are
            test::ScriptedRandom random;
            CalculerHarmonie(want, static_cast<HarmonyType>(t), n, 0, random);
            chooseType(static_cast<HarmonyType>(t));
            EXPECT_EQ(module.harmony(), want) << "type " << t << " n " << n;
        }
    }
    form.reset();
    windows.notifyHandBack(); // the window is gone: nobody listens any more
}

TEST_F(Form1Test, ExportsTheColoursShownAsAPalette) {
    chooseType(HarmonyType::ClassiqueNeutre);
    platform.saveAnswer = dir.filePath("harmonie");
    platform.saveFilterAnswer = "Palette GIMP, Inkscape, Krita (*.gpl)";
    run("exporter");
    QFile file(dir.filePath("harmonie.gpl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the chosen filter's extension is added";
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              "GIMP Palette\nName: Classique neutre\nColumns: 2\n#\n"
              "255   0   0\tCouleur 1\n  0 255 255\tCouleur 2\n");
}

TEST_F(Form1Test, PointerReadOutClickAndClipboard) {
    chooseType(HarmonyType::ClassiqueNeutre);
    auto readOut = [&](const char* name, QPoint at, const QString& hex) {
        hover(name, at);
        return test::waitFor([&] { return text("Label6") == hex; });
    };
    ASSERT_TRUE(readOut("carre2", QPoint(10, 10), "#00FFFF"));
    fromMenu("carre2", QPoint(10, 10), "pressepapier");
    // Neither the move nor the right click changes the clicked colour.
    expectShown("pointer-over-carre2");
    EXPECT_EQ(platform.clipboard, "#00FFFF");
    QTest::mouseClick(child("carre1"), Qt::LeftButton, {}, QPoint(5, 5));
    expectShown("clicked-carre1");

    // The bar reads its segments; the swatches read without touching the preview.
    click("Check2"); // ruler on: the mark at x = 0 is black
    ASSERT_TRUE(readOut("barre", QPoint(child("barre")->width() - 3, 20), "#00FFFF"));
    ASSERT_TRUE(readOut("barre", QPoint(0, 2), "#000000"));
    hover("Picture1", QPoint(20, 20));
    ASSERT_TRUE(test::waitFor([&] { return status() == "R:255 V:0 B:0"; }));
    EXPECT_EQ(text("Label6"), "#000000");
}

TEST_F(Form1Test, BarFollowsDarknessAndRulerAndBordersAreBlackOrNone) {
    click("noir");
    EXPECT_EQ(painted("carre1", {0, 0}), QColor(0, 0, 0));
    EXPECT_EQ(top("carre1"), QColor(255, 0, 0));
    click("sans");
    EXPECT_EQ(painted("carre1", {0, 0}), QColor(255, 0, 0));

    // Black and white: the black segment takes 100/110 of the width.
    run("Slider1=0");
    module.Couleur2 = RGB(255, 255, 255);
    QWidget* barre = child("barre");
    click("Check1");
    const QImage image = barre->grab().toImage();
    const int split = static_cast<int>(std::lround(barre->width() * 100.0 / 110));
    EXPECT_EQ(image.pixelColor(split - 2, 20), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(split + 1, 20), QColor(255, 255, 255));
    click("Check1");
    EXPECT_EQ(barre->grab().toImage().pixelColor(barre->width() / 2 + 1, 20), QColor(Qt::white));
}

TEST_F(Form1Test, StatusBarHelpFollowsThePointer) {
    const char* cases[][2] = {
        {"Command12", "Augmente la luminosité des couleurs calculées de 5%"},
        {"Command7", "Transforme les couleurs pour le web 216"},
        {"Slider2", "Composante verte"},
        {"Command2", "Etape 2 : le composeur de page"},
        {"Frame2", "Permet de choisir le nombre de couleurs"},
        {"total", "Oria 2000 - Cromalune"},
    };
    form->move(0, 0); // the whole window on the small offscreen screen
    for (const auto& c : cases) {
        hover(c[0], QPoint(3, 3));
        EXPECT_TRUE(test::waitFor([&] { return status() == QString::fromUtf8(c[1]); }))
            << c[0] << ": " << status().toStdString();
    }
    child("Combo1")->setFocus();
    EXPECT_TRUE(test::waitFor([&] { return status() == "Choisir le type d'harmonie"; }));
    QTest::mousePress(child("Check2"), Qt::LeftButton);
    EXPECT_EQ(status(), "Affiche les repères");
    QTest::mouseRelease(child("Check2"), Qt::LeftButton);
}

TEST_F(Form1Test, ScrollBarsOnlyWhenTheWindowIsSmaller) {
    // At the size it opens with, everything shows without bars (the start-up snapshot).
    QWidget* total = child("total");
    form->resize(300, 300);
    ASSERT_TRUE(test::waitFor([&] { return form->width() == 300; }));
    expectShown("small-window"); // both bars, and the corner between them
    // At the far end of both bars the whole content has been in view.
    auto* hsb = child<QScrollBar>("hsb");
    auto* vsb = child<QScrollBar>("vsb");
    hsb->setValue(hsb->maximum());
    vsb->setValue(vsb->maximum());
    EXPECT_LE(total->geometry().right(), child("frame")->width() - vsb->width());
    EXPECT_LE(total->geometry().bottom(), child("frame")->height() - hsb->height());
    hsb->setValue(0);
    EXPECT_EQ(total->x(), 8);
    QWheelEvent up({5, 5}, {}, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false); // one notch
    QApplication::sendEvent(child("frame"), &up);
    EXPECT_EQ(vsb->value(), vsb->maximum() - vsb->pageStep() / 2);
    // The corner between the bars hides whatever scrolls under it.
    const QPoint corner = child("pctCoin")->geometry().center();
    for (int step = 0; step <= 8; ++step) {
        hsb->setValue(hsb->maximum() * step / 8), vsb->setValue(vsb->maximum() * step / 8);
        EXPECT_EQ(painted("frame", corner), form->palette().window().color()) << step;
    }
}

TEST_F(Form1Test, SplashOnLoadAboutTipsAndClosing) {
    EXPECT_GE(platform.randomSource.reseeds, 1) << "the base colour drawn from a fresh seed";
    EXPECT_EQ(module.RetourDialogue, 1);
    EXPECT_FALSE(module.AproposMenu);
    run("apropos");
    EXPECT_TRUE(module.AproposMenu);
    EXPECT_EQ(windows.splashes, (std::vector<bool>{true, false})) << "timed on load only";

    platform.settings["Show Tips at Startup"] = "0";
    run("astuces");
    EXPECT_EQ(platform.settings["Show Tips at Startup"], "1");
    EXPECT_EQ(windows.tipsShown, 1);

    form->close();
    EXPECT_EQ(windows.unloads, 1);
}

// Any conversion will do to see where it applies: this one swaps red and blue.
void swapRedBlue(QImage& image, int) {
    image = image.rgbSwapped();
}

TEST_F(Form1Test, VisionPaintsAsSimulatedButHoldsAndReadsTheRealColours) {
    platform.settings["Vision"] = "deuteranopie";
    vision = std::make_unique<VisionChoice>(platform, swapRedBlue);
    windows.setVisionChoice(vision.get());
    vision->restore();
    EXPECT_EQ(vision->current(), 2) << "the setting kept from the last run";
    vision->setCurrent(0);
    open(windows.available);
    EXPECT_EQ(top("carre1"), QColor(255, 0, 0));

    run("vision_protanopie");
    EXPECT_EQ(platform.settings["Vision"], "protanopie");
    expectShown("vision-protanopie"); // painted blue, read and held red
    run("vision_normale");
    expectShown("vision-normale"); // the title and the painting back to normal
}

TEST_F(Form1Test, UndoBringsEveryStepBackAsItWasAndRedoDoesItAgain) {
    // The content; the status bar's help and read-out follow the pointer, not the steps.
    const auto seen = [this] {
        const Palette h = module.harmony();
        return test::Seen{form->centralWidget()->grab().toImage(),
                          {h[0], h[1], h[2], h[3], h[4], std::lround(module.ReglageFin * 10),
                           module.NbCouleursContraste}};
    };
    const Palette received{RGB(1, 2, 3), RGB(40, 50, 60), RGB(7, 8, 9), 0, 0};
    platform.randomSource = test::ScriptedRandom({0.2, 0.6, 0.9});
    platform.colourAnswers = {RGB(20, 120, 200)}; // for "Choisir ..." only
    const test::UndoRow rows[] = {
        {"Couleur de base",
         [&] {
             slide("Slider2", {60, 140});
         }},
        {"Couleur de base",
         [&] { // key presses, as the slider reports them
             slider("Slider1")->triggerAction(A::SliderPageStepSub);
             slider("Slider1")->triggerAction(A::SliderSingleStepSub);
         }},
        doing("Choisir ...", "Command1"),
        doing("Aléatoire", "Command4"),
        {"Type d'harmonie", [&] { QTest::keyClick(child("Combo1"), Qt::Key_Down); }},
        doing("4 couleurs", "quatre"),
        {"Réglage fin",
         [&] {
             slide("Slider4", {30, 55});
         }},
        doing("Zéro", "Command6"),
        doing("Lum. moins", "Command11"),
        doing("Sat. plus", "Command8"),
        doing("Cycler", "Command13"),
        doing("Mélanger", "Command14"),
        doing("Classer par lum.", "Command15"),
        doing("Web safe", "websafe"),
        doing("Re-calculer", "Command5"),
        doing("2 couleurs", "deux"),
        {"Couleurs reçues", [&] { handBack(received); }},
        doing("Aléatoire", "menualeatoire"),
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(form.get(), seen, row, [this] {
            return platform.randomSource.drawn() + platform.colourDialogStarts.size() +
                   platform.questions.size();
        });
    }
}

TEST_F(Form1Test, UndoKeyStepsMergeWithinASecondAndTheHistoryKeepsAHundred) {
    auto* undo = child<QAction>("annuler");
    auto press = [&](int afterMs, A::SliderAction step) {
        platform.clock = platform.clock.addMSecs(afterMs);
        slider("Slider3")->triggerAction(step);
    };
    press(0, A::SliderSingleStepAdd);
    press(900, A::SliderSingleStepAdd);
    EXPECT_EQ(form->history().stack()->count(), 1);
    press(2000, A::SliderSingleStepAdd);
    EXPECT_EQ(form->history().stack()->count(), 2);
    for (int i = 0; i < 120; ++i) {
        press(2000, i % 2 ? A::SliderSingleStepAdd : A::SliderSingleStepSub);
    }
    for (int i = 0; i < 100; ++i) {
        undo->trigger();
    }
    EXPECT_FALSE(undo->isEnabled()) << "a hundred steps kept";
    EXPECT_EQ(text("Label5").toStdString(), "3") << "back to the 22nd of 122 steps";

    run("retablir");
    click("Command12");
    expectShown("new-step-after-redo"); // it drops what could have been redone
    click("Command4"); // fine tuning unlocked; keys on two sliders at once are two steps
    press(0, A::SliderSingleStepAdd), slider("Slider4")->triggerAction(A::SliderSingleStepAdd);
    EXPECT_EQ(undo->text(), QStringLiteral("&Annuler : Réglage fin"));
}

} // namespace
} // namespace oria
