#include "charter/charte.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"
#include "support/WindowDriver.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace oria {
namespace {

class CharteTest : public test::WindowTest {
protected:
    void SetUp() override {
        module.CouleurFond = RGB(0, 128, 255);
        module.CouleurTexte = RGB(10, 20, 30);
        module.CouleurTitre = RGB(200, 10, 10);
        module.CouleurDecors1 = RGB(1, 1, 1);
        module.CouleurDecors2 = RGB(250, 200, 0);
        module.VisibleTexte = module.VisibleTitre = module.VisibleDecors1 = 1;
        module.VisibleDecors2 = 0; // the composer's box hidden
        platform.folder = dir.path();
        QDir(dir.path()).mkdir("modeles");
        file("modeles/std_3coul.html",
             "%nom_charte%|%hexa_fond%|%rvb_fond%|%nom_decors2%|%hexa_decors2%\r\n");
        window = std::make_unique<charte>(module, platform, windows);
        window->show();
        drive(window.get());
    }
    QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

    std::unique_ptr<charte> window;
};

// The composer's hidden box: its row unticked, greyed and its picture grey, its read-outs
// showing the colour all the same; ticked, the picture stays grey.
TEST_F(CharteTest, RowsFollowTheComposersFlags) {
    test::ExpectWindowGolden("charter/opens-with-the-box-hidden", window.get());
    click("Check5");
    test::ExpectWindowGolden("charter/box-ticked", window.get());
}

TEST_F(CharteTest, ExportsViewsAndSaysWhatWentWrong) {
    click("Command4"); // "Visualiser" before any export
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Oria 2000 - erreur");
    EXPECT_EQ(platform.messages[0].text, "Aucune charte à visualiser");

    // "personnalisé..." cancelled: back to the 3-colour standard template.
    run("Combo1=3");
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), 0);

    child<QLineEdit>("Text6")->setText("Ma charte");
    platform.saveAnswer = dir.filePath("charte.html");
    click("Command3");
    EXPECT_EQ(read(platform.saveAnswer),
              "Ma charte|#0080FF|R: 0 V: 128 B: 255|%nom_decors2%|%hexa_decors2%\r\n");
    EXPECT_EQ(window->CheminModele(), dir.filePath("modeles/std_3coul.html").replace("//", "/"));
    EXPECT_EQ(child<QProgressBar>("Bar1")->value(), 0);
    click("Command4");
    EXPECT_EQ(platform.openedDocuments, QStringList{platform.saveAnswer});

    // A missing standard template: the message, and the chosen file is remembered.
    child<QComboBox>("Combo1")->setCurrentIndex(2);
    platform.saveAnswer = dir.filePath("autre.html");
    click("Command3");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Aucun modèle sélectionné. Veuillez en sélectionner un.");
    EXPECT_EQ(window->FichierCharte(), platform.saveAnswer);
    EXPECT_EQ(read(platform.saveAnswer), "<absent>");
}

} // namespace
} // namespace oria
