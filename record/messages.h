#pragma once

#include "file_error.h"
#include "prompter.h"
#include "topic_names.h"

#include <string>
#include <string_view>

namespace wordbloom {

// Every message box the game shows, with its text, title, icon and buttons.

// A text as a message shows it: a very long one keeps its start and its end
// with "…" between, so that no box grows taller than the screen.
std::string elideForMessage(std::string_view text);

// A topic from the topic list that is left out at start-up.
Message topicRejectedMessage(std::string_view topic, const TopicRefusal& refusal);
// How many more topics of the list were left out without a box of their own.
Message moreTopicsRejectedMessage(std::size_t count);
// A topic that cannot name its files, where it would be used.
Message unusableTopicMessageBox(std::string_view topic, const TopicRefusal& refusal);
// "スタート" with no topic to draw from.
Message noTopicsMessage();

Message clearPlayHistoryConfirmation();
Message playHistoryClearedMessage();
Message clearTopicConfirmation(std::string_view topic);

// What the window shows while a large file is read, should it take a while.
inline constexpr const char* kLoadingPlayHistory = "履歴を読み込んでいます…";
inline constexpr const char* kLoadingTopicHistory = "お題の履歴を読み込んでいます…";

// A file operation that failed: what could not be done, then the file and
// the system's reason.
Message fileErrorMessage(const FileError& error, std::string_view whatFailed);

// What could not be done, for fileErrorMessage.
namespace failed {
inline constexpr const char* kNewAnswerToList =
    "新しい回答をお題の連想リストに書き込めませんでした。ゲームはこのまま続けられます。";
inline constexpr const char* kAnswerToLog =
    "回答をお題の履歴に書き込めませんでした。ゲームはこのまま続けられます。";
inline constexpr const char* kReadTopicFiles = "お題のファイルを読み込めませんでした。";
inline constexpr const char* kStartWithoutTopicFiles =
    "お題のファイルを読み込めないため、ゲームを始められません。";
inline constexpr const char* kSaveSettings =
    "設定を保存できませんでした。この設定は次に起動したときには戻ります。";
inline constexpr const char* kSaveGame =
    "ゲームの記録を保存できませんでした。ゲームの結果はそのまま残っています。"
    "問題を直してから、もう一度「保存」を押してください。";
inline constexpr const char* kClearPlayHistory =
    "履歴データをクリアできませんでした。履歴はそのまま残っています。";
inline constexpr const char* kReadTopicHistory = "お題の履歴を読み込めませんでした。";
inline constexpr const char* kClearTopicData = "お題のデータをクリアできませんでした。";
inline constexpr const char* kAnyFile = "ファイルを扱えませんでした。";
} // namespace failed

// Something that should never happen did, inside one of the player's actions.
Message unexpectedErrorMessage(std::string_view what);

} // namespace wordbloom
