#include "topic_list_file.h"

#include "code_page.h"
#include "record_text.h"

namespace wordbloom {

std::optional<char> findForbiddenTopicCharacter(std::string_view topic) {
    std::optional<char> found;
    for (const char c : kForbiddenTopicCharacters) {
        if (topic.find(c) != std::string_view::npos) {
            found = c;
        }
    }
    return found;
}

std::string topicRejectionMessage(std::string_view topic, char forbidden) {
    return std::string(topic) + " に含まれる " + forbidden + " は使えませんので飛ばします";
}

void LoadTopicList(const WorkDir& dir, const std::function<void(const std::string&)>& onAccepted,
                   const std::function<void(const std::string&, char)>& onRejected) {
    const std::string text = decodeHandEditedText(dir.readAll(kTopicListFileName));
    FieldReader reader(text);
    while (const auto candidate = reader.readField()) {
        if (const auto forbidden = findForbiddenTopicCharacter(*candidate)) {
            onRejected(*candidate, *forbidden);
        } else {
            onAccepted(*candidate);
        }
    }
}

} // namespace wordbloom
