// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_grids.h"

namespace wordbloom {

namespace {

// Row numbers are shown whole up to five digits. A play history gains one row
// a game and a topic's answer log some tens a game, so years of play stay
// well below that.
constexpr const char* kWidestRowNumber = "99999";
// The counts the game writes stop at 32767; the new and existing counts are
// read back as 16-bit numbers, so a hand-edited file can also give -32768.
constexpr const char* kWidestCount = "32767";
constexpr const char* kWidestReadCount = "-32768";

} // namespace

GridLayout playHistoryGridLayout() {
    return {11.0F,
            true,
            {{"回", 600, Alignment::Right, kWidestRowNumber},
             {"日付", 1100, Alignment::Centre, "24/12/28"},
             {"時間", 680, Alignment::Centre, "23:59"},
             {"問題", 2130, Alignment::Left, ""},
             {"計", 450, Alignment::Right, kWidestCount},
             {"新", 400, Alignment::Right, kWidestReadCount},
             {"既", 400, Alignment::Right, kWidestReadCount},
             {"重", 400, Alignment::Right, kWidestCount},
             {"字数", 570, Alignment::Right, kWidestCount},
             // Nobody types a hundred characters a second.
             {"秒当たり", 950, Alignment::Right, "99.99/秒"},
             {"秒数", 750, Alignment::Centre, "180秒"}}};
}

GridLayout topicLogGridLayout() {
    // The game number of the day is stored with three digits; a thousand
    // games of one topic in a day do not happen.
    return {11.0F,
            true,
            {{"回", 600, Alignment::Right, kWidestRowNumber},
             {"日付", 1360, Alignment::Centre, "2024/12/28"},
             {"時間", 960, Alignment::Centre, "23:59:59"},
             {"日回", 560, Alignment::Centre, "999"},
             {"回答", 2330, Alignment::Left, ""}}};
}

GridLayout answerGridLayout() {
    // Answer numbers are shown whole up to 32767, where a game's answer
    // counters stop.
    return {10.0F,
            false,
            {{"回", 380, Alignment::Right, kWidestCount}, {"回答", 1975, Alignment::Left, ""}}};
}

} // namespace wordbloom
