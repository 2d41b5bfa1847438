#include "platform/PictureFile.h"
#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <limits>

namespace oria {
namespace {

const QString kPictures = QStringLiteral(ORIA_GOLDEN_DIR "/../data/pictures/");

QByteArray encoded(const char* format) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 90));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return buffer.data();
}

TEST(PictureFile, WholePicturesDecodeCutOnesAndOthersDoNot) {
    test::application(); // the image plug-ins
    const QTemporaryDir dir;
    const struct {
        const char* format;
        QByteArray bytes;
        QSize size;
    } pictures[] = {
        {"png", encoded("png"), {120, 90}},
        {"jpg", encoded("jpg"), {120, 90}},
        {"bmp", encoded("bmp"), {120, 90}},
        // One pixel (Qt writes no GIF): a colour table, a comment, the picture and the trailer.
        {"gif", test::fileBytes(kPictures + QStringLiteral("pixel.gif")), {1, 1}},
    };
    for (const auto& [format, whole, size] : pictures) {
        SCOPED_TRACE(format);
        const QImage decoded = DecodePictureFile(
            test::writeFile(dir.filePath(QStringLiteral("whole.") + format), whole));
        EXPECT_EQ(decoded.size(), size);
        for (const qsizetype cut : {whole.size() * 3 / 4, whole.size() - 1}) {
            const QString path =
                test::writeFile(dir.filePath(QStringLiteral("cut.") + format), whole.left(cut));
            EXPECT_TRUE(DecodePictureFile(path).isNull())
                << "cut at " << cut << " of " << whole.size();
        }
    }
    EXPECT_TRUE(
        DecodePictureFile(test::writeFile(dir.filePath("text.png"), "pas une image\n")).isNull());
    EXPECT_TRUE(DecodePictureFile(dir.filePath("absent.png")).isNull());
    // Whole, but its screen is too large to decode.
    EXPECT_TRUE(DecodePictureFile(kPictures + QStringLiteral("huge.gif")).isNull());
    // A bitmap announcing more bytes than 64 bits count is short of them: nothing wraps.
    QByteArray giant = encoded("bmp");
    qToLittleEndian<qint32>(0x7fffffff, giant.data() + 18);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), giant.data() + 22);
    qToLittleEndian<qint16>(32, giant.data() + 28);
    EXPECT_TRUE(PictureIsCutShort(giant, "bmp"));
}

} // namespace
} // namespace oria
