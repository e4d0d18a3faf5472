// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_error.h"

#include "reasons.h"

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

// The error as the exception's own text: "エラー <n>: 「<file>」 <description>".
std::string summaryOf(ErrorNumber number, std::string_view fileName,
                             std::string_view description) {
    return "エラー " + std::to_string(static_cast<int>(number)) + ": 「" + std::string(fileName) +
           "」 " + std::string(description);
}

} // namespace

FileError::FileError(ErrorNumber number, std::string fileName, std::string description)
    : std::runtime_error(summaryOf(number, fileName, description)), m_number(number),
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
