// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

namespace wordbloom {

std::string startUpReportText(int number, std::string_view description, std::string_view folder) {
    std::string report = "実行時エラー '" + std::to_string(number) + "':\n\n";
    report += description;
    report += "\n\n";
    if (!folder.empty()) {
        report += "データのフォルダー: ";
        report += folder;
        report += "\n\n";
    }
    return report + "Wordbloom を終了します。";
}

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

std::string topicRejectionMessage(std::string_view topic, const TopicRefusal& refusal) {
    return std::string(topic) + refusal.reason + "ので飛ばします";
}

namespace reason {

std::string fileErrorSummary(ErrorNumber number, std::string_view fileName,
                             std::string_view description) {
    return "エラー " + std::to_string(static_cast<int>(number)) + ": 「" + std::string(fileName) +
           "」 " + std::string(description);
}

std::string fileNameLongerThan(std::size_t limit) {
    return "ファイル名が長すぎます（" + std::to_string(limit) + " バイトまで）。";
}

std::string settingsValueMissing(std::string_view value) {
    return std::string(value) +
           "がありません。ファイルには「60,1」のようにプレイ秒数と自動保存の二つの数を"
           "書いてください。";
}

std::string settingsValueTooLarge(std::string_view value, std::string_view field) {
    return std::string(value) + "「" + std::string(field) +
           "」が大きすぎます（-32768 から 32767 まで）。";
}

std::string settingsValueNotANumber(std::string_view value, std::string_view field) {
    return std::string(value) + "「" + std::string(field) + "」が数ではありません。";
}

std::string playLengthNotPositive(int playLength) {
    return "プレイ秒数「" + std::to_string(playLength) + "」は 1 以上でなければなりません。";
}

std::string autoSaveOutOfRange(int autoSave) {
    return "自動保存「" + std::to_string(autoSave) +
           "」は 0（しない）、1（する）、2（しない。スイッチを灰色で表示）の"
           "どれかでなければなりません。";
}

std::string topicCharacterRefused(std::string_view shownCharacter) {
    return " に含まれる " + std::string(shownCharacter) + " は使えません";
}

std::string topicNameLongerThan(std::size_t limit) {
    return " はファイル名が長すぎます（「_履歴.txt」をつけて " + std::to_string(limit) +
           " バイトまで）。このお題は使えません";
}

std::string topicNamedLikeGameFile(std::string_view gameFile) {
    return " はゲームが使うファイル「" + std::string(gameFile) + "」と同じ名前になるため使えません";
}

} // namespace reason

} // namespace wordbloom
