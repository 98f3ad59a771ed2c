#include "Haftarah.h"

#include "dayevents/detail/HaftarahTables.h"
#include "YearType.h"

#include "calendar/DateStruct.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/Weekday.h"
#include "text/Language.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

void Append(HAFTARAH_LIST& list, const HAFTARAH_READING& reading) {
    for (int i = 0; i < reading.count && list.count < kHaftarahListSize; ++i)
        list.refs[list.count++] = reading.refs[i];
}

bool RiteInRange(std::int32_t rite) {
    return rite >= 0 && rite < kHaftarahRites;
}

// Special Shabbatot whose own haftarah replaces the portion's.
bool ReadsSpecialTable(std::int32_t special) {
    switch (special) {
    case 1: case 3: case 4: case 5: case 6: case 7: return true;
    default: return false;
    }
}

// Chapter and verse numbers are Hebrew numerals in the Hebrew interface.
std::wstring Number(int n, bool hebrew) {
    return hebrew ? HebrewNumeral(n) : std::to_wstring(n);
}

std::wstring ChapterVerse(int chapter, int verse, bool hebrew) {
    return Number(chapter, hebrew) + L':' + Number(verse, hebrew);
}

} // namespace

void ClearHaftarahList(HAFTARAH_LIST& list) {
    for (HAFTARAH_REF& ref : list.refs)
        ref = HAFTARAH_REF{};
    list.count = 0;
}

std::int32_t HaftarahSelector(const DAY_EVENTS& events, std::int32_t weekday, std::int32_t hebrewMonth,
                              std::int32_t special, std::int32_t* holidayCode) {
    std::int32_t result = kHaftarahNone;
    if (special != 0)
        return result;
    const bool shabbat = weekday == kShabbat;
    for (const DAY_EVENT& entry : events.entries) {
        if (entry.code == 0)
            break;
        const std::int32_t code = entry.code;
        if (code >= 29 && code <= 35 && shabbat) {
            result = kHaftarahShabbatChanukah;
        } else if (code == 36 && shabbat) {
            result = kHaftarahShabbatChanukah8;
        } else if (code == kCodeShabbatMevarchim && entry.value == kDayMevarchimOn29) {
            result = kHaftarahMacharChodesh;
        } else if (code == 88 || code == 89 || code == 90) {
            // Chanukah's reading outranks Rosh Chodesh's on the Shabbat they share.
            if (result != kHaftarahShabbatChanukah && result != kHaftarahShabbatChanukah8) {
                if (shabbat)
                    result = hebrewMonth == kAv ? kHaftarahShabbatRoshChodeshAv : kHaftarahShabbatRoshChodesh;
                else
                    result = kHaftarahWeekdayRoshChodesh;
            }
        } else if (code == 67) {
            result = kHaftarahIndependence;
        } else if (entry.value == kDayYomTov && code != kCodeOmer) {
            result = kHaftarahYomTov;
            if (holidayCode != nullptr)
                *holidayCode = code;
        } else if (entry.value == kDayTishaBav && code != kCodeOmer) {
            result = kHaftarahTishaBav;
        } else if (entry.value == kDayMinorFast && code != kCodeOmer) {
            if (code == 3 || code == 5)
                result = kHaftarahFastGedaliah;
            else if (code == 37)
                result = kHaftarahFastTevet;
            else if (code == 77 || code == 79)
                result = kHaftarahFastTammuz;
        } else if (entry.value == kDayCholHamoed && shabbat && code != kCodeOmer) {
            if (code >= 55 && code <= 59)
                result = kHaftarahShabbatCholHamoedPesach;
            else if (code >= 12 && code <= 16)
                result = kHaftarahShabbatCholHamoedSuccot;
        }
    }
    return result;
}

std::int32_t HaftarahKeyOfCase(std::int32_t haftarahCase, std::int32_t holidayCode) {
    switch (haftarahCase) {
    case kHaftarahShabbatChanukah: return 96;
    case kHaftarahShabbatChanukah8: return 97;
    case kHaftarahShabbatRoshChodesh: return 98;
    case kHaftarahShabbatRoshChodeshAv: return 99;
    case kHaftarahYomTov: return holidayCode;
    case kHaftarahFastGedaliah: return 3;
    case kHaftarahFastTevet: return 37;
    case kHaftarahFastTammuz: return 77;
    case kHaftarahShabbatCholHamoedPesach: return 100;
    case kHaftarahShabbatCholHamoedSuccot: return 101;
    case kHaftarahMacharChodesh: return 91;
    case kHaftarahIndependence: return 67;
    default: return 0;
    }
}

void HaftarahForKey(HAFTARAH_LIST& list, std::int32_t key) {
    if (!RiteInRange(list.rite))
        return;
    for (const HAFTARAH_KEY_ROW& row : HaftarahKeyRows()) {
        if (row.key == key) {
            Append(list, row.rites[list.rite]);
            return;
        }
    }
}

void HaftarahForShabbat(HAFTARAH_LIST& list, std::int32_t special, std::int32_t year, std::int32_t firstPortion,
                        bool diaspora) {
    if (!RiteInRange(list.rite))
        return;
    if (ReadsSpecialTable(special)) {
        for (const HAFTARAH_SPECIAL_ROW& row : HaftarahSpecialRows()) {
            if (row.special == special) {
                Append(list, row.rites[list.rite]);
                return;
            }
        }
        return;
    }
    bool typeKnown = false;
    std::int32_t type = 0;
    for (const HAFTARAH_PORTION_ROW& row : HaftarahPortionRows()) {
        if (row.portion != firstPortion)
            continue;
        if (row.state != FlagState::Any) {
            if (!typeKnown) {
                type = YearType(year);
                typeKnown = true;
            }
            const bool set = YearTypeFlagSet(type, row.flag, diaspora);
            if (set != (row.state == FlagState::Set))
                continue;
        }
        Append(list, row.rites[list.rite]);
        return;
    }
}

std::int32_t DayHaftarot(const DAY_EVENTS& events, std::int32_t weekday, std::int32_t hebrewMonth,
                         std::int32_t hebrewYear, std::int32_t firstPortion, std::int32_t special, bool diaspora,
                         std::int32_t rite, HAFTARAH_LIST& morning, HAFTARAH_LIST& afternoon) {
    ClearHaftarahList(morning);
    ClearHaftarahList(afternoon);
    morning.rite = rite;
    afternoon.rite = rite;
    std::int32_t holidayCode = 0;
    const std::int32_t haftarahCase = HaftarahSelector(events, weekday, hebrewMonth, special, &holidayCode);
    if (haftarahCase == kHaftarahTishaBav) {
        HaftarahForKey(morning, kTishaBavMorningKey);
        HaftarahForKey(afternoon, kTishaBavAfternoonKey);
    } else if (haftarahCase == kHaftarahNone) {
        if (weekday == kShabbat && firstPortion != 0)
            HaftarahForShabbat(morning, special, hebrewYear, firstPortion, diaspora);
    } else {
        const std::int32_t key = HaftarahKeyOfCase(haftarahCase, holidayCode);
        if (key != 0)
            HaftarahForKey(morning, key);
    }
    return haftarahCase;
}

std::wstring HaftarahRefText(const HAFTARAH_REF& ref) {
    std::wstring text = HaftarahBookName(ref.book);
    if (text.empty() || ref.fromChapter == 0)
        return text;
    const bool hebrew = IsHebrewInterface();
    text += L' ';
    text += ChapterVerse(ref.fromChapter, ref.fromVerse, hebrew);
    if (ref.toChapter != 0) {
        text += L" - ";
        text += ChapterVerse(ref.toChapter, ref.toVerse, hebrew);
    }
    return text;
}

const std::wstring& HaftarahBookName(std::int32_t book) {
    return NumberedResourceText(kHaftarahBookTextBase, book, kHaftarahBooks);
}

const std::wstring& HaftarahRiteName(std::int32_t rite) {
    static const std::wstring kEmpty;
    if (!RiteInRange(rite))
        return kEmpty;
    return TextOfResource(kHaftarahRiteTextBase + rite);
}

} // namespace vessant
