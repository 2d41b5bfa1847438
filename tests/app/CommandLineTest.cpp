#include "CommandTables.h"

#include "composer/PageDocument.h"
#include "palettepro/PlanePainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace oria {
namespace {

// A command's calls in its golden file, each followed by what it prints, its status and the
// files it writes: harmonie takes the type by name or index and prints one line per base
// colour, ajuster the five slots, contraste one line for scripts and the nearest colours that
// reach a target, vision the simulated colours, grille one line per row of cells in drawing
// order, exporter the palette file of exactly these bytes; colours may come from standard
// input; "usage" holds the help in French, and calls with no command or an unknown one.
class CommandCalls : public ::testing::TestWithParam<std::string> {};

TEST_P(CommandCalls, PrintTheirResultsOrWhyTheCallIsRefused) {
    test::expectGoldenCalls(QString::fromStdString(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(CommandLine, CommandCalls,
                         ::testing::Values("harmonie", "ajuster", "contraste", "vision", "grille",
                                           "exporter", "stdin", "usage"),
                         [](const auto& call) { return call.param; });

// What it writes (Windows-1252, CR LF) from a template of the user's or a standard one, or why
// it writes nothing.
TEST(CommandLine, CharteWritesTheCharterFromItsTemplateOrSaysWhyNot) {
    const QTemporaryDir dir;
    test::writeFile(dir, "modèle.html",
                    "<h1>%nom_charte%</h1>\n%nom_ref%\r\n%nom_fond% %hexa_fond% %rvb_fond%\n"
                    "%nom_texte%=%hexa_texte%\n%nom_decors2% %rvb_decors2%");
    test::expectGoldenCalls("charte", dir.path());
}

// Columns of flat colours, each of its given width, 10 pixels high, as a PNG file.
QByteArray columnsPng(const std::vector<std::pair<QRgb, int>>& columns) {
    QImage image(400, 10, QImage::Format_ARGB32);
    int x = 0;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const auto& [colour, width] : columns) {
        painter.fillRect(x, 0, width, 10, QColor::fromRgba(colour));
        x += width;
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.copy(0, 0, x, 10).save(&buffer, "png"));
    return bytes;
}

TEST(CommandLine, ExtrairePrintsTheDominantColoursOnOneLineOrWhyNot) {
    QTemporaryDir dir;
    // Two reds a step apart, which two colours merge and three keep apart.
    test::writeFile(
        dir, "été.png",
        columnsPng({{qRgb(255, 0, 0), 50}, {qRgb(0, 0, 255), 40}, {qRgb(254, 0, 0), 10}}));
    const QByteArray png = columnsPng({{qRgb(10, 20, 30), 4}});
    test::writeFile(dir, "bonne.png", png);
    test::writeFile(dir, "deux.png", columnsPng({{qRgb(0x33, 0x66, 0xCC), 7}, {0xFFFF8000, 9}}));
    test::writeFile(dir, "coupée.png", png.left(png.size() - 20));
    test::writeFile(dir, "texte.png", "pas une image\n");
    test::writeFile(dir, "vide.png", columnsPng({{qRgba(0, 0, 0, 0), 4}}));
    test::expectGoldenCalls("extraire", dir.path());
}

// The line goes straight back into `oria exporter`: the same file comes out (each word ends
// with its colour "=#RRGGBB"; a name may hold a space). A page gives all five zones, hidden
// ones too, in the order the composer exports them.
TEST(CommandLine, ImporterPrintsWhatExporterTakesOrSaysWhyNot) {
    const QTemporaryDir dir;
    PageDocument page;
    page.name = PageNameBytes(QStringLiteral("Vitrine"));
    page.texte = RGB(1, 0, 0), page.fond = RGB(2, 0, 0), page.cercle = RGB(3, 0, 0);
    page.titre = RGB(4, 0, 0), page.boite = RGB(5, 0, 0);
    page.cercleVisible = page.boiteVisible = false;
    test::writeFile(dir, "vitrine.ori", EncodePageDocument(page));
    test::writeFile(dir, "courte.ori", "abc");
    test::writeFile(dir, "p.gpl", "GIMP Palette\n");
    test::expectGoldenCalls("importer", dir.path());
}

TEST(CommandLine, PagePrintsOneFieldALineOrWhyTheFileIsRefused) {
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

// The real program, with no display at all: the sheet still needs fonts, and Qt's notices
// must not reach the terminal.
TEST(CommandLineProgram, ExporterDrawsTheSheetWithoutADisplay) {
    const QTemporaryDir dir;
    const QString output = dir.filePath("planche.png");
    const test::Process p =
        test::runOria({"exporter", "--format", "png", "--sortie", output, "Rouge=#C0392B"});
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out + p.err, "");
    const QImage sheet(output);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.pixel(sheet.width() / 2, sheet.height() / 2), qRgb(0xC0, 0x39, 0x2B));
}

} // namespace
} // namespace oria
