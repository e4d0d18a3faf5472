// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"
#include "record/topic_files.h"

#include <cstdlib>

namespace {
bool same(const wordbloom::AnswerLogRecord& a, const wordbloom::AnswerLogRecord& b) {
    return a.date == b.date && a.time == b.time && a.gameNumber == b.gameNumber &&
           a.answer == b.answer;
}
} // namespace

// The quick look for the last record agrees with reading the whole log, and
// a record appended after whatever is there comes back whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(answerLogFileName("t"), data, size);
    const auto log = readAnswerLog(folder.dir(), "t");
    const auto last = readLastAnswerRecord(folder.dir(), "t");
    if (log.empty() != !last.has_value() || (last && !same(*last, log.back()))) {
        std::abort();
    }
    const AnswerLogRecord added{"2024/01/15", "09:00:00", "001", "\"引用\", 句読点"};
    appendAnswerLogRecord(folder.dir(), "t", added);
    const auto after = readAnswerLog(folder.dir(), "t");
    if (after.size() != log.size() + 1 || !same(after.back(), added)) {
        std::abort();
    }
    return 0;
}
