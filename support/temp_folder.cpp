// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace wordbloom::support {

TempFolder::TempFolder(std::string_view purpose) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("wordbloom-" + std::string(purpose) + "-XXXXXX"))
            .string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    // A test may have taken the folder's own rights away to make it read-only.
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(m_path / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + std::string(name) + " in " + m_path.string());
    }
}

} // namespace wordbloom::support
