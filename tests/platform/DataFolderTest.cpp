#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oria {
namespace {

// The build tree keeps the data beside the program.
TEST(DataFolderTest, FolderHoldingTheTipsIsTheDataFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile tips(dir.filePath(QStringLiteral("ASTUCES.TXT")));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.close();
    EXPECT_EQ(DataFolder(dir.path()), dir.path());
}

// Once installed, bin/oria reads share/oria.
TEST(DataFolderTest, InstalledProgramReadsShareOria) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    EXPECT_EQ(DataFolder(dir.filePath(QStringLiteral("bin"))),
              dir.filePath(QStringLiteral("share/oria")));
}

} // namespace
} // namespace oria
