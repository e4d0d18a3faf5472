// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace wordbloom::testing {

std::string TempDir::read(std::string_view name) const {
    return readFile(path() / std::string(name));
}

std::string TempDir::readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read test file " + file.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDir::exists(std::string_view name) const {
    return std::filesystem::exists(path() / std::string(name));
}

std::string TempDir::listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& name : names) {
        joined += (joined.empty() ? "" : " ") + name;
    }
    return joined;
}

std::string cp932(std::string_view utf8) {
    TempDir scratch;
    scratch.write("in", utf8);
    const std::string command = "iconv -f UTF-8 -t CP932 '" + (scratch.path() / "in").string() +
                                "' > '" + (scratch.path() / "out").string() + "'";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("iconv failed on a test fixture");
    }
    return scratch.read("out");
}

} // namespace wordbloom::testing
