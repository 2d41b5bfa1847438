#include "RandomSource.h"

#include <chrono>

namespace oria {

namespace {
std::uint64_t clockSeed() {
    // Mixed with a counter: two reseeds within one clock tick must still differ.
    static std::uint64_t counter = 0;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(now) ^ (0x9E3779B97F4A7C15ull * ++counter);
}
} // namespace

StdRandomSource::StdRandomSource() : engine_(clockSeed()) {}

double StdRandomSource::next() {
    // 53 random bits scaled into [0, 1): never 1.0, unlike some generate_canonical builds.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void StdRandomSource::reseedFromClock() {
    engine_.seed(clockSeed());
}

} // namespace oria
