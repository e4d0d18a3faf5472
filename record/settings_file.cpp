// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_file.h"

#include "code_page.h"
#include "file_error.h"
#include "reasons.h"
#include "record_text.h"

namespace wordbloom {

namespace {

constexpr std::size_t kSettingsReadLimit = std::size_t{64} * 1024;

std::int16_t readSettingsField(FieldReader& reader, const char* what) {
    const auto field = reader.readField();
    if (!field) {
        throw FileError(ErrorNumber::InputPastEnd, kSettingsFileName,
                        reason::settingsValueMissing(what));
    }
    const Integer16 number = readInteger16(*field);
    switch (number.reading) {
    case IntegerReading::Ok:
        return number.value;
    case IntegerReading::Overflow:
        throw FileError(ErrorNumber::Overflow, kSettingsFileName,
                        reason::settingsValueTooLarge(what, *field));
    case IntegerReading::NotANumber:
        break;
    }
    throw FileError(ErrorNumber::TypeMismatch, kSettingsFileName,
                    reason::settingsValueNotANumber(what, *field));
}

} // namespace

Settings loadSettings(const WorkDir& dir) {
    // Only the first two fields count, so a file swollen by something else is
    // read no further than its start.
    const WorkDir::Prefix prefix = dir.readPrefix(kSettingsFileName, kSettingsReadLimit);
    return readSettingsBytes(prefix.bytes, prefix.whole);
}

Settings readSettingsBytes(std::string_view bytes, bool whole) {
    if (bytes.size() > kSettingsReadLimit) {
        bytes = bytes.substr(0, kSettingsReadLimit);
        whole = false;
    }
    const std::string text = decodeCp932(bytes);
    const FileError tooLarge(ErrorNumber::Overflow, kSettingsFileName, reason::kSettingsTooLarge);
    FieldReader reader(text);
    Settings settings;
    try {
        settings.playLength = readSettingsField(reader, reason::kPlayLengthValue);
        settings.autoSave = readSettingsField(reader, reason::kAutoSaveValue);
    } catch (const FileError& error) {
        if (!whole && reader.atEnd()) {
            throw tooLarge;
        }
        throw;
    }
    // A value that ends where the reading stopped may go on in the file.
    if (!whole && reader.atEnd()) {
        throw tooLarge;
    }
    if (settings.playLength <= 0) {
        throw FileError(ErrorNumber::InvalidArgument, kSettingsFileName,
                        reason::playLengthNotPositive(settings.playLength));
    }
    if (settings.autoSave < 0 || settings.autoSave > 2) {
        throw FileError(ErrorNumber::InvalidArgument, kSettingsFileName,
                        reason::autoSaveOutOfRange(settings.autoSave));
    }
    return settings;
}

namespace {

// True when the file reads as these two values, however it is laid out: a
// hand-edited file that says the same is neither rewritten nor, read-only,
// reported.
bool holdsValues(const WorkDir& dir, const Settings& settings) {
    try {
        const Settings stored = loadSettings(dir);
        return stored.playLength == settings.playLength && stored.autoSave == settings.autoSave;
    } catch (const FileError&) {
        return false;
    }
}

} // namespace

std::string settingsFileBytes(const Settings& settings) {
    return encodeCp932(
        RecordLine().integer(settings.playLength).integer(settings.autoSave).finish());
}

void saveSettings(const WorkDir& dir, const Settings& settings) {
    if (holdsValues(dir, settings)) {
        return;
    }
    dir.replaceAtomically(kSettingsFileName, settingsFileBytes(settings));
}

} // namespace wordbloom
