// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of the progress window on what its charts leave out.
#include "messages.h"

namespace wordbloom {

std::string progressLeftOutNote(std::size_t historyLines, std::size_t answerLogLines,
                                std::size_t undatedGames) {
    std::string note;
    const auto line = [&note](const std::string& text) {
        note += note.empty() ? text : "\n" + text;
    };
    if (historyLines > 0) {
        line("「履歴.txt」の " + std::to_string(historyLines) +
             " 行を読めなかったため、除いています。");
    }
    if (answerLogLines > 0) {
        line("お題の履歴の " + std::to_string(answerLogLines) +
             " 行を読めなかったため、除いています。");
    }
    if (undatedGames > 0) {
        line("日付を読めないか、ほかから離れすぎている " + std::to_string(undatedGames) +
             " ゲームは、時間の軸に置けないため除いています。");
    }
    return note;
}

std::string gameCloseUpNote(std::size_t untimedAnswers, std::size_t laterAnswers,
                            std::size_t undatedGames) {
    std::string note;
    const auto line = [&note](const std::string& text) {
        note += note.empty() ? text : "\n" + text;
    };
    if (untimedAnswers > 0) {
        line("時刻を読めないか、最初の回答より早い " + std::to_string(untimedAnswers) +
             " 回答は、10 秒ごとの数に入れていません。");
    }
    if (laterAnswers > 0) {
        line("最初の回答から 180 秒より後の " + std::to_string(laterAnswers) +
             " 回答は、10 秒ごとの数に入れていません。");
    }
    if (undatedGames > 0) {
        line("お題の履歴の " + std::to_string(undatedGames) +
             " ゲームは日付を読めないため、「履歴.txt」の記録と結びつけられません。");
    }
    return note;
}

} // namespace wordbloom
