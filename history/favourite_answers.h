// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_answer_log.h"

#include <string>
#include <vector>

namespace wordbloom {

struct AnswerCount {
    std::string answer;
    std::size_t times = 0;
};

// The answers the topic's favourites chart shows.
inline constexpr std::size_t kFavouriteAnswerCount = 20;

// The answers given most often in the whole log, at most `count` of them,
// most often first; of answers given as often, the one first given earlier
// comes first.
std::vector<AnswerCount> favouriteAnswers(const TopicAnswerLog& log,
                                          std::size_t count = kFavouriteAnswerCount);

} // namespace wordbloom
