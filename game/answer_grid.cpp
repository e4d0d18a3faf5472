// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_grid.h"

namespace wordbloom {

namespace {

// The grid shows this many answers without scrolling.
constexpr std::size_t kRowsInView = 7;

} // namespace

void AnswerGrid::add(const std::string& answer, AnswerKind kind) {
    m_answers.append(answer);
    m_kinds.push_back(kind);
}

void AnswerGrid::clear() {
    m_answers.clear();
    m_kinds.clear();
}

std::string AnswerGrid::cellText(std::size_t row, int column) const {
    return column == 0 ? std::to_string(row + 1) : m_answers.items().at(row);
}

std::optional<std::size_t> AnswerGrid::rowBringingNewestIntoView() const {
    if (rowCount() > kRowsInView) {
        return rowCount() - 1;
    }
    return std::nullopt;
}

} // namespace wordbloom
