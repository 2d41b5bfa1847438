#include "app/CommandLine.h"
#include "support/ScriptedRandom.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <sstream>

namespace oria {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result run(const std::vector<std::string>& args, std::vector<double> draws = {0.0}) {
    test::ScriptedRandom random(std::move(draws));
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err, random);
    return {status, out.str(), err.str()};
}

TEST(CommandLineHarmonie, TypeByNameOrIndexOneLinePerBaseColour) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"harmonie", "--type", "Moderne", "--nombre", "2", "#FF0000"}, "#FF0000 #FFAA80\n"},
        {{"harmonie", "--type", "0", "--nombre", "2", "ff0000"}, "#FF0000 #FFAA80\n"},
        {{"harmonie", "--type", "Classique neutre", "--nombre", "2", "#FF0000"},
         "#FF0000 #00FFFF\n"},
        {{"harmonie", "--nombre", "3", "--type=3", "#ff0000", "00ff00"},
         "#FF0000 #00FF00 #0000FF\n#00FF00 #0000FF #FF0000\n"},
        {{"harmonie", "--type", "Classique fort", "--nombre", "5", "--reglage-fin", "10",
          "#FF0000"},
         "#FF0000 #C8FF00 #00FF6E #0059FF #DD00FF\n"},
        {{"harmonie", "--type", "Spécial", "--nombre", "2", "#FF0000"}, "#FF0000 #FFBF00\n"},
        {{"harmonie", "--type", "Dégradé sombre", "--nombre", "5", "CCCCCC"},
         "#CCCCCC #A3A3A3 #7A7A7A #666666 #3D3D3D\n"},
        {{"harmonie", "--type", "Aléatoire", "--nombre", "3", "#123abc"},
         "#123ABC #000000 #000000\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(CommandLineAjuster, PrintsTheFiveSlots) {
    const struct {
        std::vector<std::string> args;
        std::vector<double> draws;
        std::string out;
    } cases[] = {
        {{"ajuster", "--operation", "cycler", "--nombre", "3", "#010000", "#020000", "#030000",
          "#040000", "#050000"},
         {0.0},
         "#030000 #010000 #020000 #040000 #050000\n"},
        {{"ajuster", "--operation", "websafe", "--nombre", "2", "#191A1B", "E5E6FF", "000000",
          "FFFFFF", "336699"},
         {0.0},
         "#003333 #CCFFFF #000000 #FFFFFF #336699\n"},
        {{"ajuster", "--operation", "melanger", "--nombre", "5", "#010000", "#020000", "#030000",
          "#040000", "#050000"},
         {0.75},
         "#050000 #040000 #030000 #020000 #010000\n"},
        {{"ajuster", "--operation", "classer", "--nombre", "3", "#0A0A0A", "#808080", "#FFFFFF",
          "#000000", "#000000"},
         {0.0},
         "#FFFFFF #808080 #0A0A0A #000000 #000000\n"},
        {{"ajuster", "--operation", "lum+", "--nombre", "2", "#000000", "#F00000", "#EF0000",
          "#000000", "#FF0000"},
         {0.0},
         "#000000 #FF0000 #FC0000 #0D0D0D #FF0000\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args, c.draws);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[2];
    }
}

TEST(CommandLine, InvalidCallsSayWhyAndExitWith2) {
    const std::vector<std::string> h = {"harmonie", "--type", "Moderne", "--nombre", "2"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = h;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"inconnue"},
        h, // no colour
        with({"#GG0000"}),
        with({"#FF000"}),
        with({"FF00000"}),
        with({"#FF0000", "--reglage-fin", "101"}),
        with({"#FF0000", "--reglage-fin", "-101"}),
        with({"#FF0000", "--reglage-fin", "1.5"}),
        with({"#FF0000", "--reglage-fin"}),
        with({"#FF0000", "--nombre", "3"}),
        with({"#FF0000", "--couleur", "3"}),
        {"harmonie", "--type", "Manuel...", "--nombre", "2", "#FF0000"},
        {"harmonie", "--type", "10", "--nombre", "2", "#FF0000"},
        {"harmonie", "--type", "moderne", "--nombre", "2", "#FF0000"},
        {"harmonie", "--type", "Moderne", "--nombre", "1", "#FF0000"},
        {"harmonie", "--type", "Moderne", "--nombre", "6", "#FF0000"},
        {"harmonie", "--type", "Moderne", "--nombre", "deux", "#FF0000"},
        {"harmonie", "--nombre", "2", "#FF0000"},
        {"harmonie", "--type", "Moderne", "#FF0000"},
        {"harmonie", "--type", "Moderne", "--nombre", "2", "#FF0000", "#12345"},
        {"ajuster", "--operation", "lum+", "--nombre", "2", "#000000", "#000000", "#000000",
         "#000000"},
        {"ajuster", "--operation", "lum+", "--nombre", "2", "#000000", "#000000", "#000000",
         "#000000", "#000000", "#000000"},
        {"ajuster", "--operation", "plus", "--nombre", "2", "#000000", "#000000", "#000000",
         "#000000", "#000000"},
        {"ajuster", "--operation", "cycler", "--nombre", "7", "#000000", "#000000", "#000000",
         "#000000", "#000000"},
    };
    for (const auto& args : cases) {
        const Result r = run(args);
        std::string joined;
        for (const auto& a : args) {
            joined += a + " ";
        }
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_EQ(r.out, "") << joined;
        EXPECT_NE(r.err.find("oria : "), std::string::npos) << joined;
    }
}

TEST(CommandLine, HelpListsTheCommandsInFrench) {
    const Result r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("oria harmonie --type TYPE --nombre N"), std::string::npos);
    EXPECT_NE(r.out.find("oria ajuster --operation OP"), std::string::npos);
    EXPECT_NE(r.out.find("réglage fin"), std::string::npos);
}

// The real program, as a user or a script runs it: no display needed.
struct Process {
    int status;
    QString out, err;
};

Process runOria(const QStringList& args) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORIA_BINARY), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(CommandLineProgram, RunsHeadless) {
    auto r = runOria({"harmonie", "--type", "Moderne", "--nombre", "2", "#FF0000"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "#FF0000 #FFAA80\n");

    r = runOria(
        {"harmonie", "--type", "Spécial faible", "--nombre", "4", "--reglage-fin", "25", "c86432"});
    EXPECT_EQ(r.out, "#C86432 #3290C8 #32C8B5 #3245C8\n");

    r = runOria({"harmonie", "--type", "Aléatoire", "--nombre", "4", "#FF0000"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(QRegularExpression("^#FF0000( #[0-9A-F]{6}){3}\n$").match(r.out).hasMatch())
        << r.out.toStdString();

    r = runOria({"ajuster", "--operation", "sat-", "--nombre", "5", "#FF0000", "#FF0000", "#808080",
                 "#000000", "#FFFFFF"});
    EXPECT_EQ(r.out, "#FF0000 #FF0D0D #808080 #000000 #FFFFFF\n");
}

TEST(CommandLineProgram, ErrorsGoToStderrWithStatus2) {
    for (const QStringList& args :
         {QStringList{"harmonie", "--type", "Manuel...", "--nombre", "2", "#FF0000"},
          QStringList{"ajuster", "--operation", "lum+", "--nombre", "2", "#000000"},
          QStringList{"tracer"}}) {
        const auto r = runOria(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith("oria : ")) << r.err.toStdString();
    }
    const auto help = runOria({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage"));
}

} // namespace
} // namespace oria
