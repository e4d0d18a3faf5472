// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive_library.h"

#include "incoming.h"
#include "dialogue/messages.h"

#include <dlfcn.h>
#include <string>

namespace wordbloom {

namespace {

constexpr const char* kLibraryName = "libarchive.so.13";

class Symbols {
public:
    Symbols() : m_library(::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL)) {
        if (m_library == nullptr) {
            throw ImportRefused(reason::archiveLibraryMissing(kLibraryName));
        }
    }

    // The library stays loaded for the rest of the run.
    template <typename Function> void get(Function& function, const char* name) const {
        void* found = ::dlsym(m_library, name);
        if (found == nullptr) {
            throw ImportRefused(reason::archiveLibraryMissing(name));
        }
        function = reinterpret_cast<Function>(found);
    }

private:
    void* m_library;
};

ArchiveLibrary load() {
    const Symbols symbols;
    ArchiveLibrary library{};
    symbols.get(library.readNew, "archive_read_new");
    symbols.get(library.readFree, "archive_read_free");
    symbols.get(library.supportZip, "archive_read_support_format_zip");
    symbols.get(library.support7zip, "archive_read_support_format_7zip");
    symbols.get(library.supportLha, "archive_read_support_format_lha");
    symbols.get(library.setFormatOption, "archive_read_set_format_option");
    symbols.get(library.openFilename, "archive_read_open_filename");
    symbols.get(library.nextHeader, "archive_read_next_header");
    symbols.get(library.readData, "archive_read_data");
    symbols.get(library.format, "archive_format");
    symbols.get(library.errorString, "archive_error_string");
    symbols.get(library.pathname, "archive_entry_pathname");
    symbols.get(library.filetype, "archive_entry_filetype");
    symbols.get(library.hardlink, "archive_entry_hardlink");
    symbols.get(library.isEncrypted, "archive_entry_is_encrypted");
    return library;
}

} // namespace

const ArchiveLibrary& archiveLibrary() {
    // A load that fails is tried again at the next archive.
    static const ArchiveLibrary library = load();
    return library;
}

} // namespace wordbloom
