// The day model: which evening a fast's sunset is read from, which times each view gives
// a holiday, the years and kinds beside the user's events, the parts a view asks for, and
// a record filled again for another day keeping nothing of the first.

#include "dayview/DayBuilder.h"
#include "dayview/EventAnnotation.h"

#include "calendar/DateOperations.h"
#include "testsupport/EnglishTexts.h"
#include "dayview/tests/TestDays.h"
#include "testsupport/TestFiles.h"
#include "zmanim/Zmanim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vessant {
namespace {

using testsupport::Civil;
using testsupport::Jerusalem;
using testsupport::NewYork;

DAY_INPUTS Inputs(const LOC_STRUCT& where) {
    DAY_INPUTS inputs;
    inputs.location = where;
    return inputs;
}

// "text: key key" for every holiday of the day, as a view of that kind times them.
std::vector<std::string> HolidayTimes(const LOC_STRUCT& where, const DATE_STRUCT& date, TimesView view) {
    CDayBuilder builder(Inputs(where), view);
    DAY_FACTS day;
    builder.Build(date, kDayHolidays | kDayHolidayTimes, day);
    std::vector<std::string> out;
    for (int i = 0; i < day.holidayCount; ++i) {
        const DAY_HOLIDAY& h = day.holidays[static_cast<std::size_t>(i)];
        std::string line(h.text.begin(), h.text.end());
        line += ":";
        for (int k = 0; k < h.TimesShown(); ++k)
            line += std::string(" ") + HolidayTimeLabel(h.times[k].which).key;
        out.push_back(line);
    }
    return out;
}

class DayFactsTest : public testsupport::EnglishTexts {};

TEST(HolidayTimeDay, OnlyAWholeDayViewReadsTishaBavsSunsetFromTheEveningBefore) {
    struct Case {
        HolidayTime time;
        TimesView view;
        int offset;
    };
    constexpr Case kCases[] = {
        {HolidayTime::Sunset, TimesView::WholeDay, -1},   {HolidayTime::Sunset, TimesView::MonthCell, 0},
        {HolidayTime::Nightfall, TimesView::WholeDay, 0}, {HolidayTime::FastBegins, TimesView::WholeDay, 0},
        {HolidayTime::CandleLighting, TimesView::WholeDay, 0}, {HolidayTime::Havdalah, TimesView::MonthCell, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.time) * 10 + static_cast<int>(c.view));
        EXPECT_EQ(HolidayTimeDay(c.time, 2460536, c.view), 2460536 + c.offset);
    }
}

TEST_F(DayFactsTest, TishaBavBeginsAtTheSunsetOfTheEveInTheReportAndOfTheDayInTheCell) {
    const DATE_STRUCT day = Civil(2024, 8, 13); // 9 Av 5784, a Tuesday
    DAY_FACTS whole, cell;
    CDayBuilder wholeDay(Inputs(Jerusalem()), TimesView::WholeDay);
    CDayBuilder monthCell(Inputs(Jerusalem()), TimesView::MonthCell);
    wholeDay.Build(day, kDayHolidays | kDayHolidayTimes, whole);
    monthCell.Build(day, kDayHolidays | kDayHolidayTimes, cell);
    ASSERT_EQ(whole.holidayCount, 1);
    ASSERT_EQ(whole.holidays[0].TimesShown(), 2);
    ASSERT_EQ(cell.holidays[0].TimesShown(), 2);

    const CLOCK_TIME eve = GetShkia(wholeDay.ZmanimOf(day.dayNumber - 1));
    const CLOCK_TIME own = GetShkia(wholeDay.ZmanimOf(day.dayNumber));
    const CLOCK_TIME nightfall = GetTzeit(wholeDay.ZmanimOf(day.dayNumber));
    ASSERT_NE(eve.minute, own.minute) << "the two sunsets differ by a minute in August";
    EXPECT_EQ(whole.holidays[0].times[0].time.minute, eve.minute);
    EXPECT_EQ(cell.holidays[0].times[0].time.minute, own.minute);
    EXPECT_EQ(whole.holidays[0].times[1].time.minute, nightfall.minute);
    EXPECT_EQ(cell.holidays[0].times[1].time.minute, nightfall.minute);
    EXPECT_STREQ(HolidayTimeLabel(whole.holidays[0].times[0].which).key, "fastBegins");
}

TEST_F(DayFactsTest, TimesOfHolidaysByWeekdayPlaceAndView) {
    struct Case {
        const char* what;
        LOC_STRUCT where;
        DATE_STRUCT date;
        TimesView view;
        std::vector<std::string> expected;
    };
    const Case kCases[] = {
        {"Erev Pesach on a Monday", Jerusalem(), Civil(2024, 4, 22), TimesView::WholeDay,
         {"Erev Pesach: latestChametzEating latestChametzBurning", "Fast of first born: fastBegins fastEnds"}},
        {"the Friday before an Erev Pesach on Shabbat", Jerusalem(), Civil(2025, 4, 11), TimesView::WholeDay,
         {"Erev Erev-Pesach Shabbat: latestChametzBurning"}},
        {"an Erev Pesach on Shabbat", Jerusalem(), Civil(2025, 4, 12), TimesView::WholeDay,
         {"Erev Pesach: latestChametzEating"}},
        {"the first-born's fast, whole day", Jerusalem(), Civil(2025, 4, 10), TimesView::WholeDay,
         {"Fast of first born: fastBegins fastEnds"}},
        {"the first-born's fast in a cell", Jerusalem(), Civil(2025, 4, 10), TimesView::MonthCell,
         {"Fast of first born:"}},
        {"Yom Kippur on Shabbat: no festival times", Jerusalem(), Civil(2024, 10, 12), TimesView::WholeDay,
         {"Yom Kippur:"}},
        {"the second day of Shavuot abroad, a Thursday", NewYork(), Civil(2024, 6, 13), TimesView::WholeDay,
         {"Shavuot 2: havdalah"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(HolidayTimes(c.where, c.date, c.view), c.expected);
    }
}

TEST_F(DayFactsTest, EventYearsInASentenceAndInACell) {
    struct Case {
        int years, matchedCal;
        const wchar_t* sentence;
        const wchar_t* cell;
    };
    constexpr Case kCases[] = {
        {13, kEventCalendarHebrew, L"(13 Hebrew)", L"13h"},
        {24, kEventCalendarCivil, L"(24 Civil)", L"24c"},
        {5, 0, L"(5 )", L"5"},
        {kYearsNothing, kEventCalendarHebrew, L"", L""},
        {kYearsYahrzeit, 0, L"A\"H", L"A\"H"},
        {kYearsMitzvah, kEventCalendarHebrew, L"B\"M", L"B\"M"},
        {kYearsBornFemale, 0, L"Born", L"Born"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.years);
        EVENT_OCCURRENCE event;
        event.years = c.years;
        event.matchedCal = c.matchedCal;
        EXPECT_EQ(EventCountText(event, CountForm::Sentence), c.sentence);
        EXPECT_EQ(EventCountText(event, CountForm::Cell), c.cell);
    }
}

TEST_F(DayFactsTest, AYahrzeitIsNamedOnlyWhereKeptByItsHebrewDate) {
    struct Case {
        int type, cal;
        const wchar_t* kind;
    };
    constexpr Case kCases[] = {
        {kEventBirthdayMale, kEventCalendarCivil, L"Birthday (male)"},
        {kEventAnniversary, kEventCalendarHebrew, L"Anniversary"},
        {kEventYahrzeitAshkenazi, kEventCalendarHebrew, L"Yahrzeit (Ashkenazim)"},
        {kEventYahrzeitMizrach, kEventCalendarBoth, L"Yahrzeit (Adot Mizrach)"},
        {kEventYahrzeitAshkenazi, kEventCalendarCivil, L""},
        {kEventOneTime, kEventCalendarHebrew, L""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.type * 10 + c.cal);
        EVENT_OCCURRENCE event;
        event.type = c.type;
        event.cal = c.cal;
        EXPECT_EQ(EventKindText(event), c.kind);
    }
}

// The events come from the list the view passes, never from the program's own.
TEST_F(DayFactsTest, EventsComeFromTheListPassedIn) {
    CEventList mine;
    mine.SetFolder(testsupport::FreshFolderForThisTest());
    const DATE_STRUCT birth = Civil(2011, 4, 18); // 14 Nisan 5771
    ASSERT_FALSE(mine.Add(L"Dina", L"", birth.dayNumber, kEventCalendarBoth, kEventBirthdayFemale));
    UserEvents().Clear();

    DAY_INPUTS inputs = Inputs(Jerusalem());
    DAY_FACTS day;
    CDayBuilder(inputs, TimesView::WholeDay).Build(Civil(2024, 4, 22), kDayEvents, day);
    EXPECT_TRUE(day.events.empty());
    inputs.events = &mine;
    CDayBuilder(inputs, TimesView::WholeDay).Build(Civil(2024, 4, 22), kDayEvents, day);
    ASSERT_EQ(day.events.size(), 1u);
    EXPECT_EQ(day.events[0].title, L"Dina");
    EXPECT_EQ(EventCountText(day.events[0], CountForm::Sentence), L"(13 Hebrew)");
}

// One record walked over different days: each fill has exactly the parts asked for of
// its own day.
TEST_F(DayFactsTest, ARecordFilledAgainKeepsNothingOfTheDayBefore) {
    CDayBuilder builder(Inputs(NewYork()), TimesView::WholeDay);
    DAY_FACTS day;
    builder.Build(Civil(2024, 4, 27), kDayEverything, day); // Shabbat chol hamoed Pesach
    EXPECT_TRUE(day.shabbat);
    EXPECT_GT(day.holidayCount, 0);
    EXPECT_GT(day.haftarah.count, 0);
    EXPECT_FALSE(day.Study(StudyProgramme::DafYomi).empty());

    builder.Build(Civil(2024, 7, 3), kDayEverything, day); // a plain Wednesday
    EXPECT_FALSE(day.shabbat);
    EXPECT_EQ(day.holidayCount, 0);
    EXPECT_EQ(day.haftarah.count, 0);
    EXPECT_TRUE(day.portionText.empty());
    EXPECT_FALSE(day.Study(StudyProgramme::DafYomi).empty());

    builder.Build(Civil(2024, 4, 27), kDayStudy, day);
    EXPECT_FALSE(day.shabbat) << "Shabbat not asked for";
    EXPECT_EQ(day.holidayCount, 0);
    EXPECT_FALSE(day.Study(StudyProgramme::MishnaYomit).empty());

    builder.Build(Civil(2024, 4, 27), kDayShabbat, day);
    EXPECT_TRUE(day.shabbat);
    EXPECT_TRUE(day.portionText.empty()) << "a festival Shabbat has no weekly portion";
    EXPECT_TRUE(day.Study(StudyProgramme::MishnaYomit).empty());
}

} // namespace
} // namespace vessant
