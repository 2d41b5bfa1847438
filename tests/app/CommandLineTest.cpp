#include "CommandTables.h"

#include "palettepro/PlanePainter.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>

namespace oria {
namespace {

// Each golden file lists its calls, each followed by what it prints and its status.
TEST(CommandLine, HarmonieTakesTheTypeByNameOrIndexAndPrintsOneLinePerBaseColour) {
    test::expectGoldenCalls("harmonie");
}

TEST(CommandLine, AjusterPrintsTheFiveSlots) {
    test::expectGoldenCalls("ajuster");
}

TEST(CommandLine, ContrastePrintsOneLineForScriptsAndTheNearestColoursReachingATarget) {
    test::expectGoldenCalls("contraste");
}

TEST(CommandLine, ColoursFromStandardInput) {
    test::expectGoldenCalls("standard-input");
}

TEST(CommandLine, HelpListsTheCommandsInFrenchAndAMissingCommandIsRefused) {
    test::expectGoldenCalls("usage");
}

TEST(CommandLine, PlanRefusesBadCallsAndWritesNothing) {
    test::expectGoldenCalls("plan");
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
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg")) {
            QString text = xml.name().toString();
            for (const QString& attribute : shown.at(text)) {
                text += ' ' + xml.attributes().value(attribute).toString();
            }
            elements.push_back(text);
        }
    }
    return xml.hasError() ? std::vector<QString>{} : elements;
}

// Each row: the number of dots, the background, the first dot and the last one.
TEST(CommandLinePlan, SvgHoldsTheBackgroundEveryDotThenTheCorners) {
    const std::pair<const char*, QString> cases[] = {
        {"plan.SVG", "1212 #808080 175 308.333 2.5 #FF0000 .. 175 175 2 #FFFFFF"},
        {"plan.svg --resolution haute --niveau +100",
         "12928 #808080 175 328.333 2.5 #FF0000 .. 175 175 1.5 #FFFFFF"},
        {"plan.svg --resolution moyenne --mode luminosite",
         "6464 #808080 175 328.333 2.5 #FF0000 .. 175 175 1.5 #000000"},
        {"plan.svg --mode luminosite --niveau 0",
         "1212 #808080 175 308.333 2.5 #FFFFFF .. 175 175 2 #000000"},
        // The last ring of les2 lies 25 twips past the centre.
        {"plan.svg --mode=les2 --niveau 7",
         "1224 #000000 175 341.667 2.5 #000000 .. 175.833 173.557 3 #FFFFFF"},
    };
    for (const auto& [options, dots] : cases) {
        const QTemporaryDir dir;
        const std::string line = "plan --sortie " + dir.path().toStdString() + '/' + options;
        ASSERT_EQ(test::runCommand(test::words(line)).status, 0);
        const std::vector<QString> e = readSvg(QString::fromStdString(test::words(line)[2]));
        ASSERT_GT(e.size(), 2u + 8u);
        EXPECT_EQ(e[0], "svg 350 350 0 0 350 350");
        EXPECT_TRUE(e[1].startsWith("rect 0 0 350 350 #")) << e[1].toStdString();
        const auto corners = e.end() - 8;
        EXPECT_TRUE(
            std::all_of(e.begin() + 2, corners, [](auto& s) { return s.startsWith("circle "); }));
        EXPECT_TRUE(std::all_of(corners, e.end(), [](auto& s) { return s.startsWith("rect "); }));
        EXPECT_EQ(*corners, "rect 8 8 25.2 25 #000000");
        EXPECT_EQ(QString::number(e.size() - 10) + e[1].mid(16) + e[2].mid(6) + " .." +
                      corners[-1].mid(6),
                  dots);
    }
}

TEST(CommandLinePlan, PngIsThePaintedPlane) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("plan.Png");
    ASSERT_EQ(test::runCommand({"plan", "--resolution", "moyenne", "--mode", "les2", "--sortie",
                                path.toStdString()})
                  .status,
              0);
    const QImage image(path, "PNG");
    ASSERT_EQ(image.size(), QSize(350, 350));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              PaintPlane(GenererPlan(Resolution::Moyenne, PlaneMode::Les2, 100)));
    EXPECT_EQ(PlaneColourAt(image, 15, 305), RGB(255, 0, 0));
}

// The real program, as a user or a script runs it: no display needed, its own random draws.
// Each row: the status, and a pattern for what it prints: on stdout with status 0, on stderr
// (stdout empty) with status 2.
TEST(CommandLineProgram, RunsHeadlessErrorsGoToStderrWithStatus2) {
    const std::tuple<QString, int, QString> cases[] = {
        {"harmonie --type Moderne --nombre 2 #FF0000", 0, "#FF0000 #FFAA80\n"},
        {"harmonie --type Aléatoire --nombre 4 #FF0000", 0, "#FF0000( #[0-9A-F]{6}){3}\n"},
        {"--help", 0, "Usage.*"},
        {"harmonie --type Manuel... --nombre 2 #FF0000", 2, "oria : type d'harmonie invalide .*"},
        {"ajuster --operation lum+ --nombre 2 #000000", 2, "oria : ajuster attend .*"},
        {"tracer", 2, "oria : commande inconnue « tracer ».*"},
    };
    for (const auto& [line, status, pattern] : cases) {
        SCOPED_TRACE(line.toStdString());
        const test::Process r = test::runOria(line.split(' '));
        EXPECT_EQ(r.status, status);
        const QString& shown = status == 0 ? r.out : r.err;
        EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                       QRegularExpression::DotMatchesEverythingOption)
                        .match(shown)
                        .hasMatch())
            << shown.toStdString();
        EXPECT_EQ(status == 0 ? r.err : r.out, "");
    }
}

} // namespace
} // namespace oria
