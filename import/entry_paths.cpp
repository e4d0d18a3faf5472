// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_paths.h"

#include "record/code_page.h"
#include "dialogue/messages.h"
#include "record/utf8.h"

#include <algorithm>
#include <set>

namespace wordbloom {

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool startsWithDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

bool isUtf8(std::string_view bytes) {
    std::size_t longest = 0;
    return isWellFormedUtf8(bytes, longest);
}

} // namespace

std::vector<std::string> entryPathParts(std::string_view path) {
    if (!isUtf8(path)) {
        throw ImportRefused(reason::unreadableEntryName(sanitizeUtf8(path)));
    }
    if ((!path.empty() && isSeparator(path.front())) || startsWithDrive(path)) {
        throw ImportRefused(reason::entryOutsideTheFolder(path));
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::find_if(path.begin() + static_cast<std::ptrdiff_t>(start), path.end(),
                                      isSeparator);
        const auto stop = static_cast<std::size_t>(end - path.begin());
        const std::string_view part = path.substr(start, stop - start);
        if (part == "..") {
            throw ImportRefused(reason::entryOutsideTheFolder(path));
        }
        if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        start = stop + 1;
    }
    return parts;
}

std::string joinedPath(const std::vector<std::string>& parts) {
    std::string path;
    for (const std::string& part : parts) {
        path += (path.empty() ? "" : "/") + part;
    }
    return path;
}

std::string decodeDiskName(std::string_view bytes) {
    if (isUtf8(bytes)) {
        return std::string(bytes);
    }
    if (auto name = decodeCp932Name(bytes)) {
        return std::move(*name);
    }
    throw ImportRefused(reason::unreadableEntryName(sanitizeUtf8(bytes)));
}

bool isDataFileName(std::string_view name) {
    return name.ends_with(".txt");
}

EntrySelection selectEntries(const std::vector<SourceEntry>& entries) {
    EntrySelection selection;
    std::set<std::string> topFolders;
    bool dataAtTop = false;
    for (const SourceEntry& entry : entries) {
        if (entry.parts.size() == 1 && entry.isFile) {
            dataAtTop = dataAtTop || isDataFileName(entry.parts.front());
        } else if (!entry.parts.empty()) {
            topFolders.insert(entry.parts.front());
        }
    }
    if (!dataAtTop && topFolders.size() == 1) {
        selection.wrappingFolder = *topFolders.begin();
    }
    const std::size_t depth = selection.wrappingFolder.empty() ? 1 : 2;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SourceEntry& entry = entries[i];
        if (!entry.isFile || entry.parts.empty()) {
            continue;
        }
        const bool inPlace = entry.parts.size() == depth &&
                             (depth == 1 || entry.parts.front() == selection.wrappingFolder);
        if (inPlace && isDataFileName(entry.parts.back())) {
            selection.chosen.push_back(i);
        } else {
            selection.leftOut.push_back({joinedPath(entry.parts),
                                         inPlace ? reason::kNotATextFile : reason::kInsideAFolder});
        }
    }
    return selection;
}

} // namespace wordbloom
