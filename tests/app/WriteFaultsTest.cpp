// Every file Oria writes, against the three ways a write fails: the disk is full, the folder
// is read-only, the name is a folder's. Each gives a French message naming the file and the
// cause (status 2 on the command line), and leaves the file that was there as it was.
#include "support/WriteFaults.h"
#include "CommandTables.h"
#include "charter/CharterExport.h"
#include "composer/PageDocument.h"
#include "palettes/PaletteWriters.h"
#include "platform/QtPlatform.h"
#include "support/QtTestSupport.h"
#include "support/Snapshot.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

#include <functional>

namespace oria {
namespace {

// The settings' door, with its message kept instead of shown.
struct SettingsPlatform : QtPlatform {
    QString shown;
    void showMessage(QWidget*, const QString&, const QString& text, Icon) override { shown = text; }
};

struct Writer {
    const char* name;
    const char* file;
    // Writes into `path`; the message it gives, empty on success.
    std::function<QString(const QString& path)> write;
};

// The command line's message, which comes only with status 2.
QString command(const QString& line) {
    const test::CommandResult r = test::runCommand(test::words(line));
    EXPECT_EQ(r.status, r.err.empty() ? 0 : 2);
    EXPECT_EQ(r.out, "");
    return QString::fromStdString(r.err);
}

std::vector<Writer> writers(const QString& templatePath) {
    const NamedPalette palette{"Essai", {{"Bleu", 0xD6C11C}, {"Noir", 0}}};
    std::vector<Writer> all = {
        {"page", "page.ori",
         [](const QString& path) {
             return WritePageDocument(path, PageDocument{}).value_or(QString());
         }},
        {"charter", "charte.html",
         [templatePath](const QString& path) {
             const auto failure = ExportCharter(templatePath, path, {});
             return failure ? ExportFailureMessage(*failure) : QString();
         }},
        {"oria plan", "plan.svg", [](const QString& p) { return command("plan --sortie " + p); }},
        {"oria exporter", "p.gpl",
         [](const QString& p) {
             return command("exporter --format gpl --sortie " + p + " #123456");
         }},
        {"oria charte", "c.html",
         [templatePath](const QString& p) {
             return command("charte --fond #FFFFFF --modele " + templatePath + " --sortie " + p);
         }},
        {"settings", "oria.conf",
         [](const QString& path) {
             QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                                QFileInfo(path).path());
             SettingsPlatform platform;
             platform.setSetting("Vision", "deuteranopie");
             platform.flushSettings();
             return platform.shown;
         }},
    };
    for (const PaletteFormatRow& row : kPaletteFormats) {
        all.push_back({row.key, "palette", [palette, row](const QString& path) {
                           return WritePalette(path, palette, row.format).value_or(QString());
                       }});
    }
    return all;
}

TEST(WriteFaults, EveryWriterNamesTheCauseAndKeepsThePreviousFile) {
    test::application(); // the swatch sheet's text
    // Readable and searchable by the ordinary user the read-only case writes as.
    const auto shared = [](const QString& path) {
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOther | QFile::ExeOther);
        return path;
    };
    QTemporaryDir dir;
    shared(dir.path());
    const QString templatePath = shared(test::writeFile(
        dir.filePath("modele.html"), QByteArray("<p>%nom_charte% %hexa_fond%</p>\n").repeated(20)));
    using Write = std::function<QString()>;
    const struct {
        const char* name;
        std::function<QString(const Write&, const QString& folder)> run;
        bool folder = false; // the path is a folder's, not a previous file's
    } faults[] = {
        {"full disk",
         [](const Write& write, const QString&) { return test::withSmallDisk(8, write); }},
        {"read-only folder",
         [](const Write& write, const QString& f) { return test::withReadOnlyFolder(f, write); }},
        {"a folder", [](const Write& write, const QString&) { return write(); }, true},
    };
    int folder = 0;
    QString messages; // each names the file and the cause
    for (const Writer& writer : writers(templatePath)) {
        for (const auto& fault : faults) {
            SCOPED_TRACE(std::string(writer.name) + ", " + fault.name);
            const QString here = dir.filePath(QString::number(++folder));
            ASSERT_TRUE(QDir().mkpath(here));
            shared(here);
            const QString path = here + '/' + writer.file;
            if (fault.folder) {
                ASSERT_TRUE(QDir().mkpath(path));
            } else {
                shared(test::writeFile(path, "avant"));
            }
            const QString said = fault.run([&] { return writer.write(path); }, here);
            messages += QStringLiteral("%1, %2: %3\n")
                            .arg(QLatin1String(writer.name), QLatin1String(fault.name),
                                 test::OneLine(said));
            EXPECT_TRUE(fault.folder ? QDir(path).isEmpty() : test::fileBytes(path) == "avant");
            EXPECT_EQ(QDir(here).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{writer.file})
                << "nothing left behind";
        }
    }
    test::ExpectGolden("app/write-faults", messages.replace(dir.path(), QStringLiteral("@")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable("XDG_CONFIG_HOME"));
}

} // namespace
} // namespace oria
