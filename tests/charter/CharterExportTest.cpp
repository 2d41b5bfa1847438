#include "charter/CharterExport.h"
#include "support/Snapshot.h"
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

// Each template filled, as written (CR and LF shown escaped, bytes as Windows-1252): every
// placeholder on a line, capitals not, unticked rows left as they are, a later placeholder in
// an earlier text filled, characters outside the code page as references, line ends alike.
TEST(CharterExport, FillsEveryLineInOrder) {
    CharterFields withRef = sampleFields();
    withRef.nomCharte = QStringLiteral("Charte %nom_ref%");
    CharterFields foreign = sampleFields();
    foreign.fond.nom = QStringLiteral("Ōkami 😀 é");
    const std::pair<QByteArray, CharterFields> cases[] = {
        {"%hexa_texte% et %hexa_texte%\r\n", sampleFields()},
        {"%hexa_fond% / %rvb_fond% / %nom_fond%", sampleFields()},
        {"%HEXA_FOND%\n", sampleFields()},
        {"%nom_titre% %hexa_titre% %rvb_titre% %rvb_decors1%\r", sampleFields()},
        {"%nom_charte%", withRef},
        {"%nom_fond%", foreign},
        {"a\rb\nc\r\nd\n\ne", sampleFields()},
        {"", sampleFields()},
    };
    const QTemporaryDir dir;
    const auto shown = [](const QByteArray& bytes) {
        return QString::fromLatin1(bytes).replace("\r", "\\r").replace("\n", "\\n");
    };
    QString text;
    for (const auto& [in, fields] : cases) {
        const QString model = test::writeFile(dir.filePath("modele.html"), in);
        const QString out = dir.filePath("charte.html");
        int last = 0;
        EXPECT_EQ(ExportCharter(model, out, fields, [&](int i, int) { last = i; }), std::nullopt);
        const QByteArray written = test::fileBytes(out);
        EXPECT_EQ(last, written.count("\r\n")) << in.toStdString();
        text += shown(in) + QStringLiteral(" → ") + shown(written) + u'\n';
    }
    test::ExpectGolden("charter/filled", text);
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
