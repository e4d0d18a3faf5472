// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>
#include <random>

namespace wordbloom {

float SystemRandom::nextUniform() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(ticks));
    return std::uniform_real_distribution<float>(0.0F, 1.0F)(generator);
}

} // namespace wordbloom
