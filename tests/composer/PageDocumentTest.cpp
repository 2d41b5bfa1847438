#include "composer/PageDocument.h"
#include "support/Snapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
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

TEST(PageDocument, RefusedRecordsSayWhy) {
    const QByteArray good = handBuiltRecord();
    const auto with = [&good](int offset, QByteArray bytes) {
        return QByteArray(good).replace(offset, bytes.size(), bytes);
    };
    const struct {
        QByteArray record;
        QString why;
    } cases[] = {
        {good.left(284), "il fait 284 octets au lieu de 285"},
        {QByteArray(), "il fait 0 octets au lieu de 285"},
        {with(255, bytes("\0\0\0\x01")), "la couleur du texte vaut 0x01000000"},
        {with(271, bytes("\xFF\xFF\xFF\xFF")), "la couleur de la boîte vaut 0xFFFFFFFF"},
        {with(275, bytes("\x02\0")), "l'indicateur « boîte visible » vaut 2 au lieu de 0 ou 1"},
        {with(281, bytes("\0\x01")), "« cercle visible » vaut 256"},
        {with(283, bytes("\xFF\xFF")), "« tous visibles » vaut -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why.toStdString());
        QString why;
        EXPECT_FALSE(DecodePageDocument(c.record, &why));
        EXPECT_TRUE(why.contains(c.why)) << why.toStdString();
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
    const QString longer = dir.filePath("longue.ori");
    writeFile(longer, record + "suite sans rapport");
    const auto page = ReadPageDocument(longer, &why);
    ASSERT_TRUE(page) << why.toStdString();
    EXPECT_EQ(*page, handBuiltPage());
    const QString saved = dir.filePath("copie.ori");
    EXPECT_EQ(WritePageDocument(saved, *page), std::nullopt);
    EXPECT_EQ(contentsOf(saved), record);
}

// What the user is told, whole: a file too short, absent or a folder; a save into a missing
// folder or of a colour out of range, which writes nothing and keeps the old file.
TEST(PageDocumentFile, FailuresGiveAFrenchMessage) {
    QTemporaryDir dir;
    writeFile(dir.filePath("court.ori"), QByteArray(120, ' '));
    QDir(dir.path()).mkdir("dossier.ori");
    const QString old = dir.filePath("ancienne.ori");
    writeFile(old, "ancien contenu");
    QString text;
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
    EXPECT_EQ(contentsOf(old), "ancien contenu");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"ancienne.ori", "court.ori", "dossier.ori"}));
}

} // namespace
} // namespace oria
