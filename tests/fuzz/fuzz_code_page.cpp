// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/code_page.h"

#include <cstdlib>
#include <string>

// Whatever the bytes, the decoded text comes back unchanged from a file: the
// form in which judging compares answers is stable.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = decodeCp932(bytes);
    if (roundTripForm(text) != text) {
        std::abort();
    }
    const std::string handEdited = decodeHandEditedText(bytes);
    if (roundTripForm(roundTripForm(handEdited)) != roundTripForm(handEdited)) {
        std::abort();
    }
    static_cast<void>(utf16Length(handEdited));
    return 0;
}
