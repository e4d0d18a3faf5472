// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_ids.h"

#include <cstring>

namespace wordbloom {

namespace {

constexpr std::size_t kFirstSlots = 64;
// Enough look-ups at once to keep memory busy, few enough that their slots
// are still in the cache when they are read.
constexpr std::size_t kLookUpsAtOnce = 16;

// Mixes eight bytes at a time: answers are a few words, for which the
// general string hash spends longer on its set-up than on the bytes.
std::uint64_t mixed(std::uint64_t hash, std::uint64_t word) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    hash = (hash ^ word) * kMultiplier;
    return hash ^ (hash >> 32);
}

std::uint32_t hashOf(std::string_view text) {
    std::uint64_t hash = mixed(0, text.size());
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= text.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        hash = mixed(hash, word);
    }
    if (at < text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, text.size() - at);
        hash = mixed(hash, word);
    }
    return static_cast<std::uint32_t>(hash);
}

} // namespace

void TextIds::add(std::string_view text) {
    // The table grows before a look-up is started, so that the slot it
    // fetches is the one it will read.
    if ((count() + m_waiting.size() + 1) * 2 > m_slots.size()) {
        settle();
        grow();
    }
    const std::uint32_t hash = hashOf(text);
    __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    // One line of a file: far below 4 GiB.
    m_waiting.push_back({hash, static_cast<std::uint32_t>(text.size()), m_waitingTexts.size()});
    m_waitingTexts.append(text);
    if (m_waiting.size() == kLookUpsAtOnce) {
        settle();
    }
}

void TextIds::settle() {
    // The slots are in the cache by now; the texts they point to are fetched
    // together before any is compared.
    const std::size_t mask = m_slots.size() - 1;
    for (const Waiting& waiting : m_waiting) {
        const Slot& slot = m_slots[waiting.hash & mask];
        if (slot.id != kFree) {
            __builtin_prefetch(m_texts.data() + slot.start);
        }
    }
    for (const Waiting& waiting : m_waiting) {
        m_ids.push_back(insert(
            waiting.hash, std::string_view(m_waitingTexts).substr(waiting.start, waiting.length)));
    }
    m_waiting.clear();
    m_waitingTexts.clear();
}

std::string_view TextIds::text(std::uint32_t id) const {
    return textAt(m_starts.at(id));
}

std::string_view TextIds::textAt(std::size_t start) const {
    std::uint32_t length = 0;
    std::memcpy(&length, m_texts.data() + start, sizeof length);
    return std::string_view(m_texts).substr(start + sizeof length, length);
}

std::uint32_t TextIds::insert(std::uint32_t hash, std::string_view text) {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.id == kFree) {
            const auto id = static_cast<std::uint32_t>(m_starts.size());
            slot = {hash, id, m_texts.size()};
            const auto length = static_cast<std::uint32_t>(text.size());
            m_texts.append(reinterpret_cast<const char*>(&length), sizeof length);
            m_texts.append(text);
            m_starts.push_back(slot.start);
            return id;
        }
        if (slot.hash == hash && textAt(slot.start) == text) {
            return slot.id;
        }
    }
}

void TextIds::grow() {
    std::vector<Slot> old(m_slots.empty() ? kFirstSlots : m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.id == kFree) {
            continue;
        }
        std::size_t i = slot.hash & mask;
        while (m_slots[i].id != kFree) {
            i = (i + 1) & mask;
        }
        m_slots[i] = slot;
    }
}

} // namespace wordbloom
