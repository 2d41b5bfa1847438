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
    test::writeFile(dir, "été.ori", EncodePageDocument(page));
    test::writeFile(dir, "bonne.ori", EncodePageDocument({}));
    test::writeFile(dir, "courte.ori", "trop court");
    test::writeFile(dir, "drapeau.ori", flagged);
    test::expectGoldenCalls("page", dir.path());
}

} // namespace
} // namespace oria
