#pragma once

#include "record_lines.h"
#include "topic_names.h"
#include "work_dir.h"

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
    static bool isWhole(std::string_view line);
    static AnswerLogRecord read(std::string_view line);
    static std::string line(const AnswerLogRecord& record);
};

using AnswerLog = RecordList<AnswerLogFormat>;

// The whole records of the answer log in file order; a short or torn record
// is skipped. A missing file is created empty.
AnswerLog readAnswerLog(const WorkDir& dir, std::string_view topic);

// The last whole record of the answer log, or nothing for an empty log. A
// missing file is created empty.
std::optional<AnswerLogRecord> readLastAnswerRecord(const WorkDir& dir, std::string_view topic);

// Appends one record to the answer log. A text holding CR or LF is refused.
void appendAnswerLogRecord(const WorkDir& dir, std::string_view topic,
                           const AnswerLogRecord& record);

// Empties both files of the topic to zero bytes (creating missing ones), the
// association list first. Both names are checked before either file is touched.
void clearTopicFiles(const WorkDir& dir, std::string_view topic);

} // namespace wordbloom
