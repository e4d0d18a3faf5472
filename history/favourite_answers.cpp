// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourite_answers.h"

#include <algorithm>
#include <numeric>

namespace wordbloom {

std::vector<AnswerCount> favouriteAnswers(const TopicAnswerLog& log, std::size_t count) {
    std::vector<AnswerId> answers(log.differentAnswers());
    std::iota(answers.begin(), answers.end(), AnswerId{0});
    const auto shown = std::min(count, answers.size());
    std::partial_sort(answers.begin(), answers.begin() + static_cast<std::ptrdiff_t>(shown),
                      answers.end(), [&log](AnswerId a, AnswerId b) {
                          const std::size_t timesA = log.timesGiven(a);
                          const std::size_t timesB = log.timesGiven(b);
                          return timesA != timesB ? timesA > timesB : a < b;
                      });
    std::vector<AnswerCount> favourites;
    for (std::size_t i = 0; i < shown; ++i) {
        favourites.push_back({std::string(log.text(answers[i])), log.timesGiven(answers[i])});
    }
    return favourites;
}

} // namespace wordbloom
