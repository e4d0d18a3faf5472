// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/clock.h"
#include "record/work_dir.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace wordbloom {

// Before the window is made and any data file read: when data files of the
// folder still carry Shift_JIS names, a box of its own offers to put them
// right.
void checkDataFileNames(const WorkDir& dir, const Clock& clock);

// The folder or archive named by "--import PATH" (or "--import=PATH") among
// the program's arguments; an empty path when --import ends them.
std::optional<QString> importArgument(const QStringList& arguments);

} // namespace wordbloom
