#pragma once

#include <functional>

namespace brannock {

/// Uniform numbers in [0, 1) for the decorative pictures; tests give a scripted sequence.
using RandomSource = std::function<double()>;

/// The production source: a generator seeded from the clock.
RandomSource clockSeededRandom();

} // namespace brannock
