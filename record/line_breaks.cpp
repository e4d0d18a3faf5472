// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_breaks.h"

#include "file_error.h"
#include "reasons.h"
#include "record_text.h"

namespace wordbloom {

void requireSingleLine(std::initializer_list<std::string_view> texts, const std::string& fileName) {
    for (const std::string_view text : texts) {
        if (containsLineBreak(text)) {
            throw FileError(ErrorNumber::InvalidArgument, fileName, reason::kLineBreak);
        }
    }
}

} // namespace wordbloom
