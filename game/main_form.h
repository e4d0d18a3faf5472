#pragma once

#include "answer_judging.h"
#include "clock.h"
#include "game_state.h"
#include "game_view.h"
#include "history/play_history_grid.h"
#include "history/topic_history.h"
#include "prompter.h"
#include "random_source.h"
#include "record/file_error.h"
#include "record/topic_files.h"
#include "record/work_dir.h"
#include "work_runner.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wordbloom {

// The main window's state and event handlers, without a single widget: the
// window binds each control event to the handler of the same name and shows
// what the handlers send to the view. Everything runs on one thread and each
// handler runs to completion; only the reading of large files is handed to
// the work runner, which returns when it is done.
class MainForm {
public:
    MainForm(WorkDir dir, Clock& clock, RandomSource& random, GameView& view, Prompter& prompter,
             WorkRunner& runner);

    // Starts reading the play history, the longest part of start-up, so that
    // it can go on while the window builds its controls. Nothing is shown.
    void beginStartUp();

    // Start-up, up to showing the window: lays out the grids, loads the play
    // history (waiting for the reading that beginStartUp started, or reading
    // it now), the settings and the topic list. A failure throws FileError;
    // the window reports it and the program ends.
    void startUp();

    void choosePlayLength(const std::string& text);
    void setAutoSave(int state);

    void pickTopic();
    void startWithRandomTopic();
    void startWithShownTopic();
    void countdownTick();
    void playClockTick();

    // Enter in the answer box with its text. Returns false when the Enter
    // key is not used (an empty box) and goes on to the text box.
    bool submitAnswer(const std::string& typed);

    void save();

    void takeTopicOfHistoryRow(std::size_t row);
    void clearPlayHistory();
    void openTopicPanel();
    void pickPanelTopic();
    void closeTopicPanel();
    void hideTopicPanel();
    void hideKnownAnswers();
    void showKnownAnswers();
    void clearTopicData();

    const GameState& state() const { return m_state; }
    const std::vector<std::string>& topics() const { return m_topics; }
    const IndexedTexts& associations() const { return m_associations; }
    const IndexedTexts& gameAnswers() const { return m_gameAnswers; }
    const PlayHistoryGrid& history() const { return m_history; }
    const TopicHistory& topicHistory() const { return m_topicHistory; }

private:
    void resetForNewGame(bool emptyTopicBox);
    void showTopicHistory(const std::string& topic);
    bool loadTopic(const std::string& topic);
    void loadKnownAnswers(const std::string& topic);
    void showCounters();
    void endGame();
    void saveSettings();
    void setStartEnabled(bool enabled);

    // The topic in the form the files keep it, or nothing after telling the
    // player why it cannot be used.
    std::optional<std::string> usableTopic(const std::string& topic);
    void reportFileError(const FileError& error, const std::string& context);

    WorkDir m_dir;
    Clock& m_clock;
    RandomSource& m_random;
    GameView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;

    GameState m_state;
    bool m_startEnabled = true;
    std::vector<std::string> m_topics;
    IndexedTexts m_associations; // the association list on the game panel
    IndexedTexts m_gameAnswers;  // the answers of the current game, in grid order
    PlayHistoryGrid m_history;
    TopicHistory m_topicHistory;
    // The play history as beginStartUp reads it, and that reading. The
    // reading goes first when the form goes.
    std::unique_ptr<PlayHistoryGrid> m_startingHistory;
    std::unique_ptr<PendingWork> m_startingRead;
};

// The game number for a topic's next game: one more than the last logged
// answer's when that answer is from today, otherwise 1.
std::int16_t nextGameNumber(const std::optional<AnswerLogRecord>& last, const CalendarTime& today);

} // namespace wordbloom
