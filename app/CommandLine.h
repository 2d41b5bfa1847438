#pragma once

#include "core/RandomSource.h"

#include <ostream>
#include <string>
#include <vector>

namespace oria {

// Headless mode: `oria harmonie ...`, `oria ajuster ...`, `oria plan ...`, `oria --help`.
// args excludes the program name. Results go to out (`plan` writes its file and prints
// nothing); on an invalid call, or a file that cannot be written, a French message goes to
// err, nothing to out, and the status is 2.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   RandomSource& random);

extern const char* const kUsage;

} // namespace oria
