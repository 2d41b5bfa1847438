#include "support/RunCommand.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <regex>

namespace oria {
namespace {

std::string pathIn(const QTemporaryDir& dir, const char* name) {
    return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
}

std::string readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(absent)";
}

std::vector<std::string> charte(std::vector<std::string> args, const std::string& model,
                                const std::string& output) {
    args.insert(args.begin(), {"charte", "--modele", model, "--sortie", output});
    return args;
}

TEST(CharteCommand, FillsTheTemplateInWindows1252) {
    QTemporaryDir dir;
    const std::string model = pathIn(dir, "modèle.html");
    QFile file(QString::fromStdString(model));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<h1>%nom_charte%</h1>\n%nom_ref%\r\n%nom_fond% %hexa_fond% %rvb_fond%\n"
               "%nom_texte%=%hexa_texte%\n%nom_decors2% %rvb_decors2%");
    file.close();
    const struct {
        std::vector<std::string> args;
        std::string bytes;
    } cases[] = {
        {{"--fond", "#0080ff"},
         "<h1>Titre</h1>\r\nR\xE9"
         "f\xE9rences\r\nCouleur Fond #0080FF R: 0 V: 128 B: 255\r\n%nom_texte%=%hexa_texte%\r\n"
         "%nom_decors2% %rvb_decors2%\r\n"},
        {{"--nom", "Ōkami", "--references", "<b>Été</b>", "--fond", "000000", "--nom-fond", "Noir",
          "--decors2=#FEDCBA", "--nom-decors2", "Crème", "--texte", "abcdef"},
         "<h1>&#332;kami</h1>\r\n<b>\xC9t\xE9</b>\r\nNoir #000000 R: 0 V: 0 B: 0\r\n"
         "Couleur texte=#ABCDEF\r\nCr\xE8me R: 254 V: 220 B: 186\r\n"},
    };
    for (const auto& c : cases) {
        const std::string output = pathIn(dir, "charte.html");
        const test::CommandResult r = test::runCommand(charte(c.args, model, output));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");
        EXPECT_EQ(readFile(output), c.bytes);
    }
}

TEST(CharteCommand, StandardTemplatesUseOnlyTheirColours) {
    const std::vector<std::string> rows = {"fond", "texte", "titre", "decors1", "decors2"};
    const std::vector<std::string> colours = {"#F7F1E8", "#1E2A3A", "#B8432F", "#E9806E",
                                              "#3F7F7A"};
    const std::regex placeholder("%(nom|hexa|rvb)_[a-z0-9]*%");
    for (const std::size_t n : {3u, 4u, 5u}) {
        SCOPED_TRACE(n);
        std::vector<std::string> args;
        for (std::size_t i = 0; i < n; ++i) {
            args.insert(args.end(), {"--" + rows[i], colours[i]});
        }
        QTemporaryDir dir;
        const std::string output = pathIn(dir, "charte.html");
        const test::CommandResult r =
            test::runCommand(charte(args, "standard" + std::to_string(n), output));
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string html = readFile(output);
        EXPECT_FALSE(std::regex_search(html, placeholder));
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
    QTemporaryDir dir;
    const std::string output = pathIn(dir, "charte.html");
    const std::string missing = pathIn(dir, "absent.html");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"charte", "--sortie", output, "--fond", "#000000"}, "« --modele » est obligatoire"},
        {{"charte", "--modele", "standard3", "--fond", "#000000"}, "« --sortie » est obligatoire"},
        {charte({}, "standard3", output), "« --fond » est obligatoire"},
        {charte({"--fond", "#000000"}, "standard3", ""), "« --sortie » attend un nom de fichier"},
        {charte({"--fond", "#000000", "--titre", "#12345"}, "standard3", output),
         "couleur invalide « #12345 »"},
        {charte({"--fond", "#000000", "--decors3", "#123456"}, "standard5", output),
         "option inconnue « --decors3 »"},
        {charte({"--fond", "#000000", "en trop"}, "standard3", output),
         "argument inattendu « en trop »"},
        {charte({"--fond", "#000000"}, missing, output),
         "impossible de lire le modèle « absent.html » : le fichier n'existe pas.\n"},
        {charte({"--fond", "#000000"}, "standard4", pathIn(dir, "absent/charte.html")),
         "la charte n'a pas pu être écrite dans « charte.html » : le dossier n'existe pas.\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_TRUE(r.err.starts_with("oria : ")) << r.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
    }
}

} // namespace
} // namespace oria
