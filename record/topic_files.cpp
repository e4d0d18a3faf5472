#include "topic_files.h"

#include "code_page.h"
#include "line_breaks.h"
#include "record_text.h"
#include "topic_list_file.h"

#include <cstdio>

namespace wordbloom {

namespace {

constexpr std::size_t kAnswerLogFieldCount = 4;

std::optional<AnswerLogRecord> toAnswerRecord(std::string_view line) {
    auto fields = readWholeRecord(line, kAnswerLogFieldCount);
    if (!fields) {
        return std::nullopt;
    }
    auto& f = *fields;
    return AnswerLogRecord{std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3])};
}

} // namespace

std::optional<std::string> unusableTopicCharacter(std::string_view topic) {
    if (const auto forbidden = findForbiddenTopicCharacter(topic)) {
        return std::string(1, *forbidden);
    }
    for (const char c : topic) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", byte);
            return std::string(code);
        }
    }
    return std::nullopt;
}

std::string unusableTopicMessage(std::string_view topic, std::string_view character) {
    return std::string(topic) + " に含まれる " + std::string(character) + " は使えません";
}

std::string associationListFileName(std::string_view topic) {
    return std::string(topic) + ".txt";
}

std::string answerLogFileName(std::string_view topic) {
    return std::string(topic) + "_履歴.txt";
}

std::vector<std::string> readAssociationList(const WorkDir& dir, std::string_view topic) {
    const std::string text =
        decodeCp932(dir.readAllCreatingIfMissing(associationListFileName(topic)));
    std::vector<std::string> entries;
    forEachLine(text, [&](std::string_view line) { entries.emplace_back(line); });
    return entries;
}

void appendAssociation(const WorkDir& dir, std::string_view topic, std::string_view answer) {
    const std::string name = associationListFileName(topic);
    requireSingleLine({answer}, name);
    dir.append(name, encodeCp932(std::string(answer) + "\r\n"));
}

std::vector<AnswerLogRecord> readAnswerLog(const WorkDir& dir, std::string_view topic) {
    const std::string text = decodeCp932(dir.readAllCreatingIfMissing(answerLogFileName(topic)));
    std::vector<AnswerLogRecord> records;
    forEachLine(text, [&](std::string_view line) {
        if (auto record = toAnswerRecord(line)) {
            records.push_back(std::move(*record));
        }
    });
    return records;
}

std::optional<AnswerLogRecord> readLastAnswerRecord(const WorkDir& dir, std::string_view topic) {
    // CR and LF never occur inside a Shift_JIS character, so lines can be cut
    // on the raw bytes and only the lines looked at need decoding.
    const std::string bytes = dir.readAllCreatingIfMissing(answerLogFileName(topic));
    std::string_view rest(bytes);
    while (!rest.empty()) {
        const std::size_t lastBreak = rest.find_last_of("\r\n");
        if (lastBreak == std::string_view::npos) {
            return toAnswerRecord(decodeCp932(rest));
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

void appendAnswerLogRecord(const WorkDir& dir, std::string_view topic,
                           const AnswerLogRecord& record) {
    const std::string name = answerLogFileName(topic);
    requireSingleLine({record.date, record.time, record.gameNumber, record.answer}, name);
    const std::string line = RecordLine()
                                 .text(record.date)
                                 .text(record.time)
                                 .text(record.gameNumber)
                                 .text(record.answer)
                                 .finish();
    dir.append(name, encodeCp932(line));
}

void clearTopicFiles(const WorkDir& dir, std::string_view topic) {
    dir.truncate(associationListFileName(topic));
    dir.truncate(answerLogFileName(topic));
}

} // namespace wordbloom
