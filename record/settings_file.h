// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "work_dir.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace wordbloom {

inline constexpr const char* kSettingsFileName = "設定.txt";

// The two values that survive from one run to the next.
struct Settings {
    std::int16_t playLength = 0; // play length of a game, in seconds
    std::int16_t autoSave = 0;   // auto-save: 1 saves each game when its time is up
};

// Reads the first two fields of "設定.txt", wherever they stand, and ignores
// the rest. A missing file, a missing field, a field that is not a number or
// does not fit 16 bits throws FileError naming the file and what is wrong, and
// so does a play length of 0 or less or an auto-save value other than 0, 1 or
// 2 (2 shows the switch greyed). No default is ever substituted.
Settings loadSettings(const WorkDir& dir);

// The same reading of the bytes of a settings file; `whole` says whether they
// are all of it.
Settings readSettingsBytes(std::string_view bytes, bool whole = true);

// The bytes saveSettings writes.
std::string settingsFileBytes(const Settings& settings);

// Rewrites "設定.txt" as one record of the two values, unless it reads as
// these values already.
void saveSettings(const WorkDir& dir, const Settings& settings);

} // namespace wordbloom
