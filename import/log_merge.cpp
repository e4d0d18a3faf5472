// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "record/code_page.h"
#include "record/formats.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
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

// The date and time of records as one number that sorts as they do. Records
// come a day at a time, so a day is read once for all its records.
class Timeline {
public:
    std::optional<std::uint64_t> when(std::string_view date, std::string_view time) {
        if (date != m_date) {
            m_date = date;
            const auto day = parseStoredDate(date);
            m_day =
                day ? std::optional<std::uint64_t>((day->year * 100 + day->month) * 100 + day->day)
                    : std::nullopt;
        }
        const auto clock = parseStoredTime(time);
        if (!m_day || !clock) {
            return std::nullopt;
        }
        constexpr std::uint64_t kSecondsOfDay = 100'000;
        return *m_day * kSecondsOfDay +
               static_cast<std::uint64_t>(clock->hour * 3600 + clock->minute * 60 + clock->second);
    }

private:
    std::string_view m_date;
    std::optional<std::uint64_t> m_day;
};

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

// Formats whose writer quotes every field, as the answer log's does.
template <typename Format> constexpr bool kWritesOnlyText = false;
template <> constexpr bool kWritesOnlyText<AnswerLogFormat> = true;

// The fields of a line that is exactly N quoted fields with no quotation mark
// inside, joined by single commas: a record as such a writer writes it. Such
// a line is whole and needs no copy; nothing for any other line.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> plainQuotedFields(std::string_view line) {
    std::array<std::string_view, N> fields;
    std::size_t at = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if ((i > 0 && (at >= line.size() || line[at++] != ',')) || at >= line.size() ||
            line[at] != '"') {
            return std::nullopt;
        }
        const std::size_t close = line.find('"', at + 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        fields[i] = line.substr(at + 1, close - at - 1);
        at = close + 1;
    }
    if (at != line.size()) {
        return std::nullopt;
    }
    return fields;
}

template <typename Format> std::vector<LogLine> logLines(std::string_view bytes, MadeLines& made) {
    if (auto recoded = withEncoderCodes(bytes)) {
        bytes = made.emplace_back(std::move(*recoded));
    }
    std::vector<LogLine> lines;
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    Timeline timeline;
    std::uint64_t last = 0;
    forEachLine(bytes, [&](std::string_view line) {
        if constexpr (kWritesOnlyText<Format>) {
            if (const auto plain = plainQuotedFields<Format::FieldCount>(line)) {
                last = timeline.when((*plain)[Format::Date], (*plain)[Format::Time]).value_or(last);
                lines.push_back({line, last, true});
                return;
            }
        }
        const auto fields = Format::wholeFields(line);
        if (!fields) {
            lines.push_back({line, last, false});
            return;
        }
        last =
            timeline.when((*fields)[Format::Date].raw, (*fields)[Format::Time].raw).value_or(last);
        if (!writtenOurWay(line, *fields)) {
            line = made.emplace_back(Format::line(Format::read(line)));
        }
        lines.push_back({line, last, true});
    });
    return lines;
}

// Sorts the lines by their times; lines of the same second keep their order.
void sortByTime(std::vector<LogLine>& lines) {
    const auto earlier = [](const LogLine& a, const LogLine& b) { return a.when < b.when; };
    if (std::is_sorted(lines.begin(), lines.end(), earlier)) {
        return;
    }
    // Small keys with the line's place as the last part sort faster than
    // the lines themselves, and keep the sort stable.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        order[i] = {lines[i].when, static_cast<std::uint32_t>(i)};
    }
    std::sort(order.begin(), order.end());
    std::vector<LogLine> sorted;
    sorted.reserve(lines.size());
    for (const auto& [when, index] : order) {
        sorted.push_back(lines[index]);
    }
    lines = std::move(sorted);
}

using Lines = std::span<const LogLine>;

// The lines of one second: which incoming ones ours holds less often. A few
// lines share a second, so they are counted by looking; a great many (lines
// without a time of their own) through a table.
class SecondsLines {
public:
    SecondsLines(Lines ours, Lines incoming) : m_ours(ours), m_incoming(incoming) {
        if (ours.size() + incoming.size() > kFew) {
            m_table = std::make_unique<Table>();
            for (const LogLine& line : ours) {
                ++(*m_table)[line.bytes].first;
            }
        }
    }

    // Whether incoming line `index` is one more than ours holds, counting
    // the incoming lines before it.
    bool isNew(std::size_t index) {
        const std::string_view bytes = m_incoming[index].bytes;
        if (m_table) {
            auto& [inOurs, cameIn] = (*m_table)[bytes];
            return ++cameIn > inOurs;
        }
        return count(m_incoming.first(index + 1), bytes) > count(m_ours, bytes);
    }

private:
    static constexpr std::size_t kFew = 16;
    using Table = std::unordered_map<std::string_view, std::pair<std::size_t, std::size_t>>;

    static std::ptrdiff_t count(Lines lines, std::string_view bytes) {
        return std::count_if(lines.begin(), lines.end(),
                             [bytes](const LogLine& line) { return line.bytes == bytes; });
    }

    Lines m_ours;
    Lines m_incoming;
    std::unique_ptr<Table> m_table;
};

// The incoming lines that ours does not hold as often, counted, in time
// order. Like records have like times, so both are gone through a second at
// a time. Both must be sorted by time.
std::vector<LogLine> newLines(const std::vector<LogLine>& ours,
                              const std::vector<LogLine>& incoming, Merge& merge) {
    std::vector<LogLine> added;
    added.reserve(incoming.size());
    auto ourLine = ours.begin();
    for (auto first = incoming.begin(); first != incoming.end();) {
        const std::uint64_t when = first->when;
        const auto last = std::find_if(first, incoming.end(),
                                       [when](const LogLine& line) { return line.when != when; });
        ourLine = std::find_if(ourLine, ours.end(),
                               [when](const LogLine& line) { return line.when >= when; });
        const auto ourLast = std::find_if(
            ourLine, ours.end(), [when](const LogLine& line) { return line.when != when; });
        const Lines group(first, last);
        SecondsLines second(Lines(ourLine, ourLast), group);
        for (std::size_t i = 0; i < group.size(); ++i) {
            const bool isNew = second.isNew(i);
            if (isNew) {
                added.push_back(group[i]);
            }
            if (group[i].record) {
                ++(isNew ? merge.added : merge.alreadyThere);
            }
        }
        first = last;
    }
    return added;
}

// Both sorted lines as one text, ours first among lines of the same
// second, each line ended by CR LF.
std::string joinedInTimeOrder(const std::vector<LogLine>& ours, const std::vector<LogLine>& added) {
    std::size_t size = 0;
    for (const auto* lines : {&ours, &added}) {
        for (const LogLine& line : *lines) {
            size += line.bytes.size() + 2;
        }
    }
    std::string bytes;
    bytes.reserve(size);
    auto ourLine = ours.begin();
    for (const LogLine& next : added) {
        for (; ourLine != ours.end() && ourLine->when <= next.when; ++ourLine) {
            bytes.append(ourLine->bytes).append("\r\n");
        }
        bytes.append(next.bytes).append("\r\n");
    }
    for (; ourLine != ours.end(); ++ourLine) {
        bytes.append(ourLine->bytes).append("\r\n");
    }
    return bytes;
}

template <typename Format> Merge mergeLogs(std::string_view ours, std::string_view incoming) {
    MadeLines made;
    std::vector<LogLine> kept = logLines<Format>(ours, made);
    std::vector<LogLine> incomingLines = logLines<Format>(incoming, made);
    sortByTime(kept);
    sortByTime(incomingLines);
    Merge merge;
    const std::vector<LogLine> added = newLines(kept, incomingLines, merge);
    if (merge.added == 0) {
        return merge;
    }
    merge.bytes = joinedInTimeOrder(kept, added);
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
