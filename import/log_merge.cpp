// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "record/code_page.h"
#include "record/formats.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <span>
#include <unordered_map>
#include <utility>

namespace wordbloom {

namespace {

// A line of a log as the merge sees it.
struct LogLine {
    std::string_view bytes; // a record in our form, or the line as found
    std::uint64_t when = 0; // its date and time, or those of the line before
    bool record = false;
};

// Records written anew in our form, kept while the merge runs. A deque never
// moves what it holds, so views of it stay good.
using MadeLines = std::deque<std::string>;

std::optional<std::uint64_t> whenOf(const RawField& date, const RawField& time) {
    const auto day = parseStoredDate(date.raw);
    const auto clock = parseStoredTime(time.raw);
    if (!day || !clock) {
        return std::nullopt;
    }
    constexpr std::uint64_t kSecondsOfDay = 100'000;
    const auto ymd = static_cast<std::uint64_t>((day->year * 100 + day->month) * 100 + day->day);
    return ymd * kSecondsOfDay + static_cast<std::uint64_t>(clock->hour * 3600 +
                                                           clock->minute * 60 + clock->second);
}

// True when the line is already what Format::line writes for its record:
// every field quoted with no quotation mark inside, one comma between them,
// nothing more. Most lines of an answer log are; they need no copy.
bool writtenOurWay(std::string_view line, std::span<const RawField> fields) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const RawField& field = fields[i];
        if (i > 0 && (at >= line.size() || line[at++] != ',')) {
            return false;
        }
        if (!field.quoted || field.raw.find('"') != std::string_view::npos ||
            field.raw.data() != line.data() + at + 1) {
            return false;
        }
        at += field.raw.size() + 2;
        if (at > line.size() || line[at - 1] != '"') {
            return false;
        }
    }
    return at == line.size();
}

template <typename Format> std::vector<LogLine> logLines(std::string_view bytes, MadeLines& made) {
    std::vector<LogLine> lines;
    std::uint64_t last = 0;
    forEachLine(bytes, [&](std::string_view line) {
        if (auto recoded = withEncoderCodes(line)) {
            line = made.emplace_back(std::move(*recoded));
        }
        const auto fields = Format::wholeFields(line);
        if (!fields) {
            lines.push_back({line, last, false});
            return;
        }
        last = whenOf((*fields)[Format::Date], (*fields)[Format::Time]).value_or(last);
        if (!writtenOurWay(line, *fields)) {
            line = made.emplace_back(Format::line(Format::read(line)));
        }
        lines.push_back({line, last, true});
    });
    return lines;
}

// The incoming lines that ours does not hold as often, counted.
std::vector<LogLine> newLines(const std::vector<LogLine>& ours, const std::vector<LogLine>& incoming,
                              Merge& merge) {
    std::vector<LogLine> added;
    std::unordered_map<std::string_view, std::pair<std::uint32_t, std::uint32_t>> seen;
    seen.reserve(ours.size());
    for (const LogLine& line : ours) {
        ++seen[line.bytes].first;
    }
    for (const LogLine& line : incoming) {
        auto& [inOurs, inIncoming] = seen[line.bytes];
        const bool isNew = ++inIncoming > inOurs;
        if (isNew) {
            added.push_back(line);
        }
        if (line.record) {
            ++(isNew ? merge.added : merge.alreadyThere);
        }
    }
    return added;
}

void sortByTime(std::vector<LogLine>& lines) {
    const auto earlier = [](const LogLine& a, const LogLine& b) { return a.when < b.when; };
    if (!std::is_sorted(lines.begin(), lines.end(), earlier)) {
        std::stable_sort(lines.begin(), lines.end(), earlier);
    }
}

template <typename Format> Merge mergeLogs(std::string_view ours, std::string_view incoming) {
    MadeLines made;
    std::vector<LogLine> kept = logLines<Format>(ours, made);
    Merge merge;
    std::vector<LogLine> added = newLines(kept, logLines<Format>(incoming, made), merge);
    if (merge.added == 0) {
        return merge;
    }
    sortByTime(kept);
    sortByTime(added);
    std::vector<LogLine> all(kept.size() + added.size());
    // Ours come first among lines of the same second.
    std::merge(kept.begin(), kept.end(), added.begin(), added.end(), all.begin(),
               [](const LogLine& a, const LogLine& b) { return a.when < b.when; });
    std::size_t size = 0;
    for (const LogLine& line : all) {
        size += line.bytes.size() + 2;
    }
    std::string& bytes = merge.bytes.emplace();
    bytes.reserve(size);
    for (const LogLine& line : all) {
        bytes.append(line.bytes);
        bytes.append("\r\n");
    }
    return merge;
}

} // namespace

Merge mergePlayHistories(std::string_view ours, std::string_view incoming) {
    return mergeLogs<PlayRecordFormat>(ours, incoming);
}

Merge mergeAnswerLogs(std::string_view ours, std::string_view incoming) {
    return mergeLogs<AnswerLogFormat>(ours, incoming);
}

} // namespace wordbloom
