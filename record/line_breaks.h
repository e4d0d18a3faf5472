// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace wordbloom {

// Refuses, with a FileError naming the file, a text that would break the line
// structure of a data file.
void requireSingleLine(std::initializer_list<std::string_view> texts, const std::string& fileName);

} // namespace wordbloom
