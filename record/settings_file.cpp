#include "settings_file.h"

#include "code_page.h"
#include "file_error.h"
#include "record_text.h"

namespace wordbloom {

namespace {

constexpr std::size_t kSettingsReadLimit = std::size_t{64} * 1024;

std::int16_t readSettingsField(FieldReader& reader, const char* what) {
    const auto field = reader.readField();
    if (!field) {
        throw FileError(ErrorNumber::InputPastEnd, kSettingsFileName,
                        std::string(what) + "がありません。ファイルには「60,1」のように" +
                            "プレイ秒数と自動保存の二つの数を書いてください。");
    }
    const Integer16 number = readInteger16(*field);
    switch (number.reading) {
    case IntegerReading::Ok:
        return number.value;
    case IntegerReading::Overflow:
        throw FileError(ErrorNumber::Overflow, kSettingsFileName,
                        std::string(what) + "「" + *field +
                            "」が大きすぎます（-32768 から 32767 まで）。");
    case IntegerReading::NotANumber:
        break;
    }
    throw FileError(ErrorNumber::TypeMismatch, kSettingsFileName,
                    std::string(what) + "「" + *field + "」が数ではありません。");
}

} // namespace

Settings loadSettings(const WorkDir& dir) {
    // Only the first two fields count, so a file swollen by something else is
    // read no further than its start.
    const WorkDir::Prefix prefix = dir.readPrefix(kSettingsFileName, kSettingsReadLimit);
    const std::string text = decodeCp932(prefix.bytes);
    const FileError tooLarge(ErrorNumber::Overflow, kSettingsFileName,
                             "ファイルが大きすぎて、はじめの二つの値を読み取れません。");
    FieldReader reader(text);
    Settings settings;
    try {
        settings.playLength = readSettingsField(reader, "プレイ秒数（1 つめの値）");
        settings.autoSave = readSettingsField(reader, "自動保存（2 つめの値）");
    } catch (const FileError& error) {
        if (!prefix.whole && reader.atEnd()) {
            throw tooLarge;
        }
        throw;
    }
    // A value that ends where the reading stopped may go on in the file.
    if (!prefix.whole && reader.atEnd()) {
        throw tooLarge;
    }
    if (settings.playLength <= 0) {
        throw FileError(ErrorNumber::InvalidArgument, kSettingsFileName,
                        "プレイ秒数「" + std::to_string(settings.playLength) +
                            "」は 1 以上でなければなりません。");
    }
    if (settings.autoSave < 0 || settings.autoSave > 2) {
        throw FileError(ErrorNumber::InvalidArgument, kSettingsFileName,
                        "自動保存「" + std::to_string(settings.autoSave) +
                            "」は 0（しない）、1（する）、2（しない。スイッチを灰色で表示）の"
                            "どれかでなければなりません。");
    }
    return settings;
}

void saveSettings(const WorkDir& dir, const Settings& settings) {
    const std::string line =
        RecordLine().integer(settings.playLength).integer(settings.autoSave).finish();
    dir.replaceAtomically(kSettingsFileName, encodeCp932(line));
}

} // namespace wordbloom
