#include "palettepro/Figures.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

// A drag from the centre's press to the pointer, on the plane centred at (2625, 2625).
FigureState drag(Figure f, double x, double y, FigureParameters p = {}) {
    FigureState s = PressFigure(x, y);
    s.centreX = 2625;
    s.centreY = 2625;
    MoveFigure(f, s, x, y, p, false);
    return s;
}

// x to a ten-thousandth of a twip; y in full, a whole number of twips.
QString shown(PlanePoint p) {
    return QStringLiteral(" (%1, %2)").arg(p.x, 0, 'f', 4).arg(p.y, 0, 'g', 12);
}
QString shown(const FigureState& s) {
    QString text;
    for (const PlanePoint& p : s.sommet) {
        text += shown(p);
    }
    return text;
}

TEST(Figures, AngleRadiusAndLeadingNumbers) {
    QString text;
    // 32-bit squares would overflow at 50000.
    for (const auto& [dx, dy] :
         {std::pair{0, 0}, {0, 5}, {0, -5}, {-4, 0}, {3, 3}, {-2, -2}, {50000, -50000}, {-3, 4}}) {
        text += QStringLiteral("%1, %2: angle %3, radius %4\n")
                    .arg(dx)
                    .arg(dy)
                    .arg(AngleDe(dx, dy), 0, 'g', 10)
                    .arg(Rayon(dx, dy), 0, 'g', 10);
    }
    for (const char* n : {"90", "45abc", "abc", "", " 12.5", "12,5", "-30", "+7°", ".", "1.2.3"}) {
        text += QStringLiteral("«%1»: %2\n").arg(QString::fromUtf8(n)).arg(LeadingNumber(n));
    }
    test::ExpectGolden("palettepro/angles-and-numbers", text);
}

// Sommet1 to Sommet4 for the pointer 1000 twips right of the centre, then on the centre,
// where every rotating figure collapses; then the boxes, and the points each figure picks.
TEST(Figures, WorkedExamplesDegenerateShapesAndPicks) {
    const struct {
        const char* name;
        Figure figure;
        FigureParameters parameters;
    } cases[] = {
        {"diagonale", Figure::Diagonale, {}},
        {"angle fixe", Figure::AngleFixe, {}},
        {"equilateral", Figure::TriangleEquilateral, {}},
        {"isocele 45", Figure::TriangleIsocele, {90, 45}},
        {"isocele 60", Figure::TriangleIsocele, {90, 60}},
        {"isocele flat", Figure::TriangleIsocele, {90, 0}},
        {"carre", Figure::CarreRot, {}},
        {"losange 100", Figure::Losange, {90, 45, 100}},
        {"losange flat", Figure::Losange, {90, 45, 0}},
        {"losange 60", Figure::Losange, {}},
        {"rectangle 100", Figure::Rectangle, {90, 45, 60, 100}},
        {"rectangle 0", Figure::Rectangle, {90, 45, 60, 0}},
        {"rectangle 50", Figure::Rectangle, {}},
        {"libre", Figure::Libre, {}},
    };
    QString text;
    const FigureState square = drag(Figure::CarreRot, 3625, 2625);
    for (const auto& c : cases) {
        text += QString::fromUtf8(c.name) + u':' + shown(drag(c.figure, 3625, 2625, c.parameters)) +
                QStringLiteral("\n  on the centre:") +
                shown(drag(c.figure, 2625, 2625, c.parameters)) +
                QStringLiteral("\n  picks of the square:");
        for (const Pick& pick : PicksOf(c.figure, square)) {
            text += QStringLiteral(" %1").arg(pick.slot) + shown(pick.at);
        }
        text += u'\n';
    }
    // A square box takes its side from the horizontal distance: straight down gives side 0,
    // x on the press point counts as right.
    for (const auto& [x, y] :
         {std::pair{1000, 1500}, {1300, 1100}, {700, 900}, {1300, 900}, {700, 1100}, {1000, 900}}) {
        FigureState s = PressFigure(1000, 1000);
        MoveFigure(Figure::CarreDep, s, x, y, {}, false);
        text += QStringLiteral("carre dep. to %1, %2:").arg(x).arg(y) + shown(s) + u'\n';
    }
    // With the right button held a box keeps its size and follows the pointer.
    FigureState s = PressFigure(1000, 1000);
    MoveFigure(Figure::RectDep, s, 1400, 1200, {}, false);
    MoveFigure(Figure::RectDep, s, 1500, 1250, {}, true);
    text += QStringLiteral("rect dep. moved:") + shown(s) + QStringLiteral("\n  picks:");
    for (const Pick& pick : PicksOf(Figure::RectDep, s)) {
        text += QStringLiteral(" %1").arg(pick.slot) + shown(pick.at);
    }
    test::ExpectGolden("palettepro/figures", text + u'\n');
}

} // namespace
} // namespace oria
