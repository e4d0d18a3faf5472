// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_list_file.h"

#include "code_page.h"
#include "record_text.h"

namespace wordbloom {

void loadTopicList(const WorkDir& dir, const std::function<void(const std::string&)>& onAccepted,
                   const std::function<void(const std::string&, const TopicRefusal&)>& onRejected) {
    const std::string text = decodeHandEditedText(dir.readAll(kTopicListFileName));
    FieldReader reader(text);
    while (const auto candidate = reader.readField()) {
        const auto checked = checkTopic(*candidate);
        if (const auto* refusal = std::get_if<TopicRefusal>(&checked)) {
            onRejected(*candidate, *refusal);
        } else {
            onAccepted(std::get<std::string>(checked));
        }
    }
}

} // namespace wordbloom
