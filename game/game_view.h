#pragma once

#include "answer_judging.h"
#include "history/grid_layout.h"
#include "history/play_history_grid.h"
#include "history/topic_history.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wordbloom {

enum class CounterLabel { Ok, Chu, Ng, Moji, Byou };

// Everything the game and the history browser change on screen, as verbs.
// The window implements it by setting its controls; tests record the calls.
// Lists and rows are passed as the logic's own containers: they stay valid and
// unchanged until the next call that passes the same container.
class GameView {
public:
    virtual ~GameView() = default;

    // The topic box of the game panel (cboMondai): read at the moment of use.
    virtual std::string displayedTopic() const = 0;
    virtual void setDisplayedTopic(const std::string& topic) = 0;
    // The lists of both topic boxes.
    virtual void setTopicLists(const std::vector<std::string>& topics) = 0;

    virtual void setLabelText(CounterLabel label, const std::string& text) = 0;
    virtual void clearAnswerBox() = 0;
    virtual void focusAnswerBox() = 0;
    virtual void focusStartButton() = 0;
    virtual void setStartEnabled(bool enabled) = 0;

    // The time bar, in twips; barLayoutWidth is its full width as laid out.
    virtual void setBarWidth(int twips) = 0;
    virtual int barLayoutWidth() const = 0;
    // Hides the three countdown pictures and shows picture `step` (1 to 3).
    virtual void showStartImage(int step) = 0;

    // The answer grid of the current game.
    virtual void resetAnswerGrid(const GridLayout& layout) = 0;
    virtual void addAnswerRow(std::size_t index, const std::string& answer, AnswerKind kind) = 0;
    virtual void setAnswerGridTopRow(std::size_t row) = 0;

    // The displayed topic's association list on the game panel.
    virtual void showAssociations(const IndexedTexts& associations) = 0;
    virtual void associationAdded(const IndexedTexts& associations) = 0;
    virtual void setAssociationsVisible(bool visible) = 0;
    // Selects "既存表示" (true) or "既存非表示" (false).
    virtual void selectAssociationOption(bool show) = 0;

    // The play-time list and the auto-save switch (0 off, 1 on, 2 greyed).
    virtual void setPlayLengthChoices(const std::vector<std::string>& choices) = 0;
    virtual void setPlayLengthText(const std::string& text) = 0;
    virtual void setAutoSaveState(int state) = 0;

    // The play history grid.
    virtual void resetHistoryGrid(const GridLayout& layout) = 0;
    virtual void showHistoryRows(const PlayHistoryGrid& grid) = 0;
    virtual void historyRowAdded(const PlayHistoryGrid& grid) = 0;
    virtual void setHistoryGridTopRow(std::size_t row) = 0;

    // The topic history panel and its topic box (cboMondai2).
    virtual std::string panelTopic() const = 0;
    virtual void setPanelTopic(const std::string& topic) = 0;
    virtual void resetTopicLogGrid(const GridLayout& layout) = 0;
    virtual void showTopicHistory(const TopicHistory& history) = 0;
    virtual void setTopicPanelVisible(bool visible) = 0;
};

} // namespace wordbloom
