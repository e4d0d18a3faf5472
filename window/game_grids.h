// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/grid_layout.h"

namespace wordbloom {

// The play history grid: eleven columns, the first fixed.
GridLayout playHistoryGridLayout();
// The topic log grid of the topic history panel: five columns, the first fixed.
GridLayout topicLogGridLayout();
// The answer grid of the current game: two columns, none fixed.
GridLayout answerGridLayout();

} // namespace wordbloom
