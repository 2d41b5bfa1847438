#include "CommandTables.h"

#include "composer/PageDocument.h"

namespace oria {
namespace {

TEST(PageCommand, PrintsOneFieldALineOrWhyTheFileIsRefused) {
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Été  bleu"));
    page.texte = RGB(0x12, 0x34, 0x56), page.fond = RGB(255, 255, 255);
    page.cercle = RGB(0xAB, 0, 0), page.titre = 0, page.boite = RGB(0, 0, 0xCD);
    page.boiteVisible = false, page.cercleVisible = false;
    QByteArray flagged = EncodePageDocument({});
    flagged[279] = 5;
    QTemporaryDir dir;
    const std::string good = test::writeFile(dir, "bonne.ori", EncodePageDocument({}));
    test::expectCalls({
        {"page " + test::writeFile(dir, "été.ori", EncodePageDocument(page)), 0,
         "nom: Été  bleu\n"
         "texte: #123456\nfond: #FFFFFF\ncercle: #AB0000\ntitre: #000000\nboite: #0000CD\n"
         "boite visible: 0\ntitre visible: 1\ntexte visible: 1\ncercle visible: 0\n"
         "tous visibles: 1\n"},
        {"page", 2, "oria : page attend un seul fichier .ori (nombre reçu : 0).\n"},
        {"page " + good + " " + good, 2,
         "oria : page attend un seul fichier .ori (nombre reçu : 2).\n"},
        {"page @/absente.ori", 2,
         "oria : impossible de lire « absente.ori » : le fichier n'existe pas.\n"},
        {"page " + test::writeFile(dir, "courte.ori", "trop court"), 2,
         "oria : le fichier « courte.ori » n'est pas une page Oria valide : il fait 10 octets au "
         "lieu de 285.\n"},
        {"page " + test::writeFile(dir, "drapeau.ori", flagged), 2,
         "oria : le fichier « drapeau.ori » n'est pas une page Oria valide : l'indicateur « texte "
         "visible » vaut 5 au lieu de 0 ou 1.\n"},
    });
}

} // namespace
} // namespace oria
