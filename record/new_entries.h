// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "work_dir.h"

#include <string_view>

namespace wordbloom {

// New entries in the data folder that never take the place of one already
// there: what a backup of the player's files is made with, and how a file
// gets the name it should have. Each throws FileError naming the entry.

// Makes the folder `name` inside the data folder; false, and nothing done,
// when a file, folder or link is already under that name.
bool makeNewFolder(const WorkDir& dir, std::string_view name);

// Copies the file `name` of one folder into another under the same name, and
// makes the copy durable before it returns. A file or link already under that
// name is left alone and gives FileError with reason::kAlreadyThere; a failed
// copy leaves no file.
void copyToNewFile(const WorkDir& from, std::string_view name, const WorkDir& to);

// Moves the file `name` of one folder to `newName` in another (or the same)
// folder on the same disk. An entry already under the new name is left
// alone and gives FileError with reason::kAlreadyThere.
void moveWithoutReplacing(const WorkDir& from, std::string_view name, const WorkDir& to,
                          std::string_view newName);

// Makes the folder's list of entries durable, so that new names survive a
// power cut.
void syncFolder(const WorkDir& dir);

} // namespace wordbloom
