#include "palettepro/Pro.h"
#include "palettepro/DominantColours.h"
#include "palettepro/PlanePainter.h"
#include "palettepro/PlanePicture.h"
#include "platform/PictureFile.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/UndoCheck.h"
#include "support/WindowDriver.h"

#include <QFileInfo>
#include <QPainter>
#include <QProgressBar>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace oria {
namespace {

constexpr Colour kGrey = RGB(128, 128, 128);
const Palette kHarmony{RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), -1, RGB(10, 20, 30)};

class ProTest : public test::WindowTest {
protected:
    void SetUp() override { open(); }
    // A fresh window on the harmony's colours.
    void open() {
        module.setHarmony(kHarmony);
        module.RetourDialogue = 7;
        handBacks = 0;
        windows.setHandBackListener([this] { ++handBacks; });
        pro = std::make_unique<Pro>(module, platform, windows);
        pro->show();
        drive(pro.get());
        plane = pro->findChild<PlanePicture*>("Picture1");
    }

    void snap(const QString& name) { test::ExpectWindowGolden("palettepro/" + name, pro.get()); }
    const Palette& colours() { return pro->ProCouleurs(); }
    // A point of the plane, in twips, on the picture.
    static QPoint at(double x, double y) {
        return QPoint(PlanePixel(x) + PlanePicture::kInset, PlanePixel(y) + PlanePicture::kInset);
    }
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(plane, b, {}, p); }
    void move(QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseMove, p, plane->mapToGlobal(p), Qt::NoButton, held, {});
        QApplication::sendEvent(plane, &e);
    }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(plane, b, {}, p);
    }
    // Pressed at the first point, moved through the others, released at the last.
    template <class... Points> void drag(QPoint first, Points... then) {
        press(first);
        QPoint last = first;
        ((move(then), last = then), ...);
        release(last);
    }
    // A box stretched from (1500, 1500) to (2400, 1950), then moved with the right button held
    // as well until its far corner is at (3000, 3000); the left button stays down.
    void boxMovedWithTheRightButton() {
        press(at(1500, 1500));
        move(at(2400, 1950));
        press(at(2400, 1950), Qt::RightButton);
        move(at(3000, 3000), Qt::LeftButton | Qt::RightButton);
        release(at(3000, 3000), Qt::RightButton);
    }
    // The colour painted in the middle of a square.
    Colour square(const char* name) {
        return FromQColor(painted(name, {child(name)->width() / 2, child(name)->height() / 2}));
    }
    bool planeIs(Resolution r, PlaneMode m, int level) {
        return plane->plane() == PaintPlane(GenererPlan(r, m, level));
    }
    // A picture of one colour, saved in the test's folder.
    QString saved(const char* name, int w, int h, QColor colour) {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(colour);
        return saved(name, picture);
    }
    QString saved(const char* name, const QImage& picture) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(picture.save(path)) << name;
        return path;
    }

    int handBacks = 0;
    std::unique_ptr<Pro> pro;
    PlanePicture* plane = nullptr;
};

TEST_F(ProTest, OpensOnTheDesignDefaultsWithTheSharedColours) {
    snap("opened");
    EXPECT_EQ(module.RetourDialogue, 0);
    EXPECT_TRUE(planeIs(Resolution::Basse, PlaneMode::Saturation, 100));
    // Slots in their row order; a negative colour shows, and is kept, as grey.
    const char* squares[] = {"Picture3", "Picture7", "Picture4", "Picture5", "Picture6"};
    const Palette shown{kHarmony[0], kHarmony[1], kHarmony[2], kGrey, kHarmony[4]};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(square(squares[i]), shown[i]) << squares[i];
    }
    EXPECT_EQ(colours(), shown);
}

// One move after another: what the window shows after each, the plane then generated, once
// per ring on the progress bar, or the one before kept when none is.
TEST_F(ProTest, ResolutionModeLevelAndReadoutControls) {
    std::vector<int> progress;
    QObject::connect(child<QProgressBar>("bar1"), &QProgressBar::valueChanged,
                     [&](int v) { progress.push_back(v); });
    using R = Resolution;
    using M = PlaneMode;
    using A = QAbstractSlider;
    const struct {
        const char* golden;
        const char* steps;
        std::function<void()> act = {}; // after the steps
        int level = -1;                 // of the plane generated; -1: none
        R resolution = R::Haute;
        M mode = M::Luminosite;
    } steps[] = {
        {"readout-square", "", [&] { hover("Picture4", QPoint(10, 10)); }},
        {"readout-plane", "", [&] { move(at(2625, 2625), Qt::NoButton); }}, // its colour
        // "Rect. dep." shows nothing without a drag; outside the plane nothing is read.
        {"readout-rect-dep", "Option10",
         [&] {
             move(at(2625, 4400), Qt::NoButton);
             move(at(6000, 100), Qt::NoButton);
         }},
        {"les-2", "Option5", {}, 100, R::Basse, M::Les2},       // no level
        {"les-2-haute", "Option1", {}, 100, R::Haute, M::Les2}, // its frame, not it
        {"level-95", "Option4", [&] { slider("Slider1")->triggerAction(A::SliderPageStepSub); },
         95},
        {"level-100", "Command4", {}, 100},
        {"level-100", "Command4"}, // already at 100
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.golden);
        progress.clear();
        const qint64 key = plane->plane().cacheKey();
        run(s.steps);
        if (s.act) {
            s.act();
        }
        snap(s.golden);
        if (s.level < 0) {
            EXPECT_EQ(plane->plane().cacheKey(), key) << "not generated again";
            continue;
        }
        EXPECT_TRUE(planeIs(s.resolution, s.mode, s.level));
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(*std::max_element(progress.begin(), progress.end()),
                  s.mode == M::Les2 ? 102 : 101);
        EXPECT_EQ(progress.back(), 0);
    }
    // The colour under the pointer, copied from the square's menu.
    hover("Picture4", QPoint(12, 12));
    EXPECT_EQ(square("Picture2"), RGB(0, 0, 255));
    fromMenu("Picture4", QPoint(12, 12), "pressepapier");
    EXPECT_EQ(platform.clipboard, "#0000FF");
}

// Under a simulated vision the plane's conversion is kept and only the figure's pixels are
// converted at each move: the screen still shows the whole overlay converted, pixel for pixel.
TEST_F(ProTest, EveryDraggedFigureErasesItselfAndShowsConvertedUnderASimulatedVision) {
    const auto filter = [](QImage& image) { image.invertPixels(); };
    ColourPicture::setDisplayFilter(filter, 7);
    const auto seenConverted = [&] {
        QImage expected = plane->shown().copy();
        filter(expected);
        const QImage seen = plane->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return seen.copy(PlanePicture::kInset, PlanePicture::kInset, expected.width(),
                         expected.height()) == expected;
    };
    const QImage original = plane->plane();
    for (const char* name : {"Option12", "Option14", "Option7", "Option8", "Option13", "Option15",
                             "Option16", "Option10", "Option9"}) {
        SCOPED_TRACE(name);
        click(name);
        press(at(3000, 2000));
        move(at(3600, 2700));
        const QImage once = plane->shown();
        EXPECT_FALSE(once == original) << "a rubber band is drawn";
        EXPECT_TRUE(seenConverted());
        move(at(1800, 3100));
        EXPECT_TRUE(seenConverted());
        move(at(3600, 2700));
        EXPECT_TRUE(plane->shown() == once) << "the older bands are gone";
        EXPECT_TRUE(seenConverted());
        release(at(3600, 2700));
        EXPECT_TRUE(plane->plane() == original) << "the plane itself is never drawn on";
    }
    ColourPicture::setDisplayFilter({});
}

// At button-up a figure picks the colours under its vertices into the squares, never the fifth:
// a triangle on the "haute" plane hues 120 degrees apart; a click without a move the press
// point into both colours of the diagonal; a box moved whole by the right button held as well
// while the left stretches it; "Libre" one point into the chosen slot.
TEST_F(ProTest, ButtonUpPicksTheColoursUnderTheFigure) {
    const auto boxMoved = [&] {
        boxMovedWithTheRightButton();
        move(at(3300, 3150));
        release(at(3300, 3150));
    };
    const struct {
        const char* golden;
        const char* steps;
        std::function<void()> act, then = {};
    } rows[] = {
        {"picked-triangle", "Option1 Option7", [&] { drag(at(3000, 2625), at(3625, 2625)); },
         [&] {
             // Edges black on the overlay, the rays from the centre left inverted.
             const QPoint edge = at((2125 + 3625) / 2, (3491 + 2625) / 2) - QPoint(1, 1);
             EXPECT_EQ(plane->shown().pixelColor(edge), QColor(Qt::black));
             const QPoint ray = at(2625 + 300, 2625) - QPoint(1, 1);
             EXPECT_EQ(plane->shown().pixel(ray), ~plane->plane().pixel(ray) | 0xFF000000);
         }},
        {"picked-click", "Option1", [&] { drag(at(1500, 1500)); }},
        {"picked-angle-fixe", "Option1 Option14 Text1=30",
         [&] { drag(at(3000, 2625), at(4500, 2625)); }},
        {"picked-rect-dep", "Option10", boxMoved},
        {"picked-carre-dep", "Option9", boxMoved},
        // OptionPro5: the option under slot 2, "Fond".
        {"picked-libre", "Option11 OptionPro5", [&] { drag(at(2625, 4400)); },
         [&] {
             // A press on slot 1's square copies it into slot 2, shown at the next button-up.
             QTest::mouseClick(child("Picture3"), Qt::LeftButton);
             EXPECT_EQ(colours()[1], kHarmony[0]);
             snap("picked-libre");
             click("Option12");
             release(at(100, 100));
             snap("picked-libre-copied");
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.golden);
        open();
        run(row.steps);
        row.act();
        snap(row.golden);
        EXPECT_EQ(square("Picture3"), colours()[0]);
        EXPECT_EQ(square("Picture7"), colours()[1]);
        if (row.then) {
            row.then();
        }
    }
}

TEST_F(ProTest, OkHandsTheColoursBackAnnulerAndEscDoNot) {
    const struct {
        const char* how;
        std::int16_t retour;
        bool handedBack;
    } cases[] = {{"Command2", 2, true}, {"Command3", 1, false}, {"Esc", 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        open();
        drag(at(3625, 2625));
        const Palette picked = colours();
        run(c.how);
        EXPECT_FALSE(pro->isVisible());
        EXPECT_EQ(module.RetourDialogue, c.retour);
        EXPECT_EQ(module.harmony(), c.handedBack ? picked : kHarmony);
        EXPECT_EQ(handBacks, c.handedBack ? 1 : 0);
    }
}

TEST_F(ProTest, LoadingAPicture) {
    const QString good = saved("palette.png", 40, 20, QColor(10, 200, 30));
    const QString cut = saved("cut.jpg", 40, 20, QColor(10, 200, 30));
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(cut).size() / 2));
    QFile(dir.filePath("notes.png")).open(QIODevice::WriteOnly);

    const QImage before = plane->plane();
    for (const QString& bad : {QString(), dir.filePath("notes.png"), cut}) {
        platform.openAnswer = bad;
        click("Command1");
        EXPECT_TRUE(plane->plane() == before);
        snap("opened");
    }
    ASSERT_EQ(platform.messages.size(), 2u) << "cancelling says nothing";
    EXPECT_TRUE(platform.messages[1].text.contains("« cut.jpg »"));
    EXPECT_TRUE(platform.messages[1].text.contains("La palette actuelle est conservée."));
    EXPECT_TRUE(platform.fileFilters.last().contains("*.png"));

    // Stretched, without the corner squares; no option is selected, and no level.
    platform.openAnswer = good;
    click("Command1");
    EXPECT_EQ(plane->planeColourAt({150, 150}), RGB(10, 200, 30));
    EXPECT_EQ(plane->planeColourAt({5200, 5200}), RGB(10, 200, 30));
    snap("picture-loaded");
    // Stretched as one drawing stretches it, though the window draws it band by band.
    platform.openAnswer = QStringLiteral(ORIA_GOLDEN_DIR "/../data/pictures/degrade.png");
    click("Command1");
    QImage whole(plane->plane().size(), QImage::Format_RGB32);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(whole.rect(), QImage(platform.openAnswer));
    painter.end();
    EXPECT_TRUE(plane->plane() == whole);
    click("Option2");
    snap("picture-then-moyenne");
    EXPECT_TRUE(planeIs(Resolution::Moyenne, PlaneMode::Saturation, 100));
}

TEST_F(ProTest, FiguresSlotsAndPicturesAreUndoneAndRedone) {
    platform.openAnswer = saved("photo.png", 20, 20, QColor(200, 60, 90));
    auto seen = [this] {
        test::Seen s{pro->grab().toImage(), {}};
        s.extra.assign(colours().begin(), colours().end());
        return s;
    };
    const test::UndoRow rows[] = {
        {"Diagonale", [&] { drag(at(3000, 2625), at(3600, 3000)); }},
        {"Triangle équilatéral", [&] { drag(at(3000, 2625), at(3300, 1800)); },
         [&] { click("Option7"); }},
        {"Carré dep.",
         [&] {
             boxMovedWithTheRightButton();
             release(at(3000, 3000));
         },
         [&] { click("Option9"); }},
        {"Libre", [&] { drag(at(4000, 1000)); }, [&] { click("Option11"); }},
        {"Libre", [&] { QTest::mousePress(child("Picture6"), Qt::LeftButton, {}, QPoint(5, 5)); },
         [&] { click("OptionPro2"); }},
        doing("Charger une image", "Command1"),
        {"Diagonale", [&] { drag(at(2000, 2000), at(3000, 3300)); }, [&] { click("Option12"); }},
    };
    for (const test::UndoRow& row : rows) {
        test::CheckUndoRedo(pro.get(), seen, row, [this] {
            return static_cast<long long>(platform.decodedPictures.size() +
                                          platform.fileFilters.size());
        });
    }
    // Ctrl+Z in the middle of a drag: the drag ends there, as one step, and is undone.
    const QImage before = pro->grab().toImage();
    press(at(3000, 2625));
    move(at(3600, 3000));
    child<QAction>("annuler")->trigger();
    EXPECT_EQ(pro->grab().toImage(), before);
}

// A dropped or loaded picture's dominant colours fill the slots, most present first. Of a large
// picture the window keeps only what the extraction reads: its colours are still those of the
// whole picture, after the picture is undone and redone too.
TEST_F(ProTest, ExtractsTheDominantColoursOfAPicture) {
    QImage flag(90, 30, QImage::Format_RGB32);
    flag.fill(QColor(20, 90, 200));
    QPainter(&flag).fillRect(60, 0, 30, 30, QColor(250, 200, 10)); // a third of it
    drop(saved("drapeau.png", flag));
    EXPECT_EQ(plane->planeColourAt({150, 150}), RGB(20, 90, 200));
    click("Command5"); // most present first; two colours fill two slots
    snap("extracted");
    auto* undo = child<QAction>("annuler");
    undo->trigger();
    undo->trigger(); // the picture too
    snap("extraction-undone");
    EXPECT_TRUE(planeIs(Resolution::Basse, PlaneMode::Saturation, 100));

    QImage noise(800, 600, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y) {
        random.fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.width());
    }
    platform.openAnswer = saved("bruit.png", noise);
    const std::vector<Colour> whole = DominantColours(DecodePictureFile(platform.openAnswer), 5);
    ASSERT_EQ(whole.size(), 5u);
    const auto extracted = [this] {
        click("Command5");
        return std::vector<Colour>(colours().begin(), colours().end());
    };
    click("Command1");
    EXPECT_EQ(extracted(), whole);
    undo->trigger();
    undo->trigger();
    child<QAction>("retablir")->trigger(); // the picture, without its extraction
    EXPECT_EQ(extracted(), whole);
}

// Figures are inverted piece by piece for speed; the pixels are those of each line inverted
// whole: lines and boxes anywhere, partly off the plane, crossing and meeting.
TEST(PlanePictureTest, FiguresAreInvertedAsWholeLinesInvertThePlane) {
    test::application();
    QImage plane(kPlanePixels, kPlanePixels, QImage::Format_RGB32);
    for (int y = 0; y < plane.height(); ++y) {
        for (int x = 0; x < plane.width(); ++x) {
            plane.setPixel(x, y, qRgb(x * 255 / 349, y * 255 / 349, (x + y) % 256));
        }
    }
    PlanePicture picture;
    QRandomGenerator random(7);
    auto point = [&] {
        const auto twips = [&] { return double(random.bounded(390 * kPlaneTwipsPerPixel) - 300); };
        return PlanePoint{twips(), twips()};
    };
    for (int figure = 0; figure < 200; ++figure) {
        std::vector<Segment> lines;
        for (int k = random.bounded(1, 8); k > 0; --k) {
            lines.push_back(Segment{point(), point(), random.bounded(5) == 0});
        }
        picture.setPlane(plane);
        picture.invert(lines);
        QImage expected = plane.copy();
        QPainter painter(&expected);
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        for (const Segment& line : lines) {
            const QPoint a(PlanePixel(line.from.x), PlanePixel(line.from.y));
            const QPoint b(PlanePixel(line.to.x), PlanePixel(line.to.y));
            if (line.box) {
                painter.drawRect(QRect(a, b).normalized());
            } else if (a != b) {
                painter.drawLine(a, b);
            }
        }
        painter.end();
        ASSERT_EQ(picture.shown(), expected) << "figure " << figure;
    }
}

} // namespace
} // namespace oria
