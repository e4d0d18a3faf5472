// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_grid.h"
#include "answer_judging.h"
#include "clock.h"
#include "game_panel_view.h"
#include "game_state.h"
#include "play_settings.h"
#include "random_source.h"
#include "dialogue/prompter.h"
#include "record/file_error.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "record/work_dir.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace wordbloom {

// One game after another on the game panel: choosing the topic, the
// countdown and the play clock, judging each answer against the topic's known
// answers, and saving the result. Everything runs on one thread and each verb
// runs to completion.
class GameSession {
public:
    GameSession(WorkDir dir, Clock& clock, RandomSource& random, GamePanelView& view,
                Prompter& prompter, const PlaySettings& settings);

    // Called with each saved game, once its record is in "履歴.txt".
    void whenSaved(std::function<void(const PlayRecord&)> saved) { m_saved = std::move(saved); }

    // Start-up (game_session.cpp): an empty board, no results, no answers;
    // then the topics to draw from, the first one shown, the known answers
    // hidden.
    void clearBoard();
    void prepare(std::vector<std::string> topics);

    // Choosing the topic (topic_choice.cpp). The shown topic was picked from
    // the list: its known answers are shown.
    void pickTopic();
    // A topic taken from elsewhere (a play history row) becomes the shown
    // topic, with its known answers; a topic that cannot be used is refused.
    void takeTopic(const std::string& topic);
    // The topic list after the files changed: the topics to draw from, and
    // the shown topic's known answers read again when it has a list. The
    // shown topic stays; with none shown, the first topic is.
    void takeTopicList(std::vector<std::string> topics);

    // The known answers on the panel (known_answers.cpp): the option that
    // shows the shown topic's, the one that hides them, and their going, as
    // after their topic was cleared.
    void showKnownAnswers();
    void hideKnownAnswers();
    void forgetKnownAnswers();

    // Starting a game (game_start.cpp), on a topic drawn from the list or on
    // the shown one.
    void startWithRandomTopic();
    void startWithShownTopic();

    // The two one-second timers (play_clock.cpp).
    void countdownTick();
    void playClockTick();

    // Enter in the answer box with its text (answer_entry.cpp). Returns false
    // when the Enter key is not used (an empty box) and goes on to the text
    // box.
    bool submitAnswer(const std::string& typed);

    // Appends the game to the play history (saving.cpp); refused silently
    // while a game runs or before anything was judged.
    void save();

    const GameState& state() const { return m_state; }
    const std::vector<std::string>& topics() const { return m_topics; }
    const IndexedTexts& associations() const { return m_associations; }
    const IndexedTexts& gameAnswers() const { return m_answerGrid.answers(); }

private:
    // What a start reads from a topic's two files before it changes anything.
    struct TopicFiles {
        std::vector<std::string> associations;
        std::optional<AnswerLogRecord> lastAnswer;
    };
    // Nothing, after telling the player, when either file cannot be read.
    std::optional<TopicFiles> readTopicFiles(const std::string& topic);
    void resetForNewGame(bool emptyTopicBox);
    void loadTopic(TopicFiles files);
    // Reads and shows the topic's known answers; false, after telling the
    // player, when its list cannot be read.
    bool loadKnownAnswers(const std::string& topic);
    // Loads and shows the shown topic's known answers; false when the topic
    // was refused.
    bool showKnownAnswersOfShownTopic();
    void showCounters();
    void endGame();
    void setStartEnabled(bool enabled);
    // The play length that a game's record and rate use: the one it was
    // played with, or the setting when answers came before any game.
    std::int16_t lengthOfGame() const;
    void reportFileError(const FileError& error, const std::string& context);

    WorkDir m_dir;
    Clock& m_clock;
    RandomSource& m_random;
    GamePanelView& m_view;
    Prompter& m_prompter;
    const PlaySettings& m_settings;
    std::function<void(const PlayRecord&)> m_saved;

    GameState m_state;
    bool m_startEnabled = true;
    std::vector<std::string> m_topics;
    IndexedTexts m_associations; // the shown topic's known answers
    AnswerGrid m_answerGrid;     // the answers of the current game
};

// The game number for a topic's next game: one more than the last logged
// answer's when that answer is from today, otherwise 1.
std::int16_t nextGameNumber(const std::optional<AnswerLogRecord>& last, const CalendarTime& today);

} // namespace wordbloom
