// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "record/code_page.h"
#include "dialogue/messages.h"
#include "record/record_text.h"
#include "record/topic_list_file.h"
#include "record/topic_names.h"

#include <optional>
#include <unordered_set>

namespace wordbloom {

namespace {

bool endsWithLineEnd(std::string_view bytes) {
    return bytes.empty() || bytes.back() == '\n' || bytes.back() == '\r';
}

// Ours as it is, then the new lines.
std::string appended(std::string_view ours, std::string_view lines) {
    std::string bytes(ours);
    if (!endsWithLineEnd(ours)) {
        bytes += "\r\n";
    }
    bytes += lines;
    return bytes;
}

// Each field of a topic list, read as the game reads the list at start-up.
template <typename OnTopic> void forEachListedTopic(std::string_view listBytes, OnTopic onTopic) {
    const std::string text = decodeHandEditedText(listBytes);
    FieldReader reader(text);
    while (const auto candidate = reader.readField()) {
        onTopic(*candidate, checkTopic(*candidate));
    }
}

} // namespace

Merge mergeAssociationLists(std::string_view ours, std::string_view incoming) {
    // Entries are compared in the codes the encoder writes.
    const std::optional<std::string> oursRecoded = withEncoderCodes(ours);
    const std::optional<std::string> incomingRecoded = withEncoderCodes(incoming);
    std::unordered_set<std::string_view> known;
    forEachLine(oursRecoded ? *oursRecoded : ours,
                [&](std::string_view line) { known.insert(line); });
    Merge merge;
    std::string lines;
    forEachLine(incomingRecoded ? *incomingRecoded : incoming, [&](std::string_view entry) {
        if (entry.empty()) {
            return;
        }
        if (!known.insert(entry).second) {
            ++merge.alreadyThere;
            return;
        }
        ++merge.added;
        lines.append(entry);
        lines.append("\r\n");
    });
    if (merge.added > 0) {
        merge.bytes = appended(ours, lines);
    }
    return merge;
}

std::vector<std::string> usableTopics(std::string_view listBytes) {
    std::vector<std::string> topics;
    forEachListedTopic(listBytes, [&topics](const std::string&, const auto& checked) {
        if (const auto* topic = std::get_if<std::string>(&checked)) {
            topics.push_back(*topic);
        }
    });
    return topics;
}

TopicListMerge mergeTopicLists(std::string_view ours, std::string_view incoming) {
    const std::vector<std::string> listed = usableTopics(ours);
    std::unordered_set<std::string> known(listed.begin(), listed.end());
    TopicListMerge result;
    std::string lines;
    forEachListedTopic(incoming, [&](const std::string& candidate, const auto& checked) {
        if (const auto* refusal = std::get_if<TopicRefusal>(&checked)) {
            result.refused.push_back({kTopicListFileName, candidate + refusal->reason});
            return;
        }
        const auto& topic = std::get<std::string>(checked);
        if (topic.empty()) {
            return;
        }
        result.topics.push_back(topic);
        if (!known.insert(topic).second) {
            ++result.merge.alreadyThere;
            return;
        }
        ++result.merge.added;
        lines += topic + "\r\n";
    });
    if (result.merge.added > 0) {
        // A list the player keeps in UTF-8 stays UTF-8.
        result.merge.bytes = appended(ours, readsAsUtf8(ours) ? lines : encodeCp932(lines));
    }
    return result;
}

} // namespace wordbloom
