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

} // namespace wordbloom
