// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/calendar_days.h"
#include "history/play_calendar.h"

#include <gtest/gtest.h>

namespace wordbloom {
namespace {

int day(const char* date) {
    return dayOfStoredDate(date).value();
}

std::string streak(const std::optional<Streak>& each) {
    return each ? storedDateOf(each->first) + "-" + storedDateOf(each->last) : "none";
}

TEST(PlayCalendarTest, StreaksRunAcrossMonthsAndYearsAndStayCurrentUntilADayIsMissed) {
    struct Case {
        std::vector<const char*> games;
        const char* today;
        const char* longest;
        const char* current;
    };
    const Case cases[] = {
        {{"2024/01/30", "2024/02/01", "2024/01/31", "2024/02/01", "2024/02/03"},
         "2024/02/04",
         "2024/01/30-2024/02/01",
         "2024/02/03-2024/02/03"}, // yesterday's game keeps it current
        {{"2023/12/30", "2023/12/31", "2024/01/01"}, "2024/01/03", "2023/12/30-2024/01/01", "none"},
        // Of two as long, the later; a leap day between months.
        {{"2024/02/28", "2024/02/29", "2024/03/01", "2024/03/05", "2024/03/06", "2024/03/07"},
         "2024/03/07",
         "2024/03/05-2024/03/07",
         "2024/03/05-2024/03/07"},
        {{"2023/02/28", "2023/03/01"},
         "2023/03/01",
         "2023/02/28-2023/03/01",
         "2023/02/28-2023/03/01"},
        {{}, "2024/01/01", "none", "none"},
    };
    for (const Case& each : cases) {
        std::vector<int> days;
        for (const char* date : each.games) {
            days.push_back(day(date));
        }
        PlayCalendar calendar = playCalendar(days);
        setToday(calendar, day(each.today));
        EXPECT_EQ(streak(calendar.longest), each.longest) << each.today;
        EXPECT_EQ(streak(calendar.current), each.current) << each.today;
    }
}

TEST(PlayCalendarTest, AYearHasItsGamesDayByDay) {
    const PlayCalendar calendar =
        playCalendar({day("2024/02/01"), day("2023/12/31"), day("2024/02/01"), day("2024/12/31")});
    const std::vector<std::size_t> year = gamesOfYear(calendar, 2024);
    ASSERT_EQ(year.size(), 366U);
    EXPECT_EQ(year[0], 0U);
    EXPECT_EQ(year[31], 2U);
    EXPECT_EQ(year[365], 1U);
    EXPECT_EQ(gamesOfYear(calendar, 2023).size(), 365U);
    EXPECT_EQ(gamesOfYear(calendar, 2023)[364], 1U);
    EXPECT_EQ(yearOfDay(day("2023/12/31")), 2023);
    EXPECT_EQ(firstDayOfYear(2024), day("2024/01/01"));
}

} // namespace
} // namespace wordbloom
