#include "CommandTables.h"

#include "palettepro/PlanePainter.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>

namespace oria {
namespace {

TEST(CommandLineHarmonie, TypeByNameOrIndexOneLinePerBaseColour) {
    const std::string h = "harmonie --type Moderne --nombre 2 ";
    test::expectCalls({
        {h + "#FF0000", 0, "#FF0000 #FFAA80\n"},
        {"harmonie --type 0 --nombre 2 ff0000", 0, "#FF0000 #FFAA80\n"},
        {"harmonie --type 'Classique neutre' --nombre 2 #FF0000", 0, "#FF0000 #00FFFF\n"},
        {"harmonie --nombre 3 --type=3 #ff0000 00ff00", 0,
         "#FF0000 #00FF00 #0000FF\n#00FF00 #0000FF #FF0000\n"},
        {"harmonie --type 'Classique fort' --nombre 5 --reglage-fin 10 #FF0000", 0,
         "#FF0000 #C8FF00 #00FF6E #0059FF #DD00FF\n"},
        {"harmonie --type Spécial --nombre 2 #FF0000", 0, "#FF0000 #FFBF00\n"},
        {"harmonie --type 'Spécial faible' --nombre 4 --reglage-fin 25 c86432", 0,
         "#C86432 #3290C8 #32C8B5 #3245C8\n"},
        {"harmonie --type 'Dégradé sombre' --nombre 5 CCCCCC", 0,
         "#CCCCCC #A3A3A3 #7A7A7A #666666 #3D3D3D\n"},
        {"harmonie --type Aléatoire --nombre 3 #123abc", 0, "#123ABC #000000 #000000\n"},
        {"", 2, "oria : aucune commande donnée."},
        {"inconnue", 2, "oria : commande inconnue « inconnue »."},
        {h, 2, "oria : aucune couleur de base donnée."},
        {h + "#GG0000", 2, "couleur invalide « #GG0000 »"},
        {h + "#FF000", 2, "couleur invalide « #FF000 »"},
        {h + "FF00000", 2, "couleur invalide « FF00000 »"},
        {h + "#FF0000 --reglage-fin 101", 2, "réglage fin invalide « 101 »"},
        {h + "#FF0000 --reglage-fin -101", 2, "réglage fin invalide « -101 »"},
        {h + "#FF0000 --reglage-fin 1.5", 2, "réglage fin invalide « 1.5 »"},
        {h + "#FF0000 --reglage-fin", 2, "« --reglage-fin » attend une valeur"},
        {h + "#FF0000 --nombre 3", 2, "« --nombre » est donnée deux fois"},
        {h + "#FF0000 --couleur 3", 2, "option inconnue « --couleur »"},
        {h + "#FF0000 #12345", 2, "couleur invalide « #12345 »"},
        {"harmonie --type Manuel... --nombre 2 #FF0000", 2,
         "type d'harmonie invalide « Manuel... »"},
        {"harmonie --type 10 --nombre 2 #FF0000", 2, "type d'harmonie invalide « 10 »"},
        {"harmonie --type moderne --nombre 2 #FF0000", 2, "« moderne »"},
        {"harmonie --type Moderne --nombre 1 #FF0000", 2, "nombre de couleurs invalide « 1 »"},
        {"harmonie --type Moderne --nombre 6 #FF0000", 2, "nombre de couleurs invalide « 6 »"},
        {"harmonie --type Moderne --nombre deux #FF0000", 2, "« deux »"},
        {"harmonie --nombre 2 #FF0000", 2, "« --type » est obligatoire"},
        {"harmonie --type Moderne #FF0000", 2, "« --nombre » est obligatoire"},
    });
}

TEST(CommandLineAjuster, PrintsTheFiveSlots) {
    const std::string five = " #010000 #020000 #030000 #040000 #050000";
    const std::string black = " #000000 #000000 #000000 #000000";
    auto op = [](const char* words) { return "ajuster --operation " + std::string(words); };
    test::expectCalls({
        {op("cycler --nombre 3") + five, 0, "#030000 #010000 #020000 #040000 #050000\n"},
        {op("websafe --nombre 2 #191A1B E5E6FF 000000 FFFFFF 336699"), 0,
         "#003333 #CCFFFF #000000 #FFFFFF #336699\n"},
        {op("classer --nombre 3 #0A0A0A #808080 #FFFFFF #000000 #000000"), 0,
         "#FFFFFF #808080 #0A0A0A #000000 #000000\n"},
        {op("lum+ --nombre 2 #000000 #F00000 #EF0000 #000000 #FF0000"), 0,
         "#000000 #FF0000 #FC0000 #0D0D0D #FF0000\n"},
        {op("sat- --nombre 5 #FF0000 #FF0000 #808080 #000000 #FFFFFF"), 0,
         "#FF0000 #FF0D0D #808080 #000000 #FFFFFF\n"},
        {op("lum+ --nombre 2") + black, 2, "ajuster attend exactement cinq couleurs"},
        {op("lum+ --nombre 2") + black + " #000000 #000000", 2, "cinq couleurs"},
        {op("plus --nombre 2 #000000") + black, 2, "opération invalide « plus »"},
        {op("cycler --nombre 7 #000000") + black, 2, "« 7 »"},
    });
    // The shuffle takes its order from the random draws.
    test::expectCalls({{op("melanger --nombre 5") + five,
                        0,
                        "#050000 #040000 #030000 #020000 #010000\n",
                        {},
                        {0.75}}});
}

TEST(CommandLineContraste, OneLineForScripts) {
    const std::string grey = "wcag=4.48 aa=non aa-grand=oui aaa=non aaa-grand=non apca=71.1\n";
    const std::string same = "wcag=1.00 aa=non aa-grand=non aaa=non aaa-grand=non apca=0.0\n";
    test::expectCalls({
        {"contraste #767676 #FFFFFF", 0,
         "wcag=4.54 aa=oui aa-grand=oui aaa=non aaa-grand=oui apca=71.6\n"},
        {"contraste 777777 ffffff", 0, grey},
        {"contraste #ffffff 000000", 0,
         "wcag=21.00 aa=oui aa-grand=oui aaa=oui aaa-grand=oui apca=-107.9\n"},
        // With a target: the nearest colours that reach it, when the pair does not.
        {"contraste --cible aaa #777777 #FFFFFF", 0,
         grey + "texte=#595959 wcag=7.00\nfond=impossible\n"},
        {"contraste #777777 --cible=lc60 #777777", 0,
         same + "texte=#E6E6E6 apca=-60.4\nfond=#EDEDED apca=60.4\n"},
        {"contraste --cible lc90 777777 777777", 0, same + "texte=impossible\nfond=impossible\n"},
        {"contraste --cible aa-grand 777777 ffffff", 0, grey},
        {"contraste #000000", 2, "TEXTE puis FOND (nombre reçu : 1)"},
        {"contraste #000000 #FFFFFF #FFFFFF", 2, "(nombre reçu : 3)"},
        {"contraste #00000 #FFFFFF", 2, "couleur invalide « #00000 »"},
        {"contraste 000000 blanc", 2, "couleur invalide « blanc »"},
        {"contraste --fond FFFFFF 000000", 2, "option inconnue « --fond »"},
        {"contraste --cible AA 000000 FFFFFF", 2, "« AA »"},
        {"contraste --cible 000000 FFFFFF", 2, "« 000000 »"},
    });
}

TEST(CommandLine, ColoursFromStandardInput) {
    const std::string neutre = "harmonie --type 'Classique neutre' --nombre 2 -";
    const std::string cycler = "ajuster --operation cycler --nombre 2 -";
    test::expectCalls({
        {neutre, 0, "#FF0000 #00FFFF\n#00FF00 #FF00FF\n#0000FF #FFFF00\n",
         "#FF0000  00ff00\r\n\n#0000FF\n"},
        {cycler, 0,
         "#020000 #010000 #030000 #040000 #050000\n#0B0000 #0A0000 #0C0000 #0D0000 #0E0000\n",
         "#010000 #020000 #030000 #040000 #050000\n#0A0000 #0B0000 #0C0000 #0D0000 #0E0000"},
        {neutre, 2, "couleur invalide « #GG0000 »", "#FF0000\n#GG0000\n"},
        {cycler, 2, "cinq couleurs", "#010000 #020000 #030000 #040000 #050000\n#010000\n"},
        {neutre, 2, "aucune couleur de base donnée.", "\n \n"},
    });
}

// `charte` and `exporter` print nothing and write one file, of exactly these bytes.
TEST(CommandLine, WritesTheFileOfTheseBytes) {
    const QTemporaryDir dir;
    const std::string charte =
        "charte --sortie @/c.html --modele " +
        test::writeFile(dir, "modèle.html",
                        "<h1>%nom_charte%</h1>\n%nom_ref%\r\n%nom_fond% %hexa_fond% %rvb_fond%\n"
                        "%nom_texte%=%hexa_texte%\n%nom_decors2% %rvb_decors2%");
    const std::pair<std::string, QByteArray> cases[] = {
        // Templates are in Windows-1252.
        {charte + " --fond #0080ff",
         "<h1>Titre</h1>\r\nR\xE9"
         "f\xE9rences\r\nCouleur Fond #0080FF R: 0 V: 128 B: 255\r\n%nom_texte%=%hexa_texte%\r\n"
         "%nom_decors2% %rvb_decors2%\r\n"},
        {charte + " --nom Ōkami --references <b>Été</b> --fond 000000 --nom-fond Noir "
                  "--decors2=#FEDCBA --nom-decors2 Crème --texte abcdef",
         "<h1>&#332;kami</h1>\r\n<b>\xC9t\xE9</b>\r\nNoir #000000 R: 0 V: 0 B: 0\r\n"
         "Couleur texte=#ABCDEF\r\nCr\xE8me R: 254 V: 220 B: 186\r\n"},
        {"exporter --format css --sortie @/p.txt Bleu=#1e2a3a FF0000 a=b=#00ff00 =#ABCDEF",
         "/* Oria 2000 */\n:root {\n  --bleu: #1e2a3a;\n  --couleur-2: #ff0000;\n"
         "  --a-b: #00ff00;\n  --couleur-4: #abcdef;\n}\n"},
        {"exporter --format gpl --sortie @/p.txt #F7E1B5 --nom Été Crème=000000",
         "GIMP Palette\nName: Été\nColumns: 2\n#\n247 225 181\tCouleur 1\n  0   0   0\tCrème\n"},
    };
    for (const auto& [line, bytes] : cases) {
        const QTemporaryDir out;
        const test::CommandResult r = test::runCommand(test::in(out, line));
        EXPECT_EQ(r.status, 0) << line;
        EXPECT_EQ(r.out + r.err, "");
        const QStringList made = QDir(out.path()).entryList(QDir::Files | QDir::Hidden);
        ASSERT_EQ(made.size(), 1) << line;
        QFile file(out.filePath(made[0]));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == bytes) << line;
    }
}

TEST(CommandLine, HelpListsTheCommandsInFrench) {
    const test::CommandResult r = test::runCommand({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* line : {"oria harmonie --type TYPE --nombre N", "oria ajuster --operation OP",
                             "réglage fin", "oria plan [--resolution R]"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
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
        test::expectCalls({{line, 0, ""}});
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
    test::expectCalls(
        {{"plan --resolution moyenne --mode les2 --sortie " + path.toStdString(), 0, ""}});
    const QImage image(path, "PNG");
    ASSERT_EQ(image.size(), QSize(350, 350));
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              PaintPlane(GenererPlan(Resolution::Moyenne, PlaneMode::Les2, 100)));
    EXPECT_EQ(PlaneColourAt(image, 15, 305), RGB(255, 0, 0));
}

TEST(CommandLinePlan, InvalidCallsWriteNothing) {
    test::expectCalls({
        {"plan --resolution ultra --sortie @/p.svg", 2, "résolution invalide"},
        {"plan --mode teinte --sortie @/p.svg", 2, "mode invalide"},
        {"plan --niveau 201 --sortie @/p.svg", 2, "niveau invalide"},
        {"plan --niveau -1 --sortie @/p.png", 2, "niveau invalide"},
        {"plan --niveau abc --sortie @/p.svg", 2, "niveau invalide"},
        {"plan --mode les2", 2, "« --sortie » est obligatoire"},
        {"plan --sortie @/p.jpg", 2, "attendu .svg ou .png"},
        {"plan --sortie @/p", 2, "attendu .svg ou .png"},
        {"plan --sortie @/absent/p.svg", 2, "impossible d'écrire"},
        {"plan --sortie @/absent/p.png", 2, "impossible d'écrire"},
        {"plan --sortie @/p.svg basse", 2, "argument inattendu"},
    });
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
