#include "app/frmSplash.h"
#include "app/frmTip.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/WindowDriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace oria {
namespace {

// The windows need a QApplication; made when the tests run, not when they are listed.
struct ApplicationEnvironment : ::testing::Environment {
    void SetUp() override {
        // Windows are never shown on a real screen, whoever runs the tests.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        test::application();
        // The program's own face, so that the layouts are checked as users see them.
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// ---- frmSplash ----

class SplashTest : public test::WindowTest {};

TEST_F(SplashTest, AtStartUpShowsTheVersionAndClosesItselfAfterTwoSeconds) {
    QElapsedTimer elapsed; // from before the timer starts, however slow the machine
    elapsed.start();
    frmSplash splash(module, platform);
    EXPECT_EQ(splash.size(), QSize(480, 300));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.Timer1()->interval(), 2000); // started: exec() returns on its tick

    // exec() must return on the timer's tick; the single shot only rescues a broken build.
    QTimer::singleShot(6000, &splash, [&] { splash.done(-1); });
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_GE(elapsed.elapsed(), 1900) << "not before its two seconds";
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1()->isActive());
    EXPECT_TRUE(platform.openedDocuments.isEmpty());
}

// The version, and the notice and "Licence" in the about box only; every text fits, unclipped.
TEST_F(SplashTest, NoticeAndLicenceInTheAboutBoxOnlyAndTextsFit) {
    for (const bool about : {false, true}) {
        SCOPED_TRACE(about);
        module.AproposMenu = about;
        frmSplash splash(module, platform);
        splash.show();
        drive(&splash);
        test::ExpectWindowGolden(about ? "app/about-box" : "app/splash", &splash);
        const auto controls = splash.findChildren<QWidget*>();
        EXPECT_EQ(controls.size(), 6) << "five labels and \"Licence\"";
        for (QWidget* w : controls) {
            SCOPED_TRACE(w->objectName().toStdString());
            if (const auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
                EXPECT_LE(w->heightForWidth(w->width()), w->height());
            } else {
                EXPECT_LE(w->sizeHint().height(), w->height());
                EXPECT_LE(w->sizeHint().width(), w->width());
            }
        }
    }
}

// The about box, its timer stopped by the caller, stays open until the user presses a key or
// clicks anywhere but on "Licence", which opens the licence file.
TEST_F(SplashTest, AboutBoxClosesOnTheUsersKeyOrClick) {
    module.AproposMenu = true;
    platform.folder = QStringLiteral("/opt/oria");
    for (const std::string act : {"nothing", "Return", "window", "lblVersion", "lblPlatform",
                                  "Label1", "Label2", "Command1"}) {
        SCOPED_TRACE(act);
        const bool closes = act != "nothing" && act != "Command1";
        frmSplash splash(module, platform);
        splash.Timer1()->stop();
        splash.show();
        drive(&splash);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        if (act == "Return") {
            QTest::keyClick(&splash, Qt::Key_Return);
        } else if (act != "nothing") {
            QWidget* target = act == "window" ? &splash : child(act.c_str());
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, target->height() / 2));
        }
        QTest::qWait(act == "nothing" ? 300 : 50);
        EXPECT_EQ(splash.isVisible(), !closes);
        EXPECT_EQ(splash.result(), closes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(platform.openedDocuments,
                  act == "Command1" ? QStringList{"/opt/oria/license.txt"} : QStringList{});
    }
}

// ---- frmTip ----

class TipTest : public test::WindowTest {
protected:
    TipTest() { platform.folder = dir.path(); }
    // A window as the program opens it: on the heap, destroyed when unloaded.
    void open() {
        delete tip;
        tip = new frmTip(module, platform);
        drive(tip);
    }
    QLabel* tipText() { return child<QLabel>("lblTipText"); }
    void TearDown() override { delete tip; }

    QPointer<frmTip> tip;
};

TEST_F(TipTest, WithoutTheSettingShowsATipAndEveryClickOnTheBoxIsSaved) {
    file("ASTUCES.TXT", "Premi\xe8re astuce\r\n\xab Deuxi\xe8me \xbb \x80 \x93"
                        "c\x9cur\x94\r\nTroisi\xe8me\r\n");
    platform.randomSource = test::ScriptedRandom({0.5});
    open();
    ASSERT_FALSE(tip->wasUnloadedOnLoad());
    EXPECT_EQ(platform.randomSource.reseeds, 1);
    EXPECT_EQ(tip->AstuceCourante(), 2);
    EXPECT_TRUE(platform.settings.isEmpty()); // loading reads, never writes
    tip->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(tip));
    test::ExpectWindowGolden("app/tip-second-of-three", tip); // the tip in Windows-1252
    for (const char* saved : {"0", "1"}) {
        click("chkLoadTipsAtStartup");
        EXPECT_EQ(platform.settings.value("Show Tips at Startup"), saved);
    }
}

// Each row: the stored setting, then whether the window unloaded as it loaded, the tips it
// read, the random source's reseeds and the box. An unloaded window has done nothing else.
TEST_F(TipTest, SettingDecidesWhetherTheWindowUnloadsAtOnce) {
    file("ASTUCES.TXT", "Une astuce\r\n");
    QString rows;
    for (const char* value : {"0", "1", "", "non", " 2", "-1", "0x1", "00"}) {
        platform.settings["Show Tips at Startup"] = value;
        platform.randomSource.reseeds = 0;
        open();
        EXPECT_FALSE(tip->isVisible());
        EXPECT_EQ(platform.settings.value("Show Tips at Startup"), value);
        rows += QStringLiteral("\"%1\": %2, %3 tip(s), %4 reseed(s), box %5\n")
                    .arg(QLatin1String(value),
                         QLatin1String(tip->wasUnloadedOnLoad() ? "unloaded" : "loaded"))
                    .arg(tip->Astuces().size())
                    .arg(platform.randomSource.reseeds)
                    .arg(QLatin1String(checked("chkLoadTipsAtStartup") ? "[x]" : "[ ]"));
    }
    test::ExpectGolden("app/tip-setting", rows);
}

// No file (or a folder of that name) gives a message, an empty file nothing, a file of one
// line that line; "Astuce suivante" leaves each as it is. Each row: the tips read and the
// tip's number, then the text shown before each of four clicks.
TEST_F(TipTest, MissingEmptyAndOneLineFiles) {
    QString rows;
    int row = 0;
    for (const char* content : {"(aucun)", "/", "", "Seule astuce, sans fin de ligne"}) {
        platform.folder = dir.filePath(QString::number(++row));
        ASSERT_TRUE(QDir().mkpath(platform.folder + (row == 2 ? "/ASTUCES.TXT" : "")));
        if (row > 2) {
            file(QStringLiteral("%1/ASTUCES.TXT").arg(row), content);
        }
        platform.randomSource = test::ScriptedRandom({0.0, 0.99, 0.5, 0.999999});
        open();
        tip->show();
        rows += QStringLiteral("\"%1\": %2 tip(s), number %3\n")
                    .arg(QLatin1String(content))
                    .arg(tip->Astuces().size())
                    .arg(tip->AstuceCourante());
        for (int clicks = 0; clicks < 4; ++clicks) {
            rows += "  \"" + test::OneLine(tipText()->text().replace('\r', "\\r")) + "\"\n";
            click("cmdNextTip");
        }
    }
    test::ExpectGolden("app/tip-missing-empty-one-line", rows);
    EXPECT_FALSE(tip->LoadTips(QString()));
}

// 1.0, out of range from a faulty source, keeps to the last tip. Each row: the draw, then the
// tip's number and text.
TEST_F(TipTest, RandomNumberPicksTheTip) {
    file("ASTUCES.TXT", "Un\r\n\r\nTrois\r\nQuatre\r\n");
    open();
    ASSERT_EQ(tip->Astuces(), (QStringList{"Un", "", "Trois", "Quatre"}));
    tip->show();
    QString rows;
    for (const double draw : {0.0, 0.2499, 0.25, 0.4, 0.5, 0.75, 0.99, 1.0}) {
        platform.randomSource = test::ScriptedRandom({draw});
        click("cmdNextTip");
        rows += QStringLiteral("%1: %2 \"%3\"\n")
                    .arg(draw)
                    .arg(tip->AstuceCourante())
                    .arg(tipText()->text());
    }
    test::ExpectGolden("app/tip-random", rows);
}

TEST_F(TipTest, EveryKindOfLineEndSeparatesTips) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {"a\r\nb", {"a", "b"}}, {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}}, {"a\n\r\nb\r\r\n", {"a", "", "b", ""}},
        {"\r\n", {""}},         {" a \t\r\n", {" a \t"}},
    };
    open(); // without tips of its own
    for (const auto& [bytes, tips] : rows) {
        SCOPED_TRACE(bytes.toStdString());
        const qsizetype before = tip->Astuces().size();
        ASSERT_TRUE(tip->LoadTips(file("tips.txt", bytes)));
        // Loading appends to the tips already there.
        EXPECT_EQ(tip->Astuces().mid(before), tips);
    }
}

TEST_F(TipTest, TheLongestTipFitsItsBox) {
    platform.folder = QStringLiteral(ORIA_RESOURCES); // the tips the program ships
    open();
    tip->show();
    ASSERT_GT(tip->Astuces().size(), 1);
    for (const QString& line : tip->Astuces()) {
        tipText()->setText(line);
        EXPECT_LE(tipText()->heightForWidth(tipText()->width()), tipText()->height())
            << line.toStdString();
    }
}

} // namespace
} // namespace oria
