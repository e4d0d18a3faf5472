// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_answer_log.h"

#include <optional>
#include <vector>

namespace wordbloom {

// An answer's kind worked out from the log alone: new the first time the
// topic ever got it, existing when an earlier game gave it, duplicate when
// this game already had it.
enum class LoggedKind { New, Existing, Duplicate };

struct CloseUpAnswer {
    AnswerId answer;
    LoggedKind kind;
};

// The width of one slice of a game's pace.
inline constexpr int kPaceSliceSeconds = 10;

// How many answers came in each 10 seconds, counted from the game's first
// answer, whose time the log keeps to the second; the log does not keep when
// the game started.
struct AnswerPace {
    // Up to the longest play length: at most 18 slices.
    std::vector<std::size_t> slices;
    // Answers given later than that, after the game's time was up.
    std::size_t later = 0;
    // Answers whose time cannot be read, or is earlier than the first answer's.
    std::size_t untimed = 0;
};

// An answer known before the game that the game did not give.
struct UnrecalledAnswer {
    AnswerId answer;
    std::size_t timesGiven; // in the games before
};

// One game of the log looked at closely.
struct GameCloseUp {
    std::size_t game = 0;               // index into TopicAnswerLog::games()
    std::vector<CloseUpAnswer> answers; // in the order given
    std::size_t newAnswers = 0;
    std::size_t existingAnswers = 0;
    std::size_t duplicateAnswers = 0;
    std::string lastTime; // of its last answer, "hh:mm:ss"; empty when it cannot be read
    AnswerPace pace;
    // The different answers known before the game, and how many of them it
    // gave again.
    std::size_t knownBefore = 0;
    std::size_t recalled = 0;
    // The rest, given most often first; of answers given as often, the one
    // first given earlier comes first.
    std::vector<UnrecalledAnswer> notRecalled;
};

// Works game `game` of the log out from what was read, without the files.
GameCloseUp closeUp(const TopicAnswerLog& log, std::size_t game);

} // namespace wordbloom
