#include "temp_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace wordbloom::testing {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "wordbloom-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TempDir::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(m_path / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write test file " + std::string(name));
    }
}

std::string TempDir::read(std::string_view name) const {
    std::ifstream in(m_path / std::string(name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read test file " + std::string(name));
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDir::exists(std::string_view name) const {
    return std::filesystem::exists(m_path / std::string(name));
}

std::string TempDir::listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
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
