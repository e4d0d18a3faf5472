// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/record_text.h"

#include <string>
#include <string_view>

namespace wordbloom {

// The field's text: its own bytes when it holds no quotation mark, which is
// nearly every field, and otherwise the text made into `made`.
std::string_view fieldText(const RawField& field, std::string& made);

// True when the field's text is `text`, made only when the field holds a
// quotation mark.
bool fieldTextIs(const RawField& field, std::string_view text);

// True when both fields have the same text.
bool sameFieldText(const RawField& a, const RawField& b);

} // namespace wordbloom
