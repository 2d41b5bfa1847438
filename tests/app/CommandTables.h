#pragma once

// The command line's calls and what they give, kept as golden texts in tests/golden/app/.
#include "support/RunCommand.h"
#include "support/Snapshot.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace oria::test {

// The words of a command line, split as a shell does: a 'quoted word' may hold spaces or be
// empty.
inline std::vector<std::string> words(const QString& line) {
    std::vector<std::string> args;
    for (const auto& m : QRegularExpression(QStringLiteral("'([^']*)'|(\\S+)")).globalMatch(line)) {
        args.push_back(m.captured(m.hasCaptured(1) ? 1 : 2).toStdString());
    }
    return args;
}

// File bytes as a golden text shows them: carriage returns, backslashes and every byte past
// ASCII escaped, each line after "| ". A long file (a plane's thousands of dots) shows its
// number of lines, its first four and its last ten.
inline QString shownBytes(const QByteArray& bytes) {
    if (bytes.size() > 20000 && bytes.endsWith('\n')) {
        const QList<QByteArray> lines = bytes.split('\n');
        return QStringLiteral("(%1 lines)\n").arg(lines.size() - 1) +
               shownBytes(lines.mid(0, 4).join('\n') + '\n') + QStringLiteral("| ...\n") +
               shownBytes(lines.mid(lines.size() - 11).join('\n'));
    }
    QString text = QStringLiteral("| ");
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            text += QStringLiteral("\n| ");
        } else if (c == '\r' || c == '\\') {
            text += c == '\r' ? QStringLiteral("\\r") : QStringLiteral("\\\\");
        } else {
            text += byte < 0x80 ? QString(QLatin1Char(c))
                                : QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
        }
    }
    return bytes.endsWith('\n') ? text.chopped(2) : text + QStringLiteral("\n(no line break)\n");
}

// What `folder` holds: each entry's bytes, or "folder" for a folder.
inline std::map<QString, QByteArray> contents(const QString& folder) {
    std::map<QString, QByteArray> entries;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        entries[entry.fileName()] = entry.isDir() ? "folder" : fileBytes(entry.filePath());
    }
    return entries;
}

// Runs, in turn, the calls listed in tests/golden/app/<name>.txt and compares what they give
// with it. A call is "$ WORDS" (an argument starting with "@" names a path in `folder`), then,
// if it reads standard input or draws a random number, "< INPUT" ("\n", "\r" escaped) and
// "random R". What it gave follows: stdout, each line of stderr after "stderr: ", its status,
// then every file it wrote in `folder`. A refused call changes nothing in `folder`.
inline void expectGoldenCalls(const QString& name, const QString& folder) {
    const QStringList lines =
        QString::fromUtf8(fileBytes(QStringLiteral(ORIA_GOLDEN_DIR "/app/") + name + ".txt"))
            .split(QLatin1Char('\n'));
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1Char('$'))) { // "$" alone: no words at all
            continue;
        }
        const QString call = QString(lines[i].mid(2)).replace(" @", ' ' + folder);
        text += lines[i] + QLatin1Char('\n');
        QString input;
        std::vector<double> draws{0.0};
        for (; i + 1 < lines.size() && lines[i + 1].contains(QRegularExpression("^(< |random )"));
             ++i) {
            const QString& line = lines[i + 1];
            text += line + QLatin1Char('\n');
            if (line.startsWith(QLatin1String("< "))) {
                input = line.mid(2).replace("\\n", "\n").replace("\\r", "\r");
            } else {
                draws = {line.mid(7).toDouble()};
            }
        }
        SCOPED_TRACE(lines[i].toStdString());
        const auto before = contents(folder);
        const CommandResult r = runCommand(words(call), draws, input.toStdString());
        const QString out = QString::fromStdString(r.out).replace(folder, QStringLiteral("@"));
        QString err = QString::fromStdString(r.err).replace(folder, QStringLiteral("@"));
        text += out + (out.isEmpty() || out.endsWith('\n') ? "" : "\n(no line break)\n");
        if (!err.isEmpty()) {
            err = err.endsWith('\n') ? err.chopped(1) : err + QStringLiteral("\n(no line break)");
            text += QStringLiteral("stderr: ") + err.replace("\n", "\nstderr: ") + '\n';
        }
        text += QStringLiteral("status %1\n").arg(r.status);
        const auto after = contents(folder);
        for (const auto& [file, bytes] : after) {
            if (!before.contains(file) || before.at(file) != bytes) {
                text += QStringLiteral("wrote ") + file + QStringLiteral(":\n") + shownBytes(bytes);
            }
        }
        if (r.status != 0) {
            EXPECT_TRUE(before == after) << "a refused call writes nothing";
        }
        text += QLatin1Char('\n');
    }
    EXPECT_FALSE(text.isEmpty()) << "no call in " << name.toStdString();
    ExpectGolden(QStringLiteral("app/") + name, text);
}

// The same, in a folder holding a copy of the files in tests/data/app/<name>, if any.
inline void expectGoldenCalls(const QString& name) {
    const QTemporaryDir folder;
    const QDir data(QStringLiteral(ORIA_GOLDEN_DIR "/../data/app/") + name);
    for (const QString& file : data.entryList(QDir::Files)) {
        ASSERT_TRUE(QFile::copy(data.filePath(file), folder.filePath(file)));
    }
    expectGoldenCalls(name, folder.path());
}

// The real program, as a user or a script runs it, with no display at all.
struct Process {
    int status;
    QString out, err;
};

inline Process runOria(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        env.remove(QString::fromLatin1(name));
    }
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORIA_BINARY), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace oria::test
