#include "platform/PictureFile.h"
#include "support/QtTestSupport.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <limits>

namespace oria {
namespace {

const QString kPictures = QStringLiteral(ORIA_GOLDEN_DIR "/../data/pictures/");

TEST(PictureFile, WholePicturesDecodeCutOnesAndOthersDoNot) {
    test::application(); // the image plug-ins
    const QTemporaryDir dir;
    // Pictures as Qt writes them; one pixel in a GIF (which Qt does not write): a colour table,
    // a comment, the picture and the trailer.
    for (const auto& [file, size] : {std::pair{"picture.png", QSize(40, 30)},
                                     {"picture.jpg", {40, 30}},
                                     {"picture.bmp", {40, 30}},
                                     {"pixel.gif", {1, 1}}}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(DecodePictureFile(kPictures + file).size(), size);
        const QByteArray whole = test::fileBytes(kPictures + file);
        for (const qsizetype cut : {whole.size() * 3 / 4, whole.size() - 1}) {
            const QString path = test::writeFile(dir.filePath("cut-") + file, whole.left(cut));
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
    QByteArray giant = test::fileBytes(kPictures + "picture.bmp");
    qToLittleEndian<qint32>(0x7fffffff, giant.data() + 18);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), giant.data() + 22);
    qToLittleEndian<qint16>(32, giant.data() + 28);
    EXPECT_TRUE(PictureIsCutShort(giant, "bmp"));
    qToLittleEndian<qint32>(0, giant.data() + 18); // no width: the decoder judges, without a row
    EXPECT_FALSE(PictureIsCutShort(giant, "bmp"));
}

} // namespace
} // namespace oria
