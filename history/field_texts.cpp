// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_texts.h"

namespace wordbloom {

namespace {

// Only a quoted field's doubled quotation marks make its text differ from its
// bytes.
bool isOwnText(const RawField& field) {
    return field.raw.find('"') == std::string_view::npos;
}

} // namespace

std::string_view fieldText(const RawField& field, std::string& made) {
    if (isOwnText(field)) {
        return field.raw;
    }
    made = field.text();
    return made;
}

bool fieldTextIs(const RawField& field, std::string_view text) {
    return isOwnText(field) ? field.raw == text : field.text() == text;
}

bool sameFieldText(const RawField& a, const RawField& b) {
    if (isOwnText(a) && isOwnText(b)) {
        return a.raw == b.raw;
    }
    return a.text() == b.text();
}

} // namespace wordbloom
