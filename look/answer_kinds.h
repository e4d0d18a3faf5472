// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/answer_judging.h"

#include <QColor>
#include <QString>

namespace wordbloom {

// The colour of an answer's kind in the answer grid: green for a new answer,
// yellow for an existing one, red for a duplicate.
QColor kindColour(AnswerKind kind);

// The colour's meaning in words, for those who cannot see it.
QString kindMeaning(AnswerKind kind);

// The kind in one letter, as the play history's headers name it: 新, 既, 重.
QString kindLetter(AnswerKind kind);

} // namespace wordbloom
