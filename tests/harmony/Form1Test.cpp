#include "harmony/Form1.h"
#include "harmony/Adjustments.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/UndoCheck.h"
#include "widgets/ColourPicture.h"
#include "widgets/VisionChoice.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSlider>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace oria {
namespace {

using W = WindowDirectory::Window;
constexpr Colour kRed = RGB(255, 0, 0);

// The harmony window over a fresh shared state and a scripted desktop, and what it shows.
class Form1Test : public ::testing::Test {
protected:
    void SetUp() override { open({W::Pro, W::Contraste, W::Compo}); }
    // Opens the window afresh; the random base colour it draws (0.999, 0, 0) is pure red.
    void open(std::set<W> available) {
        test::application();
        platform.randomSource = test::ScriptedRandom({0.999, 0.0, 0.0});
        windows.available = std::move(available);
        form.reset();
        form = std::make_unique<Form1>(module, platform, windows);
        form->show();
    }

    template <class T = QWidget> T* child(const QString& name) {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QAbstractButton* button(const QString& name) { return child<QAbstractButton>(name); }
    QAction* action(const QString& name) { return child<QAction>(name); }
    QSlider* slider(const QString& name) { return child<QSlider>(name); }
    ColourPicture* picture(const QString& name) { return child<ColourPicture>(name); }
    QString text(const QString& name) { return child<QLabel>(name)->text(); }
    QString status() { return text("StatusBar1_Panel1"); }
    QStringList texts(const QStringList& names) {
        QStringList shown;
        for (const QString& name : names) {
            shown << text(name);
        }
        return shown;
    }
    Rgb sliders() {
        return {slider("Slider1")->value(), slider("Slider2")->value(), slider("Slider3")->value()};
    }
    // The colour painted at the middle of the top of a square.
    QColor painted(const QString& name) {
        return picture(name)->grab().toImage().pixelColor(picture(name)->width() / 2, 4);
    }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void chooseType(HarmonyType type) {
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentIndex(static_cast<int>(type));
        emit combo->activated(static_cast<int>(type));
    }
    void chooseBase(Colour c) { // through the colour dialog
        platform.colourAnswers = {c};
        click("Command1");
    }
    QString file(const QString& name, const QByteArray& content) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
        return f.fileName();
    }
    void importFile(const QString& name, const QByteArray& content) {
        platform.openAnswer = file(name, content);
        action("importer")->trigger();
    }
    void handBack(const Palette& colours) { // as another window does
        module.setHarmony(colours);
        windows.notifyHandBack();
    }
    bool fineTuningEnabled() {
        const bool enabled = slider("Slider4")->isEnabled();
        EXPECT_EQ(enabled, button("Command6")->isEnabled());
        EXPECT_EQ(enabled, child<QGroupBox>("Frame5")->isEnabled());
        return enabled;
    }

    const QTemporaryDir dir;
    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    std::unique_ptr<VisionChoice> vision;
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, LoadsWithSplashRandomBaseAndNoHarmonyYet) {
    EXPECT_EQ(windows.splashes, std::vector<bool>{true});
    EXPECT_GE(platform.randomSource.reseeds, 1);
    EXPECT_EQ(module.harmony(), (Palette{kRed, 0, 0, 0, 0}));
    EXPECT_EQ(module.NbCouleursContraste, 2);
    EXPECT_EQ(module.RetourDialogue, 1);
    EXPECT_FALSE(module.AproposMenu);
    EXPECT_EQ(sliders(), (Rgb{255, 0, 0}));
    EXPECT_EQ(
        texts({"Label3", "Label4", "Label1", "Label10", "StatusBar1_Panel1", "StatusBar1_Panel2",
               "StatusBar1_Panel3"}),
        (QStringList{"255", "0", "#FF0000", "0", "Oria 2000 - Cromalune", "06/12/2026", "09:30"}));
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), -1);
    for (const char* name : {"deux", "contrast1", "sans"}) {
        EXPECT_TRUE(button(name)->isChecked()) << name;
    }
    EXPECT_EQ(painted("carre1"), QColor(255, 0, 0));
    EXPECT_EQ(painted("carre2"), QColor(0, 0, 0));
    EXPECT_FALSE(picture("carre3")->isVisible());
}

TEST_F(Form1Test, EveryTypeOfTheListComputesFromTheBaseColour) {
    const char* counts[] = {"deux", "trois", "quatre", "cinq"};
    for (int n = 2; n <= 5; ++n) {
        click(counts[n - 2]);
        for (int t = 0; t <= 8; ++t) {
            chooseType(static_cast<HarmonyType>(t));
            // Computed from the colours shown: the slots above n stay as they are.
            Palette want = module.harmony();
            test::ScriptedRandom random;
            CalculerHarmonie(want, static_cast<HarmonyType>(t), n, 0, random);
            EXPECT_EQ(module.harmony(), want) << "type " << t << " n " << n;
        }
    }
}

// Whatever brings a base colour, its sliders, numbers, text and square follow it.
TEST_F(Form1Test, BaseColourShownWhereverItComesFrom) {
    chooseType(HarmonyType::ClassiqueNeutre);
    const Palette handed{RGB(10, 20, 30), RGB(200, 100, 50), RGB(1, 2, 3), 0, 0};
    const struct {
        const char* how;
        std::function<void()> act;
        Colour base, second;
    } cases[] = {
        {"drag", [&] { slider("Slider2")->setSliderPosition(128); }, RGB(255, 128, 0),
         RGB(0, 127, 255)},
        {"dialog", [&] { chooseBase(RGB(0, 0, 255)); }, RGB(0, 0, 255), RGB(255, 255, 0)},
        // Cancelled: the dialog gives back the start colour.
        {"cancel", [&] { click("Command1"); }, RGB(0, 0, 255), RGB(255, 255, 0)},
        {"one-colour palette", [&] { importFile("une.gpl", "GIMP Palette\n0 128 0 Vert\n"); },
         RGB(0, 128, 0), RGB(128, 0, 128)},
        {"hand back", [&] { handBack(handed); }, handed[0], handed[1]}, // shown, not recomputed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        c.act();
        const Rgb rgb = SplitColour(c.base);
        EXPECT_EQ(module.Couleur1, c.base);
        EXPECT_EQ(module.Couleur2, c.second);
        EXPECT_EQ(sliders(), rgb);
        EXPECT_EQ(
            texts({"Label3", "Label4", "Label5", "Label1"}),
            (QStringList{QString::number(rgb.Rouge), QString::number(rgb.Vert),
                         QString::number(rgb.Bleu), QString::fromStdString(HexText(c.base))}));
        EXPECT_EQ(painted("carre1"), ToQColor(c.base));
        EXPECT_EQ(painted("carre2"), ToQColor(c.second));
    }
    EXPECT_EQ(platform.colourDialogStarts, (std::vector<Colour>{RGB(255, 128, 0), RGB(0, 0, 255)}));
    EXPECT_EQ(module.harmony(), handed);
    form.reset();
    windows.notifyHandBack(); // the window is gone: nobody listens any more
}

TEST_F(Form1Test, FineTuningWidensTheOffsetsAndManualOpensTheGeometricPicker) {
    chooseType(HarmonyType::ClassiqueNeutre);
    slider("Slider4")->setSliderPosition(25);
    EXPECT_DOUBLE_EQ(module.ReglageFin, 2.5);
    EXPECT_EQ(text("Label10"), "25");
    EXPECT_EQ(module.Couleur2, HsvToColour({182.5, 100, 100}));
    click("Command6");
    EXPECT_EQ(module.ReglageFin, 0);
    EXPECT_EQ(slider("Slider4")->value(), 0);
    EXPECT_EQ(text("Label10"), "0");
    EXPECT_EQ(module.Couleur2, RGB(0, 255, 255));

    const Palette before = module.harmony();
    chooseType(HarmonyType::Manuel);
    EXPECT_EQ(windows.shown, std::vector<W>{W::Pro});
    EXPECT_EQ(module.harmony(), before);
}

TEST_F(Form1Test, ExportsTheColoursShownAsAPalette) {
    chooseType(HarmonyType::ClassiqueNeutre);
    platform.saveAnswer = dir.filePath("harmonie");
    platform.saveFilterAnswer = "Palette GIMP, Inkscape, Krita (*.gpl)";
    EXPECT_EQ(action("exporter")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    action("exporter")->trigger();
    QFile file(dir.filePath("harmonie.gpl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the chosen filter's extension is added";
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              "GIMP Palette\nName: Classique neutre\nColumns: 2\n#\n"
              "255   0   0\tCouleur 1\n  0 255 255\tCouleur 2\n");
    platform.saveAnswer = dir.filePath("absent/harmonie.css");
    action("exporter")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("harmonie.css"));
}

TEST_F(Form1Test, ImportsAPaletteFromTheMenuOrADrop) {
    auto expectShown = [&](const std::vector<Colour>& colours) {
        const Palette shown = module.harmony();
        EXPECT_EQ(std::vector<Colour>(shown.begin(), shown.begin() + form->nombreCouleurs()),
                  colours);
        EXPECT_EQ(painted("Picture1"), ToQColor(colours[0]));
        EXPECT_EQ(action("annuler")->text(), "&Annuler : Importer une palette");
    };
    EXPECT_EQ(action("importer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    importFile("trois.gpl", "GIMP Palette\nName: T\n10 20 30 Nuit\n200 100 0 Or\n0 128 255\n");
    EXPECT_TRUE(platform.fileFilters.first().startsWith("Toutes les palettes ("));
    expectShown({RGB(10, 20, 30), RGB(200, 100, 0), RGB(0, 128, 255)});

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file("sept.css", ":root { --a: #010203; --b: #040506; "
                                                       "--c: #070809; --d: #0A0B0C; --e: #0D0E0F; "
                                                       "--f: #101112; }"))});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    static_cast<QObject*>(form.get())->event(&drop); // as the drag manager delivers it
    expectShown({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12), RGB(13, 14, 15)});

    const Palette before = module.harmony();
    importFile("faux.gpl", "pas une palette");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("« faux.gpl »"));
    EXPECT_EQ(module.harmony(), before);
}

TEST_F(Form1Test, CountButtonsGovernDisplayModesAndTheContrastViewer) {
    const struct {
        const char* count;
        bool mode2, mode3, viewer;
        int contraste;
    } cases[] = {
        {"cinq", false, false, false, 2},
        {"quatre", true, false, false, 2},
        {"trois", true, false, true, 3},
        {"deux", true, true, true, 2},
    };
    click("contrast3");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        click(c.count);
        EXPECT_EQ(
            (std::vector<bool>{button("contrast2")->isEnabled(), button("contrast3")->isEnabled(),
                               button("Command3")->isEnabled(), action("contrast")->isEnabled(),
                               action("Recalculer")->isEnabled()}),
            (std::vector<bool>{c.mode2, c.mode3, c.viewer, c.viewer, c.viewer}));
        EXPECT_EQ(module.NbCouleursContraste, c.contraste);
        EXPECT_TRUE(button("contrast1")->isChecked());
    }
    // Five colours in "contraste 1": quadrants C5, C2 / C3, C4 with the base in the middle.
    chooseType(HarmonyType::Special);
    click("cinq");
    for (const char* name : {"carre1", "carre2", "carre3", "carre6", "carre7"}) {
        EXPECT_TRUE(picture(name)->isVisible()) << name;
    }
    EXPECT_FALSE(picture("carre4")->isVisible());
    EXPECT_EQ(painted("carre3"), ToQColor(module.Couleur1));
    EXPECT_EQ(picture("carre1")->backgroundColour(), module.Couleur5);
    EXPECT_EQ(picture("carre6")->backgroundColour(), module.Couleur2);

    click("deux");
    click("contrast3");
    EXPECT_EQ(picture("carre5")->backgroundColour(), module.Couleur2);
    EXPECT_TRUE(picture("carre4")->isVisible());
}

TEST_F(Form1Test, ContrastViewerGetsTheCountOfTheSelectedOption) {
    click("trois");
    module.NbCouleursContraste = 2; // as the composer may leave it
    click("Command3");
    EXPECT_EQ(module.NbCouleursContraste, 3);
    click("deux");
    action("contrast")->trigger();
    EXPECT_EQ(module.NbCouleursContraste, 2);
    click("quatre");
    action("composeur")->trigger();
    EXPECT_EQ(module.NbCouleursCompo, 4);
    click("Command10");
    EXPECT_EQ(windows.shown, (std::vector<W>{W::Contraste, W::Contraste, W::Compo, W::Pro}));
}

TEST_F(Form1Test, WindowsNotBuiltKeepTheirCommandsDisabled) {
    open({});
    for (const char* name : {"Command10", "Command3", "Command2"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    for (const char* name : {"palette", "contrast", "composeur"}) {
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    }
    auto* model = qobject_cast<QStandardItemModel*>(child<QComboBox>("Combo1")->model());
    EXPECT_FALSE(model->item(10)->isEnabled());
    button("Command3")->click();
    EXPECT_TRUE(windows.shown.empty());
}

TEST_F(Form1Test, AdjustmentsChangeColoursInPlaceAndLockTheFineTuning) {
    chooseType(HarmonyType::Moderne);
    const struct {
        const char* command;
        void (*adjust)(Palette&);
    } cases[] = {
        {"Command12", &HarmonieLumPlus}, {"Command11", &HarmonieLumMoins},
        {"Command8", &HarmonieSatPlus},  {"Command9", &HarmonieSatMoins},
        {"Command7", &HarmonieWebSafe},
    };
    for (const auto& c : cases) {
        click("Command4"); // re-enables the fine tuning
        ASSERT_TRUE(fineTuningEnabled());
        Palette want = module.harmony();
        c.adjust(want);
        click(c.command);
        EXPECT_EQ(module.harmony(), want) << c.command;
        EXPECT_FALSE(fineTuningEnabled()) << c.command;
    }
    // The menu's "Aléatoire" draws a base colour but leaves the fine tuning locked.
    action("menualeatoire")->trigger();
    EXPECT_FALSE(fineTuningEnabled());
    click("Command4");
    EXPECT_TRUE(fineTuningEnabled());
    action("websafe")->trigger();
    EXPECT_FALSE(fineTuningEnabled());
    click("trois");
    EXPECT_TRUE(fineTuningEnabled());
}

TEST_F(Form1Test, CyclerMovesTheSlidersWithoutRecomputing) {
    chooseType(HarmonyType::Moderne);
    click("cinq");
    const Palette before = module.harmony();
    click("Command13");
    EXPECT_EQ(module.harmony(), (Palette{before[4], before[0], before[1], before[2], before[3]}));
    EXPECT_EQ(sliders(), SplitColour(module.Couleur1));
    EXPECT_EQ(text("Label1"), QString::fromStdString(HexText(before[4])));
    for (int i = 0; i < 4; ++i) {
        click("Command13");
    }
    EXPECT_EQ(module.harmony(), before);

    click("Command15"); // light to dark
    Palette sorted = before;
    HarmonieClasser(sorted, 5);
    EXPECT_EQ(module.harmony(), sorted);
    click("Command14");
    EXPECT_NE(module.harmony(), sorted);
}

TEST_F(Form1Test, RecalculerAsksFirst) {
    chooseType(HarmonyType::Moderne);
    const Palette computed = module.harmony();
    click("Command12");
    const Palette adjusted = module.harmony();

    platform.yesNoAnswer = false;
    click("Command5");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].title, "Oria 2000 - Re-calculer");
    EXPECT_EQ(platform.questions[0].text,
              "Le re-calcul des harmonies va annuler toutes les modifications. Continuer ? ");
    EXPECT_EQ(platform.questions[0].icon, Platform::Icon::Warning);
    EXPECT_EQ(module.harmony(), adjusted);
    EXPECT_FALSE(fineTuningEnabled());

    platform.yesNoAnswer = true;
    action("Recalculer")->trigger();
    EXPECT_EQ(platform.questions.size(), 2u);
    // Colours 2..n are computed afresh; the hidden slots keep the adjustment.
    EXPECT_EQ(module.harmony(),
              (Palette{computed[0], computed[1], adjusted[2], adjusted[3], adjusted[4]}));
    EXPECT_TRUE(fineTuningEnabled());
}

TEST_F(Form1Test, PointerReadOutClickAndClipboard) {
    chooseType(HarmonyType::ClassiqueNeutre);
    auto readOut = [&](const char* name, QPoint at, const QString& hex) {
        QTest::mouseMove(picture(name), at);
        return test::waitFor([&] { return text("Label6") == hex; });
    };
    ASSERT_TRUE(readOut("carre2", QPoint(10, 10), "#00FFFF"));
    EXPECT_EQ(status(), "R:0 V:255 B:255");
    EXPECT_EQ(picture("visu")->backgroundColour(), RGB(0, 255, 255));
    EXPECT_EQ(text("Label11"), "#FFFFFF") << "a move does not change the clicked colour";

    QTest::mouseClick(picture("carre2"), Qt::RightButton, {}, QPoint(10, 10));
    auto* menu = child<QMenu>("transfert");
    ASSERT_TRUE(test::waitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(text("Label11"), "#FFFFFF") << "a right click does not change it either";
    action("pressepapier")->trigger();
    menu->hide();
    EXPECT_EQ(platform.clipboard, "#00FFFF");

    QTest::mouseClick(picture("carre1"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(text("Label11"), "#FF0000");
    EXPECT_EQ(picture("Picture2")->backgroundColour(), kRed);

    // The bar reads its segments; the swatches read without touching the preview.
    click("Check2"); // ruler on: the mark at x = 0 is black
    ASSERT_TRUE(readOut("barre", QPoint(picture("barre")->width() - 3, 20), "#00FFFF"));
    ASSERT_TRUE(readOut("barre", QPoint(0, 2), "#000000"));
    QTest::mouseMove(picture("Picture1"), QPoint(20, 20));
    ASSERT_TRUE(test::waitFor([&] { return status() == "R:255 V:0 B:0"; }));
    EXPECT_EQ(text("Label6"), "#000000");
}

TEST_F(Form1Test, BarFollowsDarknessAndRulerAndBordersAreBlackOrNone) {
    click("noir");
    EXPECT_EQ(picture("carre1")->grab().toImage().pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(painted("carre1"), QColor(255, 0, 0));
    click("sans");
    EXPECT_EQ(picture("carre1")->grab().toImage().pixelColor(0, 0), QColor(255, 0, 0));

    // Black and white: the black segment takes 100/110 of the width.
    chooseBase(RGB(0, 0, 0));
    module.Couleur2 = RGB(255, 255, 255);
    ColourPicture* barre = picture("barre");
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
    for (const auto& [name, help] : cases) {
        QTest::mouseMove(child(name), QPoint(3, 3));
        EXPECT_TRUE(test::waitFor([&] { return status() == QString::fromUtf8(help); }))
            << name << ": " << status().toStdString();
    }
    child("Combo1")->setFocus();
    EXPECT_TRUE(test::waitFor([&] { return status() == "Choisir le type d'harmonie"; }));
    QTest::mousePress(child("Check2"), Qt::LeftButton);
    EXPECT_EQ(status(), "Affiche les repères");
    QTest::mouseRelease(child("Check2"), Qt::LeftButton);
}

TEST_F(Form1Test, ScrollBarsOnlyWhenTheWindowIsSmaller) {
    QWidget* total = child("total");
    auto* hsb = child<QScrollBar>("hsb");
    auto* vsb = child<QScrollBar>("vsb");
    auto bars = [&] {
        return std::vector<bool>{hsb->isVisible(), vsb->isVisible(), child("pctCoin")->isVisible()};
    };
    form->resize(1000, 1000);
    ASSERT_TRUE(test::waitFor([&] { return form->width() == 1000; }));
    EXPECT_EQ(bars(), std::vector<bool>(3, false));
    EXPECT_EQ(total->pos(), QPoint(8, 8));

    form->resize(300, 300);
    ASSERT_TRUE(test::waitFor([&] { return form->width() == 300; }));
    EXPECT_EQ(bars(), std::vector<bool>(3, true));
    // At the far end of both bars the whole content has been in view.
    hsb->setValue(hsb->maximum());
    vsb->setValue(vsb->maximum());
    QWidget* frame = total->parentWidget();
    EXPECT_LE(total->geometry().right(), frame->width() - vsb->width());
    EXPECT_LE(total->geometry().bottom(), frame->height() - hsb->height());
    EXPECT_LT(total->x(), 8);
    hsb->setValue(0);
    EXPECT_EQ(total->x(), 8);
}

TEST_F(Form1Test, MenusAboutTipsAndClosing) {
    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
    } items[] = {
        {"quiter", "&Quiter", {}},
        {"palette", "&Palette avancée", Qt::Key_F5},
        {"contrast", "C&ontrast 2/3 couleurs", Qt::Key_F6},
        {"websafe", "Couleurs &web safe", Qt::Key_F7},
        {"menualeatoire", "&Aléatoire", Qt::Key_F8},
        {"Recalculer", "&Re-calculer", Qt::Key_F12},
        {"composeur", "&Roverevod", Qt::Key_F9},
        {"aideharmony", "&Aide de Oria 2000", Qt::Key_F1},
        {"astuces", "A&stuces d'Oria 2000", Qt::Key_F2},
        {"apropos", "A &propos d'Oria 2000", {}},
        {"pressepapier", "Copier dans presse-papier", {}},
    };
    for (const auto& item : items) {
        EXPECT_EQ(action(item.name)->text(), QString::fromUtf8(item.text)) << item.name;
        EXPECT_EQ(action(item.name)->shortcut(), item.key) << item.name;
    }

    action("apropos")->trigger();
    EXPECT_TRUE(module.AproposMenu);
    EXPECT_EQ(windows.splashes, (std::vector<bool>{true, false}));

    platform.settings["Show Tips at Startup"] = "0";
    action("astuces")->trigger();
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
    EXPECT_EQ(painted("carre1"), QColor(255, 0, 0));

    action("vision_protanopie")->trigger();
    EXPECT_EQ(platform.settings["Vision"], "protanopie");
    EXPECT_EQ(form->windowTitle(), "Oria 2000 — Simulation : protanopie");
    EXPECT_EQ(painted("carre1"), QColor(0, 0, 255)) << "painted";
    EXPECT_EQ(picture("carre1")->colourAt({picture("carre1")->width() / 2, 4}), kRed) << "read";
    EXPECT_EQ(module.Couleur1, kRed) << "held";
    EXPECT_TRUE(action("vision_protanopie")->isChecked());

    action("vision_normale")->trigger();
    EXPECT_EQ(form->windowTitle(), "Oria 2000");
    EXPECT_EQ(painted("carre1"), QColor(255, 0, 0));
}

class Form1Undo : public Form1Test {
protected:
    test::Seen seen() {
        // The content; the status bar's help and read-out follow the pointer, not the steps.
        const Palette h = module.harmony();
        return {form->centralWidget()->grab().toImage(),
                {h[0], h[1], h[2], h[3], h[4], std::lround(module.ReglageFin * 10),
                 module.NbCouleursContraste}};
    }
    long long outside() {
        return static_cast<long long>(platform.randomSource.drawn() +
                                      platform.colourDialogStarts.size() +
                                      platform.questions.size());
    }
    // A drag of the thumb and key presses, as the slider reports them.
    void drag(const char* name, int from, int to) {
        slider(name)->setSliderDown(true);
        slider(name)->setSliderPosition(from);
        slider(name)->setSliderPosition(to);
        slider(name)->setSliderDown(false);
    }
    template <class... Action> void keys(const char* name, Action... actions) {
        (slider(name)->triggerAction(actions), ...);
    }
};

TEST_F(Form1Undo, EveryStepComesBackAsItWasAndGoesAgain) {
    using A = QAbstractSlider;
    const Palette received{RGB(1, 2, 3), RGB(40, 50, 60), RGB(7, 8, 9), 0, 0};
    platform.randomSource = test::ScriptedRandom({0.2, 0.6, 0.9});
    const test::UndoRow rows[] = {
        {"Couleur de base", [&] { drag("Slider2", 60, 140); }},
        {"Couleur de base", [&] { keys("Slider1", A::SliderPageStepSub, A::SliderSingleStepSub); }},
        {"Choisir ...", [&] { chooseBase(RGB(20, 120, 200)); }},
        {"Aléatoire", [&] { click("Command4"); }},
        {"Type d'harmonie", [&] { QTest::keyClick(child("Combo1"), Qt::Key_Down); }},
        {"4 couleurs", [&] { click("quatre"); }},
        {"Réglage fin", [&] { drag("Slider4", 30, 55); }},
        {"Zéro", [&] { click("Command6"); }},
        {"Lum. moins", [&] { click("Command11"); }},
        {"Sat. plus", [&] { click("Command8"); }},
        {"Cycler", [&] { click("Command13"); }},
        {"Mélanger", [&] { click("Command14"); }},
        {"Classer par lum.", [&] { click("Command15"); }},
        {"Web safe", [&] { action("websafe")->trigger(); }},
        {"Re-calculer", [&] { click("Command5"); }},
        {"2 couleurs", [&] { click("deux"); }},
        {"Couleurs reçues", [&] { handBack(received); }},
        {"Aléatoire", [&] { action("menualeatoire")->trigger(); }},
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(
            form.get(), [this] { return seen(); }, row, [this] { return outside(); });
    }
}

TEST_F(Form1Undo, KeyStepsMergeWithinASecondAndTheHistoryKeepsAHundred) {
    auto* undo = action("annuler");
    auto press = [&](int afterMs, QAbstractSlider::SliderAction step) {
        platform.clock = platform.clock.addMSecs(afterMs);
        slider("Slider3")->triggerAction(step);
    };
    press(0, QAbstractSlider::SliderSingleStepAdd);
    press(900, QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->history().stack()->count(), 1);
    press(2000, QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->history().stack()->count(), 2);
    for (int i = 0; i < 120; ++i) {
        press(2000,
              i % 2 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    }
    int undone = 0;
    while (undo->isEnabled()) {
        undo->trigger();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(text("Label5").toStdString(), "3") << "back to the 22nd of 122 steps";

    action("retablir")->trigger();
    click("Command12"); // a new step drops what could have been redone
    EXPECT_FALSE(action("retablir")->isEnabled());
    EXPECT_EQ(undo->text().toStdString(), "&Annuler : Lum. plus");
}

} // namespace
} // namespace oria
