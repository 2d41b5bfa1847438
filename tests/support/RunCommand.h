#pragma once

#include "app/CommandLine.h"
#include "support/ScriptedRandom.h"

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

} // namespace oria::test
