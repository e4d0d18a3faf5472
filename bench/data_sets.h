// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench_data.h"

#include <string>
#include <vector>

namespace wordbloom::bench {

inline constexpr std::size_t kPlayHistoryRecords = 32'766;
inline constexpr std::size_t kTopicCount = 100;
inline constexpr std::size_t kAnswerLogRecords = 1'000'000;
inline constexpr std::size_t kPanelAssociations = 50'000;

inline constexpr const char* kSettingsFile = "設定.txt";
inline constexpr const char* kTopicListFile = "題目.txt";
inline constexpr const char* kPlayHistoryFile = "履歴.txt";

// A data folder of years of play: the settings, 100 topics, a play history of
// 32,766 games, and for the first topic an answer log of a million answers and
// an association list of 50,000 entries. The bytes of the files stay in
// memory for the floors. Made once, on first use.
struct LargeData {
    LargeData();

    DataFolder folder;
    std::vector<std::string> topics;
    std::string settingsBytes;
    std::string topicListBytes;
    std::string playHistoryBytes;
    std::string answerLogBytes;
    std::string associationBytes;

    const std::string& panelTopic() const { return topics.front(); }
};

const LargeData& largeData();

// The same settings and topics with an empty play history.
struct EmptyHistoryData {
    EmptyHistoryData();
    DataFolder folder;
};

const EmptyHistoryData& emptyHistoryData();

} // namespace wordbloom::bench
