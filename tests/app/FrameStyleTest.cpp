#include "widgets/FrameStyle.h"
#include "support/QtTestSupport.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace oria {
namespace {

// The largest difference of a colour component between two pictures of the same size.
int worstDifference(const QImage& x, const QImage& y) {
    if (x.size() != y.size()) {
        return 256;
    }
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

// The region `part` of the widget as a paint event for it alone paints it, in device pixels.
QImage painted(QWidget& w, const QRect& part) {
    const int ratio = qRound(w.devicePixelRatioF());
    QImage image(w.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // whatever is not repainted shows
    w.render(&image, part.topLeft(), QRegion(part));
    return image.copy(QRect(part.topLeft() * ratio, part.size() * ratio));
}

// `copied` (drawn through FrameStyle) looks as `reference` (the style alone), repainted whole or
// in part (corners, a label's strip), twice: the second time from what was kept.
void expectLooksAsTheStyleDrawsIt(QWidget& reference, QWidget& copied) {
    const int w = reference.width(), h = reference.height();
    for (int pass = 0; pass < 2; ++pass) {
        for (const QRect part : {QRect(0, 0, w, h), QRect(0, 0, 24, 24), QRect(6, h / 2, w - 12, 17),
                                 QRect(w - 30, h - 30, 30, 30)}) {
            EXPECT_LE(worstDifference(painted(copied, part), painted(reference, part)), 1)
                << part.x() << ',' << part.y() << ' ' << part.width() << 'x' << part.height();
        }
    }
}

struct Styles {
    std::unique_ptr<QStyle> plain{QStyleFactory::create(QStringLiteral("Fusion"))};
    std::unique_ptr<QStyle> framed{new FrameStyle(QStyleFactory::create(QStringLiteral("Fusion")))};
};

// Group box frames, titled or not, enabled or not.
TEST(FrameStyle, GroupBoxesLookAsTheStyleDrawsThem) {
    test::application();
    const Styles styles;
    const struct {
        QSize size;
        const char* title;
        bool enabled;
    } boxes[] = {
        {{321, 333}, "Lisibilité", true}, {{520, 90}, "", true}, {{160, 120}, "Couleurs", false}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.title);
        QGroupBox reference(QString::fromUtf8(b.title)), copied(QString::fromUtf8(b.title));
        for (QGroupBox* box : {&reference, &copied}) {
            box->setStyle(box == &reference ? styles.plain.get() : styles.framed.get());
            box->resize(b.size);
            box->setEnabled(b.enabled);
        }
        expectLooksAsTheStyleDrawsIt(reference, copied);
    }
}

// Progress bars at each value they go through, with their text or without, and back.
TEST(FrameStyle, ProgressBarsLookAsTheStyleDrawsThemAtEachValue) {
    test::application();
    const Styles styles;
    for (const bool text : {false, true}) {
        QProgressBar reference, copied;
        for (QProgressBar* bar : {&reference, &copied}) {
            bar->setStyle(bar == &reference ? styles.plain.get() : styles.framed.get());
            bar->resize(353, 40);
            bar->setRange(0, 102);
            bar->setTextVisible(text);
        }
        for (const int value : {0, 37, 102, 37, 0}) {
            SCOPED_TRACE(value);
            reference.setValue(value);
            copied.setValue(value);
            expectLooksAsTheStyleDrawsIt(reference, copied);
        }
    }
}

} // namespace
} // namespace oria
