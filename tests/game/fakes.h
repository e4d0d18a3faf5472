// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/clock.h"
#include "game/random_source.h"
#include "dialogue/prompter.h"
#include "dialogue/work_runner.h"
#include "app/game_view.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wordbloom::testing {

// A clock the test moves by hand: the wall clock and the play clock move
// together, and the wall clock rolls over midnight and month ends.
class FakeClock final : public Clock {
public:
    explicit FakeClock(CalendarTime start);
    CalendarTime now() const override;
    std::int64_t playSeconds() const override { return m_play; }
    void advance(std::int64_t seconds);

private:
    std::int64_t m_wall; // seconds since 1970, read as local time
    std::int64_t m_play = 1000;
};

class FakeRandom final : public RandomSource {
public:
    float nextUniform() override { return value; }
    float value = 0.0F;
};

// Answers each message with the next scripted answer (OK when none is left)
// and keeps every message shown.
class FakePrompter final : public Prompter {
public:
    MessageAnswer ask(const Message& message) override;
    std::deque<MessageAnswer> answers;
    std::vector<Message> shown;
};

// Runs the work at once and keeps what each start said it was doing.
class FakeWorkRunner final : public WorkRunner {
public:
    std::unique_ptr<PendingWork> start(const std::string& what,
                                       std::function<void()> work) override {
        runs.push_back(what);
        return m_inline.start(what, std::move(work));
    }
    std::vector<std::string> runs;

private:
    InlineWorkRunner m_inline;
};

// Keeps what a player would see, as the window would show it.
class FakeView final : public GameView {
public:
    struct AnswerRow {
        std::string number;
        std::string text;
        AnswerKind kind;
    };
    using Rows = std::vector<std::vector<std::string>>;

    std::string shownTopic() const override { return topic; }
    void showTopic(const std::string& text) override { topic = text; }
    void setTopicList(const std::vector<std::string>& topics) override { topicLists = topics; }
    void setPanelTopicList(const std::vector<std::string>& topics) override {
        panelTopicLists = topics;
    }
    void setResultText(ResultLabel label, const std::string& text) override {
        labels[label] = text;
    }
    void clearAnswerBox() override { answerBox.clear(); }
    void focusAnswerBox() override { focus = "txtKaitou"; }
    void focusStartButton() override { focus = "cmdStart"; }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void showTimeLeft(int secondsLeft, int gameLength) override {
        timeBar = std::to_string(secondsLeft) + "/" + std::to_string(gameLength);
    }
    void showFullTime() override { timeBar = "full"; }
    void showCountdownStep(int step) override { startImage = step; }
    void showAnswerRows(const AnswerGrid& grid) override;
    void answerRowAdded(const AnswerGrid& grid) override;
    void setAnswerGridTopRow(std::size_t row) override { answerTopRow = row; }
    void showKnownAnswers(const IndexedTexts& list) override { associations = list.items(); }
    void knownAnswerAdded(const IndexedTexts& list) override { associations = list.items(); }
    void setKnownAnswersVisible(bool visible) override { associationsVisible = visible; }
    void chooseKnownAnswersOption(bool show) override { associationOptionShow = show; }
    void setPlayLengthChoices(const std::vector<std::string>& choices) override {
        playLengthChoices = choices;
    }
    void showPlayLength(const std::string& text) override { playLengthText = text; }
    void showAutoSave(int state) override { autoSaveState = state; }
    void showHistoryRows(const PlayHistoryGrid& grid) override;
    void historyRowAdded(const PlayHistoryGrid& grid) override;
    void setHistoryGridTopRow(std::size_t row) override { historyTopRow = row; }
    std::string panelTopic() const override { return panelTopicText; }
    void setPanelTopic(const std::string& text) override { panelTopicText = text; }
    void showTopicHistory(const TopicHistory& history) override;
    void setTopicPanelVisible(bool visible) override { panelVisible = visible; }
    void showProgress(const std::string& shownTopic, const TopicProgress& topicProgress,
                      const OverallProgress& overallProgress) override {
        progressShown.push_back({shownTopic, topicProgress, overallProgress});
    }
    void showGameCloseUp(const GameCloseUp& closeUp) override { closeUps.push_back(closeUp); }
    void showUnloggedGame(std::size_t savedGame) override { unloggedGames.push_back(savedGame); }

    std::string label(ResultLabel which) const;

    std::string topic;
    std::string panelTopicText = "Combo1";
    std::vector<std::string> topicLists;
    std::vector<std::string> panelTopicLists;
    std::map<ResultLabel, std::string> labels;
    std::string answerBox = "みどり";
    std::string focus;
    bool startEnabled = true;
    std::string timeBar = "full"; // "<seconds left>/<game length>", or "full"
    int startImage = 0;
    std::vector<AnswerRow> answerRows;
    std::optional<std::size_t> answerTopRow;
    std::vector<std::string> associations;
    bool associationsVisible = true;
    std::optional<bool> associationOptionShow;
    std::vector<std::string> playLengthChoices;
    std::string playLengthText = "Combo1";
    int autoSaveState = 0;
    Rows historyRows;
    std::optional<std::size_t> historyTopRow;
    Rows topicLogRows;
    std::vector<std::string> panelAssociations;
    bool panelVisible = true;
    struct ShownProgress {
        std::string topic;
        TopicProgress topicProgress;
        OverallProgress overallProgress;
    };
    std::vector<ShownProgress> progressShown;
    std::vector<GameCloseUp> closeUps;
    std::vector<std::size_t> unloggedGames;
};

} // namespace wordbloom::testing
