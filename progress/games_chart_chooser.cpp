// SPDX-License-Identifier: GPL-3.0-or-later
#include "games_chart_chooser.h"

#include <QBarSet>
#include <QChartView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <cmath>

namespace wordbloom {

namespace {

// How much darker the highlighted game's bar is than the others: its 新, 既
// and 重 still read apart.
constexpr int kHighlightDarkness = 220;

QStackedBarSeries* barsOf(QChartView* view) {
    for (QAbstractSeries* series : view->chart()->series()) {
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) {
            return bars;
        }
    }
    return nullptr;
}

} // namespace

GamesChartChooser::GamesChartChooser(QChartView* chart, QScrollBar* pages)
    : QObject(chart), m_chart(chart), m_viewport(chart->viewport()), m_pages(pages) {
    m_chart->setFocusPolicy(Qt::StrongFocus);
    m_chart->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void GamesChartChooser::setGameCount(std::size_t games) {
    m_games = games;
    m_highlighted.reset();
    if (games > 0) {
        highlight(games - 1);
    }
}

std::size_t GamesChartChooser::firstShown() const {
    return static_cast<std::size_t>(m_pages->value());
}

void GamesChartChooser::chartReplaced() {
    markHighlighted();
}

// A click anywhere in a bar's column of the plot chooses its game: the marks
// of the bests lie over the bars and would take a click on the bar itself.
void GamesChartChooser::clickedAt(QPoint point) {
    QChart* chart = m_chart->chart();
    QStackedBarSeries* bars = barsOf(m_chart);
    const QPointF inChart = chart->mapFromScene(m_chart->mapToScene(point));
    if (bars == nullptr || !chart->plotArea().contains(inChart)) {
        return;
    }
    const long bar = std::lround(chart->mapToValue(inChart, bars).x());
    const std::size_t game = firstShown() + static_cast<std::size_t>(std::max(0L, bar));
    if (bar >= 0 && game < m_games) {
        highlight(game);
        emit chosen(game);
    }
}

void GamesChartChooser::highlight(std::size_t game) {
    if (game >= m_games) {
        return;
    }
    m_highlighted = game;
    // Paging replaces the chart, which marks the highlight anew.
    const auto perPage = static_cast<std::size_t>(m_pages->pageStep());
    if (game < firstShown()) {
        m_pages->setValue(static_cast<int>(game));
    } else if (perPage > 0 && game >= firstShown() + perPage) {
        m_pages->setValue(static_cast<int>(game + 1 - perPage));
    }
    markHighlighted();
    emit highlightedChanged(game);
}

void GamesChartChooser::markHighlighted() {
    QStackedBarSeries* bars = barsOf(m_chart);
    if (bars == nullptr) {
        return;
    }
    for (QBarSet* set : bars->barSets()) {
        set->setSelectedColor(set->color().darker(kHighlightDarkness));
        set->deselectAllBars();
        if (m_highlighted && *m_highlighted >= firstShown()) {
            set->selectBar(static_cast<int>(*m_highlighted - firstShown()));
        }
    }
}

bool GamesChartChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::MouseButtonPress) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton) {
            clickedAt(click->position().toPoint());
        }
    }
    if (watched != m_chart || event->type() != QEvent::KeyPress || m_games == 0) {
        return QObject::eventFilter(watched, event);
    }
    const std::size_t current = m_highlighted.value_or(m_games - 1);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
        highlight(current > 0 ? current - 1 : 0);
        return true;
    case Qt::Key_Right:
        highlight(current + 1);
        return true;
    case Qt::Key_Home:
        highlight(0);
        return true;
    case Qt::Key_End:
        highlight(m_games - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit chosen(current);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace wordbloom
