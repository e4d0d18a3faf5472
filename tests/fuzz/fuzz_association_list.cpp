// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"
#include "record/topic_files.h"

#include <cstdlib>

// Every entry is one line; an entry appended comes back as the last entry.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(associationListFileName("t"), data, size);
    const auto entries = readAssociationList(folder.dir(), "t");
    for (const std::string& entry : entries) {
        if (entry.find_first_of("\r\n") != std::string::npos) {
            std::abort();
        }
    }
    appendAssociation(folder.dir(), "t", "追加");
    const auto after = readAssociationList(folder.dir(), "t");
    if (after.empty() || after.back() != "追加" || after.size() > entries.size() + 2) {
        std::abort();
    }
    return 0;
}
