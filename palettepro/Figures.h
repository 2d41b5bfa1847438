#pragma once

#include "ColourPlane.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace oria {

// The figures dragged on the plane. Their vertices encode harmony rules on the hue disc.
enum class Figure {
    Diagonale,
    AngleFixe,
    TriangleEquilateral,
    TriangleIsocele,
    CarreRot,
    Losange,
    Rectangle,
    RectDep,
    CarreDep,
    Libre,
};

// A point of the plane in twips; y is kept to a whole number of twips.
struct PlanePoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlanePoint&) const = default;
};

struct FigureState {
    std::array<PlanePoint, 4> sommet{}; // Sommet1..Sommet4
    double centreX = 0;                 // single precision values, held as doubles
    double centreY = 0;
};

// The text boxes, as numbers: Text1 fixed angle (degrees), Text2 apex angle (degrees),
// Text3 short diagonal (% of the long one), Text4 opening (% of 90 degrees).
struct FigureParameters {
    double angle = 90;
    double ouverture = 45;
    double losange = 60;
    double rectangle = 50;
};

// The leading number of a text box, 0 when there is none ("12abc" -> 12, "x" -> 0).
double LeadingNumber(std::string_view text);

// Direction of (dx, dy) in radians; y grows downwards, so growing angles turn clockwise.
double AngleDe(int dx, int dy);
// Distance from the centre, without the overflow 32-bit squares would give far away.
double Rayon(int dx, int dy);
double ProjectionX(double r, double a);
double ProjectionY(double r, double a);

// A press at (x, y) twips puts every vertex and the centre there.
FigureState PressFigure(double x, double y);
// The vertices for a pointer at (x, y) twips; the centre must already be the plane's.
// With the right button also held the two box figures move instead of resizing.
void MoveFigure(Figure figure, FigureState& state, double x, double y,
                const FigureParameters& parameters, bool rightHeld);

// One line of a figure; `box` marks the outline of a rectangle from `from` to `to`.
struct Segment {
    PlanePoint from, to;
    bool box = false;
};
struct FigureLines {
    std::vector<Segment> rays;  // from the centre; they stay inverted after the drag
    std::vector<Segment> edges; // erased at the end of the drag, then drawn in black
    int blackWidth = 2;         // pixels
};
// The rubber band is rays then edges.
FigureLines LinesOf(Figure figure, const FigureState& state);

// Which result slot (0-based, 0..3) takes the colour under which point at button-up.
struct Pick {
    int slot;
    PlanePoint at;
};
std::vector<Pick> PicksOf(Figure figure, const FigureState& state);

} // namespace oria
