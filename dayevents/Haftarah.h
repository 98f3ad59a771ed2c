#pragma once
// The haftarah of a day in the rite the user follows: which reading case a day is (from
// its day-event list and special Shabbat), the references of each case from the haftarah
// tables, and the text of a reference.

#include "DayEvents.h"

#include <cstdint>
#include <string>

namespace vessant {

// Book b is named by string resource 664 + b: 1 Yehoshua ... 18 Yoel.
inline constexpr int kHaftarahBooks = 18;
inline constexpr int kHaftarahBookTextBase = 664;

// A from-chapter of 0 is the whole book; a to-chapter of 0 is the from part alone.
struct HAFTARAH_REF {
    std::uint8_t book = 0;
    std::uint8_t fromChapter = 0;
    std::uint8_t fromVerse = 0;
    std::uint8_t toChapter = 0;
    std::uint8_t toVerse = 0;
};

enum HaftarahRite : std::int32_t {
    kRiteAshkenazi = 0,
    kRiteAdotMizrach = 1,
    kRiteItalian = 2,
    kRiteYemenite = 3,
};
inline constexpr int kHaftarahRites = 4;
inline constexpr int kHaftarahRiteTextBase = 710;

inline constexpr int kHaftarahListSize = 10;

// References in reading order. Filling appends; empty it (ClearHaftarahList) before a fill.
struct HAFTARAH_LIST {
    HAFTARAH_REF refs[kHaftarahListSize] = {};
    std::int32_t count = 0;
    std::int32_t rite = kRiteAshkenazi;
};

void ClearHaftarahList(HAFTARAH_LIST& list);

// The reading cases of a day.
enum HaftarahCase : std::int32_t {
    kHaftarahNone = 0,               // a plain day, or a Shabbat read by its portion or special Shabbat
    kHaftarahShabbatChanukah = 1,
    kHaftarahShabbatChanukah8 = 2,
    kHaftarahWeekdayRoshChodesh = 3, // no haftarah
    kHaftarahShabbatRoshChodesh = 4,
    kHaftarahShabbatRoshChodeshAv = 5,
    kHaftarahYomTov = 6,             // keyed by the festival's code
    kHaftarahTishaBav = 7,           // a morning and an afternoon reading
    kHaftarahFastGedaliah = 8,
    kHaftarahFastTevet = 9,
    kHaftarahFastTammuz = 10,
    kHaftarahShabbatCholHamoedPesach = 11,
    kHaftarahShabbatCholHamoedSuccot = 12,
    kHaftarahMacharChodesh = 14,
    kHaftarahIndependence = 15,
};

// The case of a day from its list (in list order, each entry able to replace the case),
// its weekday (1..7), its Hebrew month and its special-Shabbat code (0 on weekdays; a
// special Shabbat keeps case 0). For case 6 the festival's code is stored in *holidayCode
// when given.
std::int32_t HaftarahSelector(const DAY_EVENTS& events, std::int32_t weekday, std::int32_t hebrewMonth,
                              std::int32_t special, std::int32_t* holidayCode = nullptr);

// The HaftarahForKey key of a case (for case 6 the festival's code); 0 for the cases
// without a keyed reading (0, 3, 7: Tisha B'Av has two keys, kTishaBavMorningKey and
// kTishaBavAfternoonKey).
std::int32_t HaftarahKeyOfCase(std::int32_t haftarahCase, std::int32_t holidayCode);
inline constexpr std::int32_t kTishaBavMorningKey = 102;
inline constexpr std::int32_t kTishaBavAfternoonKey = 103;

// Appends the references of a key for the list's rite; a key without a row, or a rite
// without a reading, appends nothing.
void HaftarahForKey(HAFTARAH_LIST& list, std::int32_t key);

// Appends the haftarah of a Shabbat: special codes 1, 3, 4, 5, 6 and 7 read from the
// special-Shabbat table, every other Shabbat by its first portion, whose reading may
// depend on the kind of year and the Diaspora flag.
void HaftarahForShabbat(HAFTARAH_LIST& list, std::int32_t special, std::int32_t year, std::int32_t firstPortion,
                        bool diaspora);

// The whole choice for one day: the case, and the readings in `morning` and, on Tisha
// B'Av, `afternoon` (each emptied first and given `rite`). `firstPortion` and `special`
// are the day's PORTION_INFO fields (0 on weekdays).
std::int32_t DayHaftarot(const DAY_EVENTS& events, std::int32_t weekday, std::int32_t hebrewMonth,
                         std::int32_t hebrewYear, std::int32_t firstPortion, std::int32_t special, bool diaspora,
                         std::int32_t rite, HAFTARAH_LIST& morning, HAFTARAH_LIST& afternoon);

// "Yonah", "Yechezkel 3:12", "Shmuel I 1:1 - 2:10"; Hebrew numerals in the Hebrew
// interface. Empty for a book number outside 1..18.
std::wstring HaftarahRefText(const HAFTARAH_REF& ref);

// Book and rite names from the string table; empty out of range.
const std::wstring& HaftarahBookName(std::int32_t book);
const std::wstring& HaftarahRiteName(std::int32_t rite);

} // namespace vessant
