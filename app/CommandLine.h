#pragma once

#include "core/RandomSource.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace oria {

// Headless mode: `oria harmonie ...`, `oria ajuster ...`, `oria plan ...`, `oria --help`.
// args excludes the program name. Results go to out (`plan` writes its file and prints
// nothing); on an invalid call, or a file that cannot be written, a French message goes to
// err, nothing to out, and the status is 2.
// A lone "-" in place of the colours of `harmonie` or `ajuster` reads them from `in`, one or
// more a line (five a line for `ajuster`, one result line each).
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, RandomSource& random);
// With nothing to read.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   RandomSource& random);

// `oria FICHIER`: a lone word that names no subcommand nor option, and names a file or looks
// like a file name, is a document (a page or a palette) the windows open.
bool OpensInTheWindows(const std::vector<std::string>& args);

extern const char* const kUsage;

} // namespace oria
