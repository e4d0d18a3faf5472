// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace wordbloom {

// Where a game stands. A start during a countdown goes on with that
// countdown; a start during play counts down anew while the old game's play
// clock runs on to its end.
enum class Phase {
    Idle,         // no game has been started since start-up
    CountingDown, // the three countdown pictures
    Playing,      // the countdown is over and the play clock runs
    Over,         // the play time is up
};

// The state of the game, kept for the whole life of the window. Everything
// starts at 0.
struct GameState {
    Phase phase = Phase::Idle;
    std::int16_t countdownStep = 0; // the countdown picture shown, 1 to 3
    // The end of the running play clock, in play-clock seconds; nothing when
    // no play clock runs.
    std::optional<std::int64_t> playEndsAt;
    std::int64_t lastClockReading = 0; // play-clock seconds at the last start or tick
    std::int16_t secondsLeft = 0;
    // The play length the running or last game was played with, taken when its
    // play clock starts: a change of the setting applies to the next game. 0
    // before the first game.
    std::int16_t gameLength = 0;
    std::int16_t characters = 0; // characters in this game's answers
    std::int16_t gameNumber = 0; // this game's number among the day's games on its topic
    std::int16_t newAnswers = 0;
    std::int16_t existingAnswers = 0;
    std::int16_t duplicateAnswers = 0;

    bool countingDown() const { return phase == Phase::CountingDown; }
    bool playClockRunning() const { return playEndsAt.has_value(); }
};

// Adds to a 16-bit counter, stopping at 32767 instead of wrapping round.
std::int16_t saturatingAdd(std::int16_t counter, std::int64_t amount);

} // namespace wordbloom
