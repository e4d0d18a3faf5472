// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_names.h"
#include "work_dir.h"

#include <functional>
#include <string>
#include <string_view>

namespace wordbloom {

inline constexpr const char* kTopicListFileName = "題目.txt";

// Reads "題目.txt" one field at a time. Each topic that passes the check of
// checkTopic goes to onAccepted in its stored form, each one that fails to
// onRejected as read, with the refusal, in file order; one topic's findings
// never carry over to the next. A file saved as UTF-8 by hand is recognised.
// A missing file throws FileError FileNotFound.
void loadTopicList(const WorkDir& dir, const std::function<void(const std::string&)>& onAccepted,
                   const std::function<void(const std::string&, const TopicRefusal&)>& onRejected);

} // namespace wordbloom
