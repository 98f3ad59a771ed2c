// The clock times of the holidays. They are derived from the code's timing in the holiday
// table; the recorded table of every code, weekday, side of the divide and first-born flag
// holds them to the results of the hand-written rules the timing table replaced.

#include "DayEventsTestDates.h"

#include "dayevents/HolidayTimes.h"
#include "dayevents/detail/HolidayTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace vessant;
using namespace vessant::testing;

namespace {

constexpr int kWeekdays = 7;

const std::map<std::string, HolidayTime>& TimeNames() {
    static const std::map<std::string, HolidayTime> names = {
        {"Candles", HolidayTime::CandleLighting},
        {"Havdalah", HolidayTime::Havdalah},
        {"Sunset", HolidayTime::Sunset},
        {"Nightfall", HolidayTime::Nightfall},
        {"FastBegins", HolidayTime::FastBegins},
        {"FastEnds", HolidayTime::FastEnds},
        {"ChametzEating", HolidayTime::LatestChametzEating},
        {"ChametzBurning", HolidayTime::LatestChametzBurning},
    };
    return names;
}

// One weekday's field: "0", "1:Havdalah", "2:Candles+Havdalah", "-1:Candles".
HOLIDAY_TIMES ParseTimes(const std::string& field) {
    HOLIDAY_TIMES times;
    const auto colon = field.find(':');
    times.count = std::stoi(field.substr(0, colon));
    if (colon == std::string::npos)
        return times;
    std::istringstream names(field.substr(colon + 1));
    std::string name;
    for (int slot = 0; std::getline(names, name, '+'); ++slot) {
        const auto found = TimeNames().find(name);
        EXPECT_NE(found, TimeNames().end()) << "unknown time " << name;
        EXPECT_LT(slot, 2) << field;
        if (found != TimeNames().end() && slot < 2)
            times.time[slot] = found->second;
    }
    return times;
}

struct RECORDED_ROW {
    int code = 0;
    bool diaspora = false;
    bool firstBornFastTimes = false;
    HOLIDAY_TIMES byWeekday[kWeekdays];
};

std::vector<RECORDED_ROW> ReadRecordedTimes() {
    std::ifstream file(std::filesystem::path(VESSANT_TEST_DATA) / "holiday_times.txt");
    EXPECT_TRUE(file) << "holiday_times.txt is missing";
    std::vector<RECORDED_ROW> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        RECORDED_ROW row;
        std::string place, bar;
        int firstBorn = 0;
        fields >> row.code >> place >> firstBorn >> bar;
        EXPECT_TRUE(place == "israel" || place == "diaspora") << line;
        EXPECT_EQ(bar, "|") << line;
        row.diaspora = place == "diaspora";
        row.firstBornFastTimes = firstBorn != 0;
        for (HOLIDAY_TIMES& times : row.byWeekday) {
            std::string field;
            fields >> field;
            times = ParseTimes(field);
        }
        EXPECT_TRUE(fields) << "short line: " << line;
        rows.push_back(row);
    }
    return rows;
}

bool TimingFitsKind(HolidayTiming timing, std::int32_t kind) {
    switch (timing) {
    case HolidayTiming::None:
        return kind != kDayYomTov && kind != kDayTishaBav && kind != kDayMinorFast && kind != kDayErevPesach;
    case HolidayTiming::FestivalDay:
    case HolidayTiming::SecondFestivalDay:
    case HolidayTiming::DiasporaSecondFestivalDay:
        return kind == kDayYomTov;
    case HolidayTiming::TishaBav:
        return kind == kDayTishaBav;
    case HolidayTiming::Fast:
    case HolidayTiming::FirstBornFast:
        return kind == kDayMinorFast;
    case HolidayTiming::ChametzBurning:
    case HolidayTiming::ChametzEatingAndBurning:
    case HolidayTiming::ChametzEating:
        return kind == kDayErevPesach;
    }
    return false;
}

} // namespace

TEST(HolidayTimes, MatchTheRecordedTableForEveryCodeWeekdayAndFlag) {
    const std::vector<RECORDED_ROW> rows = ReadRecordedTimes();
    std::set<std::tuple<int, bool, bool>> covered;
    for (const RECORDED_ROW& row : rows) {
        EXPECT_TRUE(covered.emplace(row.code, row.diaspora, row.firstBornFastTimes).second)
            << "code " << row.code << " recorded twice";
        for (int weekday = 1; weekday <= kWeekdays; ++weekday) {
            SCOPED_TRACE(::testing::Message() << "code " << row.code << (row.diaspora ? " Diaspora" : " Israel")
                                              << " first-born " << row.firstBornFastTimes << " weekday " << weekday);
            const HOLIDAY_TIMES expected = row.byWeekday[weekday - 1];
            const HOLIDAY_TIMES actual = HolidayTimesOf(row.code, weekday, row.diaspora, row.firstBornFastTimes);
            EXPECT_EQ(actual.count, expected.count);
            // Unused slots keep the record's default too: callers copy the whole record.
            EXPECT_EQ(actual.time[0], expected.time[0]);
            EXPECT_EQ(actual.time[1], expected.time[1]);
        }
    }
    EXPECT_EQ(covered.size(), static_cast<std::size_t>((kLastDayEventCode - kFirstDayEventCode + 1) * 2 * 2));
}

TEST(HolidayTimes, CodesOutsideTheRangeHaveNone) {
    for (const int code : {-1, 0, kLastDayEventCode + 1, 127})
        for (int weekday = 1; weekday <= kWeekdays; ++weekday)
            EXPECT_EQ(HolidayTimesOf(code, weekday, true, true).count, 0) << code;
}

// A fast, festival or Erev Pesach added to the rules without its timing, or a timing given
// to the wrong code, shows as a day whose kind and timing disagree.
TEST(HolidayTimes, EveryDaysTimingFitsItsKind) {
    for (const bool diaspora : {false, true}) {
        DATE_STRUCT date = HebrewDay(5780, kTishrei, 1);
        while (date.hebYear < 5800) {
            const DAY_EVENTS list = EventsOf(date, diaspora);
            for (int i = 0; i < DayEventCount(list); ++i) {
                const DAY_EVENT entry = list.entries[i];
                if (entry.code == kCodeOmer)
                    continue; // its value is the count
                const HolidayTiming timing = HolidayTimingOf(entry.code);
                EXPECT_TRUE(TimingFitsKind(timing, entry.value))
                    << "code " << entry.code << " kind " << entry.value << " on " << date.hebYear << "/"
                    << date.hebMonth << "/" << date.hebDay;
                if (timing == HolidayTiming::DiasporaSecondFestivalDay) {
                    EXPECT_TRUE(diaspora) << "code " << entry.code << " in Israel";
                }
            }
            AddDays(date, 1);
        }
    }
}
