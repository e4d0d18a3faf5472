// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/formats.h"

#include <cstdint>

namespace wordbloom {

// Where the game gets its time from.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time of day, for what is written to the files.
    virtual CalendarTime now() const = 0;
    // Whole seconds on a clock that only runs forward and never restarts at
    // midnight: the play clock of a game.
    virtual std::int64_t playSeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    CalendarTime now() const override;
    std::int64_t playSeconds() const override;
};

} // namespace wordbloom
