// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace wordbloom {

// A uniform pseudo-random source for drawing a topic.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value, uniform in [0, 1). The source is reseeded from the
    // clock before each draw.
    virtual float nextUniform() = 0;
};

class SystemRandom final : public RandomSource {
public:
    float nextUniform() override;
};

} // namespace wordbloom
