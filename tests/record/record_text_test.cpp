// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/record_text.h"

#include <gtest/gtest.h>

namespace wordbloom {
namespace {

std::vector<std::string> readAllFields(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (!reader.atEnd()) {
        fields.push_back(*reader.readField());
    }
    return fields;
}

using Fields = std::vector<std::string>;

TEST(RecordText, RecordsAreWrittenWithCommasQuotesAndCrLf) {
    EXPECT_EQ(RecordLine().integer(60).integer(1).finish(), "60,1\r\n");
    EXPECT_EQ(RecordLine().text("a").text("").finish(), "\"a\",\"\"\r\n");
    EXPECT_EQ(RecordLine().integer(-5).finish(), "-5\r\n");
    EXPECT_EQ(RecordLine().text("say \"hi\"").finish(), "\"say \"\"hi\"\"\"\r\n");
    // Counts kept as text stand bare while they are whole numbers.
    EXPECT_EQ(RecordLine().count("12").count("-3").count("007").finish(), "12,-3,007\r\n");
    EXPECT_EQ(RecordLine().count("").count("-").count("1,2").count(" 7").count("+7").finish(),
              "\"\",\"-\",\"1,2\",\" 7\",\"+7\"\r\n");
}

TEST(RecordText, FieldsReadBackByTheReadingRules) {
    struct Case {
        const char* text;
        Fields fields;
    };
    const Case cases[] = {
        {"\"a\",\"\"\r\n", {"a", ""}},
        {"-5\r\n", {"-5"}},
        {"apple, pie\r\n", {"apple", "pie"}}, // comma splits, leading space skipped
        {"\"a\"b\r\n", {"a"}},                // rest after the closing quote is skipped
        {"first\r\n\r\nthird\r\n", {"first", "", "third"}},
        {"lf\nonly\n", {"lf", "only"}},
        {"cr\ronly\r", {"cr", "only"}},
        {"no end", {"no end"}},
        {"a\"b\r\n", {"a\"b"}},                     // a quote inside an unquoted field stays
        {"\"say \"\"hi\"\"\"\r\n", {"say \"hi\""}}, // doubled quotes are one quote
        {"\"x\"\"\",\"\"\r\n", {"x\"", ""}},
        {"\"a\"b\",c\r\n", {"a", "c"}}, // an undoubled quote ends the field
        {"trailing  ,x\r\n", {"trailing  ", "x"}},
        // A field never runs past its line: an unclosed quote ends there.
        {"\"open\r\nnext\"\r\n", {"open", "next\""}},
        // A raw mark written by an older copy ends its field; the rest of the
        // line up to the comma is skipped.
        {"\"一番食べたいもの\"\"\r\n好きな色\r\n\"夏\"\r\n",
         {"一番食べたいもの", "好きな色", "夏"}},
        {"\"a\"\"b,c\r\n", {"a", "c"}},
        {"trailing comma,", {"trailing comma"}},
        {"trailing comma,\r\n", {"trailing comma", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readAllFields(c.text), c.fields) << c.text;
    }
}

TEST(RecordText, EmptyTextIsAtEndAtOnce) {
    FieldReader reader("");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.readField().has_value());
}

TEST(RecordText, LinesAreSplitAtEveryKindOfLineEnd) {
    Fields lines;
    forEachLine("a\r\nb\nc\rd\r\n\r\ne", [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(lines, (Fields{"a", "b", "c", "d", "", "e"}));
}

TEST(RecordText, SplittingOneLineNeverReachesTheNext) {
    EXPECT_EQ(splitRecordLine("\"a\",1,\"b\""), (Fields{"a", "1", "b"}));
    EXPECT_EQ(splitRecordLine(""), (Fields{""}));
    EXPECT_EQ(splitRecordLine("a,"), (Fields{"a", ""}));
    EXPECT_EQ(splitRecordLine("\"unclosed,x"), (Fields{"unclosed,x"}));
}

TEST(RecordText, WholeRecordsAreTellingTornAndShortOnesApart) {
    EXPECT_EQ(readWholeRecord("\"d\",\"t\",\"001\",\"ans\"", 4), (Fields{"d", "t", "001", "ans"}));
    EXPECT_EQ(readWholeRecord("\"d\",\"t\",\"001\",\"ans\",\"extra\",9", 4),
              (Fields{"d", "t", "001", "ans"}));
    EXPECT_EQ(readWholeRecord("\"d\",\"t\",\"001\",\"\"", 4), (Fields{"d", "t", "001", ""}));
    EXPECT_FALSE(readWholeRecord("\"d\",\"t\",\"001\"", 4));      // short
    EXPECT_FALSE(readWholeRecord("\"d\",\"t\",\"001\",\"an", 4)); // torn inside the answer
    EXPECT_FALSE(readWholeRecord("\"d\",\"t\",\"001\",", 4));     // torn after the comma
    EXPECT_FALSE(readWholeRecord("", 4));
}

TEST(RecordText, AQuoteInsideAFieldReadsAsDoubledWhereThatIsWholeAndAsOlderCopiesWroteIt) {
    struct Case {
        const char* line;
        Fields fields;
    };
    const Case cases[] = {
        {R"("d","t","001","a""b")", {"d", "t", "001", "a\"b"}}, // ours, doubled
        {R"("d","t","003","hi"")", {"d", "t", "003", "hi"}},    // an older copy's raw mark
        {R"("d","t","003","x"y")", {"d", "t", "003", "x"}},
        {R"("d","t""s","001","a")", {"d", "t\"s", "001", "a"}}, // whole when doubled
        {R"("d","t","00)", {}},                                 // torn by either reading
    };
    for (const Case& c : cases) {
        const auto read = readWholeRecord(c.line, 4);
        EXPECT_EQ(read.value_or(Fields{}), c.fields) << c.line;
    }
}

TEST(RecordText, IntegersAreReadAsSixteenBitNumbers) {
    struct Case {
        const char* text;
        IntegerReading reading;
        std::int16_t value;
    };
    const Case cases[] = {
        {"60", IntegerReading::Ok, 60},
        {" -5 ", IntegerReading::Ok, -5},
        {"007", IntegerReading::Ok, 7},
        {"32767", IntegerReading::Ok, 32767},
        {"-32768", IntegerReading::Ok, -32768},
        {"32768", IntegerReading::Overflow, 0},
        {"-32769", IntegerReading::Overflow, 0},
        {"99999999999999999999", IntegerReading::Overflow, 0},
        {"", IntegerReading::NotANumber, 0},
        {"6O", IntegerReading::NotANumber, 0},
        {"-", IntegerReading::NotANumber, 0},
        {"1 2", IntegerReading::NotANumber, 0},
    };
    for (const Case& c : cases) {
        const Integer16 read = readInteger16(c.text);
        EXPECT_EQ(read.reading, c.reading) << c.text;
        EXPECT_EQ(read.value, c.value) << c.text;
    }
}

} // namespace
} // namespace wordbloom
