// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace wordbloom {

// One control of the main window as it is designed: its object name, where it
// stands in its parent (in twips, 15 to the pixel), the caption it shows when
// the window opens, the point size of its font, its tool tip, what a screen
// reader calls it and says of it, and its place in the keyboard's round.
struct ControlDescription {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    // Empty for none; a combo box's edit text.
    const char* caption;
    // 0: the font of its parent.
    double pointSize;
    // Empty for none.
    const char* tip;
    const char* accessibleName;
    // Left empty where the tool tip says what the control does.
    const char* accessibleDescription;
    // 0: out of the keyboard's round; otherwise its place in it, from 1.
    int tabPlace;
};

// The control of that name. Every control of the window is in the table; a
// name that is not is a fault of the program's own.
const ControlDescription& describedControl(std::string_view name);

// The names of the controls in the keyboard's round, in its order.
std::vector<std::string_view> tabRound();

} // namespace wordbloom
