#pragma once

#include "core/RandomSource.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace oria::test {

// Returns prepared numbers in turn (then starts over) and counts the reseeds.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {0.0}) : values_(std::move(values)) {}
    double next() override {
        const double v = values_[position_ % values_.size()];
        ++position_;
        return v;
    }
    void reseedFromClock() override { ++reseeds; }
    std::size_t drawn() const { return position_; }

    int reseeds = 0;

private:
    std::vector<double> values_;
    std::size_t position_ = 0;
};

} // namespace oria::test
