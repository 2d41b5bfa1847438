#pragma once

#include "app/CommandLine.h"
#include "support/ScriptedRandom.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace oria::test {

struct CommandResult {
    int status;
    std::string out, err;
};

// The command line in-process, with prepared random draws and standard input.
inline CommandResult runCommand(const std::vector<std::string>& args,
                                std::vector<double> draws = {0.0}, const std::string& input = {}) {
    ScriptedRandom random(std::move(draws));
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommandLine(args, in, out, err, random);
    return {status, out.str(), err.str()};
}

// A file of `bytes` in `dir`, its path as a command-line argument.
inline std::string writeFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& bytes) {
    return QFile::encodeName(writeFile(dir.filePath(name), bytes)).toStdString();
}

} // namespace oria::test
