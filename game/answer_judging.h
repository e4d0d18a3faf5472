// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace wordbloom {

enum class AnswerKind { New, Existing, Duplicate };

// A list of texts in display order, with an index beside it so that asking
// whether a text is in the list costs the same however long the list grows.
class IndexedTexts {
public:
    void clear();
    void append(std::string text);
    void assign(std::vector<std::string> texts);
    bool contains(const std::string& text) const { return m_index.contains(text); }
    const std::vector<std::string>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

private:
    std::vector<std::string> m_items;
    std::unordered_set<std::string> m_index;
};

// Judges one answer: Duplicate when this game already has it, otherwise
// Existing when the topic's association list holds it, otherwise New. Texts
// are compared exactly: no trimming, no case or width folding.
AnswerKind judgeAnswer(const std::string& answer, const IndexedTexts& gameAnswers,
                       const IndexedTexts& associations);

} // namespace wordbloom
