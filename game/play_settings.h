// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_panel_view.h"
#include "dialogue/prompter.h"
#include "record/settings_file.h"
#include "record/work_dir.h"

#include <cstdint>
#include <string>

namespace wordbloom {

// The two settings that survive from one run to the next: the play length
// of the next game and the auto-save switch, kept in "設定.txt".
class PlaySettings {
public:
    PlaySettings(WorkDir dir, GamePanelView& view, Prompter& prompter);

    // Start-up: reads "設定.txt" (a FileError when it cannot be used), sets
    // the auto-save switch, which writes the values back as a player's click
    // does, and fills the play-length list.
    void load();

    // A play length picked from the list; text that is no length is ignored.
    void choosePlayLength(const std::string& text);
    // The switch: 0 off, 1 on.
    void setAutoSave(int state);

    std::int16_t playLength() const { return m_values.playLength; }
    bool savesEachGame() const { return m_values.autoSave == 1; }

private:
    void save();

    WorkDir m_dir;
    GamePanelView& m_view;
    Prompter& m_prompter;
    Settings m_values;
};

} // namespace wordbloom
