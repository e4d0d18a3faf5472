// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_game_links.h"

#include "calendar_days.h"

#include "record/formats.h"

#include <algorithm>
#include <cstdint>

namespace wordbloom {

namespace {

constexpr std::int64_t kSecondsInDay = std::int64_t{24} * 60 * 60;

// Seconds from 1970/01/01 of a stored date and time, as the files' clock
// gave them; nothing when either cannot be read.
std::optional<std::int64_t> momentOf(std::optional<int> day, std::string_view storedTime) {
    const auto time = parseStoredTime(storedTime);
    if (!day || !time) {
        return std::nullopt;
    }
    const std::int64_t second = (time->hour * 60 + time->minute) * 60 + time->second;
    return *day * kSecondsInDay + second;
}

struct Begun {
    std::int64_t moment;
    std::size_t game;
};

} // namespace

SavedGameLinks linkSavedGames(const std::vector<TopicGame>& saved, const TopicAnswerLog& log) {
    SavedGameLinks links;
    links.loggedGameOfSaved.resize(saved.size());
    links.savedGameOfLogged.resize(log.games().size());
    std::vector<Begun> begun;
    std::vector<bool> placed(log.games().size());
    for (std::size_t game = 0; game < log.games().size(); ++game) {
        const LoggedGame& logged = log.games()[game];
        if (const auto moment = momentOf(logged.day, logged.firstTime)) {
            begun.push_back({*moment, game});
            placed[game] = true;
        }
    }
    // In file order unless the clock was put back.
    const auto earlier = [](const Begun& a, const Begun& b) { return a.moment < b.moment; };
    if (!std::is_sorted(begun.begin(), begun.end(), earlier)) {
        std::stable_sort(begun.begin(), begun.end(), earlier);
    }
    for (std::size_t game = 0; game < saved.size(); ++game) {
        const auto moment = momentOf(dayOfStoredDate(saved[game].date), saved[game].time);
        if (!moment) {
            continue;
        }
        // The last game whose first answer came at or before the saving.
        const auto after = std::upper_bound(
            begun.begin(), begun.end(), *moment,
            [](std::int64_t when, const Begun& each) { return when < each.moment; });
        if (after == begun.begin()) {
            continue;
        }
        const std::size_t logged = std::prev(after)->game;
        // The game after it may be the one saved when it has no place in
        // time, unless its date is later than the saving.
        if (logged + 1 < placed.size() && !placed[logged + 1]) {
            const std::optional<int> nextDay = log.games()[logged + 1].day;
            if (!nextDay || *nextDay * kSecondsInDay <= *moment) {
                continue;
            }
        }
        links.loggedGameOfSaved[game] = logged;
        if (!links.savedGameOfLogged[logged]) {
            links.savedGameOfLogged[logged] = game;
        }
    }
    return links;
}

} // namespace wordbloom
