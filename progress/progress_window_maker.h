// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/progress_view.h"

#include <cstddef>
#include <functional>

class QWidget;

namespace wordbloom {

// What the player chooses in the progress window, for the main window to act
// on: a saved game on the games chart, or a game of the answer log.
struct ProgressChoices {
    std::function<void(std::size_t savedGame)> savedGameChosen;
    std::function<void(std::size_t game)> loggedGameChosen;
};

// Makes the progress window (成績): a window of its own, owned by `parent`,
// that tells `choices` what the player chooses in it.
using ProgressWindowMaker =
    std::function<ProgressView*(QWidget* parent, const ProgressChoices& choices)>;

// The progress window made by the code linked into the program at hand.
ProgressView* makeProgressWindow(QWidget* parent, const ProgressChoices& choices);

// The progress window's library, loaded by the program when the window first
// opens, hands out makeProgressWindow under this C name.
inline constexpr char kProgressWindowEntry[] = "wordbloomMakeProgressWindow";
using ProgressWindowEntry = ProgressView* (*)(QWidget* parent, const ProgressChoices* choices);

} // namespace wordbloom
