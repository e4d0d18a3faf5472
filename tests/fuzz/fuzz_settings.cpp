// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"
#include "record/file_error.h"
#include "record/settings_file.h"

#include <cstdlib>

// Any bytes in "設定.txt" either load as two sound values or give a FileError.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(kSettingsFileName, data, size);
    try {
        const Settings settings = loadSettings(folder.dir());
        if (settings.playLength <= 0 || settings.autoSave < 0 || settings.autoSave > 2) {
            std::abort();
        }
        saveSettings(folder.dir(), settings);
        const Settings again = loadSettings(folder.dir());
        if (again.playLength != settings.playLength || again.autoSave != settings.autoSave) {
            std::abort();
        }
    } catch (const FileError&) {
    }
    return 0;
}
