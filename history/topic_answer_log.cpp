// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_answer_log.h"

#include "calendar_days.h"
#include "field_texts.h"

#include "record/formats.h"

#include <algorithm>
#include <charconv>

namespace wordbloom {

namespace {

using Field = AnswerLogFormat::Field;

constexpr int kSecondsInDay = 24 * 60 * 60;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int twoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// The second of the day of a stored "hh:mm:ss"; -1 when it cannot be read.
// Nearly every time is written as the game writes it, which is read here
// without the general parser.
int secondOfDay(std::string_view text) {
    if (text.size() == 8 && text[2] == ':' && text[5] == ':' &&
        std::all_of(text.begin(), text.end(), [](char c) { return c == ':' || isDigit(c); })) {
        const int hour = twoDigits(text, 0);
        const int minute = twoDigits(text, 3);
        const int second = twoDigits(text, 6);
        return hour < 24 && minute < 60 && second < 60 ? (hour * 60 + minute) * 60 + second : -1;
    }
    const auto time = parseStoredTime(text);
    return time ? (time->hour * 60 + time->minute) * 60 + time->second : -1;
}

// The number a game number begins with, as the game reads it: "007" is 7,
// and a text that begins with no digit is 0.
int gameNumberValue(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool sameGame(const AnswerLogFormat::Fields& record, const AnswerLogFormat::Fields& previous) {
    return sameFieldText(record[Field::Date], previous[Field::Date]) &&
           sameFieldText(record[Field::GameNumber], previous[Field::GameNumber]);
}

} // namespace

void TopicAnswerLog::add(const AnswerLogFormat::Fields& record) {
    std::string made;
    const int second = secondOfDay(fieldText(record[Field::Time], made));
    if (m_games.empty() || !sameGame(record, m_previous)) {
        const std::optional<int> day = dayOfStoredDate(fieldText(record[Field::Date], made));
        if (!m_games.empty() && goesOnPastMidnight(record, day, second)) {
            m_dayOffset += kSecondsInDay;
            m_games.back().crossedMidnight = true;
        } else {
            beginGame(record, day);
        }
        m_previousDay = day;
    }
    if (second < 0) {
        ++m_unreadableTimes;
    }
    m_seconds.push_back(second < 0 ? -1 : second + m_dayOffset);
    m_texts.add(fieldText(record[Field::Answer], made));
    ++m_games.back().answerCount;
    m_previous = record;
    m_previousSecond = second;
}

// The game number stays the same past midnight, where a game begun on the
// new day would be numbered 1, or 0 before any game. A game numbered 2 or
// more is thus the same game; for 0 and 1 the log cannot tell, and answers
// that follow within the longest play length are taken as the same game.
bool TopicAnswerLog::goesOnPastMidnight(const AnswerLogFormat::Fields& record,
                                        std::optional<int> day, int second) const {
    if (!day || !m_previousDay || *day != *m_previousDay + 1 ||
        !sameFieldText(record[Field::GameNumber], m_previous[Field::GameNumber])) {
        return false;
    }
    std::string made;
    if (gameNumberValue(fieldText(record[Field::GameNumber], made)) >= 2) {
        return true;
    }
    return second >= 0 && m_previousSecond >= 0 &&
           second + kSecondsInDay - m_previousSecond <= kLongestPlaySeconds;
}

void TopicAnswerLog::beginGame(const AnswerLogFormat::Fields& record, std::optional<int> day) {
    LoggedGame game;
    game.date = record[Field::Date].text();
    game.gameNumber = record[Field::GameNumber].text();
    game.firstTime = record[Field::Time].text();
    game.day = day;
    game.firstAnswer = m_seconds.size();
    if (!day) {
        ++m_unreadableDates;
    }
    m_games.push_back(std::move(game));
    m_dayOffset = 0;
}

void TopicAnswerLog::finish() {
    m_texts.settle();
    const std::vector<AnswerId>& ids = m_texts.ids();
    m_timesGiven.assign(m_texts.count(), 0);
    // Numbers are given in the order answers first come, so the answers known
    // before a game are those numbered below the highest number so far.
    std::size_t known = 0;
    auto game = m_games.begin();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (game != m_games.end() && game->firstAnswer == i) {
            game->knownBefore = known;
            ++game;
        }
        ++m_timesGiven[ids[i]];
        known = std::max<std::size_t>(known, ids[i] + std::size_t{1});
    }
}

std::optional<int> TopicAnswerLog::secondOf(std::size_t index) const {
    const int second = m_seconds.at(index);
    return second < 0 ? std::nullopt : std::optional<int>(second);
}

} // namespace wordbloom
