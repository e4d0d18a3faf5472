// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_panel.h"

#include "play_calendar_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace wordbloom {

namespace {

QToolButton* yearButton(QWidget* parent, const char* name, const QString& arrow,
                        const QString& meaning) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(arrow);
    button->setToolTip(meaning);
    button->setAccessibleName(meaning);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

CalendarPanel::CalendarPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("progressCalendarPanel"));
    m_earlier =
        yearButton(this, "progressCalendarEarlier", QStringLiteral("◀"), QStringLiteral("前の年"));
    m_later =
        yearButton(this, "progressCalendarLater", QStringLiteral("▶"), QStringLiteral("次の年"));
    m_year = new QLabel(this);
    m_year->setObjectName(QStringLiteral("progressCalendarYear"));
    m_view = new PlayCalendarView(this);
    m_streaks = new QLabel(this);
    m_streaks->setObjectName(QStringLiteral("progressStreaks"));
    m_streaks->setWordWrap(true);
    m_streaks->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("遊んだ日"), this));
    heading->addStretch(1);
    heading->addWidget(m_earlier);
    heading->addWidget(m_year);
    heading->addWidget(m_later);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(heading);
    layout->addWidget(m_view);
    layout->addWidget(m_streaks);

    connect(m_view, &PlayCalendarView::yearShown, this, &CalendarPanel::yearShown);
    connect(m_earlier, &QToolButton::clicked, this,
            [this] { m_view->showYear(m_view->year() - 1); });
    connect(m_later, &QToolButton::clicked, this, [this] { m_view->showYear(m_view->year() + 1); });
}

void CalendarPanel::setCalendar(const PlayCalendar& calendar) {
    m_view->setCalendar(calendar);
    m_streaks->setText(m_view->streaksText());
}

void CalendarPanel::yearShown(int year) {
    m_year->setText(QStringLiteral("%1 年").arg(year));
    m_earlier->setEnabled(year > m_view->firstYear());
    m_later->setEnabled(year < m_view->lastYear());
}

} // namespace wordbloom
