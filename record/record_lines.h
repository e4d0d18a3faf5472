// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record_text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Lines of text kept one after another in one string, with where each ends:
// a few bytes per line beside the text itself and no allocation per line, so
// that a file of a million records stays about its own size in memory.
class RecordLines {
public:
    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }

    // Line `index`, counted from 0; std::out_of_range past the last line.
    std::string_view at(std::size_t index) const {
        const std::size_t end = m_ends.at(index);
        const std::size_t start = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_text).substr(start, end - start);
    }

    void push_back(std::string_view line) {
        m_text.append(line);
        m_ends.push_back(m_text.size());
    }

    void clear() {
        m_text.clear();
        m_ends.clear();
    }

    // Replaces the lines with those of `text` (split at CR LF, LF or CR, as
    // forEachLine splits) that keep(line) accepts, in order. The text's own
    // buffer is reused: kept lines are moved up over the line ends and the
    // lines left out. Returns the count of lines left out.
    template <typename Keep> std::size_t assignKeeping(std::string text, Keep keep) {
        m_ends.clear();
        std::size_t left = 0;
        std::size_t write = 0;
        forEachLine(text, [&](std::string_view line) {
            if (!keep(line)) {
                ++left;
                return;
            }
            const auto from = text.begin() + (line.data() - text.data());
            std::copy(from, from + static_cast<std::ptrdiff_t>(line.size()),
                      text.begin() + static_cast<std::ptrdiff_t>(write));
            write += line.size();
            m_ends.push_back(write);
        });
        text.resize(write);
        m_text = std::move(text);
        return left;
    }

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
};

// Records of one kind, each kept as its line and read again when asked for.
// Format gives the record type and three functions: isWhole(line), true for
// a line that holds a whole record; read(line), the record of a whole line;
// and line(record), a line that reads back as the same record. A format may
// also give fields(line), the raw fields of a whole line.
template <typename Format> class RecordList {
public:
    using Record = typename Format::Record;

    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    // Record `index`, counted from 0; std::out_of_range past the last one.
    Record operator[](std::size_t index) const { return Format::read(m_lines.at(index)); }
    // The raw fields of record `index`, views into the kept line: for going
    // through many records without making a string of each field.
    auto fields(std::size_t index) const { return Format::fields(m_lines.at(index)); }
    // The last record; std::out_of_range when there is none.
    Record back() const { return (*this)[size() - 1]; }

    void push_back(const Record& record) { m_lines.push_back(Format::line(record)); }
    void clear() { m_lines.clear(); }

    // Replaces the records with the whole records among the lines of `text`;
    // returns the count of lines left out.
    std::size_t assign(std::string text) {
        return m_lines.assignKeeping(std::move(text), &Format::isWhole);
    }

private:
    RecordLines m_lines;
};

// A record as it stands in a data file: its format's line, ended by CR LF as
// every line we write is. Appenders write this, so the field order lives only
// in the format.
template <typename Format> std::string fileLine(const typename Format::Record& record) {
    return Format::line(record) + "\r\n";
}

} // namespace wordbloom
