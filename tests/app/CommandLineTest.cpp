#include "app/CommandLine.h"
#include "palettepro/PlanePainter.h"
#include "support/RunCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace oria {
namespace {

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
        const test::CommandResult r = test::runCommand(c.args);
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
        const test::CommandResult r = test::runCommand(c.args, c.draws);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[2];
    }
}

TEST(CommandLineContraste, OneLineForScripts) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"contraste", "#767676", "#FFFFFF"},
         "wcag=4.54 aa=oui aa-grand=oui aaa=non aaa-grand=oui apca=71.6\n"},
        {{"contraste", "777777", "ffffff"},
         "wcag=4.48 aa=non aa-grand=oui aaa=non aaa-grand=non apca=71.1\n"},
        {{"contraste", "#ffffff", "000000"},
         "wcag=21.00 aa=oui aa-grand=oui aaa=oui aaa-grand=oui apca=-107.9\n"},
        // With a target: the nearest colours that reach it, when the pair does not.
        {{"contraste", "--cible", "aaa", "#777777", "#FFFFFF"},
         "wcag=4.48 aa=non aa-grand=oui aaa=non aaa-grand=non apca=71.1\n"
         "texte=#595959 wcag=7.00\nfond=impossible\n"},
        {{"contraste", "#777777", "--cible=lc60", "#777777"},
         "wcag=1.00 aa=non aa-grand=non aaa=non aaa-grand=non apca=0.0\n"
         "texte=#E6E6E6 apca=-60.4\nfond=#EDEDED apca=60.4\n"},
        {{"contraste", "--cible", "lc90", "777777", "777777"},
         "wcag=1.00 aa=non aa-grand=non aaa=non aaa-grand=non apca=0.0\n"
         "texte=impossible\nfond=impossible\n"},
        {{"contraste", "--cible", "aa-grand", "777777", "ffffff"},
         "wcag=4.48 aa=non aa-grand=oui aaa=non aaa-grand=non apca=71.1\n"},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(CommandLine, ColoursFromStandardInput) {
    const struct {
        std::vector<std::string> args;
        std::string input, out;
        int status;
    } cases[] = {
        {{"harmonie", "--type", "Classique neutre", "--nombre", "2", "-"},
         "#FF0000  00ff00\r\n\n#0000FF\n",
         "#FF0000 #00FFFF\n#00FF00 #FF00FF\n#0000FF #FFFF00\n",
         0},
        {{"ajuster", "--operation", "cycler", "--nombre", "2", "-"},
         "#010000 #020000 #030000 #040000 #050000\n#0A0000 #0B0000 #0C0000 #0D0000 #0E0000",
         "#020000 #010000 #030000 #040000 #050000\n#0B0000 #0A0000 #0C0000 #0D0000 #0E0000\n",
         0},
        {{"harmonie", "--type", "0", "--nombre", "2", "-"}, "#FF0000\n#GG0000\n", "", 2},
        {{"ajuster", "--operation", "cycler", "--nombre", "2", "-"},
         "#010000 #020000 #030000 #040000 #050000\n#010000\n",
         "",
         2},
        {{"harmonie", "--type", "0", "--nombre", "2", "-"}, "\n \n", "", 2},
    };
    for (const auto& c : cases) {
        const test::CommandResult r = test::runCommand(c.args, {0.0}, c.input);
        EXPECT_EQ(r.status, c.status) << c.input;
        EXPECT_EQ(r.out, c.out) << r.err;
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
        {"contraste", "#000000"},
        {"contraste", "#000000", "#FFFFFF", "#FFFFFF"},
        {"contraste", "#00000", "#FFFFFF"},
        {"contraste", "000000", "blanc"},
        {"contraste", "--fond", "FFFFFF", "000000"},
        {"contraste", "--cible", "AA", "000000", "FFFFFF"},
        {"contraste", "--cible", "000000", "FFFFFF"},
    };
    for (const auto& args : cases) {
        const test::CommandResult r = test::runCommand(args);
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
    const test::CommandResult r = test::runCommand({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("oria harmonie --type TYPE --nombre N"), std::string::npos);
    EXPECT_NE(r.out.find("oria ajuster --operation OP"), std::string::npos);
    EXPECT_NE(r.out.find("réglage fin"), std::string::npos);
    EXPECT_NE(r.out.find("oria plan [--resolution R]"), std::string::npos);
}

QStringList entriesOf(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The document's SVG elements in order, as "name value...", with the values that place and
// colour them; empty if the document is not well-formed.
std::vector<QString> readSvg(const QString& path) {
    const std::map<QString, QStringList> shown = {
        {"svg", {"width", "height", "viewBox"}},
        {"rect", {"x", "y", "width", "height", "fill"}},
        {"circle", {"cx", "cy", "r", "fill"}},
    };
    std::vector<QString> elements;
    QXmlStreamReader xml(contentsOf(path));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg")) {
            QString text = xml.name().toString();
            for (const QString& attribute : shown.at(text)) {
                text += ' ';
                text += xml.attributes().value(attribute);
            }
            elements.push_back(text);
        }
    }
    return xml.hasError() ? std::vector<QString>{} : elements;
}

TEST(CommandLinePlan, SvgHoldsTheBackgroundEveryDotThenTheCorners) {
    const struct {
        std::vector<std::string> options;
        std::string file;
        std::size_t circles;
        QString background, first, last;
    } cases[] = {
        {{}, "plan.SVG", 101 * 12, "#808080", "175 308.333 2.5 #FF0000", "175 175 2 #FFFFFF"},
        {{"--resolution", "haute", "--niveau", "+100"},
         "plan.svg",
         101 * 128,
         "#808080",
         "175 328.333 2.5 #FF0000",
         "175 175 1.5 #FFFFFF"},
        {{"--resolution", "moyenne", "--mode", "luminosite"},
         "plan.svg",
         101 * 64,
         "#808080",
         "175 328.333 2.5 #FF0000",
         "175 175 1.5 #000000"},
        {{"--mode", "luminosite", "--niveau", "0"},
         "plan.svg",
         101 * 12,
         "#808080",
         "175 308.333 2.5 #FFFFFF",
         "175 175 2 #000000"},
        // The last ring of les2 lies 25 twips past the centre.
        {{"--mode=les2", "--niveau", "7"},
         "plan.svg",
         102 * 12,
         "#000000",
         "175 341.667 2.5 #000000",
         "175.833 173.557 3 #FFFFFF"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromStdString(c.file));
        std::vector<std::string> args = {"plan", "--sortie", path.toStdString()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const test::CommandResult r = test::runCommand(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out + r.err, "");

        const std::vector<QString> e = readSvg(path);
        ASSERT_EQ(e.size(), 2 + c.circles + 8) << c.file;
        EXPECT_EQ(e[0], "svg 350 350 0 0 350 350");
        EXPECT_EQ(e[1], "rect 0 0 350 350 " + c.background);
        const auto dotsEnd = e.begin() + static_cast<std::ptrdiff_t>(2 + c.circles);
        auto count = [](auto from, auto to, const char* name) {
            return std::count_if(from, to, [name](const QString& s) { return s.startsWith(name); });
        };
        EXPECT_EQ(count(e.begin() + 2, dotsEnd, "circle "), dotsEnd - (e.begin() + 2));
        EXPECT_EQ(count(dotsEnd, e.end(), "rect "), 8);
        EXPECT_EQ(e[2], "circle " + c.first);
        EXPECT_EQ(e[1 + c.circles], "circle " + c.last);
        EXPECT_EQ(e[2 + c.circles], "rect 8 8 25.2 25 #000000");
    }
}

TEST(CommandLinePlan, PngIsThePaintedPlane) {
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.Png");
    const test::CommandResult r = test::runCommand(
        {"plan", "--resolution", "moyenne", "--mode", "les2", "--sortie", path.toStdString()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    const QImage image(path, "PNG");
    ASSERT_EQ(image.size(), QSize(350, 350));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              PaintPlane(GenererPlan(Resolution::Moyenne, PlaneMode::Les2, 100)));
    EXPECT_EQ(PlaneColourAt(image, 15, 305), RGB(255, 0, 0));
}

TEST(CommandLinePlan, InvalidCallsWriteNothing) {
    const struct {
        std::vector<std::string> args; // "@" stands for the temporary folder
        std::string why;
    } cases[] = {
        {{"--resolution", "ultra", "--sortie", "@/p.svg"}, "résolution invalide"},
        {{"--mode", "teinte", "--sortie", "@/p.svg"}, "mode invalide"},
        {{"--niveau", "201", "--sortie", "@/p.svg"}, "niveau invalide"},
        {{"--niveau", "-1", "--sortie", "@/p.png"}, "niveau invalide"},
        {{"--niveau", "abc", "--sortie", "@/p.svg"}, "niveau invalide"},
        {{"--mode", "les2"}, "« --sortie » est obligatoire"},
        {{"--sortie", "@/p.jpg"}, "attendu .svg ou .png"},
        {{"--sortie", "@/p"}, "attendu .svg ou .png"},
        {{"--sortie", "@/absent/p.svg"}, "impossible d'écrire"},
        {{"--sortie", "@/absent/p.png"}, "impossible d'écrire"},
        {{"--sortie", "@/p.svg", "basse"}, "argument inattendu"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        std::vector<std::string> args = {"plan"};
        for (std::string arg : c.args) {
            if (arg.front() == '@') {
                arg.replace(0, 1, dir.path().toStdString());
            }
            args.push_back(arg);
        }
        const test::CommandResult r = test::runCommand(args);
        EXPECT_EQ(r.status, 2) << c.why;
        EXPECT_EQ(r.out, "") << c.why;
        EXPECT_NE(r.err.find("oria : "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
        EXPECT_EQ(entriesOf(dir), QStringList()) << c.why;
    }
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
