// SPDX-License-Identifier: GPL-3.0-or-later
#include "logged_game_texts.h"

#include "widgets/shown_text.h"

namespace wordbloom {

namespace {

// Dates, times and game numbers as stored; a hand-edited one may be long.
constexpr std::size_t kStoredFieldCharacters = 10;

QString stored(const std::string& text) {
    return shownStart(text, kStoredFieldCharacters);
}

template <typename Number> QString kindCounts(Number newAnswers, Number existing, Number twice) {
    return QStringLiteral("新 %1・既 %2・重 %3").arg(newAnswers).arg(existing).arg(twice);
}

QString savedGameText(const TopicProgress& topic, const GameCloseUp& closeUp) {
    const auto saved = topic.savedLinks.savedGameOfLogged.at(closeUp.game);
    if (!saved) {
        return QStringLiteral("履歴.txt には保存されていません");
    }
    const TopicGame& record = topic.games[*saved];
    QString text =
        QStringLiteral("履歴.txt に保存: %1 %2（%3）")
            .arg(stored(record.date), stored(record.time),
                 kindCounts(record.newAnswers, record.existingAnswers, record.duplicateAnswers));
    const auto same = [](int savedCount, std::size_t counted) {
        return static_cast<std::size_t>(savedCount) == counted;
    };
    if (!same(record.newAnswers, closeUp.newAnswers) ||
        !same(record.existingAnswers, closeUp.existingAnswers) ||
        !same(record.duplicateAnswers, closeUp.duplicateAnswers)) {
        text += QStringLiteral("　保存した数は、お題の履歴から数えた数とちがいます");
    }
    return text;
}

} // namespace

QString loggedGameName(const LoggedGame& game) {
    bool isNumber = false;
    const int number = QString::fromStdString(game.gameNumber).toInt(&isNumber);
    if (isNumber && number == 0) {
        return QStringLiteral("%1 のゲーム前の回答").arg(stored(game.date));
    }
    if (isNumber) {
        return QStringLiteral("%1 の %2 ゲーム目").arg(stored(game.date)).arg(number);
    }
    return QStringLiteral("%1 のゲーム「%2」").arg(stored(game.date), stored(game.gameNumber));
}

QString loggedGameListText(const TopicProgress& topic, std::size_t game) {
    const LoggedGame& logged = topic.answerLog.games()[game];
    QString text =
        QStringLiteral("%1　回答 %2").arg(loggedGameName(logged)).arg(logged.answerCount);
    if (!topic.savedLinks.savedGameOfLogged[game]) {
        text += QStringLiteral("　保存なし");
    }
    return text;
}

QString closeUpSummary(const TopicProgress& topic, const GameCloseUp& closeUp) {
    const LoggedGame& game = topic.answerLog.games().at(closeUp.game);
    QString text = loggedGameName(game) + QStringLiteral("　") + stored(game.firstTime) +
                   QStringLiteral("〜") + QString::fromStdString(closeUp.lastTime);
    if (game.crossedMidnight) {
        text += QStringLiteral("（日付をまたいだゲーム）");
    }
    return text +
           QStringLiteral("\n回答 %1（%2）\n")
               .arg(game.answerCount)
               .arg(kindCounts(closeUp.newAnswers, closeUp.existingAnswers,
                               closeUp.duplicateAnswers)) +
           savedGameText(topic, closeUp);
}

QString unloggedGameText(const TopicGame& game) {
    return QStringLiteral(
               "履歴.txt の %1 %2 に保存したゲーム（%3）は、お題の履歴に回答がありません。"
               "お題のデータを消す前のゲームか、回答の記録が残らなかったゲームです。")
        .arg(stored(game.date), stored(game.time),
             kindCounts(game.newAnswers, game.existingAnswers, game.duplicateAnswers));
}

} // namespace wordbloom
