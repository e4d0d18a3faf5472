// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/work_dir.h"
#include "support/temp_folder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wordbloom::fuzzing {

// A data folder of the fuzzing process's own, in which each input is written
// as the file a reader is about to read, so that the readers are fuzzed on
// the real path from the disk.
class FuzzFolder {
public:
    const WorkDir& dir() const { return m_dir; }
    void write(std::string_view name, const std::uint8_t* data, std::size_t size) const;

private:
    support::TempFolder m_folder{"fuzz"};
    WorkDir m_dir{m_folder.path()};
};

const FuzzFolder& fuzzFolder();

} // namespace wordbloom::fuzzing
