#include "platform/QtPlatform.h"
#include "support/QtTestSupport.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oria {
namespace {

// Settings are written off the windows' thread: a value set is read back at once, is in the
// file once written, and the last of several set in a row is the one kept.
TEST(QtPlatformSettings, ReadBackAtOnceAndWrittenInOrder) {
    test::application();
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QtPlatform platform;
        for (const char* key : {"normale", "protanopie", "deuteranopie"}) {
            platform.setSetting(QStringLiteral("Vision"), QLatin1String(key));
            EXPECT_EQ(platform.setting(QStringLiteral("Vision"), {}), QLatin1String(key));
        }
        platform.setSetting(QStringLiteral("Cible"), QStringLiteral("aa"));
    } // closing waits for the writes
    QtPlatform later;
    EXPECT_EQ(later.setting(QStringLiteral("Vision"), {}), QStringLiteral("deuteranopie"));
    EXPECT_EQ(later.setting(QStringLiteral("Cible"), {}), QStringLiteral("aa"));
    EXPECT_EQ(later.setting(QStringLiteral("Absent"), QStringLiteral("défaut")),
              QStringLiteral("défaut"));
}

} // namespace
} // namespace oria
