#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

struct HighByte {
    unsigned char byte;
    char16_t character;
};

// Every byte where the code page differs from Latin-1, undefined ones included.
constexpr HighByte kHighBytes[] = {
    {0x80, u'€'}, {0x81, 0x0081}, {0x82, u'‚'}, {0x83, u'ƒ'},   {0x84, u'„'},   {0x85, u'…'},
    {0x86, u'†'}, {0x87, u'‡'},   {0x88, u'ˆ'}, {0x89, u'‰'},   {0x8A, u'Š'},   {0x8B, u'‹'},
    {0x8C, u'Œ'}, {0x8D, 0x008D}, {0x8E, u'Ž'}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, u'‘'},
    {0x92, u'’'}, {0x93, u'“'},   {0x94, u'”'}, {0x95, u'•'},   {0x96, u'–'},   {0x97, u'—'},
    {0x98, u'˜'}, {0x99, u'™'},   {0x9A, u'š'}, {0x9B, u'›'},   {0x9C, u'œ'},   {0x9D, 0x009D},
    {0x9E, u'ž'}, {0x9F, u'Ÿ'},
};

TEST(Windows1252, HighBytesDecodeAndEncodeBothWays) {
    for (const HighByte& row : kHighBytes) {
        SCOPED_TRACE(row.byte);
        const QByteArray bytes(1, static_cast<char>(row.byte));
        EXPECT_EQ(DecodeWindows1252(bytes), QString(QChar(row.character)));
        EXPECT_EQ(EncodeWindows1252(QString(QChar(row.character))), bytes);
    }
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = DecodeWindows1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWindows1252(text), all);
}

TEST(Windows1252, FrenchTextRoundTrips) {
    const QString text = QStringLiteral("« Ça déçoit où l’été ? » Œuvre naïve, crème brûlée, "
                                        "Ÿ ÿ – 12 € …\r\n");
    const QByteArray bytes("\xab \xc7"
                           "a d\xe9\xe7oit o\xf9 l\x92\xe9t\xe9 ? \xbb \x8c"
                           "uvre na\xefve, cr\xe8me br\xfbl\xe9"
                           "e, \x9f \xff \x96 12 \x80 \x85\r\n");
    EXPECT_EQ(EncodeWindows1252(text), bytes);
    EXPECT_EQ(DecodeWindows1252(bytes), text);
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
