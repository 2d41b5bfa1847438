#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oria {
namespace {

// Where the program finds its data from the folder it runs in: beside it (the build tree),
// share/oria once installed as bin/oria, Contents/Resources beside a bundle's Contents/MacOS,
// and away from its data among the standard data folders, here the XDG ones.
TEST(DataFolderTest, FoundBesideTheProgramOrInTheStandardDataFolders) {
    const QTemporaryDir dir;
    const QByteArray home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    const struct {
        const char *tips, *program, *expected;
    } cases[] = {
        {"build", "build", "build"},
        {nullptr, "install/bin", "install/share/oria"},
        {"Oria.app/Contents/Resources", "Oria.app/Contents/MacOS", "Oria.app/Contents/Resources"},
#ifdef Q_OS_LINUX // the standard data folders are set by environment on Linux only
        {"data/oria", "away/bin", "data/oria"}, // last: the rows above must not find it
#endif
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromUtf8(c.program)));
        if (c.tips) {
            ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromUtf8(c.tips)));
            QFile tips(dir.filePath(QString::fromUtf8(c.tips) + QStringLiteral("/ASTUCES.TXT")));
            ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(DataFolder(dir.filePath(QString::fromUtf8(c.program))),
                  dir.filePath(QString::fromUtf8(c.expected)));
    }
    qputenv("XDG_DATA_HOME", home); // empty or unset: the same defaults
    qputenv("XDG_DATA_DIRS", dirs);
}

} // namespace
} // namespace oria
