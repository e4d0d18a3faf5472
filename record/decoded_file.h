// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "work_dir.h"

#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// Reads a data file in large blocks and decodes each from code page 932 as it
// comes, so that the file's bytes are never all in memory at once. The text is
// the one decodeCp932 makes of the whole file. A missing file throws
// FileError FileNotFound.
std::string readCp932Text(const WorkDir& dir, std::string_view name);

// The same, or nothing when the file is missing: nothing is created. Any other
// failure (no read access, not a regular file) still throws FileError.
std::optional<std::string> readCp932TextIfPresent(const WorkDir& dir, std::string_view name);

// The same, after creating the file empty when it is missing.
std::string readCp932TextCreatingIfMissing(const WorkDir& dir, std::string_view name);

} // namespace wordbloom
