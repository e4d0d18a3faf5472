// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <archive.h>
#include <archive_entry.h>

namespace wordbloom {

// The functions of libarchive that reading an archive uses. The library is
// loaded the first time an archive is read, not when the game starts: it
// brings a handful of libraries with it, which would slow every start for
// what a player does once.
struct ArchiveLibrary {
    decltype(&archive_read_new) readNew;
    decltype(&archive_read_free) readFree;
    decltype(&archive_read_support_format_zip) supportZip;
    decltype(&archive_read_support_format_7zip) support7zip;
    decltype(&archive_read_support_format_lha) supportLha;
    decltype(&archive_read_set_format_option) setFormatOption;
    decltype(&archive_read_open_filename) openFilename;
    decltype(&archive_read_next_header) nextHeader;
    decltype(&archive_read_data) readData;
    decltype(&archive_format) format;
    decltype(&archive_error_string) errorString;
    decltype(&archive_entry_pathname) pathname;
    decltype(&archive_entry_filetype) filetype;
    decltype(&archive_entry_hardlink) hardlink;
    decltype(&archive_entry_is_encrypted) isEncrypted;
};

// libarchive, loaded on first use; ImportRefused when it is not installed.
const ArchiveLibrary& archiveLibrary();

} // namespace wordbloom
