// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_data.h"

#include "record/code_page.h"
#include "record/formats.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"

#include <unordered_set>

namespace wordbloom::bench {

namespace {

constexpr std::string_view kKanji =
    "一二三四五六七八九十山川田花空海色食物好夏冬春秋音楽人大小中"
    "日月火水木金土本気天雨雪風星犬猫鳥魚赤青白黒茶緑朝昼夜東西南北";
constexpr std::size_t kKanjiBytes = 3; // each of them in UTF-8

void appendCodePoint(std::string& out, char32_t c) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

CalendarTime dayAfter(CalendarTime day, std::size_t days) {
    // Months of 28 days are enough for dates that only need to look real.
    const std::size_t total = static_cast<std::size_t>(day.day - 1) + days;
    const std::size_t months = static_cast<std::size_t>(day.month - 1) + total / 28;
    day.day = static_cast<int>(total % 28) + 1;
    day.month = static_cast<int>(months % 12) + 1;
    day.year += static_cast<int>(months / 12);
    return day;
}

} // namespace

std::size_t TextMaker::below(std::size_t limit) {
    return std::uniform_int_distribution<std::size_t>(0, limit - 1)(m_random);
}

std::string TextMaker::word() {
    const std::size_t length = 2 + below(7);
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t kind = below(20);
        if (kind < 9) {
            appendCodePoint(text, static_cast<char32_t>(0x3042 + below(0x52))); // hiragana
        } else if (kind < 14) {
            appendCodePoint(text, static_cast<char32_t>(0x30A2 + below(0x52))); // katakana
        } else if (kind < 19) {
            text += kKanji.substr(below(kKanji.size() / kKanjiBytes) * kKanjiBytes, kKanjiBytes);
        } else {
            text += static_cast<char>('a' + below(26));
        }
    }
    return text;
}

std::vector<std::string> TextMaker::distinctWords(std::size_t count) {
    std::vector<std::string> words;
    std::unordered_set<std::string> seen;
    while (words.size() < count) {
        std::string candidate = word();
        if (seen.insert(candidate).second) {
            words.push_back(std::move(candidate));
        }
    }
    return words;
}

std::vector<std::string> topicNames(std::size_t count) {
    TextMaker maker(7);
    std::vector<std::string> topics = maker.distinctWords(count);
    for (std::string& topic : topics) {
        topic += "といえば";
    }
    return topics;
}

std::string topicListFile(const std::vector<std::string>& topics) {
    std::string text;
    for (const std::string& topic : topics) {
        text += topic + "\r\n";
    }
    return encodeCp932(text);
}

std::string playHistoryFile(std::size_t records, const std::vector<std::string>& topics) {
    TextMaker maker(11);
    std::string text;
    CalendarTime when{2010, 4, 1, 9, 0, 0};
    for (std::size_t i = 0; i < records; ++i) {
        if (maker.below(4) == 0) {
            when = dayAfter(when, 1);
        }
        when.hour = static_cast<int>(maker.below(24));
        when.minute = static_cast<int>(maker.below(60));
        when.second = static_cast<int>(maker.below(60));
        const auto count = [&](std::size_t limit) {
            return static_cast<std::int16_t>(maker.below(limit));
        };
        const std::int16_t fresh = count(30);
        const std::int16_t known = count(20);
        const std::int16_t twice = count(5);
        const auto characters = static_cast<std::int16_t>((fresh + known + twice) * 4);
        const auto seconds = static_cast<std::int16_t>(10 * (1 + maker.below(18)));
        PlayRecord record;
        record.date = formatDate(when);
        record.time = formatTime(when);
        record.topic = topics[maker.below(topics.size())];
        record.total = std::to_string(fresh + known + twice);
        record.newCount = fresh;
        record.existingCount = known;
        record.duplicateCount = std::to_string(twice);
        record.characters = std::to_string(characters);
        record.rate = formatRate(characters, seconds);
        record.playLength = formatPlayLength(seconds);
        text += fileLine<PlayRecordFormat>(record);
    }
    return encodeCp932(text);
}

std::string answerLogFile(std::size_t records, const std::vector<std::string>& answers) {
    TextMaker maker(13);
    std::string text;
    CalendarTime when{2010, 4, 1, 9, 0, 0};
    std::int16_t game = 1;
    for (std::size_t i = 0; i < records; ++i) {
        if (maker.below(20) == 0) {
            const bool nextDay = maker.below(3) == 0;
            when = dayAfter(when, nextDay ? 1 : 0);
            game = nextDay ? std::int16_t{1} : static_cast<std::int16_t>(game + 1);
        }
        when.hour = static_cast<int>(9 + maker.below(12));
        when.minute = static_cast<int>(maker.below(60));
        when.second = static_cast<int>(maker.below(60));
        text +=
            fileLine<AnswerLogFormat>({formatDate(when), formatTime(when), formatGameNumber(game),
                                       answers[maker.below(answers.size())]});
    }
    return encodeCp932(text);
}

std::string associationListFile(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry + "\r\n";
    }
    return encodeCp932(text);
}

} // namespace wordbloom::bench
