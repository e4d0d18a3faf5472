// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Numbers the different texts among many, 0, 1, 2, … in the order each first
// comes, keeping one copy of each. Made for an answer log of a million
// answers among tens of thousands of different ones, where looking each
// answer up is a wait for memory: the copies sit side by side, the table is
// one flat array, and the look-ups of a few answers at a time are started
// together so that their waits overlap.
class TextIds {
public:
    // Adds the text; it is looked up a little later, at the latest by settle().
    void add(std::string_view text);

    // Looks up every text added so far.
    void settle();

    // After settle(): the number of each text added, in the order added.
    const std::vector<std::uint32_t>& ids() const { return m_ids; }
    // After settle(): the count of different texts, whose numbers run from 0
    // to one less.
    std::size_t count() const { return m_starts.size(); }
    // The text numbered `id`.
    std::string_view text(std::uint32_t id) const;

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;

    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t id = kFree;
        std::size_t start = 0; // where its length, then its text, begin in m_texts
    };

    // A text added but not looked up yet, kept in m_waitingTexts.
    struct Waiting {
        std::uint32_t hash;
        std::uint32_t length;
        std::size_t start;
    };

    std::uint32_t insert(std::uint32_t hash, std::string_view text);
    std::string_view textAt(std::size_t start) const;
    void grow();

    std::vector<Slot> m_slots; // open addressing, at most half full
    // Every different text, one after another, each behind its length in four
    // bytes, so that a look-up finds both in one place.
    std::string m_texts;
    std::vector<std::size_t> m_starts; // by number
    std::vector<std::uint32_t> m_ids;
    std::vector<Waiting> m_waiting;
    std::string m_waitingTexts;
};

} // namespace wordbloom
