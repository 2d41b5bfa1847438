#include "app/CommandLine.h"
#include "support/RunCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace oria {
namespace {

TEST(GrilleCommand, OneLinePerRowInDrawingOrder) {
    const struct {
        std::vector<std::string> args;
        std::size_t lines, lastLineCells;
        std::string first, last; // first and last cell printed
    } cases[] = {
        {{"grille", "palette", "--cellules", "256"}, 16, 16, "#7F0000", "#7FFFFF"},
        {{"grille", "palette", "--cellules=1024", "--axe", "bleu", "--niveau", "0"},
         32,
         32,
         "#000000",
         "#F8F800"},
        {{"grille", "palette", "--axe", "vert", "--niveau", "255", "--cellules", "2048"},
         46,
         23,
         "#00FF00",
         "#FFFF84"},
        {{"grille", "nuances", "--cellules", "2048"}, 46, 23, "#000000", "#A8A8A8"},
        {{"grille", "nuances", "--cellules", "4096", "--base", "#3366cc"},
         64,
         64,
         "#3366CC",
         "#FFFFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const test::CommandResult r = test::runCommand(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(static_cast<std::size_t>(std::count(r.out.begin(), r.out.end(), '\n')), c.lines);
        const std::string lastLine = r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1);
        EXPECT_EQ(lastLine.size(), c.lastLineCells * 8) << "single spaces, then a line break";
        EXPECT_EQ(r.out.substr(0, 7), c.first);
        EXPECT_EQ(r.out.substr(r.out.size() - 8, 7), c.last);
    }
}

TEST(GrilleCommand, BadCallsAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"grille"}, "palette ou nuances"},
        {{"grille", "damier", "--cellules", "256"}, "« damier »"},
        {{"grille", "palette"}, "« --cellules » est obligatoire"},
        {{"grille", "palette", "--cellules", "300"}, "attendu 256, 1024, 2048 ou 4096"},
        {{"grille", "palette", "--cellules", "4294967552"}, "cellules invalide"},
        {{"grille", "palette", "--cellules", "256", "--axe", "jaune"}, "axe invalide « jaune »"},
        {{"grille", "palette", "--cellules", "256", "--niveau", "256"}, "de 0 à 255"},
        {{"grille", "nuances", "--cellules", "256", "--axe", "rouge"}, "ne s'applique pas"},
        {{"grille", "nuances", "--cellules", "256", "--base", "#12345"}, "couleur invalide"},
        {{"grille", "nuances", "--cellules", "256", "en trop"}, "argument inattendu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("oria : ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace oria
