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

// The command line in-process, with prepared random draws.
inline CommandResult runCommand(const std::vector<std::string>& args,
                                std::vector<double> draws = {0.0}) {
    ScriptedRandom random(std::move(draws));
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err, random);
    return {status, out.str(), err.str()};
}

} // namespace oria::test
