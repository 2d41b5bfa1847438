#include "Arguments.h"

#include <algorithm>
#include <charconv>

namespace oria {

std::optional<long> ParseInteger(const std::string& text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.front() == '+') {
        return std::nullopt;
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

const std::string& OnlyPositional(const Arguments& a, const std::string& expectation) {
    if (a.positional.size() != 1) {
        throw UsageError(expectation + " (nombre reçu : " + std::to_string(a.positional.size()) +
                         ").");
    }
    return a.positional.front();
}

int ParseColourCount(const std::string& text) {
    const auto n = ParseInteger(text);
    if (!n || *n < 2 || *n > 5) {
        throw UsageError("nombre de couleurs invalide « " + text +
                         " » : attendu un entier de 2 à 5.");
    }
    return static_cast<int>(*n);
}

Colour ParseColour(const std::string& text) {
    std::string_view hex = text;
    if (!hex.empty() && hex.front() == '#') {
        hex.remove_prefix(1);
    }
    unsigned value = 0;
    const bool allHex = hex.size() == 6 &&
                        hex.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
    if (!allHex) {
        throw UsageError("couleur invalide « " + text +
                         " » : attendu #RRGGBB ou RRGGBB en hexadécimal.");
    }
    std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    // Text reads RRGGBB, the colour value is laid out 0x00BBGGRR.
    return RGB(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>(value & 0xFF));
}

Arguments SplitArguments(const std::vector<std::string>& args, std::size_t first,
                         const std::vector<std::string>& allowed) {
    Arguments out;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            out.positional.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            throw UsageError("option inconnue « --" + name + " ».");
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                throw UsageError("l'option « --" + name + " » attend une valeur.");
            }
            value = args[++i];
        }
        if (!out.options.emplace(name, *value).second) {
            throw UsageError("l'option « --" + name + " » est donnée deux fois.");
        }
    }
    return out;
}

const std::string& Required(const Arguments& a, const std::string& name) {
    const auto it = a.options.find(name);
    if (it == a.options.end()) {
        throw UsageError("l'option « --" + name + " » est obligatoire.");
    }
    return it->second;
}

} // namespace oria
