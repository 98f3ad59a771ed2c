#pragma once
// Fills the facts of a day (DayFacts.h) from the engines, for one location and one set of
// choices given once; then any number of days, in any order.

#include "dayview/DayFacts.h"
#include "dayview/DayInputs.h"
#include "zmanim/ZmanimStruct.h"

#include <cstdint>

namespace vessant {

class CDayBuilder {
public:
    CDayBuilder(const DAY_INPUTS& inputs, TimesView view);

    const DAY_INPUTS& Inputs() const { return inputs_; }
    TimesView View() const { return view_; }

    // Replaces `facts` with the parts asked for of `date` (under the record's own
    // Gregorian transition); the other parts are left empty.
    void Build(const DATE_STRUCT& date, unsigned parts, DAY_FACTS& facts);

    // The location's zmanim record computed for civil day jdn (kept until another day is
    // asked for).
    const ZMANIM_STRUCT& ZmanimOf(std::int32_t jdn);

private:
    void BuildHolidays(DAY_FACTS& facts, bool withTimes);
    void BuildShabbat(DAY_FACTS& facts, unsigned parts);
    void BuildStudy(DAY_FACTS& facts) const;
    std::wstring OmerText(std::int32_t count) const;

    DAY_INPUTS inputs_;
    TimesView view_;
    bool diaspora_ = false;
    ZMANIM_STRUCT zmanim_;
    bool computed_ = false;
};

} // namespace vessant
