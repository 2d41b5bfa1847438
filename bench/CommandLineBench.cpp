#include "app/CommandLine.h"

#include <benchmark/benchmark.h>
#include <random>
#include <sstream>

namespace {

std::vector<std::string> colours(std::size_t count) {
    std::mt19937 generator(1);
    std::vector<std::string> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(generator() & 0xFFFFFF));
        out.emplace_back(text);
    }
    return out;
}

void run(benchmark::State& state, std::vector<std::string> args, const std::string& input) {
    oria::StdRandomSource random(1);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(oria::RunCommandLine(args, in, out, err, random));
        benchmark::DoNotOptimize(out.str().size());
    }
}

// 100,000 base colours given as arguments, five colours each.
void BM_Harmonie100000(benchmark::State& state) {
    std::vector<std::string> args = {"harmonie", "--type", "Classique fort", "--nombre", "5"};
    const std::vector<std::string> bases = colours(100000);
    args.insert(args.end(), bases.begin(), bases.end());
    run(state, args, {});
}
BENCHMARK(BM_Harmonie100000)->Unit(benchmark::kMillisecond);

// The same read from standard input, one a line.
void BM_Harmonie100000Stdin(benchmark::State& state) {
    std::string input;
    for (const std::string& c : colours(100000)) {
        input += c + '\n';
    }
    run(state, {"harmonie", "--type", "Classique fort", "--nombre", "5", "-"}, input);
}
BENCHMARK(BM_Harmonie100000Stdin)->Unit(benchmark::kMillisecond);

// The floor: the same colours read and written back (a harmony of one colour, the base).
void BM_Floor100000(benchmark::State& state) {
    std::vector<std::string> args = {"ajuster", "--operation", "websafe", "--nombre", "2"};
    std::string input;
    const std::vector<std::string> bases = colours(100000);
    for (std::size_t i = 0; i + 5 <= bases.size(); i += 5) {
        input += bases[i] + ' ' + bases[i + 1] + ' ' + bases[i + 2] + ' ' + bases[i + 3] + ' ' +
                 bases[i + 4] + '\n';
    }
    args.push_back("-");
    run(state, args, input);
}
BENCHMARK(BM_Floor100000)->Unit(benchmark::kMillisecond);

} // namespace
