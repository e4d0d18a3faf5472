// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record_lines.h"
#include "record_text.h"
#include "topic_names.h"
#include "work_dir.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// The association list, one entry per line, each line exactly as stored
// (commas, spaces and quotation marks kept). A missing file is created empty.
std::vector<std::string> readAssociationList(const WorkDir& dir, std::string_view topic);

// Appends one association as a raw line. A text holding CR or LF is refused.
void appendAssociation(const WorkDir& dir, std::string_view topic, std::string_view answer);

struct AnswerLogRecord {
    std::string date;       // "yyyy/mm/dd"
    std::string time;       // "hh:mm:ss"
    std::string gameNumber; // "000"
    std::string answer;
};

// How an answer log record stands in a line of the answer log.
struct AnswerLogFormat {
    using Record = AnswerLogRecord;
    // Where each field stands in the line.
    enum Field : std::size_t { Date, Time, GameNumber, Answer, FieldCount };
    using Fields = std::array<RawField, FieldCount>;

    static bool isWhole(std::string_view line);
    static AnswerLogRecord read(std::string_view line);
    // The fields of a whole line as they stand in it, without copying a byte;
    // nothing for a short or torn record.
    static std::optional<Fields> wholeFields(std::string_view line);
    static std::string line(const AnswerLogRecord& record);
};

using AnswerLog = RecordList<AnswerLogFormat>;

// The whole records of the answer log in file order; a short or torn record
// is skipped. A missing file is created empty.
AnswerLog readAnswerLog(const WorkDir& dir, std::string_view topic);

// Goes through the same records without keeping them: onRecord gets the
// fields of each whole record in file order, views into the file's text that
// last until this returns. A missing file has no records, and nothing is
// created. Returns the count of short or torn lines left out.
std::size_t
forEachAnswerRecord(const WorkDir& dir, std::string_view topic,
                    const std::function<void(const AnswerLogFormat::Fields&)>& onRecord);

// The last whole record of the answer log, or nothing for an empty log. A
// missing file is created empty.
std::optional<AnswerLogRecord> readLastAnswerRecord(const WorkDir& dir, std::string_view topic);

// Appends one record to the answer log. A text holding CR or LF is refused.
void appendAnswerLogRecord(const WorkDir& dir, std::string_view topic,
                           const AnswerLogRecord& record);

// Empties both files of the topic to zero bytes (creating missing ones), or
// neither when one of them cannot be emptied. Both names are checked before
// either file is touched.
void clearTopicFiles(const WorkDir& dir, std::string_view topic);

} // namespace wordbloom
