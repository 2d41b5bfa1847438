#pragma once

#include <cstdint>
#include <random>

namespace oria {

// Uniform numbers in [0, 1). Passed to every computation that draws, so tests can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseedFromClock() = 0;
};

// Mersenne twister; the default seed comes from the clock so two runs differ.
class StdRandomSource : public RandomSource {
public:
    StdRandomSource();
    explicit StdRandomSource(std::uint64_t seed) : engine_(seed) {}
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 engine_;
};

} // namespace oria
