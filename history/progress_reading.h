// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overall_progress.h"
#include "topic_progress.h"

#include "record/work_dir.h"

#include <string_view>

namespace wordbloom {

// Everything the progress window shows: one topic's charts and those of all
// topics.
struct Progress {
    TopicProgress topic;
    OverallProgress overall;
};

// Reads "履歴.txt" once, and the topic's answer log (topic in its stored form),
// and works out both pages, with at most `topicCount` most played topics. A
// missing file reads as empty, and nothing is created or changed; a file that
// cannot be read throws FileError.
Progress readProgress(const WorkDir& dir, std::string_view topic,
                      std::size_t topicCount = kMostPlayedTopicCount);

} // namespace wordbloom
