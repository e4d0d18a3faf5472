// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import_plan.h"
#include "record/formats.h"
#include "dialogue/messages.h"
#include "dialogue/prompter.h"
#include "record/work_dir.h"
#include "dialogue/work_runner.h"

#include <string>
#include <vector>

namespace wordbloom {

// A data file whose name is still the code page 932 bytes it had on
// Windows, which the game cannot find under its own name.
struct MisnamedFile {
    std::string rawName; // the name on disk
    std::string name;    // the same name in UTF-8
};

// The regular files of the data folder whose names are not UTF-8 but the
// code page 932 bytes of a name ending in ".txt", sorted by name.
std::vector<MisnamedFile> findMisnamedFiles(const WorkDir& dir);

// How the files are put right: a file whose right name is free only gets it;
// where that name is taken, the file is merged into the one there by the
// rules of an import and then set aside into the backup folder. The offer
// lists them, and the files left alone (a topic the game refuses).
ImportPlan planMisnamedFiles(const WorkDir& dir, const std::vector<MisnamedFile>& files,
                             MisnamedFilesOffer& offer);

// At start-up, before any data file is read: when there are misnamed files,
// one box offers to put them right; OK does, Cancel leaves them. A failure is
// reported in a box. Start-up goes on either way.
void offerToRenameMisnamedFiles(const WorkDir& dir, Prompter& prompter, WorkRunner& runner,
                                const CalendarTime& now);

} // namespace wordbloom
