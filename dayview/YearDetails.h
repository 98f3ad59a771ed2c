#pragma once
// What a view of a Hebrew year shows: its length class, its places in the lunar, solar
// and shmita cycles with their sentences, its distance from the three epochs, and the
// dates of the fixed days of the year. The year panel and the command line render these
// facts and gather none of their own.

#include "calendar/DateStruct.h"
#include "calendar/YearFacts.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vessant {

// The epochs in the order a year's details list them.
inline constexpr int kYearEpochCount = 3;
inline constexpr std::array<int, kYearEpochCount> kYearEpochs = {kEpochTemple, kEpochState, kEpochJerusalem};

struct YEAR_FIXED_DAY {
    std::int32_t code = 0; // day-event code
    std::wstring name;
    DATE_STRUCT date;      // under the transition the details were built with
};

struct YEAR_DETAILS {
    int year = 0;
    std::wstring creationText;
    int type = 0;
    std::wstring typeText;
    bool leap = false;
    std::wstring leapText;
    CYCLE_POSITION lunar;
    std::wstring lunarText;
    CYCLE_POSITION solar;
    std::wstring solarText;
    SHMITA_POSITION shmita;
    std::wstring shmitaText;
    std::wstring shmitaCycleText;               // empty in the shmita year itself
    std::array<std::wstring, kYearEpochCount> epochs; // by kYearEpochs; empty before the epoch
    std::vector<YEAR_FIXED_DAY> fixedDays;      // in the order of kYearDetailsHolidayCodes
};

// The details of Hebrew year `hebrewYear`, the fixed days dated under Gregorian
// transition choice `transition`. A fixed day the holiday table cannot place in that year
// is left out.
YEAR_DETAILS BuildYearDetails(int hebrewYear, int transition);

} // namespace vessant
