#include "CommandTables.h"

#include <QImage>

namespace oria {
namespace {

// The real program, with no display at all: the sheet still needs fonts, and Qt's notices
// must not reach the terminal.
TEST(ExporterCommand, DrawsTheSheetWithoutADisplay) {
    const QTemporaryDir dir;
    const QString output = dir.filePath("planche.png");
    const test::Process p =
        test::runOria({"exporter", "--format", "png", "--sortie", output, "Rouge=#C0392B"});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out + p.err, "");
    const QImage sheet(output);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(sheet.width() / 2, sheet.height() / 2), qRgb(0xC0, 0x39, 0x2B));
}

// The palette file of exactly these bytes, or why none is written.
TEST(ExporterCommand, WritesThePaletteOrSaysWhyNot) {
    test::expectGoldenCalls("exporter");
}

} // namespace
} // namespace oria
