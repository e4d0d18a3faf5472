// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_reading.h"

namespace wordbloom {

Progress readProgress(const WorkDir& dir, std::string_view topic, std::size_t topicCount) {
    const PlayHistory history = readPlayHistoryIfPresent(dir);
    return {readTopicProgress(dir, history, topic), overallProgress(history, topicCount)};
}

} // namespace wordbloom
