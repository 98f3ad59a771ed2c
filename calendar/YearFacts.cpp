#include "calendar/YearFacts.h"

#include "calendar/HebrewCalendar.h"
#include "calendar/TextTemplate.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

constexpr int kCreationText = 800;
constexpr int kYearTypeTexts = 800;  // + type 1..3
constexpr int kLeapText = 804;
constexpr int kSimpleText = 805;
constexpr int kLunarCycleText = 806;
constexpr int kSolarCycleText = 807;
constexpr int kShmitaClassTexts = 807; // + class 1..3
constexpr int kShmitaCycleText = 811;
constexpr int kCycleWords = 819;       // + 1..6: "one" ... "six"

struct EPOCH_TEXTS {
    int epochYear;
    int yearsAfterText;
    int epochYearText;
};
constexpr EPOCH_TEXTS kEpochs[] = {
    {kEpochTemple, 813, 816},
    {kEpochState, 814, 817},
    {kEpochJerusalem, 815, 818},
};

// Year of a cycle of the given length, with remainder 0 read as the cycle's last year.
CYCLE_POSITION CyclePosition(int hebrewYear, int length) {
    CYCLE_POSITION position;
    position.yearOfCycle = hebrewYear % length;
    if (position.yearOfCycle == 0)
        position.yearOfCycle = length;
    position.cycle = (hebrewYear - 1) / length + 1;
    return position;
}

} // namespace

int HebrewYearType(int hebrewYear) { return HebrewYearFrame(hebrewYear).kind; }

std::wstring HebrewYearTypeText(int hebrewYear) {
    const int type = HebrewYearType(hebrewYear);
    return type == 0 ? std::wstring() : TextOfResource(kYearTypeTexts + type);
}

std::wstring LeapYearText(int hebrewYear) {
    return TextOfResource(IsHebrewLeapYear(hebrewYear) ? kLeapText : kSimpleText);
}

CYCLE_POSITION LunarCycle(int hebrewYear) { return CyclePosition(hebrewYear, 19); }
CYCLE_POSITION SolarCycle(int hebrewYear) { return CyclePosition(hebrewYear, 28); }

std::wstring LunarCycleText(int hebrewYear) {
    const CYCLE_POSITION p = LunarCycle(hebrewYear);
    return FormatTemplate(TextOfResource(kLunarCycleText), {p.yearOfCycle, p.cycle});
}

std::wstring SolarCycleText(int hebrewYear) {
    const CYCLE_POSITION p = SolarCycle(hebrewYear);
    return FormatTemplate(TextOfResource(kSolarCycleText), {p.yearOfCycle, p.cycle});
}

SHMITA_POSITION ShmitaClass(int hebrewYear) {
    SHMITA_POSITION position;
    position.yearOfCycle = hebrewYear % 7;
    switch (position.yearOfCycle) {
    case 0:
        position.shmitaClass = kShmitaYear;
        break;
    case 3:
    case 6:
        position.shmitaClass = kShmitaMaaserAni;
        break;
    default:
        position.shmitaClass = kShmitaMaaserSheni;
        break;
    }
    return position;
}

std::wstring ShmitaClassText(int hebrewYear) {
    return TextOfResource(kShmitaClassTexts + ShmitaClass(hebrewYear).shmitaClass);
}

std::wstring ShmitaCycleText(int hebrewYear) {
    const SHMITA_POSITION p = ShmitaClass(hebrewYear);
    if (p.shmitaClass == kShmitaYear || p.yearOfCycle < 1 || p.yearOfCycle > 6)
        return {};
    return FormatTemplate(TextOfResource(kShmitaCycleText), {TextOfResource(kCycleWords + p.yearOfCycle)});
}

std::wstring CreationText(int hebrewYear) {
    return FormatTemplate(TextOfResource(kCreationText), {hebrewYear});
}

std::wstring YearsSinceEpoch(int hebrewYear, int epochYear) {
    for (const EPOCH_TEXTS& epoch : kEpochs) {
        if (epoch.epochYear != epochYear)
            continue;
        if (hebrewYear < epochYear)
            return {};
        if (hebrewYear == epochYear)
            return TextOfResource(epoch.epochYearText);
        return FormatTemplate(TextOfResource(epoch.yearsAfterText), {hebrewYear - epochYear});
    }
    return {};
}

} // namespace vessant
