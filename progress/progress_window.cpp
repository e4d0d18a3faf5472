// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_window.h"
#include "progress_window_maker.h"

#include "calendar_panel.h"
#include "dialogue/messages.h"
#include "games_chart_chooser.h"
#include "insight_charts.h"
#include "look/fonts.h"
#include "progress_charts.h"
#include "progress_game_page.h"
#include "widgets/shown_text.h"

#include <QChartView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wordbloom {

namespace {

// A stored time; one edited by hand may be long.
constexpr std::size_t kStoredTimeCharacters = 10;

QChartView* chartView(QWidget* parent, const char* name) {
    auto* view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

// Puts a new chart in a view; the view owns it and lets the old one go. A
// screen reader reads the chart's title, or its note when it is empty.
void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    view->setAccessibleName(chart->title());
    delete old;
}

QLabel* noteLabel(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #804000;"));
    note->hide();
    return note;
}

void showNote(QLabel* note, const std::string& text) {
    note->setText(QString::fromStdString(text));
    note->setVisible(!text.empty());
}

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(QStringLiteral("成績"));
    setFont(windowFont(9));
    resize(880, 800);

    m_tabs = new QTabWidget(this);
    auto* topicPage = new QWidget;
    m_topicLabel = new QLabel(topicPage);
    m_topicLabel->setObjectName(QStringLiteral("progressTopic"));
    m_topicLabel->setFont(windowFont(14.25));
    m_topicLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_bests = new QLabel(topicPage);
    m_bests->setObjectName(QStringLiteral("progressBests"));
    m_topicNote = noteLabel(topicPage);
    m_games = chartView(topicPage, "progressGames");
    m_pages = new QScrollBar(Qt::Horizontal, topicPage);
    m_pages->setObjectName(QStringLiteral("progressGamesPages"));
    m_pages->setAccessibleName(QStringLiteral("表示するゲーム"));
    // Reached by Tab, the arrow keys and Page Up/Down page through the games.
    m_pages->setFocusPolicy(Qt::StrongFocus);
    auto* topicLayout = new QVBoxLayout(topicPage);
    topicLayout->addWidget(m_topicLabel);
    topicLayout->addWidget(m_bests);
    topicLayout->addWidget(m_topicNote);
    topicLayout->addWidget(m_games, 3);
    topicLayout->addWidget(m_pages);
    topicLayout->addLayout(answersRow(topicPage), 5);
    m_tabs->addTab(topicPage, QStringLiteral("お題"));

    auto* overallPage = new QWidget;
    m_overallNote = noteLabel(overallPage);
    m_weekly = chartView(overallPage, "progressWeeks");
    m_mostPlayed = chartView(overallPage, "progressMostPlayed");
    m_calendar = new CalendarPanel(overallPage);
    auto* overallLayout = new QVBoxLayout(overallPage);
    overallLayout->addWidget(m_overallNote);
    overallLayout->addWidget(m_weekly, 1);
    overallLayout->addWidget(m_mostPlayed, 1);
    overallLayout->addWidget(m_calendar);
    m_tabs->addTab(overallPage, QStringLiteral("すべてのお題"));
    addGamePage();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    connect(m_pages, &QScrollBar::valueChanged, this, &ProgressWindow::showGamesFrom);
}

// The topic's vocabulary beside its favourite answers.
QLayout* ProgressWindow::answersRow(QWidget* topicPage) {
    m_vocabulary = chartView(topicPage, "progressVocabulary");
    m_answerCounts = new QLabel(topicPage);
    m_answerCounts->setObjectName(QStringLiteral("progressAnswerCounts"));
    m_favourites = chartView(topicPage, "progressFavourites");
    m_favourites->setMinimumHeight(300);
    auto* favourites = new QVBoxLayout;
    favourites->addWidget(m_answerCounts);
    favourites->addWidget(m_favourites, 1);
    auto* answers = new QHBoxLayout;
    answers->addWidget(m_vocabulary, 1);
    answers->addLayout(favourites, 1);
    return answers;
}

// The page of one game looked at closely, chosen on the games chart or in
// the page's own list.
void ProgressWindow::addGamePage() {
    m_chooser = new GamesChartChooser(m_games, m_pages);
    m_gamePage = new ProgressGamePage(m_tabs);
    m_tabs->addTab(m_gamePage, QStringLiteral("ゲームを詳しく"));
    connect(m_chooser, &GamesChartChooser::highlightedChanged, this,
            &ProgressWindow::describeGamesChart);
    connect(m_chooser, &GamesChartChooser::chosen, this, [this](std::size_t game) {
        m_tabs->setCurrentWidget(m_gamePage);
        emit savedGameChosen(game);
    });
    connect(m_gamePage, &ProgressGamePage::loggedGameChosen, this,
            &ProgressWindow::loggedGameChosen);
}

void ProgressWindow::showProgress(const std::string& topic, const TopicProgress& topicProgress,
                                  const OverallProgress& overallProgress) {
    m_topic = &topicProgress;
    m_topicLabel->setText(shownText(topic));
    m_bests->setText(bestsSummary(topicProgress));
    showNote(m_topicNote, progressLeftOutNote(topicProgress.skippedHistoryLines,
                                              topicProgress.skippedAnswerLogLines,
                                              topicProgress.unreadableDates));
    showNote(m_overallNote, progressLeftOutNote(overallProgress.skippedHistoryLines, 0,
                                                overallProgress.unreadableDates +
                                                    overallProgress.gamesOutsideWeeks));

    const std::size_t games = topicProgress.games.size();
    const int lastPage = static_cast<int>(games > kGamesPerPage ? games - kGamesPerPage : 0);
    const QSignalBlocker quiet(m_pages);
    m_pages->setRange(0, lastPage);
    m_pages->setPageStep(static_cast<int>(kGamesPerPage));
    m_pages->setValue(lastPage);
    m_pages->setVisible(lastPage > 0);
    m_chooser->setGameCount(games);
    showGamesFrom(lastPage);

    replaceChart(m_vocabulary, wordbloom::vocabularyChart(topicProgress));
    replaceChart(m_weekly, weeklyGamesChart(overallProgress));
    replaceChart(m_mostPlayed, wordbloom::mostPlayedChart(overallProgress));
    replaceChart(m_favourites, favouritesChart(topicProgress));
    m_favourites->setAccessibleDescription(favouritesDescription(topicProgress));
    m_answerCounts->setText(QStringLiteral("回答 %1 のうち、ちがう回答 %2")
                                .arg(topicProgress.answerLog.answerCount())
                                .arg(topicProgress.answerLog.differentAnswers()));
    m_calendar->setCalendar(overallProgress.calendar);
    m_gamePage->setTopic(topicProgress);

    m_tabs->setCurrentIndex(0);
    show();
    raise();
    activateWindow();
}

void ProgressWindow::showGameCloseUp(const GameCloseUp& closeUp) {
    m_gamePage->showCloseUp(closeUp);
}

void ProgressWindow::showUnloggedGame(std::size_t savedGame) {
    m_gamePage->showUnloggedGame(savedGame);
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProgressWindow::showGamesFrom(int first) {
    if (m_topic == nullptr) {
        return;
    }
    replaceChart(m_games,
                 topicGamesChart(*m_topic, static_cast<std::size_t>(first), kGamesPerPage));
    m_chooser->chartReplaced();
    describeGamesChart();
}

// A screen reader hears the bests and the highlighted game.
void ProgressWindow::describeGamesChart() {
    QString description = m_bests->text();
    const auto game = m_chooser->highlighted();
    if (m_topic != nullptr && game && *game < m_topic->games.size()) {
        const TopicGame& played = m_topic->games[*game];
        description += QStringLiteral("\n%1 ゲーム目、%2 %3: 新 %4・既 %5・重 %6。"
                                      "Enter で詳しく見ます")
                           .arg(*game + 1)
                           .arg(QString::fromStdString(played.date),
                                shownStart(played.time, kStoredTimeCharacters))
                           .arg(played.newAnswers)
                           .arg(played.existingAnswers)
                           .arg(played.duplicateAnswers);
    }
    m_games->setAccessibleDescription(description);
}

QChart* ProgressWindow::gamesChart() const {
    return m_games->chart();
}

QChart* ProgressWindow::vocabularyChart() const {
    return m_vocabulary->chart();
}

QChart* ProgressWindow::weeklyChart() const {
    return m_weekly->chart();
}

QChart* ProgressWindow::mostPlayedChart() const {
    return m_mostPlayed->chart();
}

ProgressView* makeProgressWindow(QWidget* parent, const ProgressChoices& choices) {
    auto* window = new ProgressWindow(parent);
    QObject::connect(window, &ProgressWindow::savedGameChosen, window, choices.savedGameChosen);
    QObject::connect(window, &ProgressWindow::loggedGameChosen, window, choices.loggedGameChosen);
    return window;
}

} // namespace wordbloom
