// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/temp_folder.h"

#include <string>
#include <string_view>

namespace wordbloom::testing {

// A fresh empty folder for one test, removed with everything in it afterwards.
class TempDir : public support::TempFolder {
public:
    TempDir() : TempFolder("test") {}

    std::string read(std::string_view name) const;
    // The bytes of any file.
    static std::string readFile(const std::filesystem::path& file);
    bool exists(std::string_view name) const;
    // Names of the files in the folder, sorted.
    std::string listing() const;
};

// The Shift_JIS (code page 932) bytes of a UTF-8 text, made by the system's
// iconv program rather than by our own encoder.
std::string cp932(std::string_view utf8);

} // namespace wordbloom::testing
