#include "composer/PageDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace oria {
namespace {

QByteArray littleEndian(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return out;
}

// Written out byte by byte, independently of the codec.
QByteArray handBuiltRecord() {
    QByteArray r = QByteArray("Ma page") + QByteArray(248, ' ');
    for (const quint32 c : {0x00123456u, 0x00000001u, 0x00ABCDEFu, 0x00000000u, 0x00FFFFFFu}) {
        r += littleEndian(c, 4);
    }
    for (const quint32 flag : {0u, 1u, 0u, 1u, 0u}) {
        r += littleEndian(flag, 2);
    }
    return r;
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

TEST(PageDocument, RecordLayoutBothWays) {
    const QByteArray record = handBuiltRecord();
    ASSERT_EQ(record.size(), kPageDocumentBytes);
    EXPECT_EQ(EncodePageDocument(handBuiltPage()), record);
    QString why;
    const auto page = DecodePageDocument(record, &why);
    ASSERT_TRUE(page) << why.toStdString();
    EXPECT_EQ(*page, handBuiltPage());
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
        {with(255, littleEndian(0x01000000, 4)), "la couleur du texte vaut 0x01000000"},
        {with(271, littleEndian(0xFFFFFFFF, 4)), "la couleur de la boîte vaut 0xFFFFFFFF"},
        {with(275, littleEndian(2, 2)), "l'indicateur « boîte visible » vaut 2 au lieu de 0 ou 1"},
        {with(281, littleEndian(0x0100, 2)), "« cercle visible » vaut 256"},
        {with(283, littleEndian(0xFFFF, 2)), "« tous visibles » vaut -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why.toStdString());
        QString why;
        EXPECT_FALSE(DecodePageDocument(c.record, &why));
        EXPECT_TRUE(why.contains(c.why)) << why.toStdString();
    }
}

TEST(PageDocumentFile, ReadsOnlyTheRecordAndRoundTripsThroughAFile) {
    QTemporaryDir dir;
    const QString longer = dir.filePath("longue.ori");
    writeFile(longer, handBuiltRecord() + "suite sans rapport");
    QString message;
    const auto page = ReadPageDocument(longer, &message);
    ASSERT_TRUE(page) << message.toStdString();
    EXPECT_EQ(*page, handBuiltPage());

    const QString saved = dir.filePath("copie.ori");
    EXPECT_EQ(WritePageDocument(saved, *page), std::nullopt);
    EXPECT_EQ(contentsOf(saved), handBuiltRecord());
}

TEST(PageDocumentFile, UnreadableOrRefusedFilesGiveAFrenchMessage) {
    QTemporaryDir dir;
    writeFile(dir.filePath("court.ori"), QByteArray(120, ' '));
    QDir(dir.path()).mkdir("dossier.ori");
    const struct {
        QString file, message;
    } cases[] = {
        {"court.ori", "Le fichier « court.ori » n'est pas une page Oria valide : il fait 120 "
                      "octets au lieu de 285."},
        {"absent.ori", "Impossible de lire « absent.ori » : le fichier n'existe pas."},
        {"dossier.ori", "Impossible de lire « dossier.ori » : c'est un dossier."},
    };
    for (const auto& c : cases) {
        QString message;
        EXPECT_FALSE(ReadPageDocument(dir.filePath(c.file), &message));
        EXPECT_EQ(message, c.message);
    }
}

TEST(PageDocumentFile, FailedSavesWriteNothingAndKeepTheOldFile) {
    QTemporaryDir dir;
    const QString old = dir.filePath("ancienne.ori");
    writeFile(old, "ancien contenu");
    PageDocument outOfRange = handBuiltPage();
    outOfRange.fond = -1;
    const struct {
        std::function<std::optional<QString>()> save;
        QString reason;
    } cases[] = {
        {[&] { return WritePageDocument(dir.filePath("manque/p.ori"), handBuiltPage()); },
         "Impossible d'enregistrer « p.ori » : le dossier n'existe pas."},
        {[&] { return WritePageDocument(old, outOfRange); },
         "Impossible d'enregistrer « ancienne.ori » : la couleur du fond vaut 0xFFFFFFFF"},
    };
    for (const auto& c : cases) {
        const auto message = c.save();
        ASSERT_TRUE(message);
        EXPECT_TRUE(message->startsWith(c.reason)) << message->toStdString();
        EXPECT_TRUE(message->endsWith("un fichier existant n'a pas été modifié."));
    }
    EXPECT_EQ(contentsOf(old), "ancien contenu");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"ancienne.ori"});
}

} // namespace
} // namespace oria
