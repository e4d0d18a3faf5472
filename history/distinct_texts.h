// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Counts the different texts among many, keeping one copy of each. Made for
// an answer log of a million answers among tens of thousands of different
// ones, where looking each answer up is a wait for memory: the copies sit side
// by side, the table is one flat array, and the look-ups of a few answers at a
// time are started together so that their waits overlap.
class DistinctTexts {
public:
    // Adds the text; it is looked up a little later, at the latest when the
    // count is asked for.
    void add(std::string_view text);

    // The count of different texts added so far.
    std::size_t count();

private:
    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);

    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t length = 0;  // one line of a file: far below 4 GiB
        std::size_t start = kFree; // where the text begins in m_texts
    };

    // A text added but not looked up yet, kept in m_waitingTexts.
    struct Waiting {
        std::uint32_t hash;
        std::uint32_t length;
        std::size_t start;
    };

    void settle();
    void insert(std::uint32_t hash, std::string_view text);
    void grow();

    std::vector<Slot> m_slots; // open addressing, at most half full
    std::string m_texts;       // every different text, one after another
    std::size_t m_count = 0;
    std::vector<Waiting> m_waiting;
    std::string m_waitingTexts;
};

} // namespace wordbloom
