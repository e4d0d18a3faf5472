// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/game_close_up.h"
#include "history/overall_progress.h"
#include "history/progress_view.h"
#include "history/topic_progress.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QLayout;
class QScrollBar;
class QTabWidget;

namespace wordbloom {

class CalendarPanel;
class GamesChartChooser;
class ProgressGamePage;

// The progress window (成績), beside the game's window and never in its way:
// one tab for a topic's games, rates, vocabulary, bests and favourite
// answers, one for a game looked at closely, one for all topics with their
// calendar of days played. It only draws; the numbers come worked out from
// the core.
class ProgressWindow final : public QWidget, public ProgressView {
    Q_OBJECT
public:
    // The games a topic's bar chart shows at once; a scroll bar pages
    // through more.
    static constexpr std::size_t kGamesPerPage = 50;

    explicit ProgressWindow(QWidget* parent);

    // Shows the charts (the data is the caller's and stays valid until the
    // next call) and brings the window to the front. A topic's newest games
    // are in view.
    void showProgress(const std::string& topic, const TopicProgress& topicProgress,
                      const OverallProgress& overallProgress) override;
    // Shows a game looked at closely (the caller's, valid until the next
    // call), or that a saved game has no answers in the log.
    void showGameCloseUp(const GameCloseUp& closeUp) override;
    void showUnloggedGame(std::size_t savedGame) override;

    // What the charts show, for the tests and for screen readers.
    QChart* gamesChart() const;
    QChart* vocabularyChart() const;
    QChart* weeklyChart() const;
    QChart* mostPlayedChart() const;
    QScrollBar* gamesScrollBar() const { return m_pages; }

signals:
    // The player chose a saved game on the games chart, or a game of the
    // answer log in the list of the game's page.
    void savedGameChosen(std::size_t savedGame);
    void loggedGameChosen(std::size_t game);

protected:
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLayout* answersRow(QWidget* topicPage);
    void addGamePage();
    void showGamesFrom(int first);
    void describeGamesChart();

    QTabWidget* m_tabs = nullptr;
    QLabel* m_topicLabel = nullptr;
    QLabel* m_bests = nullptr;
    QLabel* m_topicNote = nullptr;
    QLabel* m_overallNote = nullptr;
    QChartView* m_games = nullptr;
    QScrollBar* m_pages = nullptr;
    QChartView* m_vocabulary = nullptr;
    QChartView* m_weekly = nullptr;
    QChartView* m_mostPlayed = nullptr;
    QChartView* m_favourites = nullptr;
    QLabel* m_answerCounts = nullptr;
    GamesChartChooser* m_chooser = nullptr;
    ProgressGamePage* m_gamePage = nullptr;
    CalendarPanel* m_calendar = nullptr;
    const TopicProgress* m_topic = nullptr;
};

} // namespace wordbloom
