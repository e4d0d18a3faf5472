// SPDX-License-Identifier: GPL-3.0-or-later
#include "overall_progress.h"

#include "calendar_days.h"
#include "field_texts.h"

#include "record/play_history_file.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace wordbloom {

namespace {

using Field = PlayRecordFormat::Field;

// Looks a topic up by a view of its text, without making a string.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>()(text);
    }
};

// Counts games per topic in the order the topics first appear.
class TopicTally {
public:
    void count(std::string_view topic) {
        auto entry = m_index.find(topic);
        if (entry == m_index.end()) {
            entry = m_index.emplace(topic, m_counts.size()).first;
            m_counts.push_back({std::string(topic), 0});
        }
        ++m_counts[entry->second].games;
    }

    std::vector<TopicPlayCount> most(std::size_t topicCount) && {
        std::stable_sort(
            m_counts.begin(), m_counts.end(),
            [](const TopicPlayCount& a, const TopicPlayCount& b) { return a.games > b.games; });
        m_counts.resize(std::min(topicCount, m_counts.size()));
        return std::move(m_counts);
    }

private:
    std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>> m_index;
    std::vector<TopicPlayCount> m_counts;
};

} // namespace

OverallProgress overallProgress(const PlayHistory& history, std::size_t topicCount) {
    OverallProgress progress;
    TopicTally topics;
    std::vector<int> days;
    days.reserve(history.records.size());
    for (std::size_t i = 0; i < history.records.size(); ++i) {
        const PlayRecordFormat::Fields f = history.records.fields(i);
        std::string made;
        topics.count(fieldText(f[Field::Topic], made));
        if (const auto day = dayOfStoredDate(fieldText(f[Field::Date], made))) {
            days.push_back(*day);
        } else {
            ++progress.unreadableDates;
        }
    }
    // Sorted once for the calendar and the weeks, which then find them in order.
    std::sort(days.begin(), days.end());
    progress.calendar = playCalendar(days);
    WeeklyGames weekly = weeklyGames(std::move(days));
    progress.weeks = std::move(weekly.weeks);
    progress.gamesOutsideWeeks = weekly.gamesOutside;
    progress.mostPlayedTopics = std::move(topics).most(topicCount);
    progress.skippedHistoryLines = history.skippedLines;
    return progress;
}

} // namespace wordbloom
