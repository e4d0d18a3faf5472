// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_names.h"

#include "code_page.h"
#include "reasons.h"
#include "utf8.h"

#include <array>
#include <climits>
#include <cstdio>

namespace wordbloom {

namespace {

constexpr std::string_view kAnswerLogSuffix = "_履歴";

// The game's own files, which no topic's files may be.
constexpr std::array<std::string_view, 3> kGameFiles = {"履歴.txt", "設定.txt", "題目.txt"};

// The character of the typed topic that turns into `stored` on its way
// through the files: the character itself, or one the code page folds onto
// it (¥ onto \).
std::string typedCharacterFor(std::string_view topic, char stored) {
    if (topic.find(stored) != std::string_view::npos) {
        return std::string(1, stored);
    }
    for (std::size_t at = 0; at < topic.size();) {
        const auto decoded = decodeUtf8(topic.substr(at));
        const std::size_t length = decoded ? decoded->length : 1;
        const std::string_view character = topic.substr(at, length);
        if (roundTripForm(character) == std::string_view(&stored, 1)) {
            return std::string(character);
        }
        at += length;
    }
    return std::string(1, stored);
}

std::optional<std::string> controlCharacter(std::string_view topic) {
    for (const char c : topic) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 8> code{};
            std::snprintf(code.data(), code.size(), "U+%04X", byte);
            return std::string(code.data());
        }
    }
    return std::nullopt;
}

} // namespace

std::string associationListFileName(std::string_view topic) {
    return std::string(topic) + ".txt";
}

std::string answerLogFileName(std::string_view topic) {
    return std::string(topic) + std::string(kAnswerLogSuffix) + ".txt";
}

std::string storedTopic(std::string_view topic) {
    return roundTripForm(topic);
}

std::optional<char> findForbiddenTopicCharacter(std::string_view topic) {
    std::optional<char> found;
    for (const char c : kForbiddenTopicCharacters) {
        if (topic.find(c) != std::string_view::npos) {
            found = c;
        }
    }
    return found;
}

std::optional<TopicRefusal> refuseTopic(std::string_view topic) {
    auto checked = checkTopic(topic);
    if (auto* refusal = std::get_if<TopicRefusal>(&checked)) {
        return std::move(*refusal);
    }
    return std::nullopt;
}

std::variant<std::string, TopicRefusal> checkTopic(std::string_view topic) {
    std::string stored = storedTopic(topic);
    const auto character = [](const std::string& shown) {
        return TopicRefusal{TopicRefusal::Kind::Character, reason::topicCharacterRefused(shown)};
    };
    if (const auto forbidden = findForbiddenTopicCharacter(stored)) {
        return character(typedCharacterFor(topic, *forbidden));
    }
    if (const auto control = controlCharacter(stored)) {
        return character(*control);
    }
    if (answerLogFileName(stored).size() > NAME_MAX) {
        return TopicRefusal{TopicRefusal::Kind::FileName, reason::topicNameLongerThan(NAME_MAX)};
    }
    const std::string listName = associationListFileName(stored);
    for (const std::string_view gameFile : kGameFiles) {
        if (listName == gameFile) {
            return TopicRefusal{TopicRefusal::Kind::FileName,
                                reason::topicNamedLikeGameFile(gameFile)};
        }
    }
    if (stored.ends_with(kAnswerLogSuffix)) {
        return TopicRefusal{TopicRefusal::Kind::FileName, reason::kTopicNamedLikeAnAnswerLog};
    }
    return stored;
}

} // namespace wordbloom
