#pragma once

#include "PageModel.h"
#include "widgets/ColourPicture.h"

#include <QImage>
#include <QLabel>

namespace oria {

// A text of the page (the title `logo`, the body `texte`): a real control that others find
// by name and read, painted by the page into its own image so that the page's colours, its
// read-out and the display filter cover the text exactly as they cover the shapes.
class PageText : public QLabel {
    Q_OBJECT
public:
    PageText(QWidget* page, const QString& name, const QRect& geometry);
    Colour colour() const { return colour_; }
    void setColour(Colour c) { colour_ = c; }
    // Paints the caption at its place in the page's coordinates.
    void paintOnPage(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent*) override {} // the page shows it

private:
    Colour colour_ = 0;
};

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
    PageText* logo_;
    PageText* texte_;
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
