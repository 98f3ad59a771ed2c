#include "dayview/DayBuilder.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "calendar/TextTemplate.h"
#include "locations/LocationCoordinates.h"
#include "text/TextTable.h"
#include "zmanim/DstRules.h"
#include "zmanim/ShitotStore.h"
#include "zmanim/Zmanim.h"

namespace vessant {

CDayBuilder::CDayBuilder(const DAY_INPUTS& inputs, TimesView view)
    : inputs_(inputs), view_(view), diaspora_(inputs.location.diaspora != 0) {
    const LOCATION_COORDINATES where = LocationCoordinates(inputs_.location);
    const SHITA_STRUCT* custom = where.shita >= kFirstCustomShita && inputs_.shitot != nullptr
                                     ? inputs_.shitot->FindShita(where.shita)
                                     : nullptr;
    SetupZmanim(zmanim_, where.longitude, where.latitude, where.zoneOffsetTenths, where.shita, where.dstRule,
                custom);
}

const ZMANIM_STRUCT& CDayBuilder::ZmanimOf(std::int32_t jdn) {
    if (!computed_ || zmanim_.julianDay != jdn) {
        ComputeZmanim(zmanim_, jdn);
        computed_ = true;
    }
    return zmanim_;
}

std::wstring CDayBuilder::OmerText(std::int32_t count) const {
    const std::wstring& pattern = TextOfResource(kDayEventTextBase + kCodeOmer);
    return inputs_.hebrewInterface ? FormatTemplate(pattern, {HebrewNumeral(count)})
                                   : FormatTemplate(pattern, {count});
}

void CDayBuilder::BuildHolidays(DAY_FACTS& facts, bool withTimes) {
    const std::int32_t jdn = facts.date.dayNumber;
    for (int i = 0; i < kDayEventSlots; ++i) {
        const DAY_EVENT entry = GetDayEvent(facts.entries, i);
        if (entry.code == 0)
            break;
        DAY_HOLIDAY& holiday = facts.holidays[static_cast<std::size_t>(facts.holidayCount++)];
        holiday.code = entry.code;
        holiday.value = entry.value;
        if (entry.code == kCodeOmer)
            holiday.text = OmerText(entry.value);
        else
            holiday.text = DayEventText(entry.code);
        holiday.timeCount = 0;
        if (!withTimes)
            continue;
        const HOLIDAY_TIMES which = HolidayTimesOf(entry.code, facts.weekday, diaspora_, FirstBornFastTimed(view_));
        holiday.timeCount = which.count;
        for (int k = 0; k < holiday.TimesShown(); ++k) {
            const ZMANIM_STRUCT& z = ZmanimOf(HolidayTimeDay(which.time[k], jdn, view_));
            holiday.times[k] = {which.time[k], ZmanOfHolidayTime(z, inputs_.location.candleLighting, which.time[k])};
        }
    }
}

void CDayBuilder::BuildShabbat(DAY_FACTS& facts, unsigned parts) {
    facts.shabbat = true;
    facts.portion = WeeklyPortion(PackedMonthDay(facts.date.hebMonth, facts.date.hebDay), facts.date.hebYear,
                                  diaspora_);
    if (parts & kDayShabbat) {
        facts.portionText = PortionText(facts.portion);
        facts.specialText = SpecialShabbatName(facts.portion.special);
    }
    if (parts & kDayShabbatTimes) {
        const ZMANIM_STRUCT& z = ZmanimOf(facts.date.dayNumber);
        facts.candleLighting = GetCandleLighting(z, inputs_.location.candleLighting);
        facts.havdalah = GetTzeitShabbat(z);
    }
}

void CDayBuilder::BuildStudy(DAY_FACTS& facts) const {
    const std::int32_t jdn = facts.date.dayNumber;
    facts.study[static_cast<std::size_t>(StudyProgramme::DafYomi)] = DafYomiText(DafYomi(jdn));
    facts.study[static_cast<std::size_t>(StudyProgramme::YerushalmiYomi)] = YerushalmiYomiText(YerushalmiYomi(jdn));
    facts.study[static_cast<std::size_t>(StudyProgramme::MishnaYomit)] = MishnaYomitText(MishnaYomit(jdn));
    facts.study[static_cast<std::size_t>(StudyProgramme::HalachaYomit)] = HalachaYomitText(HalachaYomit(jdn));
    facts.study[static_cast<std::size_t>(StudyProgramme::TanachYomi)] = TanachYomiText(TanachYomi(jdn));
}

void CDayBuilder::Build(const DATE_STRUCT& date, unsigned parts, DAY_FACTS& facts) {
    facts.date = date;
    facts.weekday = Weekday(date);
    facts.parts = parts;
    facts.holidayCount = 0;
    facts.shabbat = false;
    facts.portion = {};
    facts.portionText.clear();
    facts.specialText.clear();
    facts.candleLighting = {};
    facts.havdalah = {};
    facts.haftarahCase = 0;
    ClearHaftarahList(facts.haftarah);
    ClearHaftarahList(facts.haftarahAfternoon);
    for (std::wstring& text : facts.study)
        text.clear();
    facts.dstStatus = 0;
    facts.events.clear();

    const bool wantsEntries = (parts & (kDayHolidays | kDayHolidayTimes | kDayHaftarah)) != 0;
    if (wantsEntries)
        BuildDayEvents(facts.entries, date, diaspora_);
    else
        ClearDayEvents(facts.entries);
    if (parts & (kDayHolidays | kDayHolidayTimes))
        BuildHolidays(facts, (parts & kDayHolidayTimes) != 0);
    if (facts.weekday == 7 && (parts & (kDayShabbat | kDayShabbatTimes | kDayHaftarah)))
        BuildShabbat(facts, parts);
    if (parts & kDayHaftarah)
        facts.haftarahCase = DayHaftarot(facts.entries, facts.weekday, date.hebMonth, date.hebYear,
                                         facts.portion.first, facts.portion.special, diaspora_, inputs_.rite,
                                         facts.haftarah, facts.haftarahAfternoon);
    if (parts & kDayStudy)
        BuildStudy(facts);
    if (parts & kDayDst)
        facts.dstStatus = DstStatus(inputs_.location.dstRule, date.dayNumber);
    if ((parts & kDayEvents) && inputs_.events != nullptr)
        inputs_.events->EventsOnDay(date, facts.events);
    if (parts & kDayZmanim)
        FillDayZmanim(ZmanimOf(date.dayNumber), facts.zmanim);
}

} // namespace vessant
