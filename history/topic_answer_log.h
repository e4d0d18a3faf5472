// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text_ids.h"

#include "record/topic_files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// An answer of a topic's log by its number among the topic's different
// answers: 0 for the first answer ever given, then each answer that had not
// been given before gets the next number.
using AnswerId = std::uint32_t;

// One game as the answer log tells it: a run of answers with the same date
// and game number of the day. The date is that of each answer, so a game that
// went on past midnight goes on under the next day's date; it stays one game.
struct LoggedGame {
    std::string date;            // of its first answer, "yyyy/mm/dd", as stored
    std::string gameNumber;      // "001", as stored; "000" for answers before any game
    std::string firstTime;       // of its first answer, "hh:mm:ss", as stored
    std::optional<int> day;      // the date as a day; nothing when it cannot be read
    std::size_t firstAnswer = 0; // where its answers begin among all the log's answers
    std::size_t answerCount = 0;
    // The different answers given in the games before it: those numbered
    // below this.
    std::size_t knownBefore = 0;
    bool crossedMidnight = false;
};

// The longest play length: answers of a game numbered 0 or 1 that go on
// under the next day's date within this many seconds are taken as the same
// game, not the next day's first.
inline constexpr int kLongestPlaySeconds = 180;

// A topic's answer log read once and kept small: each answer as its number
// and its time, the games, and one copy of each different answer, so that any
// game can be looked at closely without reading the file again.
class TopicAnswerLog {
public:
    // The next whole record of the log, in file order. The fields of the
    // record before it must still be readable: they tell whether this one
    // begins another game.
    void add(const AnswerLogFormat::Fields& record);
    // Once every record has been added.
    void finish();

    const std::vector<LoggedGame>& games() const { return m_games; }
    std::size_t answerCount() const { return m_seconds.size(); }
    std::size_t differentAnswers() const { return m_texts.count(); }
    AnswerId answerAt(std::size_t index) const { return m_texts.ids()[index]; }
    std::string_view text(AnswerId answer) const { return m_texts.text(answer); }
    // How often the answer was given in the whole log.
    std::size_t timesGiven(AnswerId answer) const { return m_timesGiven[answer]; }
    // When the answer was given: seconds from the midnight that began its
    // game's first day (from 86,400 on past that day's end); nothing when its
    // time cannot be read.
    std::optional<int> secondOf(std::size_t index) const;

    std::size_t unreadableDates() const { return m_unreadableDates; } // games
    std::size_t unreadableTimes() const { return m_unreadableTimes; } // answers

private:
    bool goesOnPastMidnight(const AnswerLogFormat::Fields& record, std::optional<int> day,
                            int second) const;
    void beginGame(const AnswerLogFormat::Fields& record, std::optional<int> day);

    TextIds m_texts;
    std::vector<int> m_seconds; // by answer; -1 when the time cannot be read
    std::vector<std::uint32_t> m_timesGiven;
    std::vector<LoggedGame> m_games;
    AnswerLogFormat::Fields m_previous;
    std::optional<int> m_previousDay; // of the previous answer
    int m_previousSecond = -1;        // of the previous answer, within its day
    int m_dayOffset = 0;              // added to the times of the game's later days
    std::size_t m_unreadableDates = 0;
    std::size_t m_unreadableTimes = 0;
};

} // namespace wordbloom
