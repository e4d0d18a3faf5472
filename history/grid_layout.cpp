#include "grid_layout.h"

namespace wordbloom {

GridLayout SetupHistoryGrid() {
    return {11.0F,
            true,
            {{"回", 600, Alignment::Right},
             {"日付", 1100, Alignment::Centre},
             {"時間", 680, Alignment::Centre},
             {"問題", 2130, Alignment::Left},
             {"計", 450, Alignment::Right},
             {"新", 400, Alignment::Right},
             {"既", 400, Alignment::Right},
             {"重", 400, Alignment::Right},
             {"字数", 570, Alignment::Right},
             {"秒当たり", 950, Alignment::Right},
             {"秒数", 750, Alignment::Centre}}};
}

GridLayout SetupTopicLogGrid() {
    return {11.0F,
            true,
            {{"回", 600, Alignment::Right},
             {"日付", 1360, Alignment::Centre},
             {"時間", 960, Alignment::Centre},
             {"日回", 560, Alignment::Centre},
             {"回答", 2330, Alignment::Left}}};
}

GridLayout SetupAnswerGrid() {
    return {10.0F, false, {{"回", 380, Alignment::Right}, {"回答", 1975, Alignment::Left}}};
}

std::optional<std::size_t> scrollTarget(std::size_t rowCount, std::size_t threshold) {
    if (rowCount > threshold) {
        return rowCount - 1;
    }
    return std::nullopt;
}

} // namespace wordbloom
