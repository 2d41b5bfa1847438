#include "charter/charte.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace oria {
namespace {

class CharteTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::application();
        module.CouleurFond = RGB(0, 128, 255);
        module.CouleurTexte = RGB(10, 20, 30);
        module.CouleurTitre = RGB(200, 10, 10);
        module.CouleurDecors1 = RGB(1, 1, 1);
        module.CouleurDecors2 = RGB(250, 200, 0);
        module.VisibleTexte = module.VisibleTitre = module.VisibleDecors1 = 1;
        module.VisibleDecors2 = 0; // the composer's box hidden
        platform.folder = folder.path();
        QDir(folder.path()).mkdir("modeles");
        QFile model(folder.filePath("modeles/std_3coul.html"));
        model.open(QIODevice::WriteOnly);
        model.write("%nom_charte%|%hexa_fond%|%rvb_fond%|%nom_decors2%|%hexa_decors2%\r\n");
        model.close();
        window = std::make_unique<charte>(module, platform, windows);
        window->show();
    }
    template <class T = QWidget> T* child(const QString& name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

    QTemporaryDir folder;
    Module1 module;
    test::FakePlatform platform;
    test::FakeWindows windows;
    std::unique_ptr<charte> window;
};

// The composer's hidden box: its row unticked, greyed and its picture grey, its read-outs
// showing the colour all the same; ticked, the picture stays grey.
TEST_F(CharteTest, RowsFollowTheComposersFlags) {
    test::ExpectWindowGolden("charter/opens-with-the-box-hidden", window.get());
    child<QCheckBox>("Check5")->click();
    test::ExpectWindowGolden("charter/box-ticked", window.get());
}

TEST_F(CharteTest, ExportsViewsAndSaysWhatWentWrong) {
    child<QToolButton>("Command4")->click(); // "Visualiser" before any export
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Oria 2000 - erreur");
    EXPECT_EQ(platform.messages[0].text, "Aucune charte à visualiser");

    // "personnalisé..." cancelled: back to the 3-colour standard template.
    auto* combo = child<QComboBox>("Combo1");
    combo->setCurrentIndex(3);
    emit combo->activated(3);
    EXPECT_EQ(combo->currentIndex(), 0);

    child<QLineEdit>("Text6")->setText("Ma charte");
    platform.saveAnswer = folder.filePath("charte.html");
    child<QToolButton>("Command3")->click();
    EXPECT_EQ(read(platform.saveAnswer),
              "Ma charte|#0080FF|R: 0 V: 128 B: 255|%nom_decors2%|%hexa_decors2%\r\n");
    EXPECT_EQ(window->CheminModele(), folder.filePath("modeles/std_3coul.html").replace("//", "/"));
    EXPECT_EQ(child<QProgressBar>("Bar1")->value(), 0);
    child<QToolButton>("Command4")->click();
    EXPECT_EQ(platform.openedDocuments, QStringList{platform.saveAnswer});

    // A missing standard template: the message, and the chosen file is remembered.
    combo->setCurrentIndex(2);
    platform.saveAnswer = folder.filePath("autre.html");
    child<QToolButton>("Command3")->click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Aucun modèle sélectionné. Veuillez en sélectionner un.");
    EXPECT_EQ(window->FichierCharte(), platform.saveAnswer);
    EXPECT_EQ(read(platform.saveAnswer), "<absent>");
}

} // namespace
} // namespace oria
