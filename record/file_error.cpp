#include "file_error.h"

#include <cerrno>
#include <cstring>

namespace wordbloom {

namespace {

std::string composeMessage(ErrorNumber number, const std::string& fileName,
                           const std::string& description) {
    return "エラー " + std::to_string(static_cast<int>(number)) + ": 「" + fileName + "」 " +
           description;
}

struct ErrnoMeaning {
    ErrorNumber number;
    const char* description;
};

ErrnoMeaning meaningOf(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return {ErrorNumber::FileNotFound, "ファイルが見つかりません。"};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ErrorNumber::PermissionDenied, "書き込みまたは読み込みが許可されていません。"};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {ErrorNumber::DiskFull, "ディスクの空き容量が不足しています。"};
    case EISDIR:
        return {ErrorNumber::PathAccess,
                "同じ名前のフォルダーがあるため、ファイルとして使えません。"};
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, "パスが見つかりません。"};
    case ENAMETOOLONG:
        return {ErrorNumber::BadFileName, "ファイル名が長すぎます。"};
    case EINVAL:
    case EILSEQ:
        return {ErrorNumber::BadFileName, "ファイル名が正しくありません。"};
    default:
        return {ErrorNumber::DeviceIo, "ファイルの読み書きに失敗しました。"};
    }
}

} // namespace

FileError::FileError(ErrorNumber number, std::string fileName, std::string description)
    : std::runtime_error(composeMessage(number, fileName, description)), m_number(number),
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
