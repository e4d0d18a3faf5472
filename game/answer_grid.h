// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_judging.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace wordbloom {

// The rows of the answer grid: the current game's answers in the order they
// were given, each with its kind. Rows count from 0.
class AnswerGrid {
public:
    static constexpr int kColumnCount = 2;

    void add(const std::string& answer, AnswerKind kind);
    void clear();

    std::size_t rowCount() const { return m_answers.size(); }
    // The answers given so far, for judging the next one.
    const IndexedTexts& answers() const { return m_answers; }

    // The text of a cell: the answer's number, counted from 1, then the answer.
    std::string cellText(std::size_t row, int column) const;
    AnswerKind kind(std::size_t row) const { return m_kinds.at(row); }

    // The row to scroll to so that the newest answer is in view: the last
    // row, once the rows no longer fit the grid; nothing while they do.
    std::optional<std::size_t> rowBringingNewestIntoView() const;

private:
    IndexedTexts m_answers;
    std::vector<AnswerKind> m_kinds;
};

} // namespace wordbloom
