// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace wordbloom {

// Each topic owns two files named after it: its association list (every
// answer that was new for the topic, one raw line each) and its answer log
// (one record per judged answer).
std::string associationListFileName(std::string_view topic);
std::string answerLogFileName(std::string_view topic);

// The form in which a topic comes back from the data files. The code page
// keeps some characters one way only (〜 comes back as ～, ¥ as \), so a topic
// is used in this form everywhere: in its file names, in the play history and
// in judging, and a history row always leads back to the same files.
std::string storedTopic(std::string_view topic);

// The eleven characters a topic may not hold, since a topic names two files.
// They are tested in this order, and the last one found is the one reported.
inline constexpr std::string_view kForbiddenTopicCharacters = "\\/:,;*?\"<>|";

// The forbidden character reported for a topic, or nothing when it has none.
std::optional<char> findForbiddenTopicCharacter(std::string_view topic);

// Why a topic cannot be used.
struct TopicRefusal {
    enum class Kind {
        Character, // it holds a character no file name may hold
        FileName,  // its files would be the game's own files, or too long a name
    };
    Kind kind;
    // The rest of a sentence that begins with the topic, ending in "使えません":
    // " に含まれる / は使えません".
    std::string reason;
};

// Checks a topic in its stored form: a forbidden topic character (the one the
// topic list check would report, as the player typed it), a control character
// (written as its code, such as "U+0009"), a file name longer than the system
// allows, an association list that would be one of the game's own files
// (履歴.txt, 設定.txt, 題目.txt), or a topic ending in "_履歴", whose list would
// be another topic's answer log. Nothing when the topic can name its files;
// the empty topic can.
std::optional<TopicRefusal> refuseTopic(std::string_view topic);

// The same check, made once for a topic about to be used: its stored form
// when it can be used, otherwise why not.
std::variant<std::string, TopicRefusal> checkTopic(std::string_view topic);

} // namespace wordbloom
