// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_folder.h"
#include "history/play_history_grid.h"
#include "record/file_error.h"
#include "record/play_history_file.h"

#include <cstdlib>

// Any play history loads, every cell of every row can be shown, and a game
// saved after it comes back as the last row.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wordbloom;
    const auto& folder = fuzzing::fuzzFolder();
    folder.write(kPlayHistoryFileName, data, size);
    PlayHistoryGrid grid;
    grid.load(folder.dir());
    for (std::size_t row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < PlayHistoryGrid::kColumnCount; ++column) {
            static_cast<void>(grid.cellText(row, column));
        }
    }
    appendPlayRecord(folder.dir(), {"2024/01/15", "09:00:00", "題", 1, 2, 3, 40, 60});
    PlayHistoryGrid after;
    after.load(folder.dir());
    if (after.rowCount() != grid.rowCount() + 1 ||
        after.cellText(after.rowCount() - 1, 3) != "題" ||
        after.cellText(after.rowCount() - 1, 4) != "6") {
        std::abort();
    }
    return 0;
}
