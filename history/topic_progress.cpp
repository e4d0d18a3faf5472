// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_progress.h"

#include "record/play_history_file.h"
#include "record/topic_files.h"

namespace wordbloom {

namespace {

// The first game with the highest value among the games that have one.
template <typename ValueOf>
std::optional<PersonalBest> bestOf(const std::vector<TopicGame>& games, ValueOf valueOf) {
    std::optional<PersonalBest> best;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const std::optional<double> value = valueOf(games[i]);
        if (value && (!best || *value > best->value)) {
            best = PersonalBest{i, *value, games[i].date};
        }
    }
    return best;
}

} // namespace

TopicProgress readTopicProgress(const WorkDir& dir, const PlayHistory& history,
                                std::string_view topic) {
    TopicProgress progress;
    TopicAnswerLog& log = progress.answerLog;
    progress.skippedAnswerLogLines = forEachAnswerRecord(
        dir, topic, [&log](const AnswerLogFormat::Fields& record) { log.add(record); });
    log.finish();
    progress.vocabulary = vocabularyGrowth(log);
    progress.favouriteAnswers = favouriteAnswers(log);

    progress.skippedHistoryLines = history.skippedLines;
    TopicGames played = topicGames(history.records, topic);
    progress.games = std::move(played.games);
    progress.unreadableDates = played.unreadableDates;
    progress.mostNewAnswers = bestOf(progress.games, [](const TopicGame& game) {
        return std::optional<double>(game.newAnswers);
    });
    progress.bestRate =
        bestOf(progress.games, [](const TopicGame& game) { return game.charactersPerSecond; });
    progress.savedLinks = linkSavedGames(progress.games, log);
    return progress;
}

} // namespace wordbloom
