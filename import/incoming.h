// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace wordbloom {

// A data file brought in from a folder or an archive.
struct IncomingFile {
    std::string name;  // its name as the game uses it, in UTF-8: "履歴.txt"
    std::string bytes; // its content as found
    // Where it was found, for the player: its path inside the archive or
    // folder, or its name as found.
    std::string origin;
};

// An entry of the source that is not brought in, and why.
struct LeftOutEntry {
    std::string entry;
    std::string why;
};

struct IncomingData {
    std::vector<IncomingFile> files;
    std::vector<LeftOutEntry> leftOut;
};

// A source that cannot be brought in at all, with why, in a sentence the
// player reads. Nothing has been written when it is thrown.
class ImportRefused : public std::runtime_error {
public:
    explicit ImportRefused(const std::string& why) : std::runtime_error(why) {}
    std::string why() const { return what(); }
};

} // namespace wordbloom
