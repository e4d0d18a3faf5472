#include "checked_topic.h"

#include "messages.h"
#include "topic_names.h"

namespace wordbloom {

std::optional<std::string> checkedTopic(Prompter& prompter, std::string_view topic) {
    if (const auto refusal = refuseTopic(topic)) {
        prompter.ask(unusableTopicMessageBox(topic, *refusal));
        return std::nullopt;
    }
    return storedTopic(topic);
}

} // namespace wordbloom
