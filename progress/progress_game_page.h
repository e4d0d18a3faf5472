// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/game_close_up.h"
#include "history/topic_progress.h"

#include <QWidget>

class QChartView;
class QComboBox;
class QLabel;
class QTableView;

namespace wordbloom {

class RowsModel;

// The page of the progress window that looks closely at one game of the
// topic's answer log: its answers with their kinds, its pace, and the answers
// known before it that it did not give. It only shows what the core worked
// out; the player chooses a game in its list or on the games chart.
class ProgressGamePage final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressGamePage(QWidget* parent);

    // The topic's games (the data is the caller's and stays valid until the
    // next call); the page is empty until a game is shown.
    void setTopic(const TopicProgress& topic);
    // Shows one game (the close-up is the caller's, valid until the next call).
    void showCloseUp(const GameCloseUp& closeUp);
    // Shows that a saved game has no answers in the log.
    void showUnloggedGame(std::size_t savedGame);

signals:
    // The player chose a game of the log in the page's list.
    void loggedGameChosen(std::size_t game);

private:
    void clearGame();

    const TopicProgress* m_topic = nullptr;
    QComboBox* m_choice = nullptr;
    RowsModel* m_games = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_note = nullptr;
    QTableView* m_answers = nullptr;
    RowsModel* m_answerRows = nullptr;
    QChartView* m_pace = nullptr;
    QLabel* m_recalled = nullptr;
    QTableView* m_notRecalled = nullptr;
    RowsModel* m_notRecalledRows = nullptr;
};

} // namespace wordbloom
