#include "app/CommandLine.h"
#include "composer/PageDocument.h"
#include "support/RunCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace oria {
namespace {

TEST(PageCommand, PrintsOneFieldALine) {
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Été  bleu"));
    page.texte = RGB(0x12, 0x34, 0x56), page.fond = RGB(255, 255, 255),
    page.cercle = RGB(0xAB, 0, 0);
    page.titre = 0, page.boite = RGB(0, 0, 0xCD);
    page.boiteVisible = false, page.cercleVisible = false;
    QTemporaryDir dir;
    const test::CommandResult r =
        test::runCommand({"page", test::writeFile(dir, "été.ori", EncodePageDocument(page))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "nom: Été  bleu\n"
                     "texte: #123456\nfond: #FFFFFF\ncercle: #AB0000\ntitre: #000000\n"
                     "boite: #0000CD\n"
                     "boite visible: 0\ntitre visible: 1\ntexte visible: 1\ncercle visible: 0\n"
                     "tous visibles: 1\n");
}

TEST(PageCommand, BadCallsAndFilesFailWithAFrenchMessage) {
    QTemporaryDir dir;
    const std::string good = test::writeFile(dir, "bonne.ori", EncodePageDocument({}));
    QByteArray flagged = EncodePageDocument({});
    flagged[279] = 5;
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"page"}, "oria : page attend un seul fichier .ori (nombre reçu : 0).\n"},
        {{"page", good, good}, "oria : page attend un seul fichier .ori (nombre reçu : 2).\n"},
        {{"page", dir.filePath("absente.ori").toStdString()},
         "oria : impossible de lire « absente.ori » : le fichier n'existe pas.\n"},
        {{"page", test::writeFile(dir, "courte.ori", "trop court")},
         "oria : le fichier « courte.ori » n'est pas une page Oria valide : il fait 10 octets au "
         "lieu de 285.\n"},
        {{"page", test::writeFile(dir, "drapeau.ori", flagged)},
         "oria : le fichier « drapeau.ori » n'est pas une page Oria valide : l'indicateur « texte "
         "visible » vaut 5 au lieu de 0 ou 1.\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
    }
}

} // namespace
} // namespace oria
