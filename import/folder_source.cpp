// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_paths.h"
#include "import_limits.h"
#include "import_source.h"
#include "record/file_error.h"
#include "dialogue/messages.h"
#include "record/work_dir.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace wordbloom {

namespace {

// An entry of the folder, with its name as found on disk.
struct FoundEntry {
    SourceEntry entry;
    std::string folder; // the raw name of the folder it is in; empty at the top
    std::string name;   // its raw name
};

// Lists a folder one level deep, names sorted as found. A link or anything
// but a file or a folder refuses the import: nothing is ever followed out of
// the folder.
void listFolder(const std::filesystem::path& root, const std::string& folder,
                const std::vector<std::string>& parts, std::vector<FoundEntry>& found) {
    const std::filesystem::path place = folder.empty() ? root : root / folder;
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(place)) {
        names.push_back(item.path().filename().string());
        if (found.size() + names.size() > kEntryLimit) {
            throw ImportRefused(reason::tooManyEntries(kEntryLimit));
        }
    }
    std::sort(names.begin(), names.end());
    for (std::string& name : names) {
        std::vector<std::string> path = parts;
        path.push_back(decodeDiskName(name));
        struct stat info {};
        if (::lstat((place / name).c_str(), &info) != 0) {
            throw ImportRefused(fileErrorFromErrno(errno, joinedPath(path)).description());
        }
        if (S_ISLNK(info.st_mode)) {
            throw ImportRefused(reason::entryIsALink(joinedPath(path)));
        }
        if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
            throw ImportRefused(reason::entryIsNoFile(joinedPath(path)));
        }
        found.push_back({{std::move(path), S_ISREG(info.st_mode)}, folder, std::move(name)});
    }
}

// The one folder at the top when no data file is there, which may wrap the
// data files; nothing otherwise.
const FoundEntry* wrappingFolder(const std::vector<FoundEntry>& top) {
    const FoundEntry* folder = nullptr;
    for (const FoundEntry& found : top) {
        if (found.entry.isFile && isDataFileName(found.entry.parts.back())) {
            return nullptr;
        }
        if (!found.entry.isFile) {
            if (folder != nullptr) {
                return nullptr;
            }
            folder = &found;
        }
    }
    return folder;
}

std::string readCounted(const std::filesystem::path& root, const FoundEntry& found,
                        ReadBudget& budget) {
    const WorkDir place(found.folder.empty() ? root : root / found.folder);
    WorkDir::Prefix prefix = place.readPrefix(found.name, budget.left());
    budget.spend(prefix.bytes.size() + (prefix.whole ? 0 : 1));
    return std::move(prefix.bytes);
}

} // namespace

IncomingData readFolder(const std::filesystem::path& folder) {
    IncomingData data;
    std::vector<FoundEntry> found;
    try {
        listFolder(folder, {}, {}, found);
        if (const FoundEntry* wrapping = wrappingFolder(found)) {
            const FoundEntry root = *wrapping;
            listFolder(folder, root.name, root.entry.parts, found);
        }
        std::vector<SourceEntry> entries;
        entries.reserve(found.size());
        for (const FoundEntry& item : found) {
            entries.push_back(item.entry);
        }
        EntrySelection selection = selectEntries(entries);
        data.leftOut = std::move(selection.leftOut);
        for (const FoundEntry& item : found) {
            const auto& parts = item.entry.parts;
            const bool wraps = parts.size() == 1 && parts.front() == selection.wrappingFolder;
            if (!item.entry.isFile && !wraps) {
                data.leftOut.push_back({joinedPath(parts) + "/", reason::kAFolder});
            }
        }
        ReadBudget budget(kImportCeiling);
        for (const std::size_t chosen : selection.chosen) {
            data.files.push_back({found[chosen].entry.parts.back(),
                                  readCounted(folder, found[chosen], budget),
                                  joinedPath(found[chosen].entry.parts)});
        }
    } catch (const std::filesystem::filesystem_error& error) {
        throw ImportRefused(
            fileErrorFromErrno(error.code().value(), folder.string()).description());
    } catch (const FileError& error) {
        throw ImportRefused(error.description() + "（" + error.fileName() + "）");
    }
    return data;
}

} // namespace wordbloom
