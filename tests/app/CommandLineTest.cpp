#include "CommandTables.h"

#include "palettepro/PlanePainter.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

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

// A plane in SVG: the golden file shows each one's first lines and last (the last ring of les2
// lies 25 twips past the centre); between them come dots only, in a well-formed document.
TEST(CommandLinePlan, SvgHoldsTheBackgroundEveryDotThenTheCornersOrTheCallIsRefused) {
    const QTemporaryDir dir;
    test::expectGoldenCalls("plan", dir.path());
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        ASSERT_GT(lines.size(), 15);
        EXPECT_TRUE(std::all_of(lines.begin() + 4, lines.end() - 11, [](const QByteArray& line) {
            return line.startsWith("<circle ") && line.endsWith("/>");
        }));
        file.seek(0);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        EXPECT_FALSE(xml.hasError());
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
