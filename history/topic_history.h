// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/topic_files.h"
#include "record/work_dir.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// What the topic history panel shows for one topic: its association list and
// every record of its answer log, as last loaded.
class TopicHistory {
public:
    static constexpr int kColumnCount = 5;

    // Reads the topic's association list, then its answer log, creating a
    // missing file empty. Nothing else is written. The content is replaced
    // only when both reads succeed; a failure throws FileError.
    void load(const WorkDir& dir, std::string_view topic);

    void clear();

    const std::vector<std::string>& associations() const { return m_associations; }
    std::size_t logRowCount() const { return m_log.size(); }

    // Row k, counted from 0, shows k + 1 and the record's four fields exactly
    // as stored.
    std::string cellText(std::size_t row, int column) const;

private:
    std::vector<std::string> m_associations;
    AnswerLog m_log;
};

} // namespace wordbloom
