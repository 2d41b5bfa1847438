#include "support/RunCommand.h"

#include <gtest/gtest.h>

namespace oria {
namespace {

TEST(VisionCommand, OneLineOfSimulatedColours) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"vision", "--type", "protanopie", "#FF0000", "00ff00", "#0000ff"},
         "#6D5F00 #FFE500 #0059FF\n"},
        {{"vision", "--type=deuteranopie", "#ff0000"}, "#A39000\n"},
        {{"vision", "FF0000", "--type", "tritanopie", "#3366CC"}, "#FF000F #007E8F\n"},
        {{"vision", "--type", "achromatopsie", "ff8000", "#808080"}, "#A3A3A3 #808080\n"},
        {{"vision", "--type", "normale", "#3366cc", "ff8000"}, "#3366CC #FF8000\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[2]);
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(VisionCommand, BadCallsAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"vision", "#FF0000"}, "« --type » est obligatoire"},
        {{"vision", "--type", "daltonisme", "#FF0000"},
         "type de vision invalide « daltonisme » : attendu normale, protanopie, deuteranopie, "
         "tritanopie ou achromatopsie."},
        {{"vision", "--type", "Protanopie", "#FF0000"}, "« Protanopie »"},
        {{"vision", "--type", "protanopie"}, "au moins une couleur"},
        {{"vision", "--type", "protanopie", "#FF0000", "rouge"}, "couleur invalide « rouge »"},
        {{"vision", "--type", "protanopie", "--niveau", "2", "#FF0000"}, "« --niveau »"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace oria
