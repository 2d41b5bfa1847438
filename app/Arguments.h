#pragma once

#include "core/Colour.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace oria {

// The pieces every subcommand reads its arguments with. Their messages are French and
// complete; RunCommandLine prints them after "oria : ".

// A call that does not make sense; the help is pointed to.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A well-formed call that could not be carried out (a file that cannot be read or written).
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A decimal integer, a leading "+" allowed; nullopt for anything else.
std::optional<long> ParseInteger(const std::string& text);
// The value of a --nombre option: 2 to 5 colours; UsageError otherwise.
int ParseColourCount(const std::string& text);
// "#RRGGBB" or "RRGGBB", either case; UsageError otherwise.
Colour ParseColour(const std::string& text);

// "--name value" (or "--name=value") options and the positional arguments, from args[first].
struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
};
Arguments SplitArguments(const std::vector<std::string>& args, std::size_t first,
                         const std::vector<std::string>& allowed);
const std::string& Required(const Arguments& a, const std::string& name);
// The one word a subcommand takes beside its options (a file); UsageError otherwise, whose
// message is `expectation` and the count received.
const std::string& OnlyPositional(const Arguments& a, const std::string& expectation);

} // namespace oria
