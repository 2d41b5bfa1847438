#include "Figures.h"

#include <cctype>
#include <cmath>
#include <string>

namespace oria {

namespace {
constexpr double kPi = 3.1415927;
constexpr double kFullTurn = 6.2831854;

double radians(double degrees) {
    return degrees * kFullTurn / 360;
}

bool isBox(Figure f) {
    return f == Figure::RectDep || f == Figure::CarreDep;
}
} // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        number += text[i++];
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digits = true;
        } else if ((c == '.' || c == ',') && !point) {
            number += '.'; // a French decimal comma counts as the point
            point = true;
        } else {
            break;
        }
    }
    return digits ? std::strtod(number.c_str(), nullptr) : 0.0;
}

double AngleDe(int dx, int dy) {
    if (dx != 0) {
        const double a = std::atan(static_cast<double>(dy) / dx);
        return dx < 0 ? a + kPi : a;
    }
    if (dy > 0) {
        return kPi / 2;
    }
    return dy < 0 ? -kPi / 2 : 0.0;
}

double Rayon(int dx, int dy) {
    return std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
}

double ProjectionX(double r, double a) {
    return r * std::cos(a);
}

double ProjectionY(double r, double a) {
    return r * std::sin(a);
}

FigureState PressFigure(double x, double y) {
    FigureState s;
    const PlanePoint p{x, static_cast<double>(RoundHalfEven(y))};
    s.sommet.fill(p);
    s.centreX = static_cast<float>(x);
    s.centreY = static_cast<float>(y);
    return s;
}

void MoveFigure(Figure figure, FigureState& s, double x, double y, const FigureParameters& p,
                bool rightHeld) {
    PlanePoint& s1 = s.sommet[0];
    PlanePoint& s4 = s.sommet[3];
    if (isBox(figure) && rightHeld) {
        s1.x = s1.x + x - s4.x;
        s1.y = RoundHalfEven(s1.y + y - s4.y);
    }
    // The caller has put the centre back on the plane's; the press had moved it.
    const double cx = s.centreX;
    const double cy = s.centreY;
    const PlanePoint pointer{x, static_cast<double>(RoundHalfEven(y))};
    const int dx = RoundHalfEven(x - cx);
    const int dy = RoundHalfEven(y - cy);
    const double a = AngleDe(dx, dy);
    const double r = Rayon(dx, dy);
    auto at = [&](double distance, double angle) {
        return PlanePoint{cx + ProjectionX(distance, angle),
                          static_cast<double>(RoundHalfEven(cy + ProjectionY(distance, angle)))};
    };
    auto triangle = [&](double h) {
        s4 = pointer;
        s.sommet[0] = at(r, a + 2 * h);
        s.sommet[1] = at(r, a - 2 * h);
    };
    // Four vertices on the circle of radius r, two of them possibly pulled in to k x r.
    auto quad = [&](double h1, double h2, double k) {
        s4 = pointer;
        s.sommet[0] = at(k * r, a + h1);
        s.sommet[1] = at(k * r, a - h2);
        s.sommet[2] = at(r, a - kPi);
    };
    switch (figure) {
    case Figure::Diagonale:
        s4 = pointer;
        s1 = {2 * cx - x, static_cast<double>(RoundHalfEven(2 * cy - y))};
        break;
    case Figure::AngleFixe:
        s4 = pointer;
        s1 = at(r, a + radians(p.angle));
        break;
    case Figure::TriangleEquilateral:
        triangle(radians(60));
        break;
    case Figure::TriangleIsocele:
        triangle((kPi - radians(p.ouverture)) / 2);
        break;
    case Figure::CarreRot:
        quad(radians(90), radians(90), 1);
        break;
    case Figure::Losange:
        quad(radians(90), radians(90), p.losange / 100);
        break;
    case Figure::Rectangle: {
        const double h = radians(p.rectangle / 100 * 90);
        quad(h, kPi - h, 1);
        break;
    }
    case Figure::RectDep:
        s4 = pointer;
        break;
    case Figure::CarreDep: {
        // The side is the horizontal distance; the quadrant follows the pointer.
        const double d = std::abs(x - s1.x);
        const double sx = x >= s1.x ? 1 : -1;
        const double sy = y >= s1.y ? 1 : -1;
        s4 = {s1.x + sx * d, static_cast<double>(RoundHalfEven(s1.y + sy * d))};
        break;
    }
    case Figure::Libre:
        break;
    }
}

FigureLines LinesOf(Figure figure, const FigureState& s) {
    const PlanePoint c{s.centreX, s.centreY};
    const auto& [s1, s2, s3, s4] = s.sommet;
    FigureLines lines;
    switch (figure) {
    case Figure::Diagonale:
        lines.edges = {{s1, s4}};
        break;
    case Figure::AngleFixe:
        lines.edges = {{c, s4}, {c, s1}};
        break;
    case Figure::TriangleEquilateral:
    case Figure::TriangleIsocele:
        lines.rays = {{c, s2}, {c, s4}, {c, s1}};
        lines.edges = {{s4, s2}, {s1, s2}, {s1, s4}};
        break;
    case Figure::CarreRot:
    case Figure::Losange:
    case Figure::Rectangle:
        lines.rays = {{c, s4}, {c, s1}, {c, s2}, {c, s3}};
        lines.edges = {{s1, s4}, {s3, s1}, {s2, s3}, {s4, s2}};
        break;
    case Figure::RectDep:
    case Figure::CarreDep:
        lines.edges = {{s1, s4, true}};
        lines.blackWidth = 1;
        break;
    case Figure::Libre:
        break;
    }
    return lines;
}

std::vector<Pick> PicksOf(Figure figure, const FigureState& s) {
    const auto& [s1, s2, s3, s4] = s.sommet;
    switch (figure) {
    case Figure::Diagonale:
    case Figure::AngleFixe:
        return {{0, s4}, {1, s1}};
    case Figure::TriangleEquilateral:
    case Figure::TriangleIsocele:
        return {{0, s4}, {1, s1}, {2, s2}};
    case Figure::CarreRot:
    case Figure::Losange:
    case Figure::Rectangle:
        return {{0, s4}, {1, s1}, {2, s2}, {3, s3}};
    case Figure::RectDep:
    case Figure::CarreDep:
        return {{0, s1}, {1, s4}, {2, {s4.x, s1.y}}, {3, {s1.x, s4.y}}};
    case Figure::Libre:
        break;
    }
    return {};
}

} // namespace oria
