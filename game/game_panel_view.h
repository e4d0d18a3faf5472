// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_grid.h"
#include "answer_judging.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wordbloom {

// The labels of a game's results: the three counts, then the characters and
// the rate shown when the time is up.
enum class ResultLabel { New, Existing, Duplicate, Characters, Rate };

// What the game changes on the game panel, as verbs. The window implements it
// by setting its controls; tests record the calls. Lists are passed as the
// game's own containers: they stay valid and unchanged until the next call
// that passes the same container.
class GamePanelView {
public:
    virtual ~GamePanelView() = default;

    // The topic box: read at the moment of use.
    virtual std::string shownTopic() const = 0;
    virtual void showTopic(const std::string& topic) = 0;
    virtual void setTopicList(const std::vector<std::string>& topics) = 0;

    virtual void setResultText(ResultLabel label, const std::string& text) = 0;
    virtual void clearAnswerBox() = 0;
    virtual void focusAnswerBox() = 0;
    virtual void focusStartButton() = 0;
    virtual void setStartEnabled(bool enabled) = 0;

    // The time bar: the seconds left of the game's length, or all of it for
    // a game about to start.
    virtual void showTimeLeft(int secondsLeft, int gameLength) = 0;
    virtual void showFullTime() = 0;
    // Hides the three countdown pictures and shows picture `step` (1 to 3).
    virtual void showCountdownStep(int step) = 0;

    // The answer grid of the current game: all its rows anew, one more row at
    // the end, and the row to scroll to (rows count from 0).
    virtual void showAnswerRows(const AnswerGrid& rows) = 0;
    virtual void answerRowAdded(const AnswerGrid& rows) = 0;
    virtual void setAnswerGridTopRow(std::size_t row) = 0;

    // The shown topic's known answers (its association list).
    virtual void showKnownAnswers(const IndexedTexts& associations) = 0;
    virtual void knownAnswerAdded(const IndexedTexts& associations) = 0;
    virtual void setKnownAnswersVisible(bool visible) = 0;
    // Chooses the option that shows the known answers (true) or hides them.
    virtual void chooseKnownAnswersOption(bool show) = 0;

    // The play-length list and the auto-save switch (0 off, 1 on, 2 greyed).
    virtual void setPlayLengthChoices(const std::vector<std::string>& choices) = 0;
    virtual void showPlayLength(const std::string& text) = 0;
    virtual void showAutoSave(int state) = 0;
};

} // namespace wordbloom
