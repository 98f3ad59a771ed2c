#pragma once
// The user's event list: owned EVENT_STRUCT records kept sorted by title, and its file
// events.ini. The program keeps one list (UserEvents) from start-up to exit.

#include "calendar/DateStruct.h"
#include "userdata/CollectionSorter.h"
#include "userdata/EventStruct.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

namespace vessant {

struct EVENT_MATCH;

using EventRecords = std::vector<std::unique_ptr<EVENT_STRUCT>>;

// Negative, zero or positive as a is before, equal to or after b when both are compared
// by their UTF-16 code units (so a character above U+FFFF sorts by its high surrogate,
// before U+E000..U+FFFF).
int CompareUtf16Ordinal(std::wstring_view a, std::wstring_view b);

// Orders events by an ordinal comparison of their titles' UTF-16 code units.
class CEventTitleComparer final : public IComparer<EVENT_STRUCT> {
public:
    bool Greater(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const override;
    bool Less(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const override;
    bool Equal(const EVENT_STRUCT& a, const EVENT_STRUCT& b) const override;
};

// The element at an index of an event list; swapping exchanges the owned records.
class CListAccessor final : public ICollectionAccessor<EVENT_STRUCT> {
public:
    explicit CListAccessor(EventRecords& records) : records_(records) {}
    int Count() const override;
    const EVENT_STRUCT& At(int index) const override;
    void Swap(int a, int b) override;

private:
    EventRecords& records_;
};

// One event of the list that recurs on a day.
struct EVENT_OCCURRENCE {
    std::wstring title;
    std::wstring desc;
    int type = 0;
    int cal = 0;
    int years = kYearsNothing;   // the years annotation (EventStruct.h)
    int matchedCal = 0;          // 1 Hebrew, 2 civil; types 0 to 2 only
};

class CEventList {
public:
    CEventList();

    // events.ini in the given folder.
    void SetFolder(const std::filesystem::path& folder);
    const std::filesystem::path& File() const { return file_; }

    // Appends every section of the file, then sorts. A missing file adds nothing and is
    // not an error; an unreadable one is reported and adds nothing.
    std::error_code Load();

    // Writes the whole list: the old file is first kept as events.ini.txt, then the new
    // one replaces it in one step. On failure the error is returned and events.ini is as
    // it was.
    std::error_code Save() const;

    // Appends a new event (line breaks in title and description become blanks), sorts
    // and saves; the save's result is returned and the event stays in the list either way.
    std::error_code Add(std::wstring_view title, std::wstring_view desc, int jdn, int cal,
                        int type);

    // Removes the event at a list position; false when there is none. The caller saves.
    bool Delete(int position);

    void Sort();
    void Clear() { records_.clear(); ListChanged(); }
    int Count() const { return static_cast<int>(records_.size()); }
    const EVENT_STRUCT& At(int position) const { return *records_[position]; }
    EVENT_STRUCT& At(int position) { return *records_[position]; }

    // The bytes Save writes.
    std::string Serialize() const;

    // The events that recur on `day` (by the rules of EventRules.h, under the day's own
    // Gregorian transition), in list order. `out` is replaced; its storage is reused.
    void EventsOnDay(const DATE_STRUCT& day, std::vector<EVENT_OCCURRENCE>& out) const;

    // The target of the jump operations below. Its Gregorian transition is the one the
    // caller set (UK by default).
    DATE_STRUCT& DayBeingTested() { return tested_; }
    void SetDayBeingTested(int dayNumber);

    // Set the day being tested to the next Hebrew or civil recurrence from today (the
    // local clock) of an event day, or to a Bar/Bat Mitzvah date (years 13 or 12). False,
    // and the record unchanged, for a day number outside the calendar's range.
    bool JumpToUpcomingHebrewDate(int eventJdn, int type);
    bool JumpToUpcomingCivilDate(int eventJdn);
    bool JumpToBarMitzvahDate(int birthJdn, int years);

private:
    // The calendar record of an event's day, kept until the list or the transition
    // changes: the month table asks for every event on 42 days.
    struct EVENT_DAY_CACHE {
        bool valid = false;
        int jdn = 0;
        int lastJulianDayNumber = 0;
        bool inRange = false;
        DATE_STRUCT day;
    };
    const EVENT_DAY_CACHE& CachedEventDay(int position, const DATE_STRUCT& like) const;
    void ListChanged() { dayCache_.clear(); }

    EventRecords records_;
    std::filesystem::path file_;
    DATE_STRUCT tested_;
    mutable std::vector<EVENT_DAY_CACHE> dayCache_;
};

// The program-wide list and the operations the windows call on it.
CEventList& UserEvents();
void SetEventsFolder(const std::filesystem::path& folder);
std::error_code LoadUserEvents();
std::error_code SaveUserEvents();
std::error_code AddUserEvent(std::wstring_view title, std::wstring_view desc, int jdn, int cal,
                             int type);
bool DeleteUserEvent(int position);

} // namespace vessant
