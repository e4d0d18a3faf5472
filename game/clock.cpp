// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <chrono>
#include <ctime>

namespace wordbloom {

CalendarTime SystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::int64_t SystemClock::playSeconds() const {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceStart).count();
}

} // namespace wordbloom
