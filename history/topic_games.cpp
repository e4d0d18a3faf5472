// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_games.h"

#include "calendar_days.h"
#include "field_texts.h"
#include "record/formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace wordbloom {

namespace {

using Field = PlayRecordFormat::Field;

constexpr std::string_view kPerSecond = "/秒";
constexpr std::string_view kSeconds = "秒";

std::optional<int> readNumber(std::string_view text) {
    const Integer16 number = readInteger16(text);
    if (number.reading != IntegerReading::Ok) {
        return std::nullopt;
    }
    return number.value;
}

// A stored rate such as "0.67/秒": a number that is not negative, then "/秒".
std::optional<double> readStoredRate(std::string_view text) {
    if (!text.ends_with(kPerSecond)) {
        return std::nullopt;
    }
    text.remove_suffix(kPerSecond.size());
    double rate = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, rate, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(rate) || rate < 0) {
        return std::nullopt;
    }
    return rate;
}

// The rate worked out as the game works it out when it saves: the characters
// over the whole play length, such as 40 and "60秒".
std::optional<double> workedOutRate(std::string_view characters, std::string_view playLength) {
    if (!playLength.ends_with(kSeconds)) {
        return std::nullopt;
    }
    playLength.remove_suffix(kSeconds.size());
    const auto typed = readNumber(characters);
    const auto seconds = readNumber(playLength);
    if (!typed || !seconds || *typed < 0 || *seconds <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(*typed) / *seconds;
}

// A duplicate count that is not a number is what is left of the total once
// the new and existing answers are taken away, when that can be known.
int duplicateAnswersOf(const PlayRecordFormat::Fields& f, int newAnswers, int existingAnswers) {
    if (const auto stored = readNumber(f[Field::DuplicateCount].raw)) {
        return *stored;
    }
    const auto total = readNumber(f[Field::Total].raw);
    return total && *total >= newAnswers + existingAnswers ? *total - newAnswers - existingAnswers
                                                           : 0;
}

TopicGame gameOf(const PlayRecordFormat::Fields& f) {
    TopicGame game;
    game.date = f[Field::Date].text();
    game.time = f[Field::Time].text();
    game.newAnswers = readInteger16(f[Field::NewCount].raw).value;
    game.existingAnswers = readInteger16(f[Field::ExistingCount].raw).value;
    game.duplicateAnswers = duplicateAnswersOf(f, game.newAnswers, game.existingAnswers);
    game.charactersPerSecond = readStoredRate(f[Field::Rate].text());
    if (!game.charactersPerSecond) {
        game.charactersPerSecond =
            workedOutRate(f[Field::Characters].text(), f[Field::PlayLength].text());
    }
    return game;
}

int secondOfDay(std::string_view storedTime) {
    const auto time = parseStoredTime(storedTime);
    return time ? (time->hour * 60 + time->minute) * 60 + time->second : -1;
}

struct PlacedGame {
    int day;
    int second;
    TopicGame game;
};

} // namespace

TopicGames topicGames(const PlayRecords& records, std::string_view topic) {
    TopicGames result;
    std::vector<PlacedGame> placed;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const PlayRecordFormat::Fields f = records.fields(i);
        if (!fieldTextIs(f[Field::Topic], topic)) {
            continue;
        }
        TopicGame game = gameOf(f);
        const auto day = dayOfStoredDate(game.date);
        if (!day) {
            ++result.unreadableDates;
            continue;
        }
        const int second = secondOfDay(game.time);
        placed.push_back({*day, second, std::move(game)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const PlacedGame& a, const PlacedGame& b) {
        return a.day != b.day ? a.day < b.day : a.second < b.second;
    });
    result.games.reserve(placed.size());
    for (PlacedGame& each : placed) {
        result.games.push_back(std::move(each.game));
    }
    return result;
}

} // namespace wordbloom
