#include "app/frmSplash.h"
#include "app/frmTip.h"
#include "support/FakePlatform.h"
#include "support/QtTestSupport.h"
#include "widgets/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace oria {
namespace {

// The windows need a QApplication; made when the tests run, not when they are listed.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Windows are never shown on a real screen, whoever runs the tests.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        test::application();
        // The program's own face, so that the layouts are checked as users see them.
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

template <typename T> T* child(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// ---- frmSplash ----

class SplashTest : public ::testing::Test {
protected:
    Module1 module;
    test::FakePlatform platform;
};

TEST_F(SplashTest, AtStartUpShowsTheVersionAndClosesItselfAfterTwoSeconds) {
    frmSplash splash(module, platform);
    EXPECT_EQ(child<QLabel>(&splash, "lblVersion")->text(), "Version 1.0.0");
    EXPECT_EQ(child<QLabel>(&splash, "lblPlatform")->text(), "Windows 95/98/NT4.0/2000");
    EXPECT_EQ(splash.size(), QSize(480, 300));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    ASSERT_EQ(splash.Timer1()->objectName(), "Timer1");
    EXPECT_TRUE(splash.Timer1()->isActive());
    EXPECT_EQ(splash.Timer1()->interval(), 2000);

    // exec() must return on the timer's tick; the single shot only rescues a broken build.
    QTimer::singleShot(6000, &splash, [&] { splash.done(-1); });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_GE(elapsed.elapsed(), 1900) << "not before its two seconds";
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1()->isActive());
    EXPECT_TRUE(platform.openedDocuments.isEmpty());
}

TEST_F(SplashTest, NoticeAndLicenceBelongToTheAboutBoxOnly) {
    for (const bool about : {false, true}) {
        SCOPED_TRACE(about);
        module.AproposMenu = about;
        frmSplash splash(module, platform);
        splash.show();
        auto* notice = child<QLabel>(&splash, "Label2");
        auto* licence = child<QPushButton>(&splash, "Command1");
        ASSERT_TRUE(notice && licence);
        EXPECT_EQ(notice->isVisible(), about);
        EXPECT_EQ(licence->isVisible(), about);
        EXPECT_EQ(notice->text(), StringTable(104));
        EXPECT_FALSE(StringTable(104).isEmpty());
        EXPECT_EQ(licence->text(), "Licence");
    }
}

TEST_F(SplashTest, TextsFitInsideTheWindowUnclipped) {
    module.AproposMenu = true;
    frmSplash splash(module, platform);
    splash.show();
    const auto labels = splash.findChildren<QLabel*>();
    EXPECT_EQ(labels.size(), 5);
    for (QLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_TRUE(splash.rect().contains(label->geometry()));
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_LE(needed, label->height());
        if (!label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width());
        }
    }
    auto* licence = child<QPushButton>(&splash, "Command1");
    EXPECT_TRUE(splash.rect().contains(licence->geometry()));
    EXPECT_LE(licence->sizeHint().width(), licence->width());
}

// The about box: the caller stops the timer; only the user closes the box.
class AboutBoxTest : public SplashTest {
protected:
    void SetUp() override {
        module.AproposMenu = true;
        platform.folder = QStringLiteral("/opt/oria");
        splash = std::make_unique<frmSplash>(module, platform);
        splash->Timer1()->stop();
        splash->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash.get()));
    }
    std::unique_ptr<frmSplash> splash;
};

TEST_F(AboutBoxTest, StaysOpenUntilTheUserActs) {
    QTest::qWait(300);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->Timer1()->isActive());
}

TEST_F(AboutBoxTest, KeyPressCloses) {
    QTest::keyClick(splash.get(), Qt::Key_Return);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(splash->result(), QDialog::Accepted);
    EXPECT_TRUE(platform.openedDocuments.isEmpty());
}

TEST_F(AboutBoxTest, ClickOnTheWindowOrOnALabelCloses) {
    const char* const targets[] = {nullptr, "lblVersion", "lblPlatform", "Label1", "Label2"};
    for (const char* target : targets) {
        SCOPED_TRACE(target ? target : "window");
        splash->show();
        ASSERT_TRUE(splash->isVisible());
        QWidget* widget = target ? child<QWidget>(splash.get(), target) : splash.get();
        ASSERT_NE(widget, nullptr);
        const QPoint spot = target ? QPoint(2, widget->height() / 2) : QPoint(240, 150);
        QTest::mouseClick(widget, Qt::LeftButton, {}, spot);
        EXPECT_FALSE(splash->isVisible());
    }
}

TEST_F(AboutBoxTest, LicenceOpensTheLicenceFileAndStaysOpen) {
    QTest::mouseClick(child<QPushButton>(splash.get(), "Command1"), Qt::LeftButton);
    EXPECT_EQ(platform.openedDocuments, QStringList{"/opt/oria/license.txt"});
    QTest::qWait(50);
    EXPECT_TRUE(splash->isVisible());
}

// ---- frmTip ----

const QString kNotFound = QStringLiteral("Le fichier ASTUCES.TXT n'a pas été trouvé? \r\n\r\n");

class TipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
    }
    void writeTips(const QByteArray& bytes, const QString& name = QStringLiteral("ASTUCES.TXT")) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A window as the program opens it: on the heap, destroyed when unloaded.
    QPointer<frmTip> open() {
        tip = new frmTip(module, platform);
        return tip;
    }
    QLabel* tipText() { return child<QLabel>(tip, "lblTipText"); }
    void TearDown() override { delete tip; }

    QTemporaryDir folder;
    Module1 module;
    test::FakePlatform platform;
    QPointer<frmTip> tip;
};

TEST_F(TipTest, WithoutTheSettingShowsATipDecodedFromTheFile) {
    writeTips("Premi\xe8re astuce\r\n\xab Deuxi\xe8me \xbb \x80 \x93"
              "c\x9cur\x94\r\nTroisi\xe8me\r\n");
    platform.randomSource = test::ScriptedRandom({0.5});
    open();
    ASSERT_FALSE(tip->wasUnloadedOnLoad());
    EXPECT_EQ(tip->windowTitle(), "Astuce du jour");
    EXPECT_TRUE(child<QCheckBox>(tip, "chkLoadTipsAtStartup")->isChecked());
    EXPECT_EQ(platform.randomSource.reseeds, 1);
    EXPECT_EQ(tip->AstuceCourante(), 2);
    EXPECT_EQ(tipText()->text(), QStringLiteral("« Deuxième » € “cœur”"));
    EXPECT_TRUE(platform.settings.isEmpty()); // loading reads, never writes
    tip->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(tip));
}

TEST_F(TipTest, SettingDecidesWhetherTheWindowUnloadsAtOnce) {
    writeTips("Une astuce\r\n");
    const struct {
        const char* value;
        bool unloaded;
    } rows[] = {{"0", true},   {"1", false},  {"", true},    {"non", true},
                {" 2", false}, {"-1", false}, {"0x1", true}, {"00", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        platform.settings["Show Tips at Startup"] = row.value;
        platform.randomSource.reseeds = 0;
        QPointer<frmTip> window = open();
        EXPECT_EQ(window->wasUnloadedOnLoad(), row.unloaded);
        EXPECT_FALSE(window->isVisible());
        // An unloaded window has done nothing else.
        EXPECT_EQ(window->Astuces().isEmpty(), row.unloaded);
        EXPECT_EQ(platform.randomSource.reseeds, row.unloaded ? 0 : 1);
        EXPECT_EQ(child<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked(), !row.unloaded);
        EXPECT_EQ(platform.settings.value("Show Tips at Startup"), row.value);
        delete window;
    }
}

TEST_F(TipTest, EveryClickOnTheCheckBoxIsSaved) {
    writeTips("Une astuce\r\n");
    open();
    tip->show();
    auto* box = child<QCheckBox>(tip, "chkLoadTipsAtStartup");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "&Afficher les astuces au démarrage");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(platform.settings.value("Show Tips at Startup"), "0");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(platform.settings.value("Show Tips at Startup"), "1");
}

TEST_F(TipTest, MissingFileGivesTheMessage) {
    open();
    EXPECT_FALSE(tip->wasUnloadedOnLoad());
    EXPECT_EQ(tipText()->text(), kNotFound);
    EXPECT_TRUE(tip->Astuces().isEmpty());
    // "Astuce suivante" has nothing to show and leaves the message.
    tip->show();
    QTest::mouseClick(child<QPushButton>(tip, "cmdNextTip"), Qt::LeftButton);
    EXPECT_EQ(tipText()->text(), kNotFound);
}

TEST_F(TipTest, UnreadableTipsCountAsMissing) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("ASTUCES.TXT"));
    open();
    EXPECT_EQ(tipText()->text(), kNotFound);
    EXPECT_FALSE(tip->LoadTips(QString()));
    EXPECT_FALSE(tip->LoadTips(folder.filePath("absent.txt")));
    EXPECT_TRUE(tip->Astuces().isEmpty());
}

TEST_F(TipTest, EmptyFileShowsNothing) {
    writeTips("");
    open();
    EXPECT_TRUE(tip->Astuces().isEmpty());
    EXPECT_EQ(tip->AstuceCourante(), 1);
    EXPECT_EQ(tipText()->text(), QString());
}

TEST_F(TipTest, OneLineFileAlwaysShowsThatLine) {
    writeTips("Seule astuce, sans fin de ligne");
    platform.randomSource = test::ScriptedRandom({0.0, 0.99, 0.5, 0.999999});
    open();
    tip->show();
    for (int click = 0; click < 4; ++click) {
        EXPECT_EQ(tipText()->text(), "Seule astuce, sans fin de ligne");
        QTest::mouseClick(child<QPushButton>(tip, "cmdNextTip"), Qt::LeftButton);
    }
}

TEST_F(TipTest, RandomNumberPicksTheTip) {
    writeTips("Un\r\n\r\nTrois\r\nQuatre\r\n");
    const struct {
        double r;
        int number;
        const char* text;
    } rows[] = {
        {0.0, 1, "Un"},      {0.2499, 1, "Un"},  {0.25, 2, ""},
        {0.4, 2, ""},        {0.5, 3, "Trois"},  {0.75, 4, "Quatre"},
        {0.99, 4, "Quatre"}, {1.0, 4, "Quatre"}, // out of range from a faulty source: kept on the
                                                 // last tip
    };
    std::vector<double> script{0.5};
    for (const auto& row : rows) {
        script.push_back(row.r);
    }
    platform.randomSource = test::ScriptedRandom(script);
    open();
    ASSERT_EQ(tip->Astuces(), (QStringList{"Un", "", "Trois", "Quatre"}));
    tip->show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.r);
        QTest::mouseClick(child<QPushButton>(tip, "cmdNextTip"), Qt::LeftButton);
        EXPECT_EQ(tip->AstuceCourante(), row.number);
        EXPECT_EQ(tipText()->text(), row.text);
    }
}

TEST_F(TipTest, EveryKindOfLineEndSeparatesTips) {
    const struct {
        QByteArray bytes;
        QStringList tips;
    } rows[] = {
        {"a\r\nb", {"a", "b"}}, {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}}, {"a\n\r\nb\r\r\n", {"a", "", "b", ""}},
        {"\r\n", {""}},         {" a \t\r\n", {" a \t"}},
    };
    writeTips("");
    open();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        writeTips(row.bytes, "tips.txt");
        const qsizetype before = tip->Astuces().size();
        ASSERT_TRUE(tip->LoadTips(folder.filePath("tips.txt")));
        // Loading appends to the tips already there.
        EXPECT_EQ(tip->Astuces().mid(before), row.tips);
    }
}

TEST_F(TipTest, TheLongestTipFitsItsBox) {
    const QDir sources = QFileInfo(QStringLiteral(__FILE__)).dir();
    QFile shipped(sources.filePath(QStringLiteral("../../resources/ASTUCES.TXT")));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    writeTips(shipped.readAll());
    open();
    tip->show();
    QLabel* text = tipText();
    ASSERT_GT(tip->Astuces().size(), 1);
    for (const QString& line : tip->Astuces()) {
        text->setText(line);
        EXPECT_LE(text->heightForWidth(text->width()), text->height()) << line.toStdString();
    }
}

} // namespace
} // namespace oria
