// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoded_file.h"

#include "code_page.h"
#include "file_error.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace wordbloom {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

} // namespace

std::string readCp932Text(const WorkDir& dir, std::string_view name) {
    const ReadingFile file = dir.openForReading(name);
    std::string text;
    // Room for text that is mostly double-byte characters, which take half as
    // much again in UTF-8; other text grows the string as usual.
    text.reserve(file.size() + file.size() / 2 + 16);
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::size_t offset = 0;
    std::size_t carried = 0; // bytes of a cut-off character, at the front of block
    for (;;) {
        const std::size_t got =
            file.readAt(offset, std::span(block.get() + carried, kBlockSize - carried));
        offset += got;
        const std::size_t filled = carried + got;
        const bool last = got == 0;
        carried = decodeCp932Piece(std::string_view(block.get(), filled), last, text);
        if (last) {
            break;
        }
        std::copy(block.get() + (filled - carried), block.get() + filled, block.get());
    }
    restoreReferences(text);
    return text;
}

std::optional<std::string> readCp932TextIfPresent(const WorkDir& dir, std::string_view name) {
    try {
        return readCp932Text(dir, name);
    } catch (const FileError& error) {
        if (error.number() != ErrorNumber::FileNotFound) {
            throw;
        }
    }
    return std::nullopt;
}

std::string readCp932TextCreatingIfMissing(const WorkDir& dir, std::string_view name) {
    if (auto text = readCp932TextIfPresent(dir, name)) {
        return std::move(*text);
    }
    dir.createIfMissing(name);
    return {};
}

} // namespace wordbloom
