#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace oria {
namespace {

void writeTips(const QString& folder) {
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile tips(folder + QStringLiteral("/ASTUCES.TXT"));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
}

// The build tree keeps the data beside the program.
TEST(DataFolderTest, FolderHoldingTheTipsIsTheDataFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTips(dir.path());
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

// A macOS bundle keeps them in Contents/Resources, beside Contents/MacOS.
TEST(DataFolderTest, BundleReadsResources) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTips(dir.filePath(QStringLiteral("Contents/Resources")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Contents/MacOS")));
    EXPECT_EQ(DataFolder(dir.filePath(QStringLiteral("Contents/MacOS"))),
              dir.filePath(QStringLiteral("Contents/Resources")));
}

// A program away from its data finds it among the standard data folders, here the XDG ones.
TEST(DataFolderTest, ProgramAwayFromItsDataReadsTheStandardDataFolders) {
#ifndef Q_OS_LINUX
    GTEST_SKIP() << "the standard data folders are set by environment on Linux only";
#endif
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTips(dir.filePath(QStringLiteral("data/oria")));
    struct Setting {
        const char* name;
        QString value;
        bool wasSet = qEnvironmentVariableIsSet(name);
        QByteArray before = qgetenv(name);
    } settings[] = {{"XDG_DATA_HOME", dir.filePath(QStringLiteral("home"))},
                    {"XDG_DATA_DIRS", dir.filePath(QStringLiteral("data"))}};
    for (const Setting& s : settings) {
        qputenv(s.name, QFile::encodeName(s.value));
    }
    const QString found = DataFolder(dir.filePath(QStringLiteral("bin")));
    for (const Setting& s : settings) {
        s.wasSet ? qputenv(s.name, s.before) : qunsetenv(s.name);
    }
    EXPECT_EQ(found, dir.filePath(QStringLiteral("data/oria")));
}

} // namespace
} // namespace oria
