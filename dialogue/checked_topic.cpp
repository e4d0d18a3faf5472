// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_topic.h"

#include "messages.h"
#include "record/topic_names.h"

namespace wordbloom {

std::optional<std::string> checkedTopic(Prompter& prompter, std::string_view topic) {
    auto checked = checkTopic(topic);
    if (const auto* refusal = std::get_if<TopicRefusal>(&checked)) {
        prompter.ask(unusableTopicMessageBox(topic, *refusal));
        return std::nullopt;
    }
    return std::get<std::string>(std::move(checked));
}

} // namespace wordbloom
