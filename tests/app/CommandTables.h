#pragma once

// What every call of the command line promises, checked over a table of calls.
#include "support/RunCommand.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace oria::test {

// The words of a command line, split as a shell does: a 'quoted word' may hold spaces or be
// empty.
inline std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> args;
    bool quoted = false, open = false;
    for (const char c : line) {
        if (c == ' ' && !quoted) {
            open = false;
            continue;
        }
        if (!open) {
            args.emplace_back();
            open = true;
        }
        if (c == '\'') {
            quoted = !quoted;
        } else {
            args.back() += c;
        }
    }
    return args;
}

// An argument starting with "@" names a path in `dir`.
inline std::vector<std::string> in(const QTemporaryDir& dir, const std::string& line) {
    std::vector<std::string> args = words(line);
    for (std::string& arg : args) {
        if (arg.starts_with('@')) {
            arg.replace(0, 1, QFile::encodeName(dir.path()).toStdString());
        }
    }
    return args;
}

// A call and what it must give. Status 0: exactly `text` on stdout, nothing on stderr.
// Status 2: nothing on stdout, and on stderr a message that starts with "oria : " and holds
// `text` (starts with it, when `text` is a whole message); nothing is written into "@".
struct Call {
    std::string line;
    int status;
    std::string text;
    std::string input = {};
    std::vector<double> draws = {0.0};
};

inline void expectCalls(const std::vector<Call>& rows) {
    for (const Call& row : rows) {
        const QTemporaryDir dir;
        const std::vector<std::string> args = in(dir, row.line);
        SCOPED_TRACE(row.line);
        const CommandResult r = runCommand(args, row.draws, row.input);
        EXPECT_EQ(r.status, row.status) << r.err;
        if (row.status == 0) {
            EXPECT_EQ(r.out, row.text);
            EXPECT_EQ(r.err, "");
            continue;
        }
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with(row.text.starts_with("oria : ") ? row.text : "oria : "))
            << r.err;
        EXPECT_NE(r.err.find(row.text), std::string::npos) << r.err;
        EXPECT_TRUE(
            QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            << "nothing written";
    }
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
