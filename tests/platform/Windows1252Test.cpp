#include "platform/Windows1252.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

// Every byte decoded, as code points, 16 a line: Latin-1 but for 0x80 to 0x9F, where the
// undefined 0x81, 0x8D, 0x8F, 0x90 and 0x9D stay the C1 controls of the same number. Every one
// encodes back to its byte.
TEST(Windows1252, TextAndBytesConvertBothWays) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = DecodeWindows1252(all);
    QString codes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        codes += QString::number(text[i].unicode(), 16).rightJustified(4, u'0') +
                 QLatin1Char(i % 16 == 15 ? '\n' : ' ');
    }
    test::ExpectGolden("platform/windows-1252", codes);
    EXPECT_EQ(EncodeWindows1252(text), all);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const struct {
        QString text;
        QByteArray bytes;
    } rows[] = {
        {QStringLiteral("Ā"), "?"},
        {QStringLiteral("日本"), "??"},
        {QString(QChar(0x0080)), "?"}, // a C1 control the code page replaced with €
        {QString(QChar(0x009F)), "?"},
        {QString(QChar(0xFFFD)), "?"},
        {QStringLiteral("a🎨b"), "a?b"},        // a surrogate pair is one character
        {QString(QChar(0xD800)) + u'x', "?x"}, // a lone surrogate
        {QString(), QByteArray()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(EncodeWindows1252(row.text), row.bytes);
    }
}

} // namespace
} // namespace oria
