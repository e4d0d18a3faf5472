// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/temp_folder.h"

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace wordbloom::bench {

// Makes texts that look like a player's answers and topics: a few kana and
// kanji, now and then a Latin letter or digit. The same seed gives the same
// texts, so every run measures the same data.
class TextMaker {
public:
    explicit TextMaker(unsigned seed) : m_random(seed) {}
    // A word of two to eight characters.
    std::string word();
    // Words that are all different from one another.
    std::vector<std::string> distinctWords(std::size_t count);

    std::size_t below(std::size_t limit);

private:
    std::mt19937 m_random;
};

// The data files as the game writes them, in code page 932 with CR LF.
std::string topicListFile(const std::vector<std::string>& topics);
std::string playHistoryFile(std::size_t records, const std::vector<std::string>& topics);
std::string answerLogFile(std::size_t records, const std::vector<std::string>& answers);
std::string associationListFile(const std::vector<std::string>& entries);

// Topic names that can name their files.
std::vector<std::string> topicNames(std::size_t count);

// A fresh folder for one data set, removed with everything in it afterwards.
class DataFolder : public support::TempFolder {
public:
    DataFolder() : TempFolder("bench") {}
};

} // namespace wordbloom::bench
