// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "incoming.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Merging a data file that comes in into ours, so that nothing of ours is
// ever lost. Both are code page 932 bytes; what is written is in our format.
struct Merge {
    std::optional<std::string> bytes; // our new content; nothing when ours stays
    std::size_t added = 0;            // records or entries that come in
    std::size_t alreadyThere = 0;     // those we have already
};

// The play history and the answer logs: the union of the records, each in
// our form, in the order of their dates and times. A record that both hold
// counts once: each record is there as many times as the file that holds it
// most often holds it, so two like answers of one second stay two. The sort
// is stable, ours first; a line that cannot be read stays after the line it
// followed, and so does a record whose date or time cannot be read.
Merge mergePlayHistories(std::string_view ours, std::string_view incoming);
Merge mergeAnswerLogs(std::string_view ours, std::string_view incoming);

// The association lists: ours as it is, then each entry that comes in and is
// not there yet, compared in the form the code page stores it. Empty lines
// do not come in.
Merge mergeAssociationLists(std::string_view ours, std::string_view incoming);

// The topic list, which the player edits by hand (in UTF-8 too): ours as it
// is, then each usable topic that comes in and is not listed yet, as a line
// of its own in the coding of our file. Topics the game refuses are left out.
struct TopicListMerge {
    Merge merge;
    std::vector<std::string> topics; // every usable incoming topic, in stored form
    std::vector<LeftOutEntry> refused;
};
TopicListMerge mergeTopicLists(std::string_view ours, std::string_view incoming);

// The usable topics of a topic list's bytes, in stored form.
std::vector<std::string> usableTopics(std::string_view listBytes);

} // namespace wordbloom
