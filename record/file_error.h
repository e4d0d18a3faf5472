// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace wordbloom {

// Error numbers shown to the player. They keep the numbering that players of
// the classic desktop runtime know from its error reports.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIo = 57,
    DiskFull = 61,
    InputPastEnd = 62,
    PermissionDenied = 70,
    PathAccess = 75,
    PathNotFound = 76,
};

// A failed file operation or an unreadable value in a data file. It carries
// the file's name so that every message can say which file is concerned.
class FileError : public std::runtime_error {
public:
    FileError(ErrorNumber number, std::string fileName, std::string description);

    ErrorNumber number() const { return m_number; }
    const std::string& fileName() const { return m_fileName; }
    const std::string& description() const { return m_description; }

private:
    ErrorNumber m_number;
    std::string m_fileName;
    std::string m_description;
};

// Builds the error for a failed system call on a file from its errno value,
// with a Japanese explanation followed by the system's own reason.
FileError fileErrorFromErrno(int errnoValue, const std::string& fileName);

} // namespace wordbloom
