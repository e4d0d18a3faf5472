// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace wordbloom {

// How much an import may read. Bytes are counted as they come out of the
// archive or off the disk, never taken from what a header says.
inline constexpr std::size_t kMiB = std::size_t{1024} * 1024;
// Never more than this in all, whatever the source.
inline constexpr std::size_t kImportCeiling = 1024 * kMiB;
// An archive may expand to this many times its own size...
inline constexpr std::size_t kExpansionRatio = 100;
// ...but a small one always to this much: text of many like lines packs
// tighter than most.
inline constexpr std::size_t kExpansionFloor = 16 * kMiB;
// Entries of an archive or a folder; a player's folder holds two a topic.
inline constexpr std::size_t kEntryLimit = 100'000;

// The bytes an archive of this size may expand to.
std::size_t expansionLimit(std::size_t archiveSize);

// Counts the bytes read against a limit; throws ImportRefused once they
// pass it.
class ReadBudget {
public:
    explicit ReadBudget(std::size_t limit) : m_left(limit), m_limit(limit) {}
    void spend(std::size_t bytes);
    std::size_t left() const { return m_left; }

private:
    std::size_t m_left;
    std::size_t m_limit;
};

} // namespace wordbloom
