// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_judging.h"

namespace wordbloom {

void IndexedTexts::clear() {
    m_items.clear();
    m_index.clear();
}

void IndexedTexts::append(std::string text) {
    m_index.insert(text);
    m_items.push_back(std::move(text));
}

void IndexedTexts::assign(std::vector<std::string> texts) {
    m_index.clear();
    m_index.reserve(texts.size());
    m_index.insert(texts.begin(), texts.end());
    m_items = std::move(texts);
}

AnswerKind judgeAnswer(const std::string& answer, const IndexedTexts& gameAnswers,
                       const IndexedTexts& associations) {
    if (gameAnswers.contains(answer)) {
        return AnswerKind::Duplicate;
    }
    if (associations.contains(answer)) {
        return AnswerKind::Existing;
    }
    return AnswerKind::New;
}

} // namespace wordbloom
