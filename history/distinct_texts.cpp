// SPDX-License-Identifier: GPL-3.0-or-later
#include "distinct_texts.h"

#include <functional>

namespace wordbloom {

namespace {

constexpr std::size_t kFirstSlots = 64;
// Enough look-ups at once to keep memory busy, few enough that their slots
// are still in the cache when they are read.
constexpr std::size_t kLookUpsAtOnce = 16;

std::uint32_t hashOf(std::string_view text) {
    const std::uint64_t hash = std::hash<std::string_view>()(text);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

} // namespace

void DistinctTexts::add(std::string_view text) {
    // The table grows before a look-up is started, so that the slot it
    // fetches is the one it will read.
    if ((m_count + m_waiting.size() + 1) * 2 > m_slots.size()) {
        settle();
        grow();
    }
    const std::uint32_t hash = hashOf(text);
    __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    m_waiting.push_back({hash, static_cast<std::uint32_t>(text.size()), m_waitingTexts.size()});
    m_waitingTexts.append(text);
    if (m_waiting.size() == kLookUpsAtOnce) {
        settle();
    }
}

std::size_t DistinctTexts::count() {
    settle();
    return m_count;
}

void DistinctTexts::settle() {
    for (const Waiting& waiting : m_waiting) {
        insert(waiting.hash,
               std::string_view(m_waitingTexts).substr(waiting.start, waiting.length));
    }
    m_waiting.clear();
    m_waitingTexts.clear();
}

void DistinctTexts::insert(std::uint32_t hash, std::string_view text) {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.start == kFree) {
            slot = {hash, static_cast<std::uint32_t>(text.size()), m_texts.size()};
            m_texts.append(text);
            ++m_count;
            return;
        }
        if (slot.hash == hash &&
            std::string_view(m_texts).substr(slot.start, slot.length) == text) {
            return;
        }
    }
}

void DistinctTexts::grow() {
    std::vector<Slot> old(m_slots.empty() ? kFirstSlots : m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.start == kFree) {
            continue;
        }
        std::size_t i = slot.hash & mask;
        while (m_slots[i].start != kFree) {
            i = (i + 1) & mask;
        }
        m_slots[i] = slot;
    }
}

} // namespace wordbloom
