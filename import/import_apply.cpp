// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_plan.h"

#include "record/file_error.h"
#include "record/reasons.h"
#include "record/new_entries.h"

#include <cstdio>

namespace wordbloom {

namespace {

constexpr int kBackupNameTries = 100;

std::string makeBackupFolder(const WorkDir& dir, const CalendarTime& now) {
    const std::string base = backupFolderName(now);
    for (int tries = 1; tries <= kBackupNameTries; ++tries) {
        std::string name = tries == 1 ? base : base + "-" + std::to_string(tries);
        if (makeNewFolder(dir, name)) {
            return name;
        }
    }
    throw FileError(ErrorNumber::PathAccess, base, reason::kAlreadyThere);
}

} // namespace

std::string backupFolderName(const CalendarTime& now) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return std::string("取り込み前-") + stamp;
}

std::string applyImport(const WorkDir& dir, const ImportPlan& plan, const CalendarTime& now) {
    std::string backupName;
    if (plan.needsBackup()) {
        backupName = makeBackupFolder(dir, now);
        syncFolder(dir);
        const WorkDir backup(dir.pathOf(backupName));
        for (const FileChange& change : plan.changes) {
            if (change.existed) {
                copyToNewFile(dir, change.name, backup);
            }
        }
        syncFolder(backup);
    }
    // The backup is on the disk before the first file of ours changes.
    for (const FileChange& change : plan.changes) {
        dir.replaceAtomically(change.name, change.bytes);
    }
    for (const auto& [from, to] : plan.renames) {
        moveWithoutReplacing(dir, from, dir, to);
    }
    if (!plan.setAside.empty()) {
        const WorkDir backup(dir.pathOf(backupName));
        for (const std::string& name : plan.setAside) {
            moveWithoutReplacing(dir, name, backup, name);
        }
    }
    syncFolder(dir);
    return backupName;
}

} // namespace wordbloom
