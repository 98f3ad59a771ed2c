#include "userdata/Reminders.h"

#include "calendar/DateOperations.h"

#include <gtest/gtest.h>

using namespace vessant;

namespace {

LocalSeconds At(int year, int month, int day, int hour, int minute, int second = 0) {
    return LocalSecondsOf(platform::LOCAL_TIME{year, month, day, hour, minute, second, 0});
}

std::string Text(std::optional<LocalSeconds> seconds) {
    if (!seconds)
        return "none";
    const auto t = LocalTimeOf(*seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

_reminder ClockReminder(int hour, int minute, int recurrence) {
    _reminder r;
    r.timeKind = kReminderTimeClock;
    r.hour = hour;
    r.minute = minute;
    r.recurrence = recurrence;
    return r;
}

// A zman clock that differs from day to day: 16:00 plus the day number modulo 60
// minutes, so a due time taken from the wrong day shows.
bool TestZman(int zman, const DATE_STRUCT& day, int& hour, int& minute) {
    if (zman != kZmanShkia)
        return false;
    hour = 16;
    minute = day.dayNumber % 60;
    return true;
}

LocalSeconds TestZmanOn(int year, int month, int day) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetCivilDate(date, year, month, day);
    return At(year, month, day, 16, date.dayNumber % 60);
}

DATE_STRUCT UK() {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetDayNumber(date, 2460000);
    return date;
}

} // namespace

TEST(ReminderDue, NextDueTimeForEachRecurrence) {
    _reminder fridays = ClockReminder(9, 0, kReminderWeekdays);
    fridays.weekdays = {0, 0, 0, 0, 0, 1, 0};
    _reminder monThu = ClockReminder(9, 0, kReminderWeekdays);
    monThu.weekdays = {0, 1, 0, 0, 1, 0, 0};
    _reminder hebrew30 = ClockReminder(12, 0, kReminderHebrewDay);
    hebrew30.hebrewDay = 30;
    _reminder hebrew5 = ClockReminder(12, 0, kReminderHebrewDay);
    hebrew5.hebrewDay = 5;
    _reminder civil31 = ClockReminder(6, 30, kReminderCivilDay);
    civil31.civilDay = 31;
    _reminder sunset = {};
    sunset.timeKind = kReminderTimeZman;
    sunset.zman = kZmanShkia;
    sunset.offset = -10;

    struct Case {
        const char* why;
        _reminder reminder;
        LocalSeconds now;
        std::optional<LocalSeconds> due;
    };
    const Case cases[] = {
        {"07:00 daily created at 08:00: tomorrow", ClockReminder(7, 0, kReminderDaily),
         At(2025, 1, 3, 8, 0), At(2025, 1, 4, 7, 0)},
        {"09:00 daily created at 08:00: today", ClockReminder(9, 0, kReminderDaily),
         At(2025, 1, 3, 8, 0), At(2025, 1, 3, 9, 0)},
        {"armed again in the second it fired: tomorrow", ClockReminder(7, 0, kReminderDaily),
         At(2025, 1, 3, 7, 0, 0), At(2025, 1, 4, 7, 0)},
        {"one second before: today", ClockReminder(7, 0, kReminderDaily),
         At(2025, 1, 3, 6, 59, 59), At(2025, 1, 3, 7, 0)},
        {"daily across the year's end", ClockReminder(7, 0, kReminderDaily),
         At(2024, 12, 31, 23, 0), At(2025, 1, 1, 7, 0)},
        // 3 January 2025 is a Friday.
        {"Friday only, created on a Friday after its time: a week later", fridays,
         At(2025, 1, 3, 10, 0), At(2025, 1, 10, 9, 0)},
        {"Friday only, on a Friday before its time: today", fridays, At(2025, 1, 3, 8, 0),
         At(2025, 1, 3, 9, 0)},
        {"Monday and Thursday from a Tuesday: Thursday", monThu, At(2024, 12, 31, 8, 0),
         At(2025, 1, 2, 9, 0)},
        {"Monday and Thursday from Thursday evening: Monday", monThu, At(2025, 1, 2, 20, 0),
         At(2025, 1, 6, 9, 0)},
        // Tevet 5785 (1-29 January 2025) has 29 days; Shevat 30 (ends 28 February).
        {"day 30 of a 29-day Hebrew month: the 29th", hebrew30, At(2025, 1, 10, 8, 0),
         At(2025, 1, 29, 12, 0)},
        {"after it: day 30 of the next month", hebrew30, At(2025, 1, 29, 12, 0, 1),
         At(2025, 2, 28, 12, 0)},
        {"on 30 Kislev itself before its time", hebrew30, At(2024, 12, 31, 11, 0),
         At(2024, 12, 31, 12, 0)},
        {"day 5 already past: next month's 5th", hebrew5, At(2025, 1, 10, 8, 0),
         At(2025, 2, 3, 12, 0)},
        {"day 31 of April: the 30th", civil31, At(2025, 4, 2, 8, 0), At(2025, 4, 30, 6, 30)},
        {"day 31 in a common February: the 28th", civil31, At(2025, 2, 1, 0, 0),
         At(2025, 2, 28, 6, 30)},
        {"day 31 in a leap February: the 29th", civil31, At(2024, 2, 29, 6, 0),
         At(2024, 2, 29, 6, 30)},
        {"day 31 after January's: the end of February", civil31, At(2025, 1, 31, 7, 0),
         At(2025, 2, 28, 6, 30)},
        {"10 minutes before the zman: 600 seconds before it", sunset, At(2025, 1, 3, 8, 0),
         TestZmanOn(2025, 1, 3) - 600},
        {"after today's: tomorrow's zman, less 600 seconds", sunset,
         TestZmanOn(2025, 1, 3) - 600, TestZmanOn(2025, 1, 4) - 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Text(NextDueTime(c.reminder, c.now, TestZman, UK())), Text(c.due));
    }
}

TEST(ReminderDue, RemindersWithoutADefinedTimeAreNeverDue) {
    const LocalSeconds now = At(2025, 1, 3, 8, 0);
    _reminder noDays = ClockReminder(9, 0, kReminderWeekdays);
    _reminder noTime = ClockReminder(9, 0, kReminderDaily);
    noTime.timeKind = kReminderTimeNone;
    _reminder badZman;
    badZman.timeKind = kReminderTimeZman;
    badZman.zman = 13;
    _reminder otherZman = badZman;
    otherZman.zman = kZmanAlot;   // the test clock has no dawn
    _reminder badRecurrence = ClockReminder(9, 0, 7);
    _reminder noHebrewDay = ClockReminder(9, 0, kReminderHebrewDay);
    for (const _reminder& r : {noDays, noTime, badZman, otherZman, badRecurrence, noHebrewDay})
        EXPECT_FALSE(NextDueTime(r, now, TestZman, UK()));
    EXPECT_FALSE(NextDueTime(otherZman, now, ZmanClockFunction(), UK())) << "no location";

}

TEST(ReminderDue, LocalSecondsRoundTrip) {
    for (LocalSeconds s : {At(1970, 1, 1, 0, 0), At(2024, 2, 29, 23, 59, 59), At(1969, 12, 31, 12, 0),
                           At(2100, 3, 1, 0, 0, 1)}) {
        const auto t = LocalTimeOf(s);
        EXPECT_EQ(LocalSecondsOf(t), s);
    }
    EXPECT_EQ(At(1970, 1, 2, 0, 0), 86400);
    EXPECT_EQ(DayNumberOf(platform::LOCAL_TIME{2023, 9, 16, 0, 0, 0, 0}), 2460204);
}
