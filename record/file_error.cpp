// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_error.h"

#include "messages.h"

#include <cerrno>
#include <cstring>

namespace wordbloom {

namespace {

struct ErrnoMeaning {
    ErrorNumber number;
    const char* description;
};

ErrnoMeaning meaningOf(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return {ErrorNumber::FileNotFound, reason::kFileNotFound};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ErrorNumber::PermissionDenied, reason::kPermissionDenied};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {ErrorNumber::DiskFull, reason::kDiskFull};
    case EISDIR:
        return {ErrorNumber::PathAccess, reason::kFolderInTheWay};
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, reason::kPathNotFound};
    case ENAMETOOLONG:
        return {ErrorNumber::BadFileName, reason::kFileNameTooLong};
    case EINVAL:
    case EILSEQ:
        return {ErrorNumber::BadFileName, reason::kBadFileName};
    default:
        return {ErrorNumber::DeviceIo, reason::kReadWriteFailed};
    }
}

} // namespace

FileError::FileError(ErrorNumber number, std::string fileName, std::string description)
    : std::runtime_error(reason::fileErrorSummary(number, fileName, description)), m_number(number),
      m_fileName(std::move(fileName)), m_description(std::move(description)) {}

FileError fileErrorFromErrno(int errnoValue, const std::string& fileName) {
    const ErrnoMeaning meaning = meaningOf(errnoValue);
    std::string description = meaning.description;
    description += " (";
    description += std::strerror(errnoValue);
    description += ")";
    return FileError(meaning.number, fileName, std::move(description));
}

} // namespace wordbloom
