#include "palettepro/Figures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace oria {
namespace {

constexpr double kPi = 3.1415927;

// A drag from the centre's press to the pointer, on the plane centred at (2625, 2625).
FigureState drag(Figure f, double x, double y, FigureParameters p = {}) {
    FigureState s = PressFigure(x, y);
    s.centreX = 2625;
    s.centreY = 2625;
    MoveFigure(f, s, x, y, p, false);
    return s;
}

void expectPoint(PlanePoint got, PlanePoint want) {
    EXPECT_NEAR(got.x, want.x, 1e-4);
    EXPECT_EQ(got.y, want.y) << "y is a whole number of twips";
}

TEST(Figures, AngleRadiusAndLeadingNumbers) {
    const struct {
        int dx, dy;
        double angle;
    } angles[] = {{0, 0, 0},    {0, 5, kPi / 2},        {0, -5, -kPi / 2},
                  {-4, 0, kPi}, {3, 3, std::atan(1.0)}, {-2, -2, std::atan(1.0) + kPi}};
    for (const auto& a : angles) {
        EXPECT_DOUBLE_EQ(AngleDe(a.dx, a.dy), a.angle) << a.dx << "," << a.dy;
    }
    // 32-bit squares would overflow here.
    EXPECT_NEAR(Rayon(50000, -50000), 70710.678, 1e-3);
    EXPECT_DOUBLE_EQ(Rayon(-3, 4), 5);

    const struct {
        const char* text;
        double value;
    } numbers[] = {{"90", 90},     {"45abc", 45}, {"abc", 0}, {"", 0},  {" 12.5", 12.5},
                   {"12,5", 12.5}, {"-30", -30},  {"+7°", 7}, {".", 0}, {"1.2.3", 1.2}};
    for (const auto& n : numbers) {
        EXPECT_DOUBLE_EQ(LeadingNumber(n.text), n.value) << n.text;
    }
}

TEST(Figures, WorkedExampleAndDegenerateShapes) {
    const PlanePoint centre{2625, 2625}, below{2625, 3625}, above{2625, 1625}, left{1625, 2625};
    const struct {
        const char* name;
        Figure figure;
        FigureParameters parameters;
        std::vector<PlanePoint> vertices; // Sommet1, Sommet2, Sommet3 as far as used
    } cases[] = {
        {"diagonale", Figure::Diagonale, {}, {left}},
        {"angle fixe", Figure::AngleFixe, {}, {below}},
        {"equilateral", Figure::TriangleEquilateral, {}, {{2124.99997, 3491}, {2124.99997, 1759}}},
        {"isocele 45", Figure::TriangleIsocele, {90, 45}, {{1917.8932, 3332}, {1917.8932, 1918}}},
        {"isocele 60", Figure::TriangleIsocele, {90, 60}, {{2124.99997, 3491}, {2124.99997, 1759}}},
        {"isocele flat", Figure::TriangleIsocele, {90, 0}, {left, left}},
        {"carre", Figure::CarreRot, {}, {below, above, left}},
        {"losange 100", Figure::Losange, {90, 45, 100}, {below, above, left}},
        {"losange flat", Figure::Losange, {90, 45, 0}, {centre, centre, left}},
        {"losange 60", Figure::Losange, {}, {{2625, 3225}, {2625, 2025}, left}},
        {"rectangle 100", Figure::Rectangle, {90, 45, 60, 100}, {below, above, left}},
        {"rectangle 0", Figure::Rectangle, {90, 45, 60, 0}, {{3625, 2625}, left, left}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FigureState s = drag(c.figure, 3625, 2625, c.parameters);
        expectPoint(s.sommet[3], {3625, 2625});
        for (std::size_t i = 0; i < c.vertices.size(); ++i) {
            expectPoint(s.sommet[i], c.vertices[i]);
        }
    }
    // The pointer on the centre collapses every rotating figure.
    for (Figure f : {Figure::AngleFixe, Figure::TriangleEquilateral, Figure::TriangleIsocele,
                     Figure::CarreRot, Figure::Losange, Figure::Rectangle}) {
        for (const PlanePoint& p : drag(f, 2625, 2625).sommet) {
            expectPoint(p, centre);
        }
    }
}

TEST(Figures, CarreDepTakesItsSideFromTheHorizontalDistance) {
    // Straight down gives side 0; x on the press point counts as right.
    const struct {
        double x, y;
        PlanePoint corner;
    } moves[] = {{1000, 1500, {1000, 1000}}, {1300, 1100, {1300, 1300}}, {700, 900, {700, 700}},
                 {1300, 900, {1300, 700}},   {700, 1100, {700, 1300}},   {1000, 900, {1000, 1000}}};
    for (const auto& m : moves) {
        FigureState s = PressFigure(1000, 1000);
        MoveFigure(Figure::CarreDep, s, m.x, m.y, {}, false);
        expectPoint(s.sommet[0], {1000, 1000});
        expectPoint(s.sommet[3], m.corner);
    }
    // With the right button held the box keeps its size and follows the pointer.
    FigureState s = PressFigure(1000, 1000);
    MoveFigure(Figure::RectDep, s, 1400, 1200, {}, false);
    MoveFigure(Figure::RectDep, s, 1500, 1250, {}, true);
    expectPoint(s.sommet[0], {1100, 1050});
    expectPoint(s.sommet[3], {1500, 1250});
    const std::vector<Pick> picks = PicksOf(Figure::RectDep, s);
    ASSERT_EQ(picks.size(), 4u);
    expectPoint(picks[2].at, {1500, 1050});
    expectPoint(picks[3].at, {1100, 1250});
}

TEST(Figures, SlotsTakenAtButtonUp) {
    const FigureState s = drag(Figure::CarreRot, 3625, 2625);
    const struct {
        Figure figure;
        std::vector<int> vertexOfSlot; // index into sommet for slots 1, 2, ...
    } cases[] = {{Figure::Diagonale, {3, 0}},
                 {Figure::AngleFixe, {3, 0}},
                 {Figure::TriangleIsocele, {3, 0, 1}},
                 {Figure::Losange, {3, 0, 1, 2}},
                 {Figure::Libre, {}}};
    for (const auto& c : cases) {
        const std::vector<Pick> picks = PicksOf(c.figure, s);
        ASSERT_EQ(picks.size(), c.vertexOfSlot.size());
        for (std::size_t i = 0; i < picks.size(); ++i) {
            EXPECT_EQ(picks[i].slot, static_cast<int>(i));
            EXPECT_EQ(picks[i].at, s.sommet[static_cast<std::size_t>(c.vertexOfSlot[i])]);
        }
    }
}

} // namespace
} // namespace oria
