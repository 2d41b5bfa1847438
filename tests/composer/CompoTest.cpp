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
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace oria {
namespace {

using W = WindowDirectory::Window;
const Palette kHarmony{RGB(10, 10, 10), RGB(250, 240, 230), RGB(200, 0, 0), RGB(0, 90, 0),
                       RGB(0, 0, 160)};
constexpr Colour kGrey = RGB(128, 128, 128);
// What the other windows hand back.
constexpr Colour kA = RGB(1, 0, 0), kB = RGB(2, 0, 0), kC = RGB(3, 0, 0), kD = RGB(4, 0, 0),
                 kE = RGB(5, 0, 0), kF = RGB(6, 0, 0), kG = RGB(7, 0, 0), kH = RGB(8, 0, 0);

// The composer opened from the harmony window; helpers read what the user sees.
class CompoTest : public ::testing::Test {
protected:
    void open(int n, const Palette& harmony = kHarmony) {
        test::application();
        module.setHarmony(harmony);
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
    bool enabled(const char* name) { return child(name)->isEnabled(); }
    bool shown(const char* name) { return child(name)->isVisibleTo(compo.get()); }
    QString text(const char* name) { return child<QLabel>(name)->text(); }
    QString undoText() { return child<QAction>("annuler")->text(); }
    Colour zone(Zone z) { return compo->zoneColours()[Index(z)]; }
    const PageView::Page& page() { return child<PageView>("Picture3")->page(); }
    void hover(const char* source, QPoint at) { QTest::mouseMove(child(source), at); }
    void pick(const char* source, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        hover(source, at);
        QTest::mousePress(child(source), b, {}, at);
    }
    void choose(const char* combo, const char* item) {
        auto* box = child<QComboBox>(combo);
        box->setCurrentIndex(box->findText(item));
        emit box->activated(box->currentIndex());
    }
    static PageDocument document(const char* name, Colour fond) {
        PageDocument page;
        page.name = PageNameBytes(name);
        page.fond = fond;
        return page;
    }
    QString write(const char* file, const QByteArray& bytes) {
        QFile out(dir.filePath(file));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return out.fileName();
    }
    QString save(const char* file, const PageDocument& page) {
        EXPECT_EQ(WritePageDocument(dir.filePath(file), page), std::nullopt);
        return dir.filePath(file);
    }

    const QTemporaryDir dir;
    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    std::unique_ptr<Compo> compo;
};

TEST_F(CompoTest, OpensWithTheHarmonyOnThePage) {
    const ZoneColours zones[] = {
        // fond, cercle, boite, titre, texte
        {kHarmony[1], kGrey, kGrey, kHarmony[0], kHarmony[0]},
        {kHarmony[1], kGrey, kHarmony[2], kHarmony[0], kHarmony[0]},
        {kHarmony[1], kHarmony[2], kHarmony[4], kHarmony[3], kHarmony[0]},
    };
    const struct {
        int n;
        QString disabled, cleared, locked;
    } cases[] = {
        {2, "shape3 shape4 Option4 Option5", "Check10 Check11 Check4 Check6 Check1 Check7", ""},
        {3, "shape3 Option4", "Check10 Check11 Check4 Check6", ""},
        {5, "", "", "Check1 Check2 Check3 Check4 Check5 Check9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        open(c.n);
        const ZoneColours& want = zones[&c - cases];
        EXPECT_EQ(compo->zoneColours(), want);
        EXPECT_EQ(text("Label11"), QStringLiteral("%1 couleurs").arg(c.n));
        EXPECT_EQ(text("html1"), HexQString(kHarmony[1]));
        for (const QString& name : c.disabled.split(' ', Qt::SkipEmptyParts)) {
            EXPECT_FALSE(child(name)->isEnabled()) << name.toStdString();
        }
        for (const QString& name : c.cleared.split(' ', Qt::SkipEmptyParts)) {
            EXPECT_FALSE(child<QCheckBox>(name)->isChecked()) << name.toStdString();
        }
        for (const QString& name : c.locked.split(' ', Qt::SkipEmptyParts)) {
            EXPECT_TRUE(child<QCheckBox>(name)->isChecked() && !child(name)->isEnabled())
                << name.toStdString();
        }
        EXPECT_EQ(page().cercle, c.n == 5);
        EXPECT_EQ(page().carre, c.n >= 3);
        EXPECT_EQ(page().logo, "Cromalune");
        EXPECT_EQ(compo->selectedZone(), Zone::Fond);
        EXPECT_EQ(module.CouleurFond, kHarmony[1]);
        EXPECT_EQ(module.CouleurDecors1, want[Index(Zone::Cercle)]);
    }
}

TEST_F(CompoTest, VisibleBoxesShowHideAndSelect) {
    open(2);
    click("Check4"); // the circle the harmony had no colour for
    EXPECT_TRUE(page().cercle);
    EXPECT_EQ(zone(Zone::Cercle), kGrey);
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);
    EXPECT_TRUE(enabled("shape3"));
    click("Check2");
    EXPECT_EQ(page().logo, "");
    click("Check2");
    EXPECT_EQ(page().logo, "Cromalune");
    EXPECT_EQ(compo->selectedZone(), Zone::Titre);

    // Clearing the selected zone's box leaves none selected: a pick changes no zone.
    click("Check2");
    EXPECT_EQ(compo->selectedZone(), std::nullopt);
    const ZoneColours before = compo->zoneColours();
    click("Check12"); // "auto"
    pick("Picture1", QPoint(2, 2));
    EXPECT_EQ(compo->zoneColours(), before);
    EXPECT_EQ(text("Label13"), "#7F0000") << "the indicator still moves";
    EXPECT_EQ(child<QSlider>("VScroll1")->value(), 127) << "and the shade grid's base";

    // "Tous visibles" runs the boxes' rules boite, titre, texte, cercle: the circle ends
    // selected, whether ticked or read from a page.
    open(2);
    click("Check11");
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);
    open(3);
    PageDocument hidden = document("x", 0);
    hidden.boiteVisible = hidden.titreVisible = hidden.texteVisible = hidden.cercleVisible = false;
    compo->OuvrirPage(hidden);
    EXPECT_EQ(compo->selectedZone(), Zone::Cercle);
    EXPECT_EQ(compo->visibleFlags(), (ZoneFlags{true, true, true, true, true}));
}

// The title and the body text are the page's own controls, found by name like the others.
TEST_F(CompoTest, TitleAndTextAreNamedControlsOfThePage) {
    open(5);
    auto* view = child<PageView>("Picture3");
    auto* logo = view->findChild<PageText*>("logo");
    auto* texte = view->findChild<PageText*>("texte");
    ASSERT_TRUE(logo && texte);
    auto titlePixels = [&] {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage title = shown.copy(logo->geometry());
        const auto* pixels = reinterpret_cast<const QRgb*>(title.constBits());
        return std::count(pixels, pixels + title.width() * title.height(),
                          ToQColor(logo->colour()).rgb());
    };
    EXPECT_EQ(logo->text(), "Cromalune");
    EXPECT_EQ(logo->colour(), kHarmony[3]);
    EXPECT_EQ(texte->colour(), kHarmony[0]);
    EXPECT_FALSE(texte->text().isEmpty());
    EXPECT_GT(titlePixels(), 20) << "painted in the title's colour";

    click("Check11"); // unlock the boxes
    click("Check2");
    click("Check3");
    EXPECT_TRUE(logo->text().isEmpty());
    EXPECT_FALSE(logo->isHidden()) << "emptied, not hidden";
    EXPECT_TRUE(texte->isHidden());
    EXPECT_EQ(titlePixels(), 0);
}

TEST_F(CompoTest, PicksFromGridsIndicatorAndSwatches) {
    open(5);
    click("Check12");                 // "auto"
    pick("Picture1", QPoint(230, 2)); // palette grid, rouge 127: top right
    EXPECT_EQ(zone(Zone::Fond), RGB(127, 0, 255));
    EXPECT_EQ(text("html1"), "#7F00FF");
    EXPECT_EQ(text("Label6"), "0");
    EXPECT_EQ(text("Label7"), "255");
    pick("Picture1", QPoint(2, 230)); // bottom left
    EXPECT_EQ(zone(Zone::Fond), RGB(127, 255, 0));
    click("Option7");
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
    EXPECT_FALSE(page().cercle);

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
    EXPECT_EQ(text("html5"), "#000000");
}

TEST_F(CompoTest, PageExportedSavedAndOpenedAgain) {
    open(3); // the circle is not on the page: the palette leaves it out
    platform.saveAnswer = dir.filePath("page.css");
    child<QAction>("exporter")->trigger();
    QFile file(platform.saveAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString css = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(css.contains("--fond: #faf0e6;")) << css.toStdString();
    EXPECT_TRUE(css.contains("--boite: #c80000;"));
    EXPECT_FALSE(css.contains("--cercle"));
    EXPECT_LT(css.indexOf("--fond"), css.indexOf("--texte"));

    click("Check3"); // text hidden
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
    EXPECT_FALSE(page().texte);
    EXPECT_TRUE(compo->windowTitle().startsWith("Roverevod 1.0 - Été   "));

    // A refused document says why and changes nothing.
    click("Check11"); // change something the bad file must not undo
    platform.openAnswer = write("court.ori", QByteArray(100, ' '));
    const ZoneFlags now = compo->visibleFlags();
    click("Command9");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("court.ori"));
    EXPECT_EQ(compo->visibleFlags(), now);
    EXPECT_EQ(compo->zoneColours(), saved);
}

TEST_F(CompoTest, ExchangesWithTheOtherWindows) {
    windows.available = {W::Charte};
    open(5);
    windows.modalAnswer = true;
    windows.whileModal = [this](W w) {
        if (w == W::Contraste) {
            EXPECT_EQ(module.NbCouleursContraste, 3);
            EXPECT_EQ(module.Couleur3, zone(Zone::Boite)) << "the box is sent as the third colour";
            std::tie(module.Couleur1, module.Couleur2, module.Couleur3) = std::tuple(kA, kB, kC);
        } else {
            module.setHarmony({kD, kE, kF, kG, kH});
        }
    };
    click("Command4");
    EXPECT_EQ(compo->zoneColours(), (ZoneColours{kA, kC, kHarmony[4], kHarmony[3], kB}))
        << "the third colour comes back to the circle";
    click("Command2");
    EXPECT_EQ(compo->zoneColours(), (ZoneColours{kE, kG, kH, kF, kD}));
    EXPECT_EQ(windows.shownModal, (std::vector<W>{W::Contraste, W::Pro}));

    // Cancelled: nothing changes, and the harmony lent to the viewer is given back.
    windows.modalAnswer = false;
    module.setHarmony(kHarmony);
    const ZoneColours before = compo->zoneColours();
    click("Command4");
    EXPECT_EQ(compo->zoneColours(), before);
    EXPECT_EQ(module.harmony(), kHarmony);

    click("Check11");
    click("Check1"); // the box hidden
    click("Command11");
    EXPECT_EQ(windows.shownModal.back(), W::Charte);
    EXPECT_EQ(module.VisibleDecors2, 0);
    EXPECT_EQ(module.VisibleDecors1, 1);
    EXPECT_EQ(module.CouleurDecors2, zone(Zone::Boite)) << "published all the same";
}

TEST_F(CompoTest, EveryChangeOfThePageIsUndoneAndRedone) {
    open(5);
    // Each step's answers are ready before: only its own action asks for them.
    platform.colourAnswers.push_back(RGB(5, 150, 250));
    platform.randomSource = test::ScriptedRandom({0.3, 0.7, 0.1, 0.9, 0.5});
    PageDocument automne = document("Automne", RGB(250, 240, 200));
    automne.texte = RGB(60, 30, 10);
    automne.titreVisible = automne.tousVisibles = false;
    platform.openAnswer = save("automne.ori", automne);
    windows.available = {W::Pro, W::Contraste};
    windows.modalAnswer = true;
    windows.whileModal = [this](W) {
        module.setHarmony(
            {RGB(11, 22, 33), RGB(44, 55, 66), RGB(77, 88, 99), RGB(1, 2, 3), RGB(4, 5, 6)});
    };
    auto seen = [this] {
        const ZoneColours z = compo->zoneColours();
        test::Seen s{compo->centralWidget()->grab().toImage(), {z.begin(), z.end()}};
        s.extra.insert(s.extra.end(), {module.CouleurFond, module.CouleurTexte, module.CouleurTitre,
                                       module.CouleurDecors1, module.CouleurDecors2});
        s.extra.push_back(qHash(compo->windowTitle()));
        return s;
    };
    auto clicking = [this](const char* step, const char* name) {
        return test::UndoRow{step, [this, name] { click(name); }};
    };
    // The pointer's read-out follows it before the press: a view, not part of the pick.
    auto picking = [this](const char* step, const char* source, QPoint at,
                          const char* first = nullptr) {
        const auto press = [=, this] { QTest::mousePress(child(source), Qt::LeftButton, {}, at); };
        return test::UndoRow{step, press, [=, this] {
                                 if (first) {
                                     click(first);
                                 }
                                 hover(source, at);
                             }};
    };
    const test::UndoRow rows[] = {
        picking("Couleur fond", "Picture1", {10, 12}),
        picking("Couleur fond", "Picture2", {40, 30}, "Check12"),
        picking("Couleur fond", "shape4", {5, 5}),
        picking("Couleur cercle", "Picture4", {5, 5}, "Option4"),
        clicking("Choisir ...", "Command10"),
        clicking("Web Safe", "Command8"),
        clicking("Blanc", "Command7"),
        clicking("Noir", "Command6"),
        clicking("Aléatoire", "Command1"),
        clicking("Tous visibles", "Check11"),
        clicking("Visible", "Check2"),
        clicking("Tous modifiables", "Check10"),
        clicking("Modif.", "Check9"),
        clicking("Razezev Aru 1.0", "Command2"),
        clicking("Vizozudu 1.0", "Command4"),
        clicking("Ouvrir", "Command9"),
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(compo.get(), seen, row, [this] {
            return platform.randomSource.drawn() + platform.colourDialogStarts.size() +
                   platform.fileFilters.size() + windows.shownModal.size();
        });
    }
}

TEST_F(CompoTest, ColoursAndPagesComeInByMenuDropAndRecentList) {
    open(5);
    click("Check10"); // unlock "Modif."
    click("Check9");  // fond not modifiable: the others skip it

    platform.openAnswer = write("marque.gpl", "GIMP Palette\n1 2 3 BOÎTE\n4 5 6 Accent\n7 8 9\n");
    child<QAction>("importer")->trigger();
    EXPECT_EQ(zone(Zone::Boite), RGB(1, 2, 3)) << "by name, accents and case aside";
    EXPECT_EQ(zone(Zone::Texte), RGB(4, 5, 6)) << "then the modifiable zones in order";
    EXPECT_EQ(zone(Zone::Titre), RGB(7, 8, 9));
    EXPECT_EQ(zone(Zone::Fond), kHarmony[1]);
    EXPECT_EQ(zone(Zone::Cercle), kHarmony[2]) << "no colour left for it";
    EXPECT_EQ(undoText(), "&Annuler : Importer des couleurs");
    EXPECT_EQ(child<QAction>("importer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));

    // A page dropped on the window opens; the recent list offers it, newest first.
    const QString path = save("hiver.ori", document("Hiver", RGB(230, 240, 250)));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, {});
    static_cast<QObject*>(compo.get())->event(&drop); // as the drag manager delivers it
    EXPECT_EQ(zone(Zone::Fond), RGB(230, 240, 250));
    EXPECT_EQ(undoText(), "&Annuler : Ouvrir");
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

TEST(TextPairs, TextsOnWhatLiesUnderThem) {
    const ZoneFlags all{true, true, true, true, true};
    ZoneFlags noCircle = all, noText = all;
    noCircle[Index(Zone::Cercle)] = noText[Index(Zone::Texte)] = false;
    using P = TextPair;
    const struct {
        ZoneFlags visible;
        bool title;
        std::vector<TextPair> pairs;
    } cases[] = {
        // The box lies left of both texts; the circle crosses both.
        {all,
         true,
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
    // fond #AAAAAA, titre and texte #969696
    open(2,
         {RGB(150, 150, 150), RGB(170, 170, 170), RGB(200, 0, 0), RGB(0, 90, 0), RGB(0, 0, 160)});
    EXPECT_EQ(text("Paire1"), "texte sur fond");
    EXPECT_EQ(text("Paire2"), "titre sur fond");
    EXPECT_FALSE(shown("Paire3")) << "no circle with two colours";
    EXPECT_TRUE(text("Mesure1").contains("AA&nbsp;✗"));
    ASSERT_TRUE(shown("Corriger1") && enabled("Corriger1"));

    const Proposal p = ProposeText(RGB(150, 150, 150), RGB(170, 170, 170), ContrastTarget::Aa);
    QTest::mouseClick(child("Corriger1"), Qt::LeftButton);
    EXPECT_EQ(zone(Zone::Texte), p.colour);
    EXPECT_TRUE(text("Mesure1").contains("AA&nbsp;✓"));
    EXPECT_FALSE(shown("Corriger1"));
    EXPECT_EQ(undoText(), "&Annuler : Corriger");
    child<QAction>("annuler")->trigger();
    EXPECT_EQ(zone(Zone::Texte), RGB(150, 150, 150));

    // The circle shown brings its pairs; the target chosen is kept.
    click("Check4");
    EXPECT_EQ(text("Paire2"), "texte sur cercle");
    choose("Cible", "Lc 60");
    EXPECT_TRUE(text("Mesure1").startsWith("Lc "));
    EXPECT_EQ(platform.settings.value("Cible de contraste"), "lc60");
}

} // namespace
} // namespace oria
