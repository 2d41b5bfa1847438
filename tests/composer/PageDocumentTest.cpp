#include "composer/PageDocument.h"
#include "support/Snapshot.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oria {
namespace {

template <std::size_t N> QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// Written out byte by byte, independently of the codec: the name, texte, fond, cercle, titre
// and boite on 4 bytes, then the flags boite, titre, texte, cercle, tous on 2, little-endian.
QByteArray handBuiltRecord() {
    return QByteArray("Ma page") + QByteArray(248, ' ') +
           bytes("\x56\x34\x12\0\x01\0\0\0\xEF\xCD\xAB\0\0\0\0\0\xFF\xFF\xFF\0") +
           bytes("\0\0\x01\0\0\0\x01\0\0\0");
}

PageDocument handBuiltPage() {
    PageDocument p;
    p.name = QByteArray("Ma page") + QByteArray(248, ' ');
    p.texte = 0x123456, p.fond = 1, p.cercle = 0xABCDEF, p.titre = 0, p.boite = 0xFFFFFF;
    p.boiteVisible = false, p.titreVisible = true, p.texteVisible = false;
    p.cercleVisible = true, p.tousVisibles = false;
    return p;
}

TEST(PageDocument, NameIsWindows1252CutAndPadded) {
    const struct {
        QString name;
        QByteArray stored;
        QString shown; // what PageName gives back, before its padding
    } cases[] = {
        {QStringLiteral("Été œuvre €"),
         "\xC9t\xE9 \x9C"
         "uvre \x80",
         QStringLiteral("Été œuvre €")},
        {QStringLiteral("日本 😀"), "?? ?", QStringLiteral("?? ?")},
        {QString(300, u'é'), QByteArray(kPageNameBytes, '\xE9'), QString(kPageNameBytes, u'é')},
        {QString(), "", QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        PageDocument page;
        page.name = PageNameBytes(c.name);
        EXPECT_EQ(page.name, c.stored + QByteArray(kPageNameBytes - c.stored.size(), ' '));
        EXPECT_EQ(PageName(page), c.shown.leftJustified(kPageNameBytes, u' '));
    }
}

TEST(PageDocumentFile, RecordLayoutBothWaysAndThroughAFile) {
    const QByteArray record = handBuiltRecord();
    ASSERT_EQ(record.size(), kPageDocumentBytes);
    EXPECT_EQ(EncodePageDocument(handBuiltPage()), record);
    QString why;
    const auto decoded = DecodePageDocument(record, &why);
    ASSERT_TRUE(decoded) << why.toStdString();
    EXPECT_EQ(*decoded, handBuiltPage());

    QTemporaryDir dir; // only the record is read from a longer file
    const auto page =
        ReadPageDocument(test::writeFile(dir.filePath("longue.ori"), record + "tout autre"), &why);
    ASSERT_TRUE(page) << why.toStdString();
    EXPECT_EQ(*page, handBuiltPage());
    const QString saved = dir.filePath("copie.ori");
    EXPECT_EQ(WritePageDocument(saved, *page), std::nullopt);
    EXPECT_EQ(test::fileBytes(saved), record);
}

// What the user is told, whole: a record cut short or empty, of a colour or a flag out of
// range; a file too short, absent or a folder; a save into a missing folder or of a colour
// out of range, which writes nothing and keeps the old file.
TEST(PageDocumentFile, FailuresGiveAFrenchMessage) {
    const QByteArray good = handBuiltRecord();
    const auto with = [&good](int offset, QByteArray bytes) {
        return QByteArray(good).replace(offset, bytes.size(), bytes);
    };
    QString text;
    for (const QByteArray& record :
         {good.left(284), QByteArray(), with(255, bytes("\0\0\0\x01")),
          with(271, bytes("\xFF\xFF\xFF\xFF")), with(275, bytes("\x02\0")),
          with(281, bytes("\0\x01")), with(283, bytes("\xFF\xFF"))}) {
        QString why;
        EXPECT_FALSE(DecodePageDocument(record, &why));
        text += why + QLatin1Char('\n');
    }
    QTemporaryDir dir;
    test::writeFile(dir.filePath("court.ori"), QByteArray(120, ' '));
    QDir(dir.path()).mkdir("dossier.ori");
    const QString old = test::writeFile(dir.filePath("ancienne.ori"), "ancien contenu");
    for (const char* file : {"court.ori", "absent.ori", "dossier.ori"}) {
        QString message;
        EXPECT_FALSE(ReadPageDocument(dir.filePath(file), &message));
        text += message + QLatin1Char('\n');
    }
    PageDocument outOfRange = handBuiltPage();
    outOfRange.fond = -1;
    for (const auto& message : {WritePageDocument(dir.filePath("manque/p.ori"), handBuiltPage()),
                                WritePageDocument(old, outOfRange)}) {
        ASSERT_TRUE(message);
        text += *message + QLatin1Char('\n');
    }
    test::ExpectGolden("composer/page-file-messages", text);
    EXPECT_EQ(test::fileBytes(old), "ancien contenu");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"ancienne.ori", "court.ori", "dossier.ori"}));
}

} // namespace
} // namespace oria
