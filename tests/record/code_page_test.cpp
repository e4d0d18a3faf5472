// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/code_page.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <optional>

namespace wordbloom {
namespace {

using testing::cp932;

TEST(CodePage, CharactersWithoutShiftJisFormSurviveAsReferences) {
    EXPECT_EQ(encodeCp932("りんご🍎"), cp932("りんご") + "&#127822;");
    EXPECT_EQ(decodeCp932(cp932("りんご") + "&#127822;"), "りんご🍎");
    EXPECT_EQ(encodeCp932("한"), "&#54620;");
    EXPECT_EQ(roundTripForm("한🍎"), "한🍎");
}

TEST(CodePage, TypedReferencesToShiftJisCharactersStayAsTyped) {
    // Only the encoder makes references, and only for characters the code
    // page cannot hold; anything else that looks like one is plain text.
    for (const char* typed : {"&#65;", "&#12354;", "&#13;", "&#;", "&#x41;", "&#99999999;",
                              "&#55296;", "a&#b", "&#127822"}) {
        EXPECT_EQ(decodeCp932(typed), typed) << typed;
        EXPECT_EQ(roundTripForm(typed), typed) << typed;
    }
}

TEST(CodePage, WindowsFormVariantsComeBackInTheWindowsForm) {
    struct Case {
        const char* typed;
        const char* bytes;
        const char* back;
    };
    const Case cases[] = {
        {"〜", "\x81\x60", "～"}, {"～", "\x81\x60", "～"}, {"−", "\x81\x7c", "－"},
        {"‖", "\x81\x61", "∥"},   {"—", "\x81\x5c", "―"},   {"¢", "\x81\x91", "￠"},
        {"£", "\x81\x92", "￡"},  {"¬", "\x81\xca", "￢"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeCp932(c.typed), c.bytes) << c.typed;
        EXPECT_EQ(decodeCp932(c.bytes), c.back) << c.typed;
        EXPECT_EQ(roundTripForm(c.typed), c.back) << c.typed;
    }
}

TEST(CodePage, BytesThatAreNotShiftJisBecomeReplacementCharacters) {
    EXPECT_EQ(decodeCp932("a\xa0z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(decodeCp932("a\x88"), "a\xEF\xBF\xBD"); // lead byte cut off at the end
    EXPECT_EQ(decodeCp932(std::string("\0b", 2)), std::string("\0b", 2));
}

TEST(CodePage, HandEditedTextIsRecognisedAsUtf8OrShiftJis) {
    const std::string text = "好きな色\r\nスポーツ\r\n";
    EXPECT_EQ(decodeHandEditedText(text), text);
    EXPECT_EQ(decodeHandEditedText("\xEF\xBB\xBF" + text), text);
    EXPECT_EQ(decodeHandEditedText(cp932(text)), text);
    EXPECT_EQ(decodeHandEditedText("plain ascii"), "plain ascii");
    EXPECT_EQ(decodeHandEditedText("\xEF\xBB\xBF"
                                   "a\xff"),
              "a\xEF\xBF\xBD");
}

TEST(CodePage, LengthsCountUtf16CodeUnits) {
    EXPECT_EQ(utf16Length(""), 0U);
    EXPECT_EQ(utf16Length("abc"), 3U);
    EXPECT_EQ(utf16Length("りんご"), 3U);
    EXPECT_EQ(utf16Length("a🍎"), 3U);
}

// A character with two codes (NEC and IBM rows) is compared in the code the
// encoder writes; a byte of that value inside another character, or bytes
// that are no character, stay as they are.
TEST(CodePage, CharactersWithTwoCodesTakeTheEncodersCode) {
    struct Case {
        std::string bytes;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"\xED\x40", "\xFA\x5C"},                             // 纊, NEC-selected IBM row
        {"a,\x87\x9A\r\n\xEE\xEF", "a,\x81\xE6\r\n\xFA\x40"}, // ∵ of NEC row 13, ⅰ
        {"\xFA\x5C\x87\x40", std::nullopt}, // 纊 and ① as the encoder writes them
        {"\x82\xED\x82\xED", std::nullopt}, // わわ: ED only as a second byte
        {"\x95\x5C\xED", std::nullopt},     // a lone first byte at the end
        {"\xED\x20", std::nullopt},         // no character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(withEncoderCodes(c.bytes), c.expected) << ::testing::PrintToString(c.bytes);
    }
}

TEST(CodePage, FileNamesDecodeOnlyWhenEveryByteIsCodePage932) {
    EXPECT_EQ(decodeCp932Name(cp932("能力_履歴.txt")), "能力_履歴.txt");
    EXPECT_EQ(decodeCp932Name("&#127822;.txt"), "&#127822;.txt");
    EXPECT_EQ(decodeCp932Name("\x80\xFF.txt"), std::nullopt);
    EXPECT_EQ(decodeCp932Name("\x95"), std::nullopt);
}

} // namespace
} // namespace wordbloom
