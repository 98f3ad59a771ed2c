#include "userdata/EventList.h"
#include "userdata/EventRules.h"

#include "calendar/DateOperations.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

using namespace vessant;

namespace {

struct HebrewDay {
    int year, month, day;
};
struct CivilDay {
    int year, month, day;
};

DATE_STRUCT Hebrew(HebrewDay h) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetHebrewDate(date, h.year, h.month, h.day))
        << h.year << "-" << h.month << "-" << h.day;
    return date;
}

DATE_STRUCT Civil(CivilDay c) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    EXPECT_TRUE(SetCivilDate(date, c.year, c.month, c.day));
    return date;
}

EVENT_MATCH Match(int type, int cal, const DATE_STRUCT& own, const DATE_STRUCT& tested) {
    EVENT_STRUCT event;
    event.type = type;
    event.cal = cal;
    event.jdn = own.dayNumber;
    event.title = L"t";
    DATE_STRUCT eventDay;
    EXPECT_TRUE(EventDay(event.jdn, tested, eventDay));
    return MatchEventOnDay(event, eventDay, tested);
}

class FixedClock {
public:
    explicit FixedClock(CivilDay day) {
        platform::SetNowProvider([day] {
            return platform::LOCAL_TIME{day.year, day.month, day.day, 12, 0, 0, 0};
        });
    }
    ~FixedClock() { platform::SetNowProvider({}); }
};

constexpr int kNo = -1;   // "does not recur" in the tables below

} // namespace

TEST(EventRules, HebrewRecurrenceAndAnnotation) {
    struct Case {
        const char* why;
        int type;
        HebrewDay own;
        HebrewDay tested;
        int years;   // kNo: the event does not recur on the tested day
    };
    const Case cases[] = {
        {"30 Cheshvan in a short Cheshvan: 1 Kislev", 0, {5785, 2, 30}, {5786, 3, 1}, 1},
        {"... not 29 Cheshvan", 0, {5785, 2, 30}, {5786, 2, 29}, kNo},
        {"30 Cheshvan kept in a full Cheshvan", 0, {5785, 2, 30}, {5787, 2, 30}, 2},
        {"... not also 1 Kislev", 0, {5785, 2, 30}, {5787, 3, 1}, kNo},
        {"30 Kislev in a short Kislev: 1 Tevet", 2, {5785, 3, 30}, {5790, 4, 1}, 5},
        {"30 Kislev kept", 2, {5785, 3, 30}, {5786, 3, 30}, 1},
        {"14 Adar I in a common year: 14 Adar", 0, {5784, 6, 14}, {5785, 14, 14}, 1},
        {"14 Adar I in a leap year: Adar I", 0, {5784, 6, 14}, {5787, 6, 14}, 3},
        {"... not Adar II", 0, {5784, 6, 14}, {5787, 7, 14}, kNo},
        {"30 Adar I in a common year: 1 Nisan", 1, {5784, 6, 30}, {5785, 8, 1}, 1},
        {"30 Adar I in a leap year", 1, {5784, 6, 30}, {5787, 6, 30}, 3},
        {"Adar of a common year: Adar II in a leap year", 0, {5785, 14, 10}, {5787, 7, 10}, 2},
        {"... not Adar I", 0, {5785, 14, 10}, {5787, 6, 10}, kNo},
        {"Adar II: Adar in a common year", 2, {5784, 7, 10}, {5785, 14, 10}, 1},
        {"Ashkenazi: Adar death falls in Adar I", 3, {5785, 14, 10}, {5787, 6, 10}, kYearsYahrzeit},
        {"... not Adar II", 3, {5785, 14, 10}, {5787, 7, 10}, kNo},
        {"Adot Mizrach: the same death in Adar II", 4, {5785, 14, 10}, {5787, 7, 10}, kYearsYahrzeit},
        {"Ashkenazi: 30 Adar I on 30 Shevat in a common year", 3, {5784, 6, 30}, {5785, 5, 30}, kYearsYahrzeit},
        {"... not 1 Nisan", 3, {5784, 6, 30}, {5785, 8, 1}, kNo},
        {"Adot Mizrach: 30 Adar I on 1 Nisan", 4, {5784, 6, 30}, {5785, 8, 1}, kYearsYahrzeit},
        {"Ashkenazi: Adar II death in a common year: Adar", 3, {5784, 7, 3}, {5785, 14, 3}, kYearsYahrzeit},
        // 5761 had a short Cheshvan, so a death on 30 Cheshvan 5760 keeps the 29th.
        {"Ashkenazi 30 Cheshvan, first Cheshvan short: 29th", 3, {5760, 2, 30}, {5762, 2, 29}, kYearsYahrzeit},
        {"... not 1 Kislev", 3, {5760, 2, 30}, {5762, 3, 1}, kNo},
        {"... the 30th where there is one", 3, {5760, 2, 30}, {5763, 2, 30}, kYearsYahrzeit},
        // 5764 had a full Cheshvan: 1 Kislev in short years.
        {"Ashkenazi 30 Cheshvan, first Cheshvan full: 1 Kislev", 3, {5763, 2, 30}, {5765, 3, 1}, kYearsYahrzeit},
        {"... not 29 Cheshvan", 3, {5763, 2, 30}, {5765, 2, 29}, kNo},
        {"Ashkenazi 30 Kislev, first Kislev short: 29 Kislev", 3, {5760, 3, 30}, {5765, 3, 29}, kYearsYahrzeit},
        {"Male birthday on its own day: born", 0, {5784, 1, 1}, {5784, 1, 1}, kYearsBornMale},
        {"Male birthday in year 13: Bar Mitzvah", 0, {5784, 1, 1}, {5797, 1, 1}, kYearsMitzvah},
        {"Male birthday in year 12: age", 0, {5784, 1, 1}, {5796, 1, 1}, 12},
        {"Female birthday on its own day", 1, {5784, 1, 1}, {5784, 1, 1}, kYearsBornFemale},
        {"Female birthday in year 12: Bat Mitzvah", 1, {5784, 1, 1}, {5796, 1, 1}, kYearsMitzvah},
        {"Female birthday in year 13: age", 1, {5784, 1, 1}, {5797, 1, 1}, 13},
        {"Anniversary on its own day shows nothing", 2, {5784, 1, 1}, {5784, 1, 1}, kYearsNothing},
        {"Never before the event's year", 2, {5784, 1, 1}, {5783, 1, 1}, kNo},
        {"One-time event on its own day", 5, {5784, 3, 10}, {5784, 3, 10}, kYearsNothing},
        {"One-time event never again", 5, {5784, 3, 10}, {5785, 3, 10}, kNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const EVENT_MATCH match = Match(c.type, kEventCalendarHebrew, Hebrew(c.own), Hebrew(c.tested));
        EXPECT_EQ(match.recurs, c.years != kNo);
        if (c.years == kNo) {
            EXPECT_EQ(match.years, kYearsNothing);
            continue;
        }
        EXPECT_EQ(match.years, c.years);
        EXPECT_EQ(match.matchedCal, c.type <= kEventAnniversary ? kEventCalendarHebrew : 0);
    }
}

TEST(EventRules, CivilRecurrenceAsTheUserReadsTheDate) {
    struct Case {
        const char* why;
        int type;
        CivilDay own;
        CivilDay tested;
        int years;
    };
    const Case cases[] = {
        {"29 February on 28 February of a common year", 2, {2008, 2, 29}, {2009, 2, 28}, 1},
        {"... not 1 March", 2, {2008, 2, 29}, {2009, 3, 1}, kNo},
        {"29 February of a leap year", 2, {2008, 2, 29}, {2012, 2, 29}, 4},
        {"... and not the 28th then", 2, {2008, 2, 29}, {2012, 2, 28}, kNo},
        {"1900 was common in the Gregorian calendar", 2, {1896, 2, 29}, {1900, 2, 28}, 4},
        {"Same month and day", 0, {1990, 7, 4}, {2024, 7, 4}, 34},
        {"Birthday on its own day: born", 0, {1990, 7, 4}, {1990, 7, 4}, kYearsBornMale},
        {"Female birthday on its own day", 1, {1990, 7, 4}, {1990, 7, 4}, kYearsBornFemale},
        {"No Bar Mitzvah text in the civil calendar", 0, {1990, 7, 4}, {2003, 7, 4}, 13},
        {"Yahrzeit by the civil date shows nothing", 3, {1990, 7, 4}, {2003, 7, 4}, kYearsNothing},
        {"Before the event's year", 2, {1990, 7, 4}, {1989, 7, 4}, kNo},
        {"One-time, same year", 5, {1990, 7, 4}, {1990, 7, 4}, kYearsNothing},
        {"One-time, a year later", 5, {1990, 7, 4}, {1991, 7, 4}, kNo},
        // Before 14 September 1752 dates are Julian: 1700 was a Julian leap year.
        {"Julian 29 February 1696 on 29 February 1700", 2, {1696, 2, 29}, {1700, 2, 29}, 4},
        {"... on 28 February of a Julian common year", 2, {1696, 2, 29}, {1701, 2, 28}, 5},
        {"... and 29 February 1704", 2, {1696, 2, 29}, {1704, 2, 29}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const EVENT_MATCH match = Match(c.type, kEventCalendarCivil, Civil(c.own), Civil(c.tested));
        EXPECT_EQ(match.recurs, c.years != kNo);
        if (c.years == kNo)
            continue;
        EXPECT_EQ(match.years, c.years);
        EXPECT_EQ(match.matchedCal, c.type <= kEventAnniversary ? kEventCalendarCivil : 0);
    }
}

TEST(EventRules, CalendarChoiceAndOutOfRangeValues) {
    const DATE_STRUCT own = Civil({2008, 2, 29});
    const DATE_STRUCT civilOnly = Civil({2009, 2, 28});
    DATE_STRUCT hebrewAnniversary = own;
    AddHebrewYears(hebrewAnniversary, 1);
    ASSERT_NE(hebrewAnniversary.dayNumber, civilOnly.dayNumber);

    EXPECT_FALSE(Match(2, kEventCalendarHebrew, own, civilOnly).recurs);
    EXPECT_FALSE(Match(2, kEventCalendarCivil, own, hebrewAnniversary).recurs);
    const EVENT_MATCH byCivil = Match(2, kEventCalendarBoth, own, civilOnly);
    EXPECT_TRUE(byCivil.recurs);
    EXPECT_EQ(byCivil.matchedCal, kEventCalendarCivil);
    const EVENT_MATCH byHebrew = Match(2, kEventCalendarBoth, own, hebrewAnniversary);
    EXPECT_EQ(byHebrew.matchedCal, kEventCalendarHebrew);
    EXPECT_EQ(byHebrew.years, 1);
    EXPECT_EQ(Match(0, kEventCalendarBoth, own, own).matchedCal, kEventCalendarHebrew)
        << "the Hebrew match is reported first";

    for (int cal : {0, 4, -1})
        EXPECT_FALSE(Match(2, cal, own, own).recurs) << "cal " << cal;
    for (int type : {6, -1, 99})
        EXPECT_FALSE(Match(type, kEventCalendarBoth, own, own).recurs) << "type " << type;

    DATE_STRUCT unused;
    EXPECT_FALSE(EventDay(0, own, unused)) << "a missing jdn key never recurs";
    EXPECT_FALSE(EventDay(kLastEventDayNumber + 1, own, unused));
    EXPECT_FALSE(EventDay(-5, own, unused));
}

TEST(EventRules, UpcomingDatesAndBarMitzvah) {
    const auto hebrewUpcoming = [](HebrewDay own, int type, HebrewDay today) {
        DATE_STRUCT result;
        EXPECT_TRUE(UpcomingHebrewDate(Hebrew(today), Hebrew(own).dayNumber, type, result));
        return HebrewDateTriple(result);
    };
    struct Case {
        const char* why;
        HebrewDay own;
        int type;
        HebrewDay today;
        HebrewDay expected;
    };
    const Case cases[] = {
        {"this year's birthday today", {5760, 3, 10}, 0, {5785, 3, 10}, {5785, 3, 10}},
        {"the day after: next year's", {5760, 3, 10}, 0, {5785, 3, 11}, {5786, 3, 10}},
        {"30 Cheshvan next in a short year", {5785, 2, 30}, 2, {5785, 12, 1}, {5786, 3, 1}},
        {"Adar I birthday in a common year", {5784, 6, 14}, 1, {5785, 1, 1}, {5785, 14, 14}},
        {"Ashkenazi yahrzeit of 30 Adar I", {5784, 6, 30}, 3, {5785, 1, 1}, {5785, 5, 30}},
        {"Adot Mizrach yahrzeit of 30 Adar I", {5784, 6, 30}, 4, {5785, 1, 1}, {5785, 8, 1}},
        {"an event entered in advance: its own day", {5790, 1, 5}, 0, {5785, 1, 1}, {5790, 1, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const DATE_TRIPLE got = hebrewUpcoming(c.own, c.type, c.today);
        EXPECT_EQ(got.year, c.expected.year);
        EXPECT_EQ(got.month, c.expected.month);
        EXPECT_EQ(got.day, c.expected.day);
    }

    const auto civilUpcoming = [](CivilDay own, CivilDay today) {
        DATE_STRUCT result;
        EXPECT_TRUE(UpcomingCivilDate(Civil(today), Civil(own).dayNumber, result));
        return CivilDateForDisplay(result);
    };
    struct CivilCase {
        CivilDay own, today, expected;
    };
    const CivilCase civilCases[] = {
        {{1990, 7, 4}, {2025, 7, 4}, {2025, 7, 4}},
        {{1990, 7, 4}, {2025, 7, 5}, {2026, 7, 4}},
        {{2008, 2, 29}, {2025, 3, 1}, {2026, 2, 28}},
        {{2008, 2, 29}, {2028, 2, 10}, {2028, 2, 29}},
        {{2030, 1, 1}, {2025, 3, 1}, {2030, 1, 1}},
    };
    for (const CivilCase& c : civilCases) {
        const DATE_TRIPLE got = civilUpcoming(c.own, c.today);
        EXPECT_EQ(got.year, c.expected.year) << c.own.year << "-" << c.own.month << "-" << c.own.day;
        EXPECT_EQ(got.month, c.expected.month);
        EXPECT_EQ(got.day, c.expected.day);
    }

    struct MitzvahCase {
        HebrewDay birth;
        int years;
        HebrewDay expected;
    };
    const MitzvahCase mitzvahCases[] = {
        {{5784, 1, 1}, 13, {5797, 1, 1}},
        {{5784, 6, 30}, 13, {5797, 8, 1}},     // 5797 is common: 30 Adar I becomes 1 Nisan
        {{5785, 14, 14}, 13, {5798, 7, 14}},   // 5798 is leap: Adar II
        {{5785, 14, 14}, 12, {5797, 14, 14}},
        {{5785, 2, 30}, 12, {5797, 3, 1}},     // 5797 has a short Cheshvan
    };
    for (const MitzvahCase& c : mitzvahCases) {
        DATE_STRUCT result;
        ASSERT_TRUE(BarMitzvahDate(Hebrew(c.birth), Hebrew(c.birth).dayNumber, c.years, result));
        EXPECT_EQ(result.hebYear, c.expected.year);
        EXPECT_EQ(result.hebMonth, c.expected.month);
        EXPECT_EQ(result.hebDay, c.expected.day);
    }
}

TEST(EventRules, JumpsFromTodayUseTheLocalClock) {
    FixedClock clock({2025, 3, 1});
    CEventList list;
    const int leapDay = Civil({2008, 2, 29}).dayNumber;
    ASSERT_TRUE(list.JumpToUpcomingCivilDate(leapDay));
    EXPECT_EQ(list.DayBeingTested().dayNumber, Civil({2026, 2, 28}).dayNumber);
    ASSERT_TRUE(list.JumpToUpcomingHebrewDate(leapDay, kEventBirthdayMale));
    DATE_STRUCT expected = Civil({2008, 2, 29});   // 23 Adar I 5768
    AddHebrewYears(expected, 17);                  // 23 Adar 5785, after 1 Adar 5785
    EXPECT_EQ(list.DayBeingTested().dayNumber, expected.dayNumber);
    ASSERT_TRUE(list.JumpToBarMitzvahDate(leapDay, 13));
    EXPECT_EQ(list.DayBeingTested().hebYear, 5781);
    EXPECT_EQ(list.DayBeingTested().hebMonth, kAdar);
    EXPECT_EQ(list.DayBeingTested().hebDay, 23);
    const int before = list.DayBeingTested().dayNumber;
    EXPECT_FALSE(list.JumpToUpcomingCivilDate(0));
    EXPECT_EQ(list.DayBeingTested().dayNumber, before);
}

TEST(EventRules, EventsOnDayListsOnlyWhatRecursInListOrder) {
    CEventList list;
    list.SetFolder(VESSANT_TEST_DATA);
    ASSERT_FALSE(list.Load());
    // 16 September 2023 is the Wedding's own day (1 Tishrei 5784); the broken rows (cal 0,
    // type 9) share it but never recur.
    DATE_STRUCT day;
    SetTransition(day, kTransitionUK);
    SetDayNumber(day, 2460204);
    std::vector<EVENT_OCCURRENCE> events(1);
    events[0].title = L"stale";
    list.EventsOnDay(day, events);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].title, L"Wedding of Dina");
    EXPECT_EQ(events[0].desc, L"Chuppah at noon");
    EXPECT_EQ(events[0].years, kYearsNothing);
    EXPECT_EQ(events[0].matchedCal, kEventCalendarHebrew);
    EXPECT_EQ(events[0].cal, kEventCalendarBoth);

    // The yahrzeit: 29 Cheshvan 5762, with no matched calendar reported.
    ASSERT_TRUE(SetHebrewDate(day, 5762, kCheshvan, 29));
    list.EventsOnDay(day, events);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].title, L"Grandfather Avraham");
    EXPECT_EQ(events[0].desc, L"Died on 30 Cheshvan");
    EXPECT_EQ(events[0].years, kYearsYahrzeit);
    EXPECT_EQ(events[0].matchedCal, 0);

    // Asking again, and under another transition, gives the same answer: nothing is kept
    // between calls but the events' own days.
    list.EventsOnDay(day, events);
    EXPECT_EQ(events.size(), 1u);
    DATE_STRUCT other;
    SetTransition(other, 2);
    SetDayNumber(other, day.dayNumber);
    list.EventsOnDay(other, events);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].title, L"Grandfather Avraham");
}
