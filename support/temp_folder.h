// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace wordbloom::support {

// A fresh empty folder "wordbloom-<purpose>-XXXXXX" under the system's
// temporary folder, removed with everything in it when this goes.
class TempFolder {
public:
    explicit TempFolder(std::string_view purpose);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return m_path; }

    // Writes the file `name` in the folder with exactly these bytes, replacing
    // one that is there; std::runtime_error when that fails.
    void write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

} // namespace wordbloom::support
