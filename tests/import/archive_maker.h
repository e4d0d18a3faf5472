// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wordbloom::testing {

// An entry of an archive a test makes with libarchive's writer.
struct ArchiveEntry {
    enum class Kind { File, Folder, SymbolicLink, HardLink };
    std::string name; // its bytes go into the archive as they are
    std::string bytes{};
    Kind kind = Kind::File;
    bool utf8Flag = false; // a zip entry's name marked as UTF-8
    std::string linkTarget{};
};

enum class ArchiveFormat { Zip, SevenZip };

// Writes the archive with libarchive's writer. A zip entry's name carries the
// UTF-8 flag only when asked, as Windows archivers leave it off.
// With a passphrase, a zip's entries are encrypted.
void writeArchive(const std::filesystem::path& file, ArchiveFormat format,
                  const std::vector<ArchiveEntry>& entries, const std::string& passphrase = {});

// The same file written as a level-0 LHA archive, stored without packing, as
// LHA for Windows writes one of its Shift_JIS names.
void writeLzh(const std::filesystem::path& file, const std::string& name, const std::string& bytes);

} // namespace wordbloom::testing
