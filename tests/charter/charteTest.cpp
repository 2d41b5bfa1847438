#include "charter/charte.h"
#include "support/FakePlatform.h"
#include "support/FakeWindows.h"
#include "support/QtTestSupport.h"
#include "widgets/ColourPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
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
    QString text(const QString& name) { return child<QLabel>(name)->text(); }
    Colour picture(const QString& name) { return child<ColourPicture>(name)->backgroundColour(); }
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

TEST_F(CharteTest, RowsFollowTheComposersFlags) {
    EXPECT_EQ(window->windowTitle(), "Charte Graphique");
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), 0);
    EXPECT_EQ(child<QLineEdit>("Text5")->text(), "Couleur decors 2");
    EXPECT_EQ(text("Label1"), "#0080FF");
    EXPECT_EQ(text("Label11"), "R: 0 V: 128 B: 255");
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check5")->isChecked());
    EXPECT_FALSE(child("Text5")->isEnabled());
    EXPECT_EQ(picture("Picture6"), RGB(192, 192, 192));
    EXPECT_EQ(text("Label5"), "#FAC800") << "the read-outs show the colour all the same";
    EXPECT_TRUE(text("Label6").startsWith("La charte graphique se présente"));

    child<QCheckBox>("Check5")->click();
    EXPECT_TRUE(child("Text5")->isEnabled());
    EXPECT_EQ(picture("Picture6"), RGB(192, 192, 192)) << "stays grey";
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
