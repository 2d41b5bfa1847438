#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

// Bytes 0x80 to 0x9F, where the code page differs from Latin-1: the undefined ones (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stay the C1 controls of the same number.
constexpr char16_t kHighBytes[] = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";

// The bytes where the code page differs from Latin-1, a French text, and every byte.
TEST(Windows1252, TextAndBytesConvertBothWays) {
    std::vector<std::pair<QString, QByteArray>> rows = {
        {QStringLiteral("« Ça déçoit où l’été ? » Œuvre naïve, crème brûlée, Ÿ ÿ – 12 € …\r\n"),
         "\xab \xc7"
         "a d\xe9\xe7oit o\xf9 l\x92\xe9t\xe9 ? \xbb \x8c"
         "uvre na\xefve, cr\xe8me br\xfbl\xe9"
         "e, \x9f \xff \x96 12 \x80 \x85\r\n"}};
    for (int i = 0; i < 32; ++i) {
        rows.emplace_back(QChar(kHighBytes[i]), QByteArray(1, static_cast<char>(0x80 + i)));
    }
    for (const auto& [text, bytes] : rows) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(DecodeWindows1252(bytes), text);
        EXPECT_EQ(EncodeWindows1252(text), bytes);
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    EXPECT_EQ(DecodeWindows1252(all).size(), 256);
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
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
