// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_close_up.h"

#include "record/formats.h"

#include <algorithm>

namespace wordbloom {

namespace {

constexpr int kSecondsInDay = 24 * 60 * 60;

std::string timeOfDay(int second) {
    CalendarTime time;
    second %= kSecondsInDay;
    time.hour = second / 3600;
    time.minute = second / 60 % 60;
    time.second = second % 60;
    return formatTime(time);
}

AnswerPace paceOf(const TopicAnswerLog& log, const LoggedGame& game) {
    AnswerPace pace;
    std::optional<int> start;
    for (std::size_t i = game.firstAnswer; i < game.firstAnswer + game.answerCount; ++i) {
        const std::optional<int> second = log.secondOf(i);
        if (!start) {
            start = second;
        }
        if (!second || *second < *start) {
            ++pace.untimed;
            continue;
        }
        const int after = *second - *start;
        if (after >= kLongestPlaySeconds) {
            ++pace.later;
            continue;
        }
        const auto slice = static_cast<std::size_t>(after / kPaceSliceSeconds);
        if (pace.slices.size() <= slice) {
            pace.slices.resize(slice + 1);
        }
        ++pace.slices[slice];
    }
    return pace;
}

// How often each answer known before the game was given before it, counted
// over the answers before the game or taken from the whole log's counts less
// the answers from the game on, whichever are fewer.
std::vector<std::size_t> timesBefore(const TopicAnswerLog& log, const LoggedGame& game) {
    std::vector<std::size_t> times(game.knownBefore);
    if (game.firstAnswer <= log.answerCount() - game.firstAnswer) {
        for (std::size_t i = 0; i < game.firstAnswer; ++i) {
            ++times[log.answerAt(i)];
        }
        return times;
    }
    for (AnswerId answer = 0; answer < game.knownBefore; ++answer) {
        times[answer] = log.timesGiven(answer);
    }
    for (std::size_t i = game.firstAnswer; i < log.answerCount(); ++i) {
        if (log.answerAt(i) < game.knownBefore) {
            --times[log.answerAt(i)];
        }
    }
    return times;
}

// The answers known before the game that it did not give, given most often
// in the games before first.
std::vector<UnrecalledAnswer> notRecalled(const TopicAnswerLog& log, const LoggedGame& game,
                                          const std::vector<bool>& given) {
    const std::vector<std::size_t> times = timesBefore(log, game);
    std::vector<UnrecalledAnswer> answers;
    for (AnswerId answer = 0; answer < game.knownBefore; ++answer) {
        if (!given[answer]) {
            answers.push_back({answer, times[answer]});
        }
    }
    std::sort(
        answers.begin(), answers.end(), [](const UnrecalledAnswer& a, const UnrecalledAnswer& b) {
            return a.timesGiven != b.timesGiven ? a.timesGiven > b.timesGiven : a.answer < b.answer;
        });
    return answers;
}

} // namespace

GameCloseUp closeUp(const TopicAnswerLog& log, std::size_t game) {
    const LoggedGame& played = log.games().at(game);
    GameCloseUp result;
    result.game = game;
    result.knownBefore = played.knownBefore;
    std::vector<bool> given(log.differentAnswers());
    result.answers.reserve(played.answerCount);
    for (std::size_t i = played.firstAnswer; i < played.firstAnswer + played.answerCount; ++i) {
        const AnswerId answer = log.answerAt(i);
        LoggedKind kind = LoggedKind::Duplicate;
        if (given[answer]) {
            ++result.duplicateAnswers;
        } else if (answer < played.knownBefore) {
            kind = LoggedKind::Existing;
            ++result.existingAnswers;
            ++result.recalled;
        } else {
            kind = LoggedKind::New;
            ++result.newAnswers;
        }
        given[answer] = true;
        result.answers.push_back({answer, kind});
    }
    if (played.answerCount > 0) {
        if (const auto last = log.secondOf(played.firstAnswer + played.answerCount - 1)) {
            result.lastTime = timeOfDay(*last);
        }
    }
    result.pace = paceOf(log, played);
    result.notRecalled = notRecalled(log, played, given);
    return result;
}

} // namespace wordbloom
