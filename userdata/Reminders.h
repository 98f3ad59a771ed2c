#pragma once
// The reminder table, reminders.ini, the due times of reminders and their arming in the
// alarm table. Everything here runs on the user-interface thread; only the alarm table
// (AlarmTable.h) is shared with the scheduler thread.

#include "calendar/DateStruct.h"
#include "userdata/AlarmTable.h"
#include "userdata/Reminder.h"
#include "zmanim/ZmanimStruct.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <system_error>
#include <vector>

namespace vessant {

// The local clock time (hour, minute) of zman 1..12 on a civil day at the reminders'
// location; false when there is none.
using ZmanClockFunction = std::function<bool(int zman, const DATE_STRUCT& day, int& hour,
                                             int& minute)>;

// A location in the form the zmanim calculator takes it.
struct REMINDER_LOCATION {
    double longitude = 0.0;     // degrees, east positive
    double latitude = 0.0;      // degrees, north positive
    int timeZoneTenths = 0;
    int shita = kShitaEretzYisraelGra;
    int dstRule = 0;
};

// The zman clock of a location through the zmanim calculator (ReminderZmanim.cpp).
ZmanClockFunction ZmanClockAt(const REMINDER_LOCATION& location);

// When a reminder is due on a civil day: clock reminders at hour:minute:00, zman
// reminders at the zman's clock minute plus offset minutes (which may leave the day).
// Nothing for a reminder without a time, a zman outside 1..12 or without a zman clock.
std::optional<LocalSeconds> DueTimeOnDay(const _reminder& reminder, const DATE_STRUCT& day,
                                         const ZmanClockFunction& zmanClock);

// The first due time strictly after `now`, searched from now's own day: daily; on the
// weekdays whose flag is set; on hebrewDay of each Hebrew month or civilDay of each civil
// month, lowered to the month's length. Nothing when there is none (no time, no weekday
// set, an unknown recurrence). `like` supplies the Gregorian transition.
std::optional<LocalSeconds> NextDueTime(const _reminder& reminder, LocalSeconds now,
                                        const ZmanClockFunction& zmanClock,
                                        const DATE_STRUCT& like);

class CReminders {
public:
    explicit CReminders(CAlarmTable& alarms);
    ~CReminders();
    CReminders(const CReminders&) = delete;
    CReminders& operator=(const CReminders&) = delete;

    // reminders.ini in the given folder.
    void SetFolder(const std::filesystem::path& folder);
    const std::filesystem::path& File() const { return file_; }

    // Replaces the table with the file's reminders (ids 1, 2, 3 ...).
    void Load();
    // Writes every reminder that is not deleted; the old file is kept as
    // reminders.ini.txt. On failure the error is returned and the old file survives.
    std::error_code Save() const;

    // The location of zman reminders, through the zmanim calculator.
    void SetLocation(const REMINDER_LOCATION& location);
    // Replaces the zman clock (tests, or a caller with its own calculator).
    void SetZmanClock(ZmanClockFunction zmanClock);

    // Starts the scheduler thread, handing due ids to onDue, and arms every reminder.
    // The interval is one second in the program.
    void ArmAll(CAlarmTable::DueCallback onDue,
                std::chrono::milliseconds interval = std::chrono::milliseconds(1000));
    // Enters the reminder's next due time in the alarm table unless it is deleted or
    // already waiting there. Returns the due time entered or left waiting, if any.
    std::optional<LocalSeconds> Arm(int id);
    // Gives the reminder id count + 1 (line breaks in the message become blanks), stores
    // it, saves and arms it. Returns the id; the save's result goes to saveResult.
    int Add(_reminder reminder, std::error_code* saveResult = nullptr);
    // Cancels a waiting alarm at once and marks the reminder deleted; the caller saves.
    // False for an unknown id.
    bool Delete(int id);

    // A due id handed back on the user-interface thread: re-arms the reminder for its
    // next occurrence and returns it for showing when its popup flag is 1. Nothing for a
    // deleted or unknown reminder, which is neither shown nor armed again.
    const _reminder* HandleDue(int id);

    // Stops the scheduler, empties the alarm table and the reminder table.
    void Shutdown();

    const std::map<int, _reminder>& Table() const { return table_; }
    const _reminder* Find(int id) const;
    int Count() const { return count_; }
    // Gregorian transition of the calendar records used for due dates (UK by default).
    void SetTransition(int choice);

private:
    CAlarmTable& alarms_;
    std::map<int, _reminder> table_;
    int count_ = 0;
    std::filesystem::path file_;
    ZmanClockFunction zmanClock_;
    DATE_STRUCT calendar_;   // carries the transition
};

// The program-wide reminder table over the program-wide alarm table, and the operations
// the windows call on it.
CReminders& ProgramReminders();
void SetRemindersFolder(const std::filesystem::path& folder);
void LoadReminders();
std::error_code SaveReminders();
void SetReminderLocation(double longitude, double latitude, int timeZoneTenths, int shita,
                         int dstRule);
void ArmAllReminders(CAlarmTable::DueCallback onDue);
int AddReminder(const _reminder& reminder, std::error_code* saveResult = nullptr);
bool DeleteReminder(int id);
std::optional<LocalSeconds> ArmReminder(int id);

} // namespace vessant
