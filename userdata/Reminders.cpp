#include "userdata/Reminders.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "platform/Clock.h"
#include "platform/SingleLine.h"
#include "userdata/EventStruct.h"
#include "userdata/ReminderFile.h"

#include <algorithm>

namespace vessant {
namespace {

// How far ahead a due time is searched. Every valid reminder is due within a few days or
// months; the bound only stops a reminder hand-edited into never being due (a zman offset
// of days back, say) from looping.
constexpr int kSearchDays = 400;
constexpr int kSearchMonths = 40;

// The first due time after now on one of the days produced by stepping `day`.
template <class Step>
std::optional<LocalSeconds> FirstDueAfter(const _reminder& reminder, LocalSeconds now,
                                          const ZmanClockFunction& zmanClock, DATE_STRUCT day,
                                          int limit, Step step) {
    for (int i = 0; i < limit; ++i) {
        if (const auto due = DueTimeOnDay(reminder, day, zmanClock); due && *due > now)
            return due;
        if (!step(day))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<LocalSeconds> DueTimeOnDay(const _reminder& reminder, const DATE_STRUCT& day,
                                         const ZmanClockFunction& zmanClock) {
    if (reminder.timeKind == kReminderTimeClock)
        return LocalSecondsOfDay(day.dayNumber, reminder.hour, reminder.minute, 0);
    if (reminder.timeKind == kReminderTimeZman) {
        if (reminder.zman < kZmanAlot || reminder.zman > kZmanChatzotLayla || !zmanClock)
            return std::nullopt;
        int hour = 0;
        int minute = 0;
        if (!zmanClock(reminder.zman, day, hour, minute))
            return std::nullopt;
        return LocalSecondsOfDay(day.dayNumber, hour, minute, 0) +
               static_cast<LocalSeconds>(reminder.offset) * 60;
    }
    return std::nullopt;
}

std::optional<LocalSeconds> NextDueTime(const _reminder& reminder, LocalSeconds now,
                                        const ZmanClockFunction& zmanClock,
                                        const DATE_STRUCT& like) {
    DATE_STRUCT today = like;
    if (SetDayNumber(today, DayNumberOf(LocalTimeOf(now))) != 0)
        return std::nullopt;
    const auto nextDay = [](DATE_STRUCT& day) {
        AddDays(day, 1);
        return true;
    };

    switch (reminder.recurrence) {
    case kReminderDaily:
        return FirstDueAfter(reminder, now, zmanClock, today, kSearchDays, nextDay);

    case kReminderWeekdays: {
        if (std::none_of(reminder.weekdays.begin(), reminder.weekdays.end(),
                         [](int flag) { return flag != 0; }))
            return std::nullopt;
        DATE_STRUCT day = today;
        for (int i = 0; i < kSearchDays; ++i, AddDays(day, 1)) {
            if (reminder.weekdays[Weekday(day) - 1] == 0)
                continue;
            if (const auto due = DueTimeOnDay(reminder, day, zmanClock); due && *due > now)
                return due;
        }
        return std::nullopt;
    }

    case kReminderHebrewDay: {
        if (reminder.hebrewDay < 1)
            return std::nullopt;
        // `first` walks the 1st of each Hebrew month; the candidate is the reminder's day
        // of that month, lowered to the month's length.
        DATE_STRUCT first = like;
        if (!SetHebrewDate(first, today.hebYear, today.hebMonth, 1))
            return std::nullopt;
        for (int i = 0; i < kSearchMonths; ++i, StepHebrewMonth(first, 1)) {
            const int length = HebrewMonthLength(first.hebMonth, first.hebYear);
            DATE_STRUCT day = first;
            if (!SetHebrewDate(day, first.hebYear, first.hebMonth,
                               std::min(reminder.hebrewDay, length)))
                return std::nullopt;
            if (const auto due = DueTimeOnDay(reminder, day, zmanClock); due && *due > now)
                return due;
        }
        return std::nullopt;
    }

    case kReminderCivilDay: {
        if (reminder.civilDay < 1)
            return std::nullopt;
        const DATE_TRIPLE shown = CivilDateForDisplay(today);
        DATE_STRUCT first = like;
        if (!SetCivilDate(first, shown.year, shown.month, 1))
            return std::nullopt;
        for (int i = 0; i < kSearchMonths; ++i, StepCivilMonth(first, 1)) {
            const DATE_TRIPLE month = CivilDateForDisplay(first);
            const int length = CivilMonthLength(first, month.month);
            DATE_STRUCT day = first;
            if (!SetCivilDate(day, month.year, month.month, std::min(reminder.civilDay, length)))
                return std::nullopt;
            if (const auto due = DueTimeOnDay(reminder, day, zmanClock); due && *due > now)
                return due;
        }
        return std::nullopt;
    }

    default:
        return std::nullopt;
    }
}

CReminders::CReminders(CAlarmTable& alarms) : alarms_(alarms) {
    vessant::SetTransition(calendar_, kTransitionUK);
    SetDayNumber(calendar_, 2451545);
}

CReminders::~CReminders() { Shutdown(); }

void CReminders::SetFolder(const std::filesystem::path& folder) {
    file_ = folder / "reminders.ini";
}

void CReminders::SetTransition(int choice) { vessant::SetTransition(calendar_, choice); }

void CReminders::Load() {
    // Ids are given afresh, so alarms armed under the old ones must not fire for others.
    for (const auto& [id, reminder] : table_)
        alarms_.Remove(id);
    table_.clear();
    count_ = 0;
    for (_reminder& reminder : ReadReminders(file_)) {
        count_ = reminder.id;
        table_.emplace(reminder.id, std::move(reminder));
    }
}

std::error_code CReminders::Save() const {
    std::vector<const _reminder*> ordered;
    ordered.reserve(table_.size());
    for (const auto& [id, reminder] : table_)
        ordered.push_back(&reminder);
    return WriteReminders(file_, ordered);
}

void CReminders::SetLocation(const REMINDER_LOCATION& location) {
    zmanClock_ = ZmanClockAt(location);
}

void CReminders::SetZmanClock(ZmanClockFunction zmanClock) { zmanClock_ = std::move(zmanClock); }

const _reminder* CReminders::Find(int id) const {
    const auto it = table_.find(id);
    return it == table_.end() ? nullptr : &it->second;
}

void CReminders::ArmAll(CAlarmTable::DueCallback onDue, std::chrono::milliseconds interval) {
    alarms_.Start(std::move(onDue), interval);
    for (const auto& [id, reminder] : table_)
        Arm(id);
}

std::optional<LocalSeconds> CReminders::Arm(int id) {
    const _reminder* reminder = Find(id);
    if (!reminder || reminder->deleted == 1)
        return std::nullopt;
    if (const auto waiting = alarms_.DueTime(id))
        return waiting;
    const LocalSeconds now = LocalSecondsOf(platform::Now());
    const auto due = NextDueTime(*reminder, now, zmanClock_, calendar_);
    if (!due)
        return std::nullopt;
    alarms_.Add(id, *due);
    return alarms_.DueTime(id);
}

int CReminders::Add(_reminder reminder, std::error_code* saveResult) {
    reminder.id = count_ + 1;
    reminder.msg = platform::SingleLine(reminder.msg);
    count_ = reminder.id;
    const int id = reminder.id;
    table_[id] = std::move(reminder);
    const std::error_code saved = Save();
    if (saveResult)
        *saveResult = saved;
    Arm(id);
    return id;
}

bool CReminders::Delete(int id) {
    const auto it = table_.find(id);
    if (it == table_.end())
        return false;
    alarms_.Remove(id);
    it->second.deleted = 1;
    return true;
}

const _reminder* CReminders::HandleDue(int id) {
    const _reminder* reminder = Find(id);
    if (!reminder || reminder->deleted == 1)
        return nullptr;
    Arm(id);
    return reminder->popup == 1 ? reminder : nullptr;
}

void CReminders::Shutdown() {
    alarms_.Stop();
    for (const auto& [id, reminder] : table_)
        alarms_.Remove(id);
    table_.clear();
    count_ = 0;
}

CReminders& ProgramReminders() {
    static CReminders reminders(Alarms());
    return reminders;
}

void SetRemindersFolder(const std::filesystem::path& folder) {
    ProgramReminders().SetFolder(folder);
}
void LoadReminders() { ProgramReminders().Load(); }
std::error_code SaveReminders() { return ProgramReminders().Save(); }
void SetReminderLocation(double longitude, double latitude, int timeZoneTenths, int shita,
                         int dstRule) {
    ProgramReminders().SetLocation({longitude, latitude, timeZoneTenths, shita, dstRule});
}
void ArmAllReminders(CAlarmTable::DueCallback onDue) { ProgramReminders().ArmAll(std::move(onDue)); }
int AddReminder(const _reminder& reminder, std::error_code* saveResult) {
    return ProgramReminders().Add(reminder, saveResult);
}
bool DeleteReminder(int id) { return ProgramReminders().Delete(id); }
std::optional<LocalSeconds> ArmReminder(int id) { return ProgramReminders().Arm(id); }

} // namespace vessant
