// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <cstddef>
#include <optional>

class QChartView;
class QScrollBar;

namespace wordbloom {

// Lets the player choose a game on a topic's games chart: a click on its bar
// chooses it; on the chart, the arrow keys, Home and End move a highlight
// from bar to bar (paging the chart as they go), and Enter or Space chooses
// the highlighted game.
class GamesChartChooser final : public QObject {
    Q_OBJECT
public:
    // `pages` scrolls the chart: its value is the first game shown.
    GamesChartChooser(QChartView* chart, QScrollBar* pages);

    // A topic with this many games: the newest is highlighted.
    void setGameCount(std::size_t games);
    // The chart was made anew for another page of games.
    void chartReplaced();

    std::optional<std::size_t> highlighted() const { return m_highlighted; }

signals:
    void highlightedChanged(std::size_t game);
    void chosen(std::size_t game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clickedAt(QPoint point);
    void highlight(std::size_t game);
    void markHighlighted();
    std::size_t firstShown() const;

    QChartView* m_chart;
    // Kept from the start: while the chart view is being destroyed, its
    // children's events still come here and the view can no longer be asked.
    QWidget* m_viewport;
    QScrollBar* m_pages;
    std::size_t m_games = 0;
    std::optional<std::size_t> m_highlighted;
};

} // namespace wordbloom
