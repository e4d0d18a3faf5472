#include "fuzz_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace wordbloom::fuzzing {

namespace {

std::filesystem::path makeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "wordbloom-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder for fuzzing");
    }
    return pattern;
}

} // namespace

FuzzFolder::FuzzFolder() : m_dir(makeFolder()) {}

FuzzFolder::~FuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir.root(), ignored);
}

void FuzzFolder::write(std::string_view name, const std::uint8_t* data, std::size_t size) const {
    std::ofstream out(m_dir.root() / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

const FuzzFolder& fuzzFolder() {
    static const FuzzFolder folder;
    return folder;
}

} // namespace wordbloom::fuzzing
