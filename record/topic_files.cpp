// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_files.h"

#include "code_page.h"
#include "decoded_file.h"
#include "file_error.h"
#include "line_breaks.h"
#include "record_text.h"

namespace wordbloom {

namespace {

// How far from its end the answer log is read first when only its last
// record is wanted; a longer last line makes the look back further.
constexpr std::size_t kTailBlock = 1 << 12;

std::optional<AnswerLogRecord> toAnswerRecord(std::string_view line) {
    if (!AnswerLogFormat::isWhole(line)) {
        return std::nullopt;
    }
    return AnswerLogFormat::read(line);
}

// The last whole record among the lines of text, looking only at lines that
// begin inside it: the part before the first line end counts only when
// `startsAtLine`.
std::optional<AnswerLogRecord> lastWholeRecord(std::string_view rest, bool startsAtLine) {
    while (!rest.empty()) {
        const std::size_t lastBreak = rest.find_last_of("\r\n");
        if (lastBreak == std::string_view::npos) {
            return startsAtLine ? toAnswerRecord(decodeCp932(rest)) : std::nullopt;
        }
        if (lastBreak + 1 < rest.size()) {
            if (auto record = toAnswerRecord(decodeCp932(rest.substr(lastBreak + 1)))) {
                return record;
            }
        }
        rest = rest.substr(0, lastBreak);
    }
    return std::nullopt;
}

// Both file names of a topic are checked before either file is made, so a
// topic that cannot name its answer log leaves no association list behind.
void requireTopicFileNames(const WorkDir& dir, std::string_view topic) {
    dir.pathOf(associationListFileName(topic));
    dir.pathOf(answerLogFileName(topic));
}

} // namespace

std::vector<std::string> readAssociationList(const WorkDir& dir, std::string_view topic) {
    requireTopicFileNames(dir, topic);
    const std::string text = readCp932TextCreatingIfMissing(dir, associationListFileName(topic));
    std::vector<std::string> entries;
    forEachLine(text, [&](std::string_view line) { entries.emplace_back(line); });
    return entries;
}

void appendAssociation(const WorkDir& dir, std::string_view topic, std::string_view answer) {
    const std::string name = associationListFileName(topic);
    requireSingleLine({answer}, name);
    dir.append(name, encodeCp932(std::string(answer) + "\r\n"));
}

std::optional<AnswerLogFormat::Fields> AnswerLogFormat::wholeFields(std::string_view line) {
    Fields found;
    if (!scanWholeRecord(line, found)) {
        return std::nullopt;
    }
    return found;
}

bool AnswerLogFormat::isWhole(std::string_view line) {
    return wholeFields(line).has_value();
}

AnswerLogRecord AnswerLogFormat::read(std::string_view line) {
    const Fields f = wholeFields(line).value_or(Fields{});
    return {f[Date].text(), f[Time].text(), f[GameNumber].text(), f[Answer].text()};
}

std::string AnswerLogFormat::line(const AnswerLogRecord& record) {
    return RecordLine()
        .text(record.date)
        .text(record.time)
        .text(record.gameNumber)
        .text(record.answer)
        .fields();
}

AnswerLog readAnswerLog(const WorkDir& dir, std::string_view topic) {
    requireTopicFileNames(dir, topic);
    AnswerLog log;
    log.assign(readCp932TextCreatingIfMissing(dir, answerLogFileName(topic)));
    return log;
}

std::size_t
forEachAnswerRecord(const WorkDir& dir, std::string_view topic,
                    const std::function<void(const AnswerLogFormat::Fields&)>& onRecord) {
    requireTopicFileNames(dir, topic);
    const std::optional<std::string> text = readCp932TextIfPresent(dir, answerLogFileName(topic));
    std::size_t skipped = 0;
    if (text) {
        forEachLine(*text, [&](std::string_view line) {
            if (const auto fields = AnswerLogFormat::wholeFields(line)) {
                onRecord(*fields);
            } else {
                ++skipped;
            }
        });
    }
    return skipped;
}

std::optional<AnswerLogRecord> readLastAnswerRecord(const WorkDir& dir, std::string_view topic) {
    requireTopicFileNames(dir, topic);
    const std::string name = answerLogFileName(topic);
    std::optional<ReadingFile> file;
    try {
        file.emplace(dir.openForReading(name));
    } catch (const FileError& error) {
        if (error.number() != ErrorNumber::FileNotFound) {
            throw;
        }
        dir.createIfMissing(name);
        return std::nullopt;
    }
    // CR and LF never occur inside a Shift_JIS character, so lines can be cut
    // on the raw bytes, and only the end of the file needs reading: further
    // back only while no whole record has been found.
    std::string tail;
    for (std::size_t length = kTailBlock;; length *= 4) {
        const std::size_t start = file->size() > length ? file->size() - length : 0;
        tail.resize(file->size() - start);
        tail.resize(file->readAt(start, tail));
        if (auto record = lastWholeRecord(tail, start == 0)) {
            return record;
        }
        if (start == 0) {
            return std::nullopt;
        }
    }
}

void appendAnswerLogRecord(const WorkDir& dir, std::string_view topic,
                           const AnswerLogRecord& record) {
    const std::string name = answerLogFileName(topic);
    requireSingleLine({record.date, record.time, record.gameNumber, record.answer}, name);
    dir.append(name, encodeCp932(fileLine<AnswerLogFormat>(record)));
}

void clearTopicFiles(const WorkDir& dir, std::string_view topic) {
    requireTopicFileNames(dir, topic);
    dir.truncateAll({associationListFileName(topic), answerLogFileName(topic)});
}

} // namespace wordbloom
