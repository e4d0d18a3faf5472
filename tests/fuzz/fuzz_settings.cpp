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
        const Settings settings = LoadSettings(folder.dir());
        if (settings.intJikan <= 0 || settings.intAs < 0 || settings.intAs > 2) {
            std::abort();
        }
        SaveSettings(folder.dir(), settings);
        const Settings again = LoadSettings(folder.dir());
        if (again.intJikan != settings.intJikan || again.intAs != settings.intAs) {
            std::abort();
        }
    } catch (const FileError&) {
    }
    return 0;
}
