#include "charter/CharterExport.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace oria {
namespace {

CharterFields sampleFields() {
    CharterFields f;
    f.nomCharte = QStringLiteral("Titre");
    f.nomRef = QStringLiteral("Réf.");
    f.fond = RowFor(QStringLiteral("Couleur Fond"), RGB(0, 128, 255));
    f.texte = RowFor(QStringLiteral("Couleur texte"), RGB(1, 2, 3));
    f.titre = RowFor(QStringLiteral("Couleur titre"), RGB(255, 255, 255), false);
    f.decors1 = RowFor(QStringLiteral("Couleur decors 1"), RGB(16, 32, 48));
    f.decors2 = RowFor(QStringLiteral("Couleur decors 2"), RGB(0, 0, 0), false);
    return f;
}

TEST(CharterExport, FillsEveryLineInOrder) {
    CharterFields withRef = sampleFields();
    withRef.nomCharte = QStringLiteral("Charte %nom_ref%");
    CharterFields foreign = sampleFields();
    foreign.fond.nom = QStringLiteral("Ōkami 😀 é");
    const struct {
        const char* name;
        QByteArray in;
        CharterFields fields;
        QByteArray out;
    } cases[] = {
        {"twice on a line", "%hexa_texte% et %hexa_texte%\r\n", sampleFields(),
         "#010203 et #010203\r\n"},
        {"the background example", "%hexa_fond% / %rvb_fond% / %nom_fond%", sampleFields(),
         "#0080FF / R: 0 V: 128 B: 255 / Couleur Fond\r\n"},
        {"capitals are not placeholders", "%HEXA_FOND%\n", sampleFields(), "%HEXA_FOND%\r\n"},
        {"an unticked row stays", "%nom_titre% %hexa_titre% %rvb_titre% %rvb_decors1%\r",
         sampleFields(), "%nom_titre% %hexa_titre% %rvb_titre% R: 16 V: 32 B: 48\r\n"},
        {"a later placeholder in an earlier text", "%nom_charte%", withRef,
         "Charte R\xE9"
         "f.\r\n"},
        {"outside the code page", "%nom_fond%", foreign, "&#332;kami &#128512; \xE9\r\n"},
        {"line ends alike", "a\rb\nc\r\nd\n\ne", sampleFields(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n"},
        {"empty", "", sampleFields(), ""},
    };
    const QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString model = test::writeFile(dir.filePath("modele.html"), c.in);
        const QString out = dir.filePath("charte.html");
        int last = 0;
        EXPECT_EQ(ExportCharter(model, out, c.fields, [&](int i, int) { last = i; }), std::nullopt);
        EXPECT_EQ(test::fileBytes(out), c.out);
        EXPECT_EQ(last, c.out.count("\r\n"));
    }
}

TEST(CharterExport, FailuresLeaveNothingHalfWritten) {
    const QTemporaryDir dir;
    auto templateOf = [&](int lines) {
        return test::writeFile(dir.filePath(QStringLiteral("t%1.html").arg(lines)),
                               QByteArray("<p>%nom_fond%</p>\r\n").repeated(lines));
    };
    const QString out = dir.filePath("charte.html");
    EXPECT_EQ(ExportCharter(templateOf(2000), out, sampleFields()), std::nullopt);
    EXPECT_EQ(test::fileBytes(out).count("\r\n"), 2000);

    const QString old = test::writeFile(dir.filePath("ancienne.html"), "ancienne charte");
    using Cause = ExportFailure::Cause;
    const struct {
        const char* name;
        std::function<std::optional<ExportFailure>()> run;
        Cause cause;
        QString output;
    } cases[] = {
        {"2001 lines", [&] { return ExportCharter(templateOf(2001), dir.filePath("a.html"), {}); },
         Cause::Template, dir.filePath("a.html")},
        {"no template", [&] { return ExportCharter(dir.filePath("absent"), old, {}); },
         Cause::Template, old},
        {"no folder", [&] { return ExportCharter(templateOf(3), dir.filePath("x/c.html"), {}); },
         Cause::Output, dir.filePath("x/c.html")},
        // Each name holds the next placeholder a thousand times: 10^9 characters, refused.
        {"names multiplying",
         [&] {
             CharterFields f = sampleFields();
             f.fond.nom = QStringLiteral("%nom_texte%").repeated(1000);
             f.texte.nom = QStringLiteral("%nom_ref%").repeated(1000);
             f.nomRef = QStringLiteral("x").repeated(1000);
             return ExportCharter(templateOf(3), old, f);
         },
         Cause::Template, old},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ExportFailure> failure = c.run();
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->cause, c.cause);
        const QString message = ExportFailureMessage(*failure);
        EXPECT_TRUE(message.startsWith("Aucun modèle sélectionné. Veuillez en sélectionner un."));
        EXPECT_EQ(message.contains('\n'), c.cause == Cause::Output);
        EXPECT_EQ(test::fileBytes(c.output), c.output == old ? "ancienne charte" : "(absent)");
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*.html*"}, QDir::Files).size(), 5)
        << "no temporary left";
}

} // namespace
} // namespace oria
