// SPDX-License-Identifier: GPL-3.0-or-later
#include "reasons.h"

namespace wordbloom {

namespace reason {

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
