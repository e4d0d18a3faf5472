// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_settings.h"

#include "dialogue/messages.h"
#include "record/record_text.h"

namespace wordbloom {

namespace {

constexpr int kShortestPlayLength = 10;
constexpr int kLongestPlayLength = 180;

std::vector<std::string> playLengthChoices() {
    std::vector<std::string> choices;
    for (int seconds = kShortestPlayLength; seconds <= kLongestPlayLength; seconds += 10) {
        choices.push_back(std::to_string(seconds));
    }
    return choices;
}

} // namespace

PlaySettings::PlaySettings(WorkDir dir, GamePanelView& view, Prompter& prompter)
    : m_dir(std::move(dir)), m_view(view), m_prompter(prompter) {}

void PlaySettings::load() {
    m_values = loadSettings(m_dir);
    // The switch starts unchecked; setting it to another state runs its click
    // handling, which writes the same values back.
    if (m_values.autoSave != 0) {
        m_view.showAutoSave(m_values.autoSave);
        setAutoSave(m_values.autoSave);
    }
    m_view.setPlayLengthChoices(playLengthChoices());
    m_view.showPlayLength(std::to_string(m_values.playLength));
}

void PlaySettings::choosePlayLength(const std::string& text) {
    const Integer16 seconds = readInteger16(text);
    if (seconds.reading != IntegerReading::Ok || seconds.value <= 0) {
        return;
    }
    m_values.playLength = seconds.value;
    save();
}

void PlaySettings::setAutoSave(int state) {
    m_values.autoSave = static_cast<std::int16_t>(state);
    save();
}

void PlaySettings::save() {
    try {
        saveSettings(m_dir, m_values);
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kSaveSettings));
    }
}

} // namespace wordbloom
