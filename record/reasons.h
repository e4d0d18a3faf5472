// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wordbloom {

// Why a file, a value or a topic cannot be used: the texts that FileError and
// TopicRefusal carry. They say what is wrong with the file or the name and
// nothing of where the player will read them.
namespace reason {
inline constexpr const char* kFileNotFound = "ファイルが見つかりません。";
inline constexpr const char* kPermissionDenied = "書き込みまたは読み込みが許可されていません。";
inline constexpr const char* kDiskFull = "ディスクの空き容量が不足しています。";
inline constexpr const char* kFolderInTheWay =
    "同じ名前のフォルダーがあるため、ファイルとして使えません。";
inline constexpr const char* kPathNotFound = "パスが見つかりません。";
inline constexpr const char* kFileNameTooLong = "ファイル名が長すぎます。";
inline constexpr const char* kBadFileName = "ファイル名が正しくありません。";
inline constexpr const char* kReadWriteFailed = "ファイルの読み書きに失敗しました。";
inline constexpr const char* kNotARegularFile =
    "通常のファイルではないため、使えません"
    "（名前付きパイプやソケット、デバイスなどはデータのファイルになりません）。";
inline constexpr const char* kOutsideTheFolder =
    "ファイル名が正しくありません。フォルダーの外のファイルは使えません。";
inline constexpr const char* kLineBreak = "改行を含む文字列は書き込めません。";
inline constexpr const char* kFileInUse =
    "ほかのプログラムがこのファイルを使い続けているため、書き込めませんでした。";
inline constexpr const char* kAlreadyThere = "同じ名前のファイルかフォルダーがすでにあります。";

// A file name longer than the system takes.
std::string fileNameLongerThan(std::size_t limit);

// The two values of the settings file, as its reasons name them.
inline constexpr const char* kPlayLengthValue = "プレイ秒数（1 つめの値）";
inline constexpr const char* kAutoSaveValue = "自動保存（2 つめの値）";
inline constexpr const char* kSettingsTooLarge =
    "ファイルが大きすぎて、はじめの二つの値を読み取れません。";
std::string settingsValueMissing(std::string_view value);
std::string settingsValueTooLarge(std::string_view value, std::string_view field);
std::string settingsValueNotANumber(std::string_view value, std::string_view field);
std::string playLengthNotPositive(int playLength);
std::string autoSaveOutOfRange(int autoSave);

// The rest of a sentence that begins with the topic, ending in "使えません".
std::string topicCharacterRefused(std::string_view shownCharacter);
std::string topicNameLongerThan(std::size_t limit);
std::string topicNamedLikeGameFile(std::string_view gameFile);
inline constexpr const char* kTopicNamedLikeAnAnswerLog =
    " は「_履歴」で終わり、ほかのお題の履歴ファイルと同じ名前になるため使えません";
} // namespace reason

} // namespace wordbloom
