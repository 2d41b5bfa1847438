#include "CommandTables.h"

#include "palettepro/PlanePainter.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace oria {
namespace {

// A command's calls in its golden file, each followed by what it prints, its status and the
// files it writes, given the files in tests/data/app/<command>: the charter in Windows-1252
// with CR LF; the dominant colours of pictures (two reds a step apart in été.png, which two
// colours merge and three keep apart); what exporter takes back, a page giving all five zones
// in the order the composer exports them; colours from standard input; the help in French.
class CommandCalls : public ::testing::TestWithParam<std::string> {};

TEST_P(CommandCalls, PrintTheirResultsOrWhyTheCallIsRefused) {
    test::expectGoldenCalls(QString::fromStdString(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(CommandLine, CommandCalls,
                         ::testing::Values("harmonie", "ajuster", "contraste", "vision", "grille",
                                           "exporter", "stdin", "usage", "charte", "extraire",
                                           "importer", "page"),
                         [](const auto& call) { return call.param; });

// A plane in SVG: the golden file shows each one's first lines and last (the last ring of les2
// lies 25 twips past the centre); between them come dots only, in a well-formed document.
TEST(CommandLinePlan, SvgHoldsTheBackgroundEveryDotThenTheCornersOrTheCallIsRefused) {
    const QTemporaryDir dir;
    test::expectGoldenCalls("plan", dir.path());
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = test::fileBytes(dir.filePath(name));
        const QList<QByteArray> lines = bytes.split('\n');
        ASSERT_GT(lines.size(), 15);
        EXPECT_TRUE(std::all_of(lines.begin() + 4, lines.end() - 11, [](const QByteArray& line) {
            return line.startsWith("<circle ") && line.endsWith("/>");
        }));
        QXmlStreamReader xml(bytes);
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
}

// The real program, as a user or a script runs it: no display at all (the sheet still needs
// fonts, and Qt's notices must not reach the terminal), its own random draws. Each row: the
// status, and a pattern for what it prints: on stdout with status 0, on stderr (stdout empty)
// with status 2.
TEST(CommandLineProgram, RunsHeadlessErrorsGoToStderrWithStatus2) {
    const QTemporaryDir dir;
    const std::tuple<QString, int, QString> cases[] = {
        {"harmonie --type Moderne --nombre 2 #FF0000", 0, "#FF0000 #FFAA80\n"},
        {"harmonie --type Aléatoire --nombre 4 #FF0000", 0, "#FF0000( #[0-9A-F]{6}){3}\n"},
        {"--help", 0, "Usage.*"},
        {"exporter --format png --sortie @/planche.png Rouge=#C0392B", 0, ""},
        {"harmonie --type Manuel... --nombre 2 #FF0000", 2, "oria : type d'harmonie invalide .*"},
        {"ajuster --operation lum+ --nombre 2 #000000", 2, "oria : ajuster attend .*"},
        {"tracer", 2, "oria : commande inconnue « tracer ».*"},
    };
    for (const auto& [line, status, pattern] : cases) {
        SCOPED_TRACE(line.toStdString());
        const test::Process r = test::runOria(QString(line).replace('@', dir.path()).split(' '));
        EXPECT_EQ(r.status, status);
        const QString& shown = status == 0 ? r.out : r.err;
        EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                       QRegularExpression::DotMatchesEverythingOption)
                        .match(shown)
                        .hasMatch())
            << shown.toStdString();
        EXPECT_EQ(status == 0 ? r.err : r.out, "");
    }
    const QImage sheet(dir.filePath("planche.png"));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(sheet.width() / 2, sheet.height() / 2), qRgb(0xC0, 0x39, 0x2B));
}

} // namespace
} // namespace oria
