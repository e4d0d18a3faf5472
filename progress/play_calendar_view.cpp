// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_calendar_view.h"

#include "history/calendar_days.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <array>

namespace wordbloom {

namespace {

constexpr int kCell = 11;
constexpr int kStep = kCell + 2;
constexpr int kDaysInWeek = 7;
constexpr int kWeeksShown = 54; // a year touches at most 54 weeks

struct Shade {
    std::size_t fewestGames;
    QColor colour;
    const char* legend;
};

// The shades from no game to many, with what the legend says of each.
const std::array<Shade, 5> kShades{{{0, QColor(0xEB, 0xED, 0xF0), "0"},
                                    {1, QColor(0xC6, 0xE4, 0x8B), "1"},
                                    {2, QColor(0x7B, 0xC9, 0x6F), "2〜3"},
                                    {4, QColor(0x23, 0x9A, 0x3B), "4〜6"},
                                    {7, QColor(0x19, 0x61, 0x27), "7〜"}}};

QColor shadeOf(std::size_t games) {
    QColor colour = kShades.front().colour;
    for (const Shade& shade : kShades) {
        if (games >= shade.fewestGames) {
            colour = shade.colour;
        }
    }
    return colour;
}

int lastDayOfYear(int year) {
    return firstDayOfYear(year + 1) - 1;
}

// "5 日（2024/03/01〜2024/03/05）", or "なし".
QString streakText(const std::optional<Streak>& streak) {
    if (!streak) {
        return QStringLiteral("なし");
    }
    return QStringLiteral("%1 日（%2〜%3）")
        .arg(streak->days())
        .arg(QString::fromStdString(storedDateOf(streak->first)),
             QString::fromStdString(storedDateOf(streak->last)));
}

} // namespace

PlayCalendarView::PlayCalendarView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progressCalendar"));
    setAccessibleName(QStringLiteral("遊んだ日のカレンダー"));
    setFocusPolicy(Qt::StrongFocus);
}

void PlayCalendarView::setCalendar(const PlayCalendar& calendar) {
    m_calendar = &calendar;
    const int today = calendar.today.value_or(0);
    const int lastPlayed = calendar.days.empty() ? today : calendar.days.back().day;
    m_firstYear = yearOfDay(calendar.days.empty() ? today : calendar.days.front().day);
    m_lastYear = std::max(yearOfDay(lastPlayed), calendar.today ? yearOfDay(today) : m_firstYear);
    layOutYear(yearOfDay(lastPlayed));
    focusDay(lastPlayed);
}

void PlayCalendarView::layOutYear(int year) {
    m_year = year;
    m_games = m_calendar != nullptr ? gamesOfYear(*m_calendar, year) : std::vector<std::size_t>();
    emit yearShown(year);
}

void PlayCalendarView::showYear(int year) {
    year = std::clamp(year, m_firstYear, m_lastYear);
    const int dayOfYear = m_focused - firstDayOfYear(m_year);
    focusDay(std::min(firstDayOfYear(year) + dayOfYear, lastDayOfYear(year)));
}

QString PlayCalendarView::dayText(int day) const {
    static const std::array<const char*, kDaysInWeek> weekdays{"月", "火", "水", "木",
                                                               "金", "土", "日"};
    const QString date = QString::fromStdString(storedDateOf(day));
    const auto weekday = static_cast<std::size_t>(day - mondayOf(day));
    const std::size_t games = gamesOn(day);
    return QStringLiteral("%1（%2）%3")
        .arg(date, QString::fromUtf8(weekdays[weekday]),
             games == 0 ? QStringLiteral("ゲームなし") : QStringLiteral("%1 ゲーム").arg(games));
}

QString PlayCalendarView::streaksText() const {
    if (m_calendar == nullptr) {
        return {};
    }
    return QStringLiteral("いまの連続: %1　最長の連続: %2")
        .arg(streakText(m_calendar->current), streakText(m_calendar->longest));
}

QSize PlayCalendarView::sizeHint() const {
    const int text = fontMetrics().height();
    return {2 * text + kWeeksShown * kStep, text + kDaysInWeek * kStep + 2 * text};
}

QRect PlayCalendarView::dayRect(int day) const {
    const int text = fontMetrics().height();
    const int start = mondayOf(firstDayOfYear(m_year));
    const int week = (day - start) / kDaysInWeek;
    const int weekday = (day - start) % kDaysInWeek;
    return {2 * text + week * kStep, text + weekday * kStep, kCell, kCell};
}

std::optional<int> PlayCalendarView::dayAt(QPoint point) const {
    for (int day = firstDayOfYear(m_year); day <= lastDayOfYear(m_year); ++day) {
        if (dayRect(day).adjusted(-1, -1, 1, 1).contains(point)) {
            return day;
        }
    }
    return std::nullopt;
}

std::size_t PlayCalendarView::gamesOn(int day) const {
    const int index = day - firstDayOfYear(m_year);
    return index >= 0 && index < static_cast<int>(m_games.size())
               ? m_games[static_cast<std::size_t>(index)]
               : 0;
}

void PlayCalendarView::focusDay(int day) {
    day = std::clamp(day, firstDayOfYear(m_firstYear), lastDayOfYear(m_lastYear));
    if (yearOfDay(day) != m_year) {
        layOutYear(yearOfDay(day));
    }
    m_focused = day;
    std::size_t played = 0;
    std::size_t games = 0;
    for (const std::size_t each : m_games) {
        played += each > 0 ? 1 : 0;
        games += each;
    }
    setAccessibleDescription(
        dayText(day) +
        QStringLiteral("。%1 年: 遊んだ日 %2 日、ゲーム %3。").arg(m_year).arg(played).arg(games) +
        streaksText());
    update();
}

void PlayCalendarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int text = fontMetrics().height();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int month = 1; month <= 12; ++month) {
        painter.drawText(dayRect(firstDayOfMonth(m_year, month)).left(), text - 2,
                         QStringLiteral("%1月").arg(month));
    }
    for (const auto& [row, name] : {std::pair{0, "月"}, {2, "水"}, {4, "金"}}) {
        painter.drawText(0, text + row * kStep + kCell, QString::fromUtf8(name));
    }
    for (int day = firstDayOfYear(m_year); day <= lastDayOfYear(m_year); ++day) {
        painter.fillRect(dayRect(day), shadeOf(gamesOn(day)));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(dayRect(m_focused).adjusted(-1, -1, 1, 1));
    }
    paintLegend(painter, text + kDaysInWeek * kStep + 4);
}

void PlayCalendarView::paintLegend(QPainter& painter, int top) const {
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().color(QPalette::WindowText));
    int x = 2 * metrics.height();
    const QString heading = QStringLiteral("1 日のゲーム数:");
    painter.drawText(x, top + kCell, heading);
    x += metrics.horizontalAdvance(heading) + kStep;
    for (const Shade& shade : kShades) {
        painter.fillRect(x, top + 1, kCell, kCell, shade.colour);
        x += kStep;
        const QString label = QString::fromUtf8(shade.legend);
        painter.drawText(x, top + kCell, label);
        x += metrics.horizontalAdvance(label) + kStep;
    }
}

void PlayCalendarView::keyPressEvent(QKeyEvent* event) {
    const int day = m_focused;
    switch (event->key()) {
    case Qt::Key_Left:
        return focusDay(day - kDaysInWeek);
    case Qt::Key_Right:
        return focusDay(day + kDaysInWeek);
    case Qt::Key_Up:
        return focusDay(day - 1);
    case Qt::Key_Down:
        return focusDay(day + 1);
    case Qt::Key_Home:
        return focusDay(firstDayOfYear(m_year));
    case Qt::Key_End:
        return focusDay(lastDayOfYear(m_year));
    case Qt::Key_PageUp:
        return showYear(m_year - 1);
    case Qt::Key_PageDown:
        return showYear(m_year + 1);
    default:
        QWidget::keyPressEvent(event);
    }
}

void PlayCalendarView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (const auto day = dayAt(event->position().toPoint())) {
        focusDay(*day);
    }
}

bool PlayCalendarView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto day = dayAt(help->pos())) {
            QToolTip::showText(help->globalPos(), dayText(*day), this, dayRect(*day));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace wordbloom
