#pragma once
// What a day shows, for one location and one set of choices: its holidays and special
// days with their texts and clock times, the Shabbat portion and its times, the haftarah
// of the rite, the five study portions, the change of the clocks, the user's events and
// the zmanim. Every view of a day (month cells, reports, panels, prints, the export)
// renders these facts and gathers none of its own.
//
// A record is filled in place and can be filled again for the next day: its texts keep
// their storage, so a year walked day by day allocates little.

#include "calendar/DateStruct.h"
#include "dayevents/DayEvents.h"
#include "dayevents/Haftarah.h"
#include "dayevents/StudyText.h"
#include "dayevents/WeeklyPortion.h"
#include "dayview/DayZmanim.h"
#include "dayview/HolidayClock.h"
#include "userdata/EventList.h"

#include <array>
#include <string>
#include <vector>

namespace vessant {

// The parts a view asks for; each costs only when asked.
enum DayPart : unsigned {
    kDayHolidays = 1u << 0,     // entries and their texts
    kDayHolidayTimes = 1u << 1, // with their clock times
    kDayShabbat = 1u << 2,      // portion and special Shabbat (Shabbat only)
    kDayShabbatTimes = 1u << 3, // candle lighting and havdalah (Shabbat only)
    kDayHaftarah = 1u << 4,
    kDayStudy = 1u << 5,
    kDayEvents = 1u << 6,       // the user's events
    kDayDst = 1u << 7,
    kDayZmanim = 1u << 8,
    kDayEverything = (1u << 9) - 1,
};

struct DAY_HOLIDAY_TIME {
    HolidayTime which = HolidayTime::CandleLighting;
    CLOCK_TIME time;
};

struct DAY_HOLIDAY {
    std::int32_t code = 0;
    std::int32_t value = 0;       // DayKind, or the Omer count for kCodeOmer
    std::wstring text;            // the Omer with its count put in
    int timeCount = 0;            // as HolidayTimesOf counts: -1 is one time (a Friday eve)
    DAY_HOLIDAY_TIME times[2];
    int TimesShown() const { return timeCount < 0 ? 1 : timeCount; }
};

inline constexpr int kStudyProgrammes = 5;

// The programmes in the order a day's study list names them, with the key scripts read
// and the string resource of the label.
struct STUDY_ROW {
    StudyProgramme programme;
    const char* key;
    int labelId;
};
inline constexpr STUDY_ROW kStudyRows[kStudyProgrammes] = {
    {StudyProgramme::DafYomi, "dafYomi", kDafYomiLabel},
    {StudyProgramme::YerushalmiYomi, "yerushalmiYomi", kYerushalmiYomiLabel},
    {StudyProgramme::MishnaYomit, "mishnaYomit", kMishnaYomitLabel},
    {StudyProgramme::HalachaYomit, "halachaYomit", kHalachaYomitLabel},
    {StudyProgramme::TanachYomi, "tanachYomi", kTanachYomiLabel},
};

struct DAY_FACTS {
    DATE_STRUCT date;
    int weekday = 0;              // 1 Sunday .. 7 Shabbat
    unsigned parts = 0;           // what was filled

    DAY_EVENTS entries;           // the engine's list, as the haftarah reads it
    int holidayCount = 0;
    std::array<DAY_HOLIDAY, kDayEventSlots> holidays;

    bool shabbat = false;
    PORTION_INFO portion;
    std::wstring portionText;     // empty on a festival Shabbat
    std::wstring specialText;     // empty when not a special Shabbat
    CLOCK_TIME candleLighting;    // of the Friday evening
    CLOCK_TIME havdalah;

    int haftarahCase = 0;
    HAFTARAH_LIST haftarah;       // the morning reading
    HAFTARAH_LIST haftarahAfternoon; // Tisha B'Av only

    // By StudyProgramme; a programme without a reading that day is empty.
    std::array<std::wstring, kStudyProgrammes> study;
    const std::wstring& Study(StudyProgramme p) const { return study[static_cast<std::size_t>(p)]; }

    int dstStatus = 0;            // DstStatus of the location's rule
    std::vector<EVENT_OCCURRENCE> events;
    DAY_ZMANIM zmanim;
};

} // namespace vessant
