// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "incoming.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// The folder names and the file name of an entry's path in UTF-8, split at
// "/" and at "\" (which older Windows archivers write), with empty and "."
// parts dropped. An absolute path ("/x", "C:\x") or a ".." part refuses the
// whole import, and so does a path that is not UTF-8.
std::vector<std::string> entryPathParts(std::string_view path);

// A path's parts joined by "/", as the player is shown it.
std::string joinedPath(const std::vector<std::string>& parts);

// A name as found on disk: well-formed UTF-8 as it is, otherwise read as code
// page 932. A name that is neither refuses the whole import.
std::string decodeDiskName(std::string_view bytes);

// True for the name of a data file, which ends in ".txt".
bool isDataFileName(std::string_view name);

// An entry of a source: the parts of its path, and whether it is a file (or
// else a folder).
struct SourceEntry {
    std::vector<std::string> parts;
    bool isFile = true;
};

// Which entries are brought in: the .txt files at the top or, when there is
// none there, those directly inside the one folder at the top. Every other
// file is left out, with why.
struct EntrySelection {
    std::vector<std::size_t> chosen; // indexes into the entries
    std::vector<LeftOutEntry> leftOut;
    std::string wrappingFolder; // empty when the files are at the top
};
EntrySelection selectEntries(const std::vector<SourceEntry>& entries);

} // namespace wordbloom
