#pragma once

#include "core/Colour.h"
#include "widgets/ColourPicture.h"

#include <array>
#include <vector>

namespace oria {

// The colours the viewer shows: colour 1, 2 and 3; `count` is 2 or 3.
struct ContrastColours {
    std::array<Colour, 3> colour{};
    int count = 2;
};

// Bands view: halves or thirds of the width, in twips, not rounded.
struct Band {
    double left, right;
    int colour; // 0..2
};
std::vector<Band> BandsOf(double widthTwips, int count);

// Lines view: each line runs from (p, -20) to (-20, p) twips, 10 pixels wide, over a field of
// colour 1; in drawing order.
struct DiagonalLine {
    double p;
    int colour; // 1 or 2: colour 2 or colour 3
};
std::vector<DiagonalLine> DiagonalLinesOf(double widthTwips, int count);
inline constexpr int kDiagonalWidthPixels = 10;

// The bands view or the lines view, painted from the colours it is given.
class ContrastView : public ColourPicture {
    Q_OBJECT
public:
    enum class Kind { Bands, Lines };
    ContrastView(QWidget* parent, Kind kind) : ColourPicture(parent), kind_(kind) {}
    void setColours(const ContrastColours& colours);

protected:
    void paintContent(QPainter& painter) override;

private:
    Kind kind_;
    ContrastColours colours_;
};

} // namespace oria
