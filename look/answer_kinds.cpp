// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_kinds.h"

namespace wordbloom {

QColor kindColour(AnswerKind kind) {
    switch (kind) {
    case AnswerKind::Duplicate:
        return {255, 192, 192};
    case AnswerKind::Existing:
        return {255, 255, 192};
    case AnswerKind::New:
        break;
    }
    return {192, 255, 192};
}

QString kindMeaning(AnswerKind kind) {
    switch (kind) {
    case AnswerKind::Duplicate:
        return QStringLiteral("重複した回答");
    case AnswerKind::Existing:
        return QStringLiteral("既存の回答");
    case AnswerKind::New:
        break;
    }
    return QStringLiteral("新しい回答");
}

QString kindLetter(AnswerKind kind) {
    switch (kind) {
    case AnswerKind::Duplicate:
        return QStringLiteral("重");
    case AnswerKind::Existing:
        return QStringLiteral("既");
    case AnswerKind::New:
        break;
    }
    return QStringLiteral("新");
}

} // namespace wordbloom
