#include "CommandTables.h"

#include <regex>

namespace oria {
namespace {

TEST(CharteCommand, StandardTemplatesUseOnlyTheirColours) {
    const std::vector<std::string> rows = {"fond", "texte", "titre", "decors1", "decors2"};
    const std::vector<std::string> colours = {"#F7F1E8", "#1E2A3A", "#B8432F", "#E9806E",
                                              "#3F7F7A"};
    for (const std::size_t n : {3u, 4u, 5u}) {
        SCOPED_TRACE(n);
        const QTemporaryDir dir;
        std::string call = "charte --modele standard" + std::to_string(n) + " --sortie @/c.html";
        for (std::size_t i = 0; i < n; ++i) {
            call += " --" + rows[i] + ' ' + colours[i];
        }
        ASSERT_EQ(test::runCommand(test::in(dir, call)).status, 0);
        QFile file(dir.filePath("c.html"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string html = file.readAll().toStdString();
        EXPECT_FALSE(std::regex_search(html, std::regex("%(nom|hexa|rvb)_[a-z0-9]*%")));
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_NE(html.find(colours[i]), std::string::npos) << colours[i];
        }
        EXPECT_NE(html.find("R\xE9"
                            "f\xE9rences pratiques"),
                  std::string::npos);
        EXPECT_FALSE(std::regex_search(html, std::regex("[^\r]\n"))) << "CR LF only";
    }
}

TEST(CharteCommand, BadCallsWriteNothing) {
    const std::string call = "charte --modele standard3 --sortie @/c ";
    test::expectCalls({
        {"charte --sortie @/c --fond #000000", 2, "« --modele » est obligatoire"},
        {"charte --modele standard3 --fond #000000", 2, "« --sortie » est obligatoire"},
        {call, 2, "« --fond » est obligatoire"},
        {"charte --modele standard3 --sortie '' --fond #000000", 2,
         "« --sortie » attend un nom de fichier"},
        {call + "--fond #000000 --titre #12345", 2, "couleur invalide « #12345 »"},
        {"charte --modele standard5 --sortie @/c --fond #000000 --decors3 #123456", 2,
         "option inconnue « --decors3 »"},
        {call + "--fond #000000 'en trop'", 2, "argument inattendu « en trop »"},
        {"charte --modele @/absent.html --sortie @/c --fond #000000", 2,
         "impossible de lire le modèle « absent.html » : le fichier n'existe pas.\n"},
        {"charte --modele standard4 --sortie @/absent/charte.html --fond #000000", 2,
         "la charte n'a pas pu être écrite dans « charte.html » : le dossier n'existe pas.\n"},
    });
}

} // namespace
} // namespace oria
