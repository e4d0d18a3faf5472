// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_state.h"

#include <algorithm>
#include <limits>

namespace wordbloom {

std::int16_t saturatingAdd(std::int16_t counter, std::int64_t amount) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int16_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(std::clamp(counter + amount, kMin, kMax));
}

} // namespace wordbloom
