#pragma once

#include "PageModel.h"
#include "widgets/ColourPicture.h"

#include <QImage>

namespace oria {

// The page mock-up: background, box, circle cut by the crescent, title and body text.
class PageView : public ColourPicture {
    Q_OBJECT
public:
    struct Page {
        ZoneColours colours{};
        bool cercle = true, carre = true, texte = true;
        QString logo = QStringLiteral("Cromalune"); // empty: the title is hidden
        QString paragraph;
    };
    explicit PageView(QWidget* parent = nullptr);
    void setPage(const Page& page);
    const Page& page() const { return page_; }

protected:
    void paintContent(QPainter& painter) override;

private:
    Page page_;
};

// A colour grid painted from its cells; the colour under the pointer is the one drawn.
class GridPicture : public ColourPicture {
    Q_OBJECT
public:
    using ColourPicture::ColourPicture;
    void setGrid(const QImage& grid);

protected:
    void paintContent(QPainter& painter) override;

private:
    QImage grid_;
};

// The pointer-colour indicator: the colour under the pointer on the left (Shape1), the one
// it showed at the last pick on the right (Shape7).
class IndicatorView : public ColourPicture {
    Q_OBJECT
public:
    using ColourPicture::ColourPicture;
    Colour shape1() const { return shape1_; }
    Colour shape7() const { return shape7_; }
    void setShape1(Colour c);
    void setShape7(Colour c);

protected:
    void paintContent(QPainter& painter) override;

private:
    Colour shape1_ = 0;
    Colour shape7_ = 0;
};

} // namespace oria
