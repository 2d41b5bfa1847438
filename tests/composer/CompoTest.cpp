#include "composer/Compo.h"
#include "composer/PageDocument.h"
#include "composer/PageViews.h"
#include "platform/QtPlatform.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/UndoCheck.h"
#include "support/WindowDriver.h"
#include "widgets/ColourReadout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace oria {
namespace {

using W = WindowDirectory::Window;
const Palette kHarmony{RGB(10, 10, 10), RGB(250, 240, 230), RGB(200, 0, 0), RGB(0, 90, 0),
                       RGB(0, 0, 160)};
// What the other windows hand back.
constexpr Colour kA = RGB(1, 0, 0), kB = RGB(2, 0, 0), kC = RGB(3, 0, 0), kD = RGB(4, 0, 0),
                 kE = RGB(5, 0, 0), kF = RGB(6, 0, 0), kG = RGB(7, 0, 0), kH = RGB(8, 0, 0);

// The composer opened from the harmony window; helpers read what the user sees.
class CompoTest : public test::WindowTest {
protected:
    void SetUp() override { open(5); }
    void open(int n, const Palette& harmony = kHarmony) {
        module = Module1{};
        windows.shownModal.clear();
        given.clear();
        module.setHarmony(harmony);
        module.NbCouleursCompo = n;
        compo = std::make_unique<Compo>(module, platform, windows);
        compo->show();
        drive(compo.get());
    }
    // The window against tests/golden/composer/<name>.txt, with what the page shows only in
    // its picture (the title's and text's colours, whether the title is painted in its own),
    // the zone selected, what the window hands to the others and the messages it gave.
    void snap(const QString& name) {
        auto* view = child<PageView>("Picture3");
        const PageView::Page& p = view->page();
        const auto* logo = view->findChild<PageText*>("logo");
        const QImage title = view->grab().toImage().copy(logo->geometry());
        int titlePixels = 0;
        for (int i = 0; i < title.width() * title.height(); ++i) {
            titlePixels +=
                title.pixel(i % title.width(), i / title.width()) == ToQColor(logo->colour()).rgb();
        }
        const char* painted = titlePixels > 20 ? "oui" : titlePixels > 0 ? "à peine" : "non";
        QString s = test::DescribeWindow(compo.get());
        s += QString::asprintf("page cercle %d carré %d texte %d logo \"%s\"\nzone choisie %d\n",
                               p.cercle, p.carre, p.texte, qUtf8Printable(p.logo),
                               compo->selectedZone() ? int(Index(*compo->selectedZone())) : -1);
        s += QString::asprintf("titre en %s peint %s, texte en %s\n",
                               HexText(logo->colour()).c_str(), painted,
                               HexText(view->findChild<PageText*>("texte")->colour()).c_str());
        for (const Colour c : {module.CouleurFond, module.CouleurTexte, module.CouleurTitre,
                               module.CouleurDecors1, module.CouleurDecors2}) {
            s += QStringLiteral("publié %1\n").arg(HexQString(c));
        }
        s += QString::asprintf("visibles %d %d %d %d\n", module.VisibleTexte, module.VisibleTitre,
                               module.VisibleDecors1, module.VisibleDecors2);
        for (const W w : windows.shownModal) {
            s += QStringLiteral("fenêtre %1\n").arg(int(w));
        }
        for (const auto& message : platform.messages) {
            s += QStringLiteral("message \"%1\"\n").arg(message.text);
        }
        s += given;
        test::ExpectGolden("composer/" + name, s.replace(dir.path(), QStringLiteral("<dossier>")));
    }

    std::unique_ptr<Compo> compo;
    QString given; // what the last window opened was handed
};

// Each row from a window just opened: what the user does (a control's name clicks it or runs
// its command, "name@x,y" presses there), then what the window shows.
TEST_F(CompoTest, WhatTheWindowShowsAfterEachScenario) {
    // A page whose boxes are all cleared: the circle ends selected, as by "Tous visibles".
    PageDocument hidden{.name = PageNameBytes("x")};
    hidden.boiteVisible = hidden.titreVisible = hidden.texteVisible = hidden.cercleVisible = false;
    open(3);
    compo->OuvrirPage(hidden);
    snap("boxes-page-with-all-hidden");

    // fond #AAAAAA, titre and texte #969696
    const Palette greys{RGB(150, 150, 150), RGB(170, 170, 170), RGB(200, 0, 0), RGB(0, 90, 0),
                        RGB(0, 0, 160)};
    const struct {
        const char* golden;
        int n;
        const char* steps;
        Palette harmony = kHarmony;
    } rows[] = {
        // Zones without a harmony colour are grey; their boxes cleared and locked.
        {"opens-with-2-colours", 2, ""},
        {"opens-with-3-colours", 3, ""},
        {"opens-with-4-colours", 4, ""},
        {"opens-with-5-colours", 5, ""},
        {"boxes-circle-ticked", 2, "Check4"}, // no harmony colour: grey, and selected
        {"boxes-title-cleared", 2, "Check4 Check2"},
        {"boxes-title-ticked", 2, "Check4 Check2 Check2"},
        // The selected zone's box cleared: none selected, a pick changes no zone, but the
        // indicator still moves, and the shade grid's base.
        {"boxes-pick-with-no-zone", 2, "Check4 Check2 Check2 Check2 Check12 Picture1@2,2"},
        // "Tous visibles" runs the boxes' rules boite, titre, texte, cercle: the circle ends
        // selected.
        {"boxes-all-ticked", 2, "Check11"},
        {"title-and-text-cleared", 5, "Check11 Check2 Check3"},   // the title emptied, not hidden
        {"picks-palette-top-right", 5, "Check12 Picture1@230,2"}, // rouge 127
        // The shade grid's base is the colour picked last, shaded by the third slider; a shade
        // pick does not move it.
        {"picks-shade-base", 5, "Check12 Picture1@2,230 VScroll3=200 Option7 Picture2@2,2"},
        {"picks-swatch", 5, "Option7 shape4@10,10"},
        // The tools recolour every zone, the disabled ones too; "Web Safe" after "Choisir ...".
        {"tools-random", 2, "Command1"},
        {"tools-web-safe", 2, "Command10 Command8"},
        {"tools-web-safe-again", 2, "Command10 Command8 Command10 Command8"},
        {"tools-white-text", 2, "Command7"},
        {"tools-black-text", 2, "Command7 Command6"},
        {"picks-black", 2, "Command7 Command6 shape5@10,10 shape6@10,10"}, // black is read too
        // The box is sent to the viewer as the third colour, which comes back to the circle.
        {"exchange-contrast-back", 5, "Command4"},
        {"exchange-pro-back", 5, "Command4 Command2"},
        {"exchange-charter-published", 5, "Check11 Check1 Command11"}, // the box hidden
        // Fond not modifiable: the colours go by name, accents and case aside, then to the
        // modifiable zones in order; none left for the circle.
        {"colours-imported", 5, "Check10 Check9 importer"},
        // The legibility panel follows the page (no circle with two colours), corrects a text
        // in one step; the circle shown brings its pairs. The target chosen is kept.
        {"legibility-grey-on-grey", 2, "", greys},
        {"legibility-text-corrected", 2, "Corriger1", greys},
        {"legibility-correction-undone", 2, "Corriger1 annuler", greys},
        {"legibility-circle-lc60", 2, "Check4 Cible=5", greys},
    };
    platform.openAnswer = file("marque.gpl", "GIMP Palette\n1 2 3 BOÎTE\n4 5 6 Accent\n7 8 9\n");
    windows.available = {W::Charte};
    windows.modalAnswer = true;
    windows.whileModal = [this](W w) {
        if (w == W::Contraste) {
            given += QString::asprintf("donné %d couleurs, la troisième %s\n",
                                       module.NbCouleursContraste,
                                       qUtf8Printable(HexQString(module.Couleur3)));
            std::tie(module.Couleur1, module.Couleur2, module.Couleur3) = std::tuple(kA, kB, kC);
        } else if (w == W::Pro) {
            module.setHarmony({kD, kE, kF, kG, kH});
        }
    };
    for (const auto& row : rows) {
        std::vector<double> draws(15, 0.5);
        draws[3] = 0.1;
        platform.randomSource = test::ScriptedRandom(draws);
        platform.colourAnswers = {RGB(25, 26, 230), RGB(229, 51, 0)};
        open(row.n, row.harmony);
        run(row.steps);
        snap(row.golden);
    }
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc60");
}

TEST_F(CompoTest, SwatchesCopyToTheClipboardGridsDoNot) {
    fromMenu("shape2", QPoint(10, 10), "pressepapier");
    EXPECT_EQ(platform.clipboard, "#FAF0E6");
    const ZoneColours before = compo->zoneColours();
    pick("Picture2", QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(compo->zoneColours(), before) << "right clicks on the grids do nothing";
}

TEST_F(CompoTest, PageExportedSavedAndOpenedAgain) {
    open(3); // the circle is not on the page: the palette leaves it out
    platform.saveAnswer = dir.filePath("page.css");
    run("exporter");
    QFile css(platform.saveAnswer);
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    test::ExpectGolden("composer/exported-page-css", QString::fromUtf8(css.readAll()));

    click("Check3"); // text hidden
    platform.saveAnswer = dir.filePath("Été");
    click("Command5");
    snap("page-saved");

    open(5);
    platform.openAnswer = dir.filePath("Été.ori");
    click("Command9");
    snap("page-opened-again"); // as saved, the text hidden

    // A refused document says why and changes nothing.
    click("Check11"); // change something the bad file must not undo
    platform.openAnswer = file("court.ori", QByteArray(100, ' '));
    click("Command9");
    snap("page-refused"); // the colours as saved, every box ticked
}

// Cancelled: nothing changes, and the harmony lent to the viewer is given back.
TEST_F(CompoTest, CancelledViewerChangesNothing) {
    windows.whileModal = [this](W) { module.setHarmony({kA, kB, kC, kD, kE}); };
    click("Command4");
    snap("viewer-cancelled"); // as opened, the viewer asked for
    EXPECT_EQ(module.harmony(), kHarmony);
}

TEST_F(CompoTest, EveryChangeOfThePageIsUndoneAndRedone) {
    // Each step's answers are ready before: only its own action asks for them.
    platform.colourAnswers.push_back(RGB(5, 150, 250));
    platform.randomSource = test::ScriptedRandom({0.3, 0.7, 0.1, 0.9, 0.5});
    PageDocument automne{.name = PageNameBytes("Automne"), .fond = RGB(250, 240, 200)};
    automne.texte = RGB(60, 30, 10);
    automne.titreVisible = automne.tousVisibles = false;
    platform.openAnswer = file("automne.ori", EncodePageDocument(automne));
    windows.available = {W::Pro, W::Contraste};
    windows.modalAnswer = true;
    windows.whileModal = [this](W) { module.setHarmony({kA, kB, kC, kD, kE}); };
    // The zones' colours are in the picture, on their swatches.
    auto seen = [this] {
        return test::Seen{compo->centralWidget()->grab().toImage(),
                          {module.CouleurFond, module.CouleurTexte, module.CouleurTitre,
                           module.CouleurDecors1, module.CouleurDecors2,
                           static_cast<long long>(qHash(compo->windowTitle()))}};
    };
    // The pointer's read-out follows it before the press: a view, not part of the pick.
    auto picking = [this](const char* step, const char* source, QPoint at, const char* views = "") {
        return test::UndoRow{
            step, [=, this] { QTest::mousePress(child(source), Qt::LeftButton, {}, at); },
            [=, this] {
                run(views);
                hover(source, at);
            }};
    };
    const test::UndoRow rows[] = {
        picking("Couleur fond", "Picture1", {10, 12}),
        picking("Couleur fond", "Picture2", {40, 30}, "Check12"),
        picking("Couleur fond", "shape4", {5, 5}),
        picking("Couleur cercle", "Picture4", {5, 5}, "Option4"),
        doing("Choisir ...", "Command10"),
        doing("Web Safe", "Command8"),
        doing("Blanc", "Command7"),
        doing("Noir", "Command6"),
        doing("Aléatoire", "Command1"),
        doing("Tous visibles", "Check11"),
        doing("Visible", "Check2"),
        doing("Tous modifiables", "Check10"),
        doing("Modif.", "Check9"),
        doing("Razezev Aru 1.0", "Command2"),
        doing("Vizozudu 1.0", "Command4"),
        doing("Ouvrir", "Command9"),
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(compo.get(), seen, row, [this] {
            return platform.randomSource.drawn() + platform.colourDialogStarts.size() +
                   platform.fileFilters.size() + windows.shownModal.size();
        });
    }
}

TEST_F(CompoTest, PagesComeInByDropAndRecentList) {
    // A page dropped on the window opens; the recent list offers it, newest first.
    const PageDocument hiver{.name = PageNameBytes("Hiver"), .fond = RGB(230, 240, 250)};
    const QString path = file("hiver.ori", EncodePageDocument(hiver));
    drop(path);
    snap("page-dropped");
    platform.saveAnswer = dir.filePath("copie");
    click("Command5");
    emit child<QMenu>("fichiers")->aboutToShow();
    snap("page-dropped-and-saved"); // copie.ori, then hiver.ori

    ASSERT_TRUE(QFile::remove(path));
    child<QMenu>("recentes")->actions()[1]->trigger();
    emit child<QMenu>("fichiers")->aboutToShow();
    snap("recent-page-gone"); // said, and no longer offered
}

} // namespace
} // namespace oria
