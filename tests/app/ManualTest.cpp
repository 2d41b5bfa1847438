// F1 in every window opens its own section of the manual, which has every section it links to.
#include "support/AllWindows.h"
#include "widgets/Help.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

namespace oria {
namespace {

const QString kResources = QStringLiteral(ORIA_RESOURCES);

TEST(Manual, F1InEveryWindowOpensItsSection) {
    test::AllWindows app;
    test::FakePlatform& platform = app.platform;
    platform.folder = kResources;
    for (const auto& [section, open] : app.all) {
        SCOPED_TRACE(section);
        QWidget* window = open();
        ASSERT_TRUE(test::AllWindows::activate(window));
        platform.openedDocuments.clear();
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_EQ(platform.openedDocuments.join(' ').toStdString(),
                  (kResources + kManualFile + '#' + QString::fromLatin1(section)).toStdString());
    }

    // Without the manual, a message names the file looked for, and nothing opens.
    const QTemporaryDir empty;
    platform.folder = empty.path();
    platform.openedDocuments.clear();
    ASSERT_TRUE(test::AllWindows::activate(&app.form));
    QTest::keyClick(&app.form, Qt::Key_F1);
    EXPECT_TRUE(platform.openedDocuments.isEmpty());
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages.back().text.contains(
        QDir::toNativeSeparators(empty.path() + kManualFile)));
}

// Every section a window opens exists, every link inside the page lands on an anchor, and
// every picture it shows is there.
TEST(Manual, LinksAnchorsAndPicturesAreWhole) {
    QFile page(kResources + kManualFile);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    std::set<QString> ids;
    for (auto it = QRegularExpression(R"re(\bid="([^"]+)")re").globalMatch(html); it.hasNext();) {
        EXPECT_TRUE(ids.insert(it.next().captured(1)).second) << "an id given twice";
    }
    for (const char* section : {manual::kHarmonie, manual::kRazezevAru, manual::kVizozudu,
                                manual::kComposeur, manual::kCharte, manual::kAstuce}) {
        EXPECT_TRUE(ids.count(QString::fromLatin1(section))) << section;
    }
    for (auto it = QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(ids.count(target)) << target.toStdString();
    }
    for (auto it = QRegularExpression(R"re(src="([^"]+)")re").globalMatch(html); it.hasNext();) {
        const QString picture = it.next().captured(1);
        EXPECT_TRUE(QFile::exists(kResources + "/aide/" + picture)) << picture.toStdString();
    }
}

} // namespace
} // namespace oria
