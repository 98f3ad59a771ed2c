#include "userdata/EventList.h"

#include "calendar/DateOperations.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "platform/SingleLine.h"
#include "userdata/EventRules.h"

#include <cstdint>

namespace vessant {
namespace {

// The UTF-16 code unit at which a code point's encoding starts, and the second unit of a
// surrogate pair (0 for a single unit).
std::uint32_t FirstUnit(std::uint32_t c) {
    return c < 0x10000 ? c : 0xD800 + ((c - 0x10000) >> 10);
}
std::uint32_t SecondUnit(std::uint32_t c) {
    return c < 0x10000 ? 0 : 0xDC00 + ((c - 0x10000) & 0x3FF);
}

} // namespace

int CompareUtf16Ordinal(std::wstring_view a, std::wstring_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<std::uint32_t>(a[i]);
        const auto y = static_cast<std::uint32_t>(b[i]);
        if (x == y)
            continue;
        if (FirstUnit(x) != FirstUnit(y))
            return FirstUnit(x) < FirstUnit(y) ? -1 : 1;
        return SecondUnit(x) < SecondUnit(y) ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool CEventTitleComparer::Greater(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const {
    return CompareUtf16Ordinal(a.title, b.title) > 0;
}
bool CEventTitleComparer::Less(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const {
    return CompareUtf16Ordinal(a.title, b.title) < 0;
}
bool CEventTitleComparer::Equal(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const {
    return CompareUtf16Ordinal(a.title, b.title) == 0;
}

int CListAccessor::Count() const { return static_cast<int>(records_.size()); }
const EVENT_STRUCT& CListAccessor::At(int index) const { return *records_[index]; }
void CListAccessor::Swap(int a, int b) { records_[a].swap(records_[b]); }

CEventList::CEventList() {
    SetTransition(tested_, kTransitionUK);
    SetDayNumber(tested_, 2451545);   // any valid day until the caller sets one
}

void CEventList::SetFolder(const std::filesystem::path& folder) {
    file_ = folder / "events.ini";
}

std::error_code CEventList::Load() {
    const auto profile = platform::ProfileFile::Open(file_);
    if (!profile.existed()) {
        std::error_code ec;
        if (std::filesystem::exists(file_, ec))
            return std::make_error_code(std::errc::permission_denied);
        return {};
    }
    for (const std::wstring& section : profile.SectionNames()) {
        auto event = std::make_unique<EVENT_STRUCT>();
        event->title = profile.GetString(section, kEventKeyTitle);
        if (event->title.empty())
            event->title = section;
        event->desc = profile.GetString(section, kEventKeyDesc);
        event->jdn = profile.GetInt(section, kEventKeyJdn, 0);
        event->type = profile.GetInt(section, kEventKeyType, 0);
        event->cal = profile.GetInt(section, kEventKeyCal, 0);
        records_.push_back(std::move(event));
    }
    Sort();
    return {};
}

std::string CEventList::Serialize() const {
    platform::ProfileFile profile;
    int number = 0;
    for (const auto& event : records_) {
        const std::wstring section = std::to_wstring(number++);
        profile.WriteInt(section, kEventKeyJdn, event->jdn);
        profile.WriteInt(section, kEventKeyType, event->type);
        profile.WriteInt(section, kEventKeyCal, event->cal);
        // Each line break its own blank, as Add stores them (the profile alone would fold
        // CRLF into one).
        profile.WriteString(section, kEventKeyDesc, platform::SingleLine(event->desc));
        profile.WriteString(section, kEventKeyTitle, platform::SingleLine(event->title));
    }
    return profile.Serialize();
}

std::error_code CEventList::Save() const {
    // A failed copy of the previous generation must not stop the save itself: the
    // atomic write below still never leaves a damaged events.ini.
    (void)platform::KeepPreviousGeneration(file_);
    return platform::WriteFileAtomically(file_, Serialize());
}

std::error_code CEventList::Add(std::wstring_view title, std::wstring_view desc, int jdn,
                                int cal, int type) {
    auto event = std::make_unique<EVENT_STRUCT>();
    event->jdn = jdn;
    event->type = type;
    event->cal = cal;
    event->title = platform::SingleLine(title);
    event->desc = platform::SingleLine(desc);
    records_.push_back(std::move(event));
    Sort();
    return Save();
}

bool CEventList::Delete(int position) {
    if (position < 0 || position >= Count())
        return false;
    records_.erase(records_.begin() + position);
    ListChanged();
    return true;
}

void CEventList::Sort() {
    CListAccessor accessor(records_);
    CCollectionSorter<EVENT_STRUCT>::Sort(accessor, CEventTitleComparer());
    ListChanged();
}

void CEventList::SetDayBeingTested(int dayNumber) { SetDayNumber(tested_, dayNumber); }

const CEventList::EVENT_DAY_CACHE& CEventList::CachedEventDay(int position, const DATE_STRUCT& like) const {
    if (dayCache_.size() != records_.size())
        dayCache_.assign(records_.size(), EVENT_DAY_CACHE{});
    EVENT_DAY_CACHE& entry = dayCache_[position];
    const int jdn = records_[position]->jdn;
    if (!entry.valid || entry.jdn != jdn || entry.lastJulianDayNumber != like.lastJulianDayNumber) {
        entry.valid = true;
        entry.jdn = jdn;
        entry.lastJulianDayNumber = like.lastJulianDayNumber;
        entry.inRange = EventDay(jdn, like, entry.day);
    }
    return entry;
}

void CEventList::EventsOnDay(const DATE_STRUCT& day, std::vector<EVENT_OCCURRENCE>& out) const {
    out.clear();
    for (int position = 0; position < Count(); ++position) {
        const EVENT_DAY_CACHE& own = CachedEventDay(position, day);
        if (!own.inRange)
            continue;
        const EVENT_STRUCT& event = *records_[position];
        const EVENT_MATCH match = MatchEventOnDay(event, own.day, day);
        if (!match.recurs)
            continue;
        EVENT_OCCURRENCE& occurrence = out.emplace_back();
        occurrence.title = event.title;
        occurrence.desc = event.desc;
        occurrence.type = event.type;
        occurrence.cal = event.cal;
        occurrence.years = match.years;
        occurrence.matchedCal = match.matchedCal;
    }
}

bool CEventList::JumpToUpcomingHebrewDate(int eventJdn, int type) {
    DATE_STRUCT today = tested_;
    DATE_STRUCT result;
    if (!SetToday(today) || !UpcomingHebrewDate(today, eventJdn, type, result))
        return false;
    tested_ = result;
    return true;
}

bool CEventList::JumpToUpcomingCivilDate(int eventJdn) {
    DATE_STRUCT today = tested_;
    DATE_STRUCT result;
    if (!SetToday(today) || !UpcomingCivilDate(today, eventJdn, result))
        return false;
    tested_ = result;
    return true;
}

bool CEventList::JumpToBarMitzvahDate(int birthJdn, int years) {
    DATE_STRUCT result;
    if (!BarMitzvahDate(tested_, birthJdn, years, result))
        return false;
    tested_ = result;
    return true;
}

CEventList& UserEvents() {
    static CEventList list;
    return list;
}

void SetEventsFolder(const std::filesystem::path& folder) { UserEvents().SetFolder(folder); }
std::error_code LoadUserEvents() { return UserEvents().Load(); }
std::error_code SaveUserEvents() { return UserEvents().Save(); }
std::error_code AddUserEvent(std::wstring_view title, std::wstring_view desc, int jdn, int cal,
                             int type) {
    return UserEvents().Add(title, desc, jdn, cal, type);
}
bool DeleteUserEvent(int position) { return UserEvents().Delete(position); }

} // namespace vessant
