// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "incoming.h"

#include <cstddef>
#include <filesystem>

namespace wordbloom {

// What a folder or an archive (zip, lzh, 7z) brings in: the data files at its
// top or inside its one wrapping folder, and what is left out. Throws
// ImportRefused when it cannot be brought in at all: it is missing, neither
// a folder nor an archive that can be read, damaged, too large, holds an
// entry that reaches outside, a link, a device or a name that cannot be
// read, or holds no data file.
IncomingData readIncomingData(const std::filesystem::path& source);

// The two kinds of source, as readIncomingData reads them.
IncomingData readArchive(const std::filesystem::path& file, std::size_t fileSize);
IncomingData readFolder(const std::filesystem::path& folder);

} // namespace wordbloom
