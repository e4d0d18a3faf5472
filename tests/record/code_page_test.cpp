// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/code_page.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace wordbloom
