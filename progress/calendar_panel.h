// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/play_calendar.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace wordbloom {

class PlayCalendarView;

// The days played across all topics on the page of all topics: a year of
// days with buttons to the years before and after, and the current and the
// longest streak of days in a row with a game.
class CalendarPanel final : public QWidget {
    Q_OBJECT
public:
    explicit CalendarPanel(QWidget* parent);

    // Shows the calendar (the caller's, valid until the next call).
    void setCalendar(const PlayCalendar& calendar);

    PlayCalendarView* view() const { return m_view; }

private:
    void yearShown(int year);

    PlayCalendarView* m_view = nullptr;
    QLabel* m_year = nullptr;
    QToolButton* m_earlier = nullptr;
    QToolButton* m_later = nullptr;
    QLabel* m_streaks = nullptr;
};

} // namespace wordbloom
