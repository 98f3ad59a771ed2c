#pragma once
// Facts about a Hebrew year for the year-details panel: its length class, its place in
// the lunar, solar and shmita cycles and its distance from three epochs, each with the
// sentence the panel shows (texts of the loaded language).

#include "calendar/HebrewYear.h"

#include <string>

namespace vessant {

// Epoch years (Hebrew).
inline constexpr int kEpochTemple = 3830;    // destruction of the Temple
inline constexpr int kEpochState = 5708;     // establishment of the State of Israel
inline constexpr int kEpochJerusalem = 5727; // liberation of Jerusalem

inline constexpr int kShmitaMaaserSheni = 1;
inline constexpr int kShmitaMaaserAni = 2;
inline constexpr int kShmitaYear = 3;

struct CYCLE_POSITION {
    int yearOfCycle = 0; // [1, 19] lunar, [1, 28] solar
    int cycle = 0;       // 1-based cycle number
};

struct SHMITA_POSITION {
    int shmitaClass = 0; // kShmitaMaaserSheni, kShmitaMaaserAni or kShmitaYear
    int yearOfCycle = 0; // year mod 7, [0, 6]
};

// kYearInOrder, kYearDeficient or kYearComplete; 0 for year 0, which has no months.
int HebrewYearType(int hebrewYear);
std::wstring HebrewYearTypeText(int hebrewYear); // empty for type 0

// "Full (leap) ..." or "Simple ...".
std::wstring LeapYearText(int hebrewYear);

CYCLE_POSITION LunarCycle(int hebrewYear);
CYCLE_POSITION SolarCycle(int hebrewYear);
std::wstring LunarCycleText(int hebrewYear);
std::wstring SolarCycleText(int hebrewYear);

SHMITA_POSITION ShmitaClass(int hebrewYear);
std::wstring ShmitaClassText(int hebrewYear);
// "Year two of the shmita cycle"; empty in the shmita year itself.
std::wstring ShmitaCycleText(int hebrewYear);

// "5784 years from the creation of the world".
std::wstring CreationText(int hebrewYear);

// For kEpochTemple, kEpochState or kEpochJerusalem: empty before the epoch, the epoch's
// own sentence in its year, else the count of years after it. Empty for any other epoch.
std::wstring YearsSinceEpoch(int hebrewYear, int epochYear);

} // namespace vessant
