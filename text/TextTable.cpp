#include "TextTable.h"

#include "BuiltinStrings.h"
#include "StringModule.h"
#include "ResourceIds.h"

#include <span>

namespace vessant {
namespace {

// A run of consecutive slots filled from consecutive resource ids.
struct SlotRun {
    int firstSlot;
    int firstId;
    int count;
};

// The slot layout; slots not covered here stay empty or are built in.
constexpr SlotRun kSlotRuns[] = {
    {0, 780, 3},     // "OK", "Cancel", "Close"
    {3, 405, 1},     // program title
    {4, 750, 1},     // "Version"
    {6, 752, 1},     // "build"
    {7, 755, 1},     // "Today"
    {8, 840, 3},     // disclaimer and donation texts
    {11, 863, 1},
    {12, 760, 10},   // menu titles
    {22, 772, 1},    // "There are no items to display."
    {23, 753, 2},    // "Day details", "Add event"
    {25, 406, 2},    // "Hebrew", "Civil"
    {27, 401, 2},    // preferences captions
    {29, 229, 1},    // "< Choose from list >"
    {30, 230, 35},   // time-zone names
    {65, 265, 25},   // daylight-saving rule names
    {90, 756, 2},    // "Daylight saving time", "Standard time"
    {92, 868, 2},    // "DST begins", "DST ends"
    {94, 450, 6},    // built-in shitot
    {144, 408, 6},   // name abbreviations, "Born", "h", "c"
    {150, 129, 7},   // weekdays
    {158, 887, 7},   // "Saturday night" ... "Friday night"
    {166, 161, 14},  // Hebrew months
    {180, 149, 12},  // civil months
    {192, 175, 54},  // weekly portions
    {247, 690, 12},  // special Shabbatot and selichot
    {259, 665, 18},  // haftarah books
    {277, 301, 95},  // day events
    {381, 460, 1},   // "Zmanim"
    {382, 136, 11},  // zmanim names
    {393, 845, 3},   // Shabbat, festival, fast and chametz time labels
    {396, 856, 1},
    {397, 894, 1},
    {398, 857, 1},
    {399, 848, 5},
    {404, 895, 2},
    {406, 854, 2},
    {408, 897, 2},
    {410, 642, 1},   // "Chatzot Halayla"
    {411, 147, 2},   // "Daylight Hours", "Sha'a Zmanit"
    {413, 403, 2},   // Gregorian-transition page
    {415, 771, 1},   // "< select an event type >"
    {416, 290, 6},   // event types
    {422, 650, 12},  // event labels
    {434, 296, 5},   // export column titles
    {439, 870, 4},   // opinion-editor menu
    {443, 465, 2},   // confirmation message/caption pairs
    {445, 463, 2},
    {447, 461, 2},
    {449, 467, 2},
    {451, 501, 141}, // study-cycle vocabularies
    {592, 931, 20},  // Tanach books
    {612, 853, 1},   // "years"
    {613, 710, 4},   // haftarah customs
    {646, kIdApplicationTitle, 1}, // application title
    {647, 864, 1},   // "Year"
    {648, 800, 19},  // year-details sentences
    {667, 820, 6},   // "one" ... "six"
    {673, 830, 5},   // tray preference choices
    {678, 865, 1},
    {679, 858, 5},   // study-cycle titles and bar/bat mitzvah jumps
    {684, 927, 2},
    {686, 866, 2},
    {688, 951, 2},
    {690, 874, 1},   // molad pieces
    {691, 877, 1},
    {692, 876, 1},
    {693, 878, 3},
    {696, 875, 1},
    {697, 881, 5},   // "Israel", "Diaspora", "Big", "Medium", "Small"
    {703, 900, 1},   // print footers, details-bar captions, zmanim column labels
    {704, 899, 1},
    {705, 923, 1},
    {706, 901, 22},
    {728, 924, 1},
    {729, 953, 16},  // reminder texts
};

// Hebrew numeral letters, slots 617-645. Multi-letter values are stored in ascending
// order of value (the reverse of reading order) because numerals are built backwards.
const wchar_t* const kNumeralSlots[] = {
    L"\u05D0", L"\u05D1", L"\u05D2", L"\u05D3", L"\u05D4", L"\u05D5", L"\u05D6", L"\u05D7", L"\u05D8",
    L"\u05D9", L"\u05DB", L"\u05DC", L"\u05DE", L"\u05E0", L"\u05E1", L"\u05E2", L"\u05E4", L"\u05E6",
    L"\u05E7", L"\u05E8", L"\u05E9", L"\u05EA",
    L"\u05E7\u05EA", L"\u05E8\u05EA", L"\u05E9\u05EA", L"\u05EA\u05EA", L"\u05E7\u05EA\u05EA",
    L"\u05D5\u05D8", L"\u05D6\u05D8",
};
constexpr int kFirstNumeralSlot = 617;

TEXT_TABLE MakeInitialTable() {
    TEXT_TABLE table;
    int slot = kFirstNumeralSlot;
    for (const wchar_t* letters : kNumeralSlots)
        table.slot[static_cast<std::size_t>(slot++)] = letters;
    return table;
}

TEXT_TABLE g_table = MakeInitialTable();
const std::wstring kEmpty;

} // namespace

TEXT_TABLE& TextTable() { return g_table; }

const std::wstring& Text(int slot) {
    if (slot < 0 || slot >= kTextTableSlots)
        return kEmpty;
    return g_table.slot[static_cast<std::size_t>(slot)];
}

int SlotOfResource(int resourceId) {
    for (const SlotRun& run : kSlotRuns) {
        if (resourceId >= run.firstId && resourceId < run.firstId + run.count)
            return run.firstSlot + (resourceId - run.firstId);
    }
    return -1;
}

const std::wstring& TextOfResource(int resourceId) {
    if (const int slot = SlotOfResource(resourceId); slot >= 0)
        return Text(slot);
    return ResourceString(resourceId);
}

const std::wstring& NumberedResourceText(int resourceBase, int number, int count) {
    if (number < 1 || number > count)
        return kEmpty;
    return TextOfResource(resourceBase + number);
}

void ReloadTextTable() {
    for (const SlotRun& run : kSlotRuns) {
        for (int k = 0; k < run.count; ++k) {
            const int id = run.firstId + k;
            std::wstring& slot = g_table.slot[static_cast<std::size_t>(run.firstSlot + k)];
            if (const std::wstring_view text = CurrentModuleText(id); !text.empty())
                slot.assign(text);
            else if (slot.empty())
                slot = ResourceString(id); // a label is never left blank: English stands in
        }
    }
}

void ClearTextTable() { g_table = MakeInitialTable(); }

} // namespace vessant
