// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace wordbloom {

enum class Alignment { Left, Centre, Right };

struct GridColumn {
    std::string header;
    int width; // twips
    Alignment data;
    // The longest text a data cell of the column can hold, which the grid
    // shows whole, condensing a text only where it is too wide; empty where
    // the text is free (topics, answers) and simply runs to the cell's edge.
    std::string widest;
};

// How a grid is laid out: every header cell is centred, data cells are
// vertically centred and aligned per column. rowHeightSetting is the one
// grid-wide display value each grid sets (11 for the history grids, 10 for
// the answer grid); the window uses it for the height of the rows.
struct GridLayout {
    float rowHeightSetting;
    bool fixedFirstColumn;
    std::vector<GridColumn> columns;
};

} // namespace wordbloom
