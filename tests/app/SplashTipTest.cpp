#include "app/frmSplash.h"
#include "app/frmTip.h"
#include "support/FakePlatform.h"
#include "support/QtTestSupport.h"
#include "widgets/Resources.h"

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
#include <QTimer>

#include <gtest/gtest.h>

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

// The notice and "Licence" belong to the about box only; every text fits, unclipped.
TEST_F(SplashTest, NoticeAndLicenceInTheAboutBoxOnlyAndTextsFit) {
    ASSERT_FALSE(StringTable(104).isEmpty());
    for (const bool about : {false, true}) {
        SCOPED_TRACE(about);
        module.AproposMenu = about;
        frmSplash splash(module, platform);
        splash.show();
        auto* licence = child<QPushButton>(&splash, "Command1");
        EXPECT_EQ(child<QLabel>(&splash, "Label2")->isVisible(), about);
        EXPECT_EQ(child<QLabel>(&splash, "Label2")->text(), StringTable(104));
        EXPECT_EQ(licence->isVisible(), about);
        EXPECT_EQ(licence->text(), "Licence");
        EXPECT_TRUE(splash.rect().contains(licence->geometry()));
        EXPECT_LE(licence->sizeHint().width(), licence->width());
        const auto labels = splash.findChildren<QLabel*>();
        EXPECT_EQ(labels.size(), 5);
        for (QLabel* label : labels) {
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_FALSE(label->text().isEmpty());
            EXPECT_TRUE(splash.rect().contains(label->geometry()));
            const QSize hint = label->sizeHint();
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height());
            } else {
                EXPECT_LE(hint.height(), label->height());
                EXPECT_LE(hint.width(), label->width());
            }
        }
    }
}

// The about box, its timer stopped by the caller, stays open until the user presses a key or
// clicks anywhere but on "Licence", which opens the licence file.
TEST_F(SplashTest, AboutBoxClosesOnTheUsersKeyOrClick) {
    module.AproposMenu = true;
    platform.folder = QStringLiteral("/opt/oria");
    const std::pair<std::string, bool> acts[] = {
        {"nothing", false},    {"Return", true}, {"window", true}, {"lblVersion", true},
        {"lblPlatform", true}, {"Label1", true}, {"Label2", true}, {"Command1", false},
    };
    for (const auto& [act, closes] : acts) {
        SCOPED_TRACE(act);
        platform.openedDocuments.clear();
        frmSplash splash(module, platform);
        splash.Timer1()->stop();
        splash.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        if (act == "Return") {
            QTest::keyClick(&splash, Qt::Key_Return);
        } else if (act != "nothing") {
            QWidget* target = act == "window" ? &splash : child<QWidget>(&splash, act.c_str());
            const QPoint spot =
                act == "window" ? QPoint(240, 150) : QPoint(2, target->height() / 2);
            QTest::mouseClick(target, Qt::LeftButton, {}, spot);
        }
        QTest::qWait(act == "nothing" ? 300 : 50);
        EXPECT_EQ(splash.isVisible(), !closes);
        EXPECT_EQ(splash.result(), closes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(platform.openedDocuments,
                  act == "Command1" ? QStringList{"/opt/oria/license.txt"} : QStringList{});
    }
}

// ---- frmTip ----

const QString kNotFound = QStringLiteral("Le fichier ASTUCES.TXT n'a pas été trouvé? \r\n\r\n");

class TipTest : public ::testing::Test {
protected:
    TipTest() { platform.folder = folder.path(); }
    void writeTips(const QByteArray& bytes, const QString& name = QStringLiteral("ASTUCES.TXT")) {
        QFile file(QDir(platform.folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // A window as the program opens it: on the heap, destroyed when unloaded.
    void open() {
        delete tip;
        tip = new frmTip(module, platform);
    }
    QLabel* tipText() { return child<QLabel>(tip, "lblTipText"); }
    void next() { QTest::mouseClick(child<QPushButton>(tip, "cmdNextTip"), Qt::LeftButton); }
    void TearDown() override { delete tip; }

    QTemporaryDir folder;
    Module1 module;
    test::FakePlatform platform;
    QPointer<frmTip> tip;
};

TEST_F(TipTest, WithoutTheSettingShowsATipAndEveryClickOnTheBoxIsSaved) {
    writeTips("Premi\xe8re astuce\r\n\xab Deuxi\xe8me \xbb \x80 \x93"
              "c\x9cur\x94\r\nTroisi\xe8me\r\n");
    platform.randomSource = test::ScriptedRandom({0.5});
    open();
    ASSERT_FALSE(tip->wasUnloadedOnLoad());
    EXPECT_EQ(tip->windowTitle(), "Astuce du jour");
    EXPECT_EQ(platform.randomSource.reseeds, 1);
    EXPECT_EQ(tip->AstuceCourante(), 2);
    EXPECT_EQ(tipText()->text(), QStringLiteral("« Deuxième » € “cœur”"));
    EXPECT_TRUE(platform.settings.isEmpty()); // loading reads, never writes
    tip->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(tip));
    auto* box = child<QCheckBox>(tip, "chkLoadTipsAtStartup");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->text(), "&Afficher les astuces au démarrage");
    for (const char* saved : {"0", "1"}) {
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(platform.settings.value("Show Tips at Startup"), saved);
    }
}

TEST_F(TipTest, SettingDecidesWhetherTheWindowUnloadsAtOnce) {
    writeTips("Une astuce\r\n");
    const std::pair<const char*, bool> rows[] = {{"0", true},   {"1", false},  {"", true},
                                                 {"non", true}, {" 2", false}, {"-1", false},
                                                 {"0x1", true}, {"00", true}};
    for (const auto& [value, unloaded] : rows) {
        SCOPED_TRACE(value);
        platform.settings["Show Tips at Startup"] = value;
        platform.randomSource.reseeds = 0;
        open();
        EXPECT_EQ(tip->wasUnloadedOnLoad(), unloaded);
        EXPECT_FALSE(tip->isVisible());
        // An unloaded window has done nothing else.
        EXPECT_EQ(tip->Astuces().isEmpty(), unloaded);
        EXPECT_EQ(platform.randomSource.reseeds, unloaded ? 0 : 1);
        EXPECT_EQ(child<QCheckBox>(tip, "chkLoadTipsAtStartup")->isChecked(), !unloaded);
        EXPECT_EQ(platform.settings.value("Show Tips at Startup"), value);
    }
}

// No file (or one that cannot be read) gives a message, an empty file nothing, a file of one
// line that line; "Astuce suivante" leaves each as it is.
TEST_F(TipTest, MissingEmptyAndOneLineFiles) {
    const std::pair<const char*, QString> rows[] = {
        {nullptr, kNotFound},
        {"/", kNotFound}, // a folder of that name
        {"", ""},
        {"Seule astuce, sans fin de ligne", "Seule astuce, sans fin de ligne"},
    };
    int row = 0;
    for (const auto& [file, shown] : rows) {
        SCOPED_TRACE(shown.toStdString());
        platform.folder = folder.filePath(QString::number(++row));
        ASSERT_TRUE(QDir().mkpath(platform.folder));
        if (file && QByteArray(file) == "/") {
            ASSERT_TRUE(QDir(platform.folder).mkdir("ASTUCES.TXT"));
        } else if (file) {
            writeTips(file);
        }
        platform.randomSource = test::ScriptedRandom({0.0, 0.99, 0.5, 0.999999});
        open();
        EXPECT_FALSE(tip->wasUnloadedOnLoad());
        EXPECT_EQ(tip->Astuces().isEmpty(), shown.isEmpty() || shown == kNotFound);
        EXPECT_EQ(tip->AstuceCourante(), shown == kNotFound ? 0 : 1);
        tip->show();
        for (int click = 0; click < 4; ++click) {
            EXPECT_EQ(tipText()->text(), shown);
            next();
        }
    }
    EXPECT_FALSE(tip->LoadTips(QString()));
    EXPECT_FALSE(tip->LoadTips(folder.filePath("absent.txt")));
}

TEST_F(TipTest, RandomNumberPicksTheTip) {
    writeTips("Un\r\n\r\nTrois\r\nQuatre\r\n");
    // 1.0, out of range from a faulty source, keeps to the last tip.
    const struct {
        double r;
        int number;
        const char* text;
    } rows[] = {{0.0, 1, "Un"},    {0.2499, 1, "Un"},   {0.25, 2, ""},       {0.4, 2, ""},
                {0.5, 3, "Trois"}, {0.75, 4, "Quatre"}, {0.99, 4, "Quatre"}, {1.0, 4, "Quatre"}};
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
        next();
        EXPECT_EQ(tip->AstuceCourante(), row.number);
        EXPECT_EQ(tipText()->text(), row.text);
    }
}

TEST_F(TipTest, EveryKindOfLineEndSeparatesTips) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {"a\r\nb", {"a", "b"}}, {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}}, {"a\n\r\nb\r\r\n", {"a", "", "b", ""}},
        {"\r\n", {""}},         {" a \t\r\n", {" a \t"}},
    };
    writeTips("");
    open();
    for (const auto& [bytes, tips] : rows) {
        SCOPED_TRACE(bytes.toStdString());
        writeTips(bytes, "tips.txt");
        const qsizetype before = tip->Astuces().size();
        ASSERT_TRUE(tip->LoadTips(folder.filePath("tips.txt")));
        // Loading appends to the tips already there.
        EXPECT_EQ(tip->Astuces().mid(before), tips);
    }
}

TEST_F(TipTest, TheLongestTipFitsItsBox) {
    QFile shipped(
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/ASTUCES.TXT"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    writeTips(shipped.readAll());
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
