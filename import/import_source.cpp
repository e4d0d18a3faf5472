// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_source.h"

#include "record/file_error.h"
#include "dialogue/messages.h"

#include <cerrno>
#include <sys/stat.h>

namespace wordbloom {

IncomingData readIncomingData(const std::filesystem::path& source) {
    struct stat info {};
    if (::stat(source.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            throw ImportRefused(reason::kImportSourceMissing);
        }
        throw ImportRefused(fileErrorFromErrno(errno, source.string()).description());
    }
    IncomingData data;
    if (S_ISDIR(info.st_mode)) {
        data = readFolder(source);
    } else if (S_ISREG(info.st_mode)) {
        data = readArchive(source, static_cast<std::size_t>(info.st_size));
    } else {
        throw ImportRefused(reason::kNotAnArchive);
    }
    if (data.files.empty()) {
        throw ImportRefused(reason::kNothingToImport);
    }
    return data;
}

} // namespace wordbloom
