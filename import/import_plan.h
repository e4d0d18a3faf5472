// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "incoming.h"
#include "record/formats.h"
#include "dialogue/messages.h"
#include "record/work_dir.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wordbloom {

// A data file that an import writes.
struct FileChange {
    std::string name;     // its name in the data folder
    std::string bytes;    // its new content
    bool existed = false; // a file of ours: copied into the backup first
};

// What bringing data in changes, worked out before anything is written.
struct ImportPlan {
    std::vector<FileChange> changes;
    // Files of the data folder that only get their right names (the old name
    // first), and files moved into the backup folder once merged.
    std::vector<std::pair<std::string, std::string>> renames;
    std::vector<std::string> setAside;
    // What is not brought in, and why.
    std::vector<LeftOutEntry> leftOut;
    // What the player is shown before; the source and the backup folder are
    // the caller's to fill in.
    ImportPreview preview;

    bool changesAnything() const { return !changes.empty() || !renames.empty(); }
    bool needsBackup() const;
};

// The name a data file that comes in has in the data folder: a game file
// keeps its name; a topic's file ("<topic>.txt", "<topic>_履歴.txt") is
// named after its topic in the form the files keep it. The name ends in
// ".txt".
struct DataFileName {
    std::string name;    // empty when the game refuses the topic
    std::string topic;   // the topic of a topic's file, in stored form
    std::string refusal; // why the topic is refused: "<topic> に含まれる…"
};
DataFileName dataFileName(std::string_view name);

// Works out what bringing these files into the data folder changes, by the
// rules of merge.h: each file of ours and the files that come in under its
// name are merged, in the order they come; the settings that come in replace
// ours only while our play history holds no game. Topic files of topics the
// game refuses are left out. Nothing is written; a file of ours that cannot
// be read throws FileError.
ImportPlan planImport(const WorkDir& dir, const IncomingData& incoming);

// The backup folder's name for an import at this time:
// 「取り込み前-YYYYMMDD-HHMMSS」.
std::string backupFolderName(const CalendarTime& now);

// Carries the plan out: each file of ours that changes is first copied into
// a new backup folder (named as above, with "-2", "-3", … when that is
// taken; nothing already there is ever replaced), then each change replaces
// its file whole at once, then the renames are made and the files to set
// aside are moved into the backup folder. Returns the backup folder's name,
// empty when none was needed. A failure throws FileError; what was written
// before it stays, and the backup holds the files as they were.
std::string applyImport(const WorkDir& dir, const ImportPlan& plan, const CalendarTime& now);

} // namespace wordbloom
