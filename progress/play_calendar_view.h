// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/play_calendar.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace wordbloom {

// A year of days as a grid of squares, a column per week from Monday to
// Sunday, each square coloured by the games played that day, with a legend
// below. One day has the keyboard's attention: the arrow keys move it by a
// day or a week, Home and End to the year's ends, Page Up and Page Down by a
// year. That day's date and games, then the year's and the streaks, are the
// grid's accessible description, as any day's are its tool tip.
class PlayCalendarView final : public QWidget {
    Q_OBJECT
public:
    explicit PlayCalendarView(QWidget* parent);

    // Shows the calendar (the caller's, valid until the next call) on the
    // year of its last day played, that day in view.
    void setCalendar(const PlayCalendar& calendar);

    int year() const { return m_year; }
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }
    int focusedDay() const { return m_focused; }
    // Moves to the same day of another year between the first and the last.
    void showYear(int year);

    // "2024/01/15（月）3 ゲーム".
    QString dayText(int day) const;
    // The current and the longest streak with their dates.
    QString streaksText() const;
    // Where the square of a day of the year shown is.
    QRect dayRect(int day) const;

    QSize sizeHint() const override;

signals:
    void yearShown(int year);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::optional<int> dayAt(QPoint point) const;
    std::size_t gamesOn(int day) const;
    void layOutYear(int year);
    void focusDay(int day);
    void paintLegend(QPainter& painter, int top) const;

    const PlayCalendar* m_calendar = nullptr;
    int m_firstYear = 1970;
    int m_lastYear = 1970;
    int m_year = 1970;
    int m_focused = 0;
    std::vector<std::size_t> m_games; // of each day of the year shown
};

} // namespace wordbloom
