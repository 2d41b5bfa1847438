#include "composer/Compo.h"
#include "composer/PageDocument.h"
#include "composer/PageViews.h"
#include "contrast/Proposals.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/UndoCheck.h"
#include "widgets/ColourReadout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oria {
namespace {

using W = WindowDirectory::Window;
const Palette kHarmony{RGB(10, 10, 10), RGB(250, 240, 230), RGB(200, 0, 0), RGB(0, 90, 0),
                       RGB(0, 0, 160)};
constexpr Colour kGrey = RGB(128, 128, 128);

class CompoTest : public ::testing::Test {
protected:
    void open(int n) {
        test::application();
        module.setHarmony(kHarmony);
        module.NbCouleursCompo = n;
        compo = std::make_unique<Compo>(module, platform, windows);
        compo->show();
    }
    template <class T = QWidget> T* child(const QString& name) {
        T* w = compo->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(5, 5));
    }
    bool ticked(const char* name) { return child<QCheckBox>(name)->isChecked(); }
    bool enabled(const char* name) { return child(name)->isEnabled(); }
    Colour zone(Zone z) { return compo->zoneColours()[Index(z)]; }
    void pick(const char* source, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseMove(child(source), at);
        QTest::mousePress(child(source), b, {}, at);
    }

    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    std::unique_ptr<Compo> compo;
};

TEST_F(CompoTest, OpensWithTheHarmonyOnThePage) {
    const struct {
        int n;
        ZoneColours zones; // fond, cercle, boite, titre, texte
        std::vector<const char*> disabled, cleared, locked;
    } cases[] = {
        {2,
         {kHarmony[1], kGrey, kGrey, kHarmony[0], kHarmony[0]},
         {"shape3", "shape4", "Option4", "Option5"},
         {"Check10", "Check11", "Check4", "Check6", "Check1", "Check7"},
         {}},
        {3,
         {kHarmony[1], kGrey, kHarmony[2], kHarmony[0], kHarmony[0]},
         {"shape3", "Option4"},
         {"Check10", "Check11", "Check4", "Check6"},
         {}},
        {5,
         {kHarmony[1], kHarmony[2], kHarmony[4], kHarmony[3], kHarmony[0]},
         {},
         {},
         {"Check1", "Check2", "Check3", "Check4", "Check5", "Check9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        open(c.n);
        EXPECT_EQ(compo->zoneColours(), c.zones);
        EXPECT_EQ(child<QLabel>("Label11")->text(), QStringLiteral("%1 couleurs").arg(c.n));
        EXPECT_EQ(child<QLabel>("html1")->text(), HexQString(kHarmony[1]));
        for (const char* name : c.disabled) {
            EXPECT_FALSE(enabled(name)) << name;
        }
        for (const char* name : c.cleared) {
            EXPECT_FALSE(ticked(name)) << name;
        }
        for (const char* name : c.locked) {
            EXPECT_TRUE(ticked(name) && !enabled(name)) << name;
        }
        const PageView::Page& page = child<PageView>("Picture3")->page();
        EXPECT_EQ(page.cercle, c.n == 5);
        EXPECT_EQ(page.carre, c.n >= 3);
        EXPECT_EQ(page.logo, "Cromalune");
        EXPECT_EQ(compo->selectedZone(), Zone::Fond);
        EXPECT_EQ(module.CouleurFond, kHarmony[1]);
        EXPECT_EQ(module.CouleurDecors1, c.zones[Index(Zone::Cercle)]);
    }
}

TEST_F(CompoTest, VisibleBoxesShowHideAndSelect) {
    open(2);
    child<QCheckBox>("Check4")->click(); // the circle the harmony had no colour for
    EXPECT_TRUE(child<PageView>("Picture3")->page().cercle);
    EXPECT_EQ(zone(Zone::Cercle), kGrey);
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);
    EXPECT_TRUE(enabled("shape3"));
    child<QCheckBox>("Check2")->click();
    EXPECT_EQ(child<PageView>("Picture3")->page().logo, "");
    child<QCheckBox>("Check2")->click();
    EXPECT_EQ(child<PageView>("Picture3")->page().logo, "Cromalune");
    EXPECT_EQ(compo->selectedZone(), Zone::Titre);

    // Clearing the selected zone's box leaves none selected: a pick changes no zone.
    child<QCheckBox>("Check2")->click();
    EXPECT_EQ(compo->selectedZone(), std::nullopt);
    const ZoneColours before = compo->zoneColours();
    child<QCheckBox>("Check12")->click(); // "auto"
    pick("Picture1", QPoint(2, 2));
    EXPECT_EQ(compo->zoneColours(), before);
    EXPECT_EQ(child<QLabel>("Label13")->text(), "#7F0000") << "the indicator still moves";
    EXPECT_EQ(child<QSlider>("VScroll1")->value(), 127) << "and the shade grid's base";
}

// "Tous visibles" runs the boxes' rules boite, titre, texte, cercle: the circle ends selected.
TEST_F(CompoTest, TousVisiblesRunsTheFourRulesInTheBoxesOrder) {
    open(2);
    child<QCheckBox>("Check11")->click();
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);

    open(3);
    PageDocument page;
    page.name = PageNameBytes("x");
    page.boiteVisible = page.titreVisible = page.texteVisible = page.cercleVisible = false;
    compo->OuvrirPage(page);
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);
    EXPECT_EQ(compo->visibleFlags(), (ZoneFlags{true, true, true, true, true}));
}

// The title and the body text are the page's own controls, found by name like the others.
TEST_F(CompoTest, TitleAndTextAreNamedControlsOfThePage) {
    open(5);
    auto* page = child<PageView>("Picture3");
    auto* logo = page->findChild<PageText*>("logo");
    auto* texte = page->findChild<PageText*>("texte");
    ASSERT_TRUE(logo && texte);
    auto titlePixels = [&] {
        const QImage shown = page->grab().toImage().copy(logo->geometry());
        int n = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                n += FromQColor(shown.pixelColor(x, y)) == logo->colour();
            }
        }
        return n;
    };
    EXPECT_EQ(logo->text(), "Cromalune");
    EXPECT_EQ(logo->colour(), kHarmony[3]);
    EXPECT_EQ(texte->colour(), kHarmony[0]);
    EXPECT_FALSE(texte->text().isEmpty());
    EXPECT_GT(titlePixels(), 20) << "painted in the title's colour";

    child<QCheckBox>("Check11")->click(); // unlock the boxes
    child<QCheckBox>("Check2")->click();
    child<QCheckBox>("Check3")->click();
    EXPECT_TRUE(logo->text().isEmpty());
    EXPECT_FALSE(logo->isHidden()) << "emptied, not hidden";
    EXPECT_TRUE(texte->isHidden());
    EXPECT_EQ(titlePixels(), 0);
}

TEST_F(CompoTest, PicksFromGridsIndicatorAndSwatches) {
    open(5);
    child<QCheckBox>("Check12")->click(); // "auto"
    pick("Picture1", QPoint(230, 2));     // palette grid, rouge 127: top right
    EXPECT_EQ(zone(Zone::Fond), RGB(127, 0, 255));
    EXPECT_EQ(child<QLabel>("html1")->text(), "#7F00FF");
    EXPECT_EQ(child<QLabel>("Label6")->text(), "0");
    EXPECT_EQ(child<QLabel>("Label7")->text(), "255");
    pick("Picture1", QPoint(2, 230)); // bottom left
    EXPECT_EQ(zone(Zone::Fond), RGB(127, 255, 0));
    child<QRadioButton>("Option7")->click();
    pick("Picture2", QPoint(2, 2)); // the shade grid of the picked colour: its base
    EXPECT_EQ(zone(Zone::Texte), RGB(127, 255, 0));
    EXPECT_EQ(child<QSlider>("VScroll2")->value(), 255) << "a shade pick does not move the base";
    pick("shape4", QPoint(10, 10)); // a swatch gives its colour
    EXPECT_EQ(zone(Zone::Texte), kHarmony[4]);

    pick("shape2", QPoint(10, 10), Qt::RightButton);
    auto* menu = child<QMenu>("transfert");
    EXPECT_TRUE(test::waitFor([&] { return menu->isVisible(); }));
    menu->findChild<QAction*>("pressepapier")->trigger();
    menu->close();
    EXPECT_EQ(platform.clipboard, "#7FFF00");
    const ZoneColours before = compo->zoneColours();
    pick("Picture2", QPoint(10, 10), Qt::RightButton);
    EXPECT_EQ(compo->zoneColours(), before) << "right clicks on the grids do nothing";
}

TEST_F(CompoTest, ToolsRecolourEveryZone) {
    open(2);
    std::vector<double> draws(15, 0.5);
    draws[3] = 0.1;
    platform.randomSource = test::ScriptedRandom(draws);
    click("Command1");
    EXPECT_EQ(zone(Zone::Cercle), RGB(25, 128, 128)) << "disabled zones too";
    EXPECT_FALSE(child<PageView>("Picture3")->page().cercle);

    const struct {
        Colour before, after;
    } webSafe[] = {{RGB(25, 26, 230), RGB(0, 51, 255)}, {RGB(229, 51, 0), RGB(204, 51, 0)}};
    for (const auto& w : webSafe) {
        platform.colourAnswers = {w.before};
        click("Command10"); // "Choisir ..." into the selected zone, fond
        click("Command8");
        EXPECT_EQ(zone(Zone::Fond), w.after);
    }
    click("Command7");
    EXPECT_EQ(zone(Zone::Texte), RGB(255, 255, 255));
    click("Command6");
    EXPECT_EQ(child<QLabel>("html5")->text(), "#000000");
}

TEST_F(CompoTest, PageSavedAndOpenedAgainIsTheSamePage) {
    open(3);
    child<QCheckBox>("Check3")->click(); // text hidden
    const QTemporaryDir dir;
    platform.saveAnswer = dir.filePath("Été");
    click("Command5");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(compo->windowTitle().trimmed(), "Roverevod 1.0 - Été");
    const ZoneColours saved = compo->zoneColours();
    const ZoneFlags visible = compo->visibleFlags();

    open(5);
    platform.openAnswer = dir.filePath("Été.ori");
    click("Command9");
    EXPECT_EQ(compo->zoneColours(), saved);
    EXPECT_EQ(compo->visibleFlags(), visible);
    EXPECT_FALSE(child<PageView>("Picture3")->page().texte);
    EXPECT_TRUE(compo->windowTitle().startsWith("Roverevod 1.0 - Été   "));

    // A refused document says why and changes nothing.
    QFile bad(dir.filePath("court.ori"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(100, ' '));
    bad.close();
    click("Check11"); // change something the bad file must not undo
    platform.openAnswer = bad.fileName();
    const ZoneFlags now = compo->visibleFlags();
    click("Command9");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("court.ori"));
    EXPECT_EQ(compo->visibleFlags(), now);
    EXPECT_EQ(compo->zoneColours(), saved);
}

TEST_F(CompoTest, ExportsTheZonesShownAsAPalette) {
    open(3); // the circle is not on the page
    const QTemporaryDir dir;
    platform.saveAnswer = dir.filePath("page.css");
    compo->findChild<QAction*>("exporter")->trigger();
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString css = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(css.contains("--fond: #faf0e6;")) << css.toStdString();
    EXPECT_TRUE(css.contains("--boite: #c80000;"));
    EXPECT_FALSE(css.contains("--cercle"));
    EXPECT_LT(css.indexOf("--fond"), css.indexOf("--texte"));
}

TEST_F(CompoTest, ExchangesWithTheOtherWindows) {
    windows.available = {W::Charte};
    open(5);
    windows.modalAnswer = true;
    windows.whileModal = [this](W w) {
        if (w == W::Contraste) {
            EXPECT_EQ(module.NbCouleursContraste, 3);
            EXPECT_EQ(module.Couleur3, zone(Zone::Boite)) << "the box is sent as the third colour";
            module.Couleur1 = RGB(1, 0, 0);
            module.Couleur2 = RGB(2, 0, 0);
            module.Couleur3 = RGB(3, 0, 0);
        } else {
            module.setHarmony(
                {RGB(4, 0, 0), RGB(5, 0, 0), RGB(6, 0, 0), RGB(7, 0, 0), RGB(8, 0, 0)});
        }
    };
    click("Command4");
    EXPECT_EQ(compo->zoneColours(),
              (ZoneColours{RGB(1, 0, 0), RGB(3, 0, 0), kHarmony[4], kHarmony[3], RGB(2, 0, 0)}))
        << "the third colour comes back to the circle";
    click("Command2");
    EXPECT_EQ(compo->zoneColours(),
              (ZoneColours{RGB(5, 0, 0), RGB(7, 0, 0), RGB(8, 0, 0), RGB(6, 0, 0), RGB(4, 0, 0)}));
    EXPECT_EQ(windows.shownModal, (std::vector<W>{W::Contraste, W::Pro}));

    // Cancelled: nothing changes, and the harmony lent to the viewer is given back.
    windows.modalAnswer = false;
    module.setHarmony(kHarmony);
    const ZoneColours before = compo->zoneColours();
    click("Command4");
    EXPECT_EQ(compo->zoneColours(), before);
    EXPECT_EQ(module.harmony(), kHarmony);

    child<QCheckBox>("Check11")->click();
    child<QCheckBox>("Check1")->click(); // the box hidden
    click("Command11");
    EXPECT_EQ(windows.shownModal.back(), W::Charte);
    EXPECT_EQ(module.VisibleDecors2, 0);
    EXPECT_EQ(module.VisibleDecors1, 1);
    EXPECT_EQ(module.CouleurDecors2, zone(Zone::Boite)) << "published all the same";
}

} // namespace
} // namespace oria

namespace oria {
namespace {

TEST_F(CompoTest, EveryChangeOfThePageIsUndoneAndRedone) {
    open(5);
    auto hover = [this](const char* source, QPoint at) { QTest::mouseMove(child(source), at); };
    auto press = [this](const char* source, QPoint at) {
        QTest::mousePress(child(source), Qt::LeftButton, {}, at);
    };
    const QTemporaryDir dir;
    PageDocument document;
    document.name = PageNameBytes("Automne");
    document.fond = RGB(250, 240, 200);
    document.texte = RGB(60, 30, 10);
    document.titreVisible = document.tousVisibles = false;
    const QString path = dir.filePath("automne.ori");
    ASSERT_EQ(WritePageDocument(path, document), std::nullopt);
    windows.available = {W::Pro, W::Contraste};
    windows.modalAnswer = true;
    windows.whileModal = [this](W) {
        module.setHarmony({RGB(11, 22, 33), RGB(44, 55, 66), RGB(77, 88, 99), RGB(1, 2, 3),
                           RGB(4, 5, 6)});
    };
    auto seen = [this] {
        test::Seen s{compo->centralWidget()->grab().toImage(), {}};
        for (Colour c : compo->zoneColours()) {
            s.extra.push_back(c);
        }
        for (Colour c : {module.CouleurFond, module.CouleurTexte, module.CouleurTitre,
                         module.CouleurDecors1, module.CouleurDecors2}) {
            s.extra.push_back(c);
        }
        s.extra.push_back(qHash(compo->windowTitle()));
        return s;
    };
    const test::UndoRow rows[] = {
        // The pointer's read-out follows it before the press: a view, not part of the pick.
        {"Couleur fond", [&] { press("Picture1", QPoint(10, 12)); },
         [&] { hover("Picture1", QPoint(10, 12)); }},
        {"Couleur fond", [&] { press("Picture2", QPoint(40, 30)); },
         [&] {
             click("Check12");
             hover("Picture2", QPoint(40, 30));
         }},
        {"Couleur fond", [&] { press("shape4", QPoint(5, 5)); }, [&] { hover("shape4", {5, 5}); }},
        {"Couleur cercle", [&] { press("Picture4", QPoint(5, 5)); },
         [&] {
             click("Option4");
             hover("Picture4", QPoint(5, 5));
         }},
        {"Choisir ...",
         [&] {
             platform.colourAnswers.push_back(RGB(5, 150, 250));
             click("Command10");
         }},
        {"Web Safe", [&] { click("Command8"); }},
        {"Blanc", [&] { click("Command7"); }},
        {"Noir", [&] { click("Command6"); }},
        {"Aléatoire",
         [&] {
             platform.randomSource = test::ScriptedRandom({0.3, 0.7, 0.1, 0.9, 0.5});
             click("Command1");
         }},
        {"Tous visibles", [&] { click("Check11"); }},
        {"Visible", [&] { click("Check2"); }},
        {"Tous modifiables", [&] { click("Check10"); }},
        {"Modif.", [&] { click("Check9"); }},
        {"Razezev Aru 1.0", [&] { click("Command2"); }},
        {"Vizozudu 1.0", [&] { click("Command4"); }},
        {"Ouvrir",
         [&] {
             platform.openAnswer = path;
             click("Command9");
         }},
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(compo.get(), seen, row, [this] {
            return static_cast<long long>(platform.randomSource.drawn() +
                                          platform.colourDialogStarts.size() +
                                          platform.fileFilters.size() + windows.shownModal.size());
        });
    }
}

} // namespace
} // namespace oria

namespace oria {
namespace {

TEST_F(CompoTest, ColoursAndPagesComeInByMenuDropAndRecentList) {
    open(5);
    const QTemporaryDir dir;
    QFile gpl(dir.filePath("marque.gpl"));
    ASSERT_TRUE(gpl.open(QIODevice::WriteOnly));
    gpl.write("GIMP Palette\n1 2 3 BOÎTE\n4 5 6 Accent\n7 8 9\n");
    gpl.close();
    child<QCheckBox>("Check10")->click(); // unlock "Modif."
    child<QCheckBox>("Check9")->click();  // fond not modifiable: the others skip it

    platform.openAnswer = gpl.fileName();
    child<QAction>("importer")->trigger();
    ZoneColours want = compo->zoneColours();
    EXPECT_EQ(want[Index(Zone::Boite)], RGB(1, 2, 3)) << "by name, accents and case aside";
    EXPECT_EQ(want[Index(Zone::Texte)], RGB(4, 5, 6)) << "then the modifiable zones in order";
    EXPECT_EQ(want[Index(Zone::Titre)], RGB(7, 8, 9));
    EXPECT_EQ(want[Index(Zone::Fond)], kHarmony[1]);
    EXPECT_EQ(want[Index(Zone::Cercle)], kHarmony[2]) << "no colour left for it";
    EXPECT_EQ(child<QAction>("annuler")->text(), "&Annuler : Importer des couleurs");
    EXPECT_EQ(child<QAction>("importer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));

    // A page dropped on the window opens; the recent list offers it, newest first.
    PageDocument page;
    page.name = PageNameBytes("Hiver");
    page.fond = RGB(230, 240, 250);
    const QString path = dir.filePath("hiver.ori");
    ASSERT_EQ(WritePageDocument(path, page), std::nullopt);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, {});
    static_cast<QObject*>(compo.get())->event(&drop); // as the drag manager delivers it
    EXPECT_EQ(zone(Zone::Fond), RGB(230, 240, 250));
    EXPECT_EQ(child<QAction>("annuler")->text(), "&Annuler : Ouvrir");
    platform.saveAnswer = dir.filePath("copie");
    click("Command5");
    auto* recent = child<QMenu>("recentes");
    emit child<QMenu>("fichiers")->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), "copie.ori");
    EXPECT_EQ(recent->actions()[1]->text(), "hiver.ori");

    ASSERT_TRUE(QFile::remove(path));
    recent->actions()[1]->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("n'existe plus"));
    emit child<QMenu>("fichiers")->aboutToShow();
    EXPECT_EQ(recent->actions().size(), 1);
}

} // namespace
} // namespace oria

namespace oria {
namespace {

TEST(TextPairs, TextsOnWhatLiesUnderThem) {
    const ZoneFlags all{true, true, true, true, true};
    ZoneFlags noCircle = all;
    noCircle[Index(Zone::Cercle)] = false;
    ZoneFlags noText = all;
    noText[Index(Zone::Texte)] = false;
    using P = TextPair;
    const struct {
        ZoneFlags visible;
        bool title;
        std::vector<TextPair> pairs;
    } cases[] = {
        // The box lies left of both texts; the circle crosses both.
        {all, true,
         {P{Zone::Texte, Zone::Fond}, P{Zone::Texte, Zone::Cercle}, P{Zone::Titre, Zone::Fond},
          P{Zone::Titre, Zone::Cercle}}},
        {noCircle, true, {P{Zone::Texte, Zone::Fond}, P{Zone::Titre, Zone::Fond}}},
        {noText, false, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextPairs(c.visible, c.title), c.pairs);
    }
}

TEST_F(CompoTest, LegibilityPanelFollowsThePageAndCorrectsAText) {
    module.setHarmony({RGB(150, 150, 150), RGB(170, 170, 170), RGB(200, 0, 0), RGB(0, 90, 0),
                       RGB(0, 0, 160)});
    module.NbCouleursCompo = 2; // fond #AAAAAA, titre and texte #969696
    test::application();
    compo = std::make_unique<Compo>(module, platform, windows);
    compo->show();
    EXPECT_EQ(child<QLabel>("Paire1")->text(), "texte sur fond");
    EXPECT_EQ(child<QLabel>("Paire2")->text(), "titre sur fond");
    EXPECT_FALSE(child("Paire3")->isVisibleTo(compo.get())) << "no circle with two colours";
    EXPECT_TRUE(child<QLabel>("Mesure1")->text().contains("AA&nbsp;✗"));
    auto* corriger = child<QPushButton>("Corriger1");
    ASSERT_TRUE(corriger->isVisibleTo(compo.get()) && corriger->isEnabled());

    const Proposal p = ProposeText(RGB(150, 150, 150), RGB(170, 170, 170), ContrastTarget::Aa);
    QTest::mouseClick(corriger, Qt::LeftButton);
    EXPECT_EQ(zone(Zone::Texte), p.colour);
    EXPECT_TRUE(child<QLabel>("Mesure1")->text().contains("AA&nbsp;✓"));
    EXPECT_FALSE(corriger->isVisibleTo(compo.get()));
    EXPECT_EQ(child<QAction>("annuler")->text(), "&Annuler : Corriger");
    child<QAction>("annuler")->trigger();
    EXPECT_EQ(zone(Zone::Texte), RGB(150, 150, 150));

    // The circle shown brings its pairs; the target chosen is kept.
    child<QCheckBox>("Check4")->click();
    EXPECT_EQ(child<QLabel>("Paire2")->text(), "texte sur cercle");
    auto* cible = child<QComboBox>("Cible");
    cible->setCurrentIndex(cible->findText("Lc 60"));
    emit cible->activated(cible->currentIndex());
    EXPECT_TRUE(child<QLabel>("Mesure1")->text().startsWith("Lc "));
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc60");
}

} // namespace
} // namespace oria
