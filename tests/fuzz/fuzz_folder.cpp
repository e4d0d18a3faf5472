// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"

namespace wordbloom::fuzzing {

void FuzzFolder::write(std::string_view name, const std::uint8_t* data, std::size_t size) const {
    m_folder.write(name, std::string_view(reinterpret_cast<const char*>(data), size));
}

const FuzzFolder& fuzzFolder() {
    static const FuzzFolder folder;
    return folder;
}

} // namespace wordbloom::fuzzing
