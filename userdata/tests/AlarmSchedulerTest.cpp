// The alarm table and its scheduler thread, and a simulated month of reminders: the
// platform clock is replaced by a simulated one that the test moves from one due second
// to the next, so a month runs in well under a second of real time.

#include "userdata/AlarmTable.h"
#include "userdata/Reminders.h"

#include "calendar/DateOperations.h"
#include "calendar/HebrewCalendar.h"
#include "platform/TextCodec.h"
#include "zmanim/Zmanim.h"
#include "userdata/tests/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>

using namespace vessant;
using namespace std::chrono_literals;

namespace {

LocalSeconds At(int year, int month, int day, int hour, int minute, int second = 0) {
    return LocalSecondsOf(platform::LOCAL_TIME{year, month, day, hour, minute, second, 0});
}

std::string Text(LocalSeconds seconds) {
    const auto t = LocalTimeOf(seconds);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// The platform clock for the length of a test, at a time the test sets.
class SimulatedClock {
public:
    explicit SimulatedClock(LocalSeconds start) : now_(start) {
        platform::SetNowProvider([this] {
            platform::LOCAL_TIME time = LocalTimeOf(now_.load());
            time.millisecond = 500;
            return time;
        });
    }
    ~SimulatedClock() { platform::SetNowProvider({}); }
    void Set(LocalSeconds now) { now_.store(now); }
    LocalSeconds Get() const { return now_.load(); }

private:
    std::atomic<LocalSeconds> now_;
};

// What the window does with a due id: the scheduler thread posts it, the window's thread
// takes it later. Each post is logged with the simulated second it was made in.
class PostedIds {
public:
    explicit PostedIds(const SimulatedClock& clock) : clock_(clock) {}
    void Post(int id) {
        std::lock_guard guard(lock_);
        queue_.push_back(id);
        fired_[id].push_back(clock_.Get());
    }
    std::deque<int> Take() {
        std::lock_guard guard(lock_);
        return std::exchange(queue_, {});
    }
    std::map<int, std::vector<LocalSeconds>> Fired() const {
        std::lock_guard guard(lock_);
        return fired_;
    }

private:
    const SimulatedClock& clock_;
    mutable std::mutex lock_;
    std::deque<int> queue_;
    std::map<int, std::vector<LocalSeconds>> fired_;
};

} // namespace

TEST(AlarmTable, EntriesAreOneShotAndNeverReplaced) {
    CAlarmTable alarms;
    EXPECT_TRUE(alarms.Add(1, 1000));
    EXPECT_FALSE(alarms.Add(1, 500)) << "a waiting alarm is not moved";
    EXPECT_EQ(alarms.DueTime(1), 1000);
    EXPECT_TRUE(alarms.Add(2, 1000));
    EXPECT_TRUE(alarms.Add(3, 2000));
    EXPECT_EQ(alarms.EarliestDue(), 1000);

    EXPECT_TRUE(alarms.Scan(999).empty());
    EXPECT_EQ(alarms.Scan(1000), (std::vector<int>{1, 2}));
    EXPECT_TRUE(alarms.Scan(1000).empty()) << "handed over once";
    EXPECT_TRUE(alarms.Remove(3));
    EXPECT_FALSE(alarms.Remove(3));
    EXPECT_TRUE(alarms.Scan(5000).empty());
    EXPECT_EQ(alarms.Count(), 0);
    EXPECT_FALSE(alarms.EarliestDue());
}

TEST(AlarmTable, SchedulerThreadHandsDueIdsToTheCallbackWhichMayReArm) {
    SimulatedClock clock(1'000'000);
    CAlarmTable alarms;
    std::mutex lock;
    std::vector<std::pair<int, LocalSeconds>> calls;
    alarms.Add(7, 1'000'002);
    alarms.Start(
        [&](int id) {
            {
                std::lock_guard guard(lock);
                calls.emplace_back(id, clock.Get());
            }
            alarms.Add(id, clock.Get() + 10);   // re-arming from the callback must not deadlock
        },
        1ms);
    EXPECT_TRUE(alarms.Running());
    for (LocalSeconds t = 1'000'000; t <= 1'000'013; ++t) {
        const auto scans = alarms.ThreadScans();
        clock.Set(t);
        ASSERT_TRUE(alarms.WaitForScansAfter(scans + 1, 5s));
    }
    alarms.Stop();
    alarms.Stop();
    EXPECT_FALSE(alarms.Running());
    std::lock_guard guard(lock);
    EXPECT_EQ(calls, (std::vector<std::pair<int, LocalSeconds>>{{7, 1'000'002}, {7, 1'000'012}}));
}

TEST(AlarmTable, StopEndsAWaitingThreadAtOnce) {
    CAlarmTable alarms;
    alarms.Start([](int) {}, 1h);
    const auto start = std::chrono::steady_clock::now();
    alarms.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

// A month of reminders at a real location, 25 December 2024 to 31 January 2025:
// daily at 07:00, Sunday to Thursday at 18:30, day 30 of every Hebrew month (30 Kislev,
// then the 29th of the 29-day Tevet) at 12:00, and 10 minutes before sunset in Jerusalem;
// one reminder deleted before it ever fires and one deleted while it waits.
TEST(ReminderScheduler, ASimulatedMonthFiresEachReminderOnceAtTheRightSecond) {
    const LocalSeconds start = At(2024, 12, 25, 0, 0, 0);
    const LocalSeconds end = At(2025, 2, 1, 0, 0, 0);
    const LocalSeconds deleteAt = At(2025, 1, 10, 9, 30, 0);
    SimulatedClock clock(start);
    PostedIds posted(clock);

    CAlarmTable alarms;
    CReminders reminders(alarms);
    reminders.SetFolder(testing_files::FreshFolder("month"));
    const REMINDER_LOCATION jerusalem{35.2167, 31.7833, 20, kShitaEretzYisraelGra, 0};
    reminders.SetLocation(jerusalem);

    _reminder daily;
    daily.msg = L"daily";
    daily.timeKind = kReminderTimeClock;
    daily.hour = 7;
    _reminder weekdays = daily;
    weekdays.msg = L"weekdays";
    weekdays.hour = 18;
    weekdays.minute = 30;
    weekdays.recurrence = kReminderWeekdays;
    weekdays.weekdays = {1, 1, 1, 1, 1, 0, 0};
    _reminder hebrew30 = daily;
    hebrew30.msg = L"day 30";
    hebrew30.hour = 12;
    hebrew30.recurrence = kReminderHebrewDay;
    hebrew30.hebrewDay = 30;
    _reminder sunset;
    sunset.msg = L"sunset";
    sunset.timeKind = kReminderTimeZman;
    sunset.zman = kZmanShkia;
    sunset.offset = -10;
    _reminder neverFires = daily;
    neverFires.msg = L"deleted at once";
    neverFires.hour = 8;
    _reminder deletedLater = daily;
    deletedLater.msg = L"deleted while waiting";
    deletedLater.hour = 10;

    const int idDaily = reminders.Add(daily);
    const int idWeekdays = reminders.Add(weekdays);
    const int idHebrew = reminders.Add(hebrew30);
    const int idSunset = reminders.Add(sunset);
    const int idNever = reminders.Add(neverFires);
    const int idLater = reminders.Add(deletedLater);
    ASSERT_TRUE(reminders.Delete(idNever));

    // The expected seconds, from the calendar and the zmanim calculator directly.
    std::map<int, std::vector<LocalSeconds>> expected;
    ZMANIM_STRUCT zmanim;
    SetupZmanim(zmanim, jerusalem.longitude, jerusalem.latitude, jerusalem.timeZoneTenths,
                jerusalem.shita, jerusalem.dstRule);
    DATE_STRUCT day;
    SetTransition(day, kTransitionUK);
    SetCivilDate(day, 2024, 12, 25);
    for (; LocalSecondsOfDay(day.dayNumber, 0, 0, 0) < end; AddDays(day, 1)) {
        const int jd = day.dayNumber;
        expected[idDaily].push_back(LocalSecondsOfDay(jd, 7, 0, 0));
        if (Weekday(day) <= 5)
            expected[idWeekdays].push_back(LocalSecondsOfDay(jd, 18, 30, 0));
        if (day.hebDay == 30 || (day.hebDay == 29 && HebrewMonthLength(day.hebMonth, day.hebYear) == 29))
            expected[idHebrew].push_back(LocalSecondsOfDay(jd, 12, 0, 0));
        ComputeZmanim(zmanim, jd);
        const CLOCK_TIME shkia = GetShkia(zmanim);
        expected[idSunset].push_back(LocalSecondsOfDay(jd, shkia.hour, shkia.minute, 0) - 600);
        if (LocalSecondsOfDay(jd, 10, 0, 0) < deleteAt)
            expected[idLater].push_back(LocalSecondsOfDay(jd, 10, 0, 0));
    }
    ASSERT_EQ(expected[idHebrew], (std::vector<LocalSeconds>{At(2024, 12, 31, 12, 0),
                                                             At(2025, 1, 29, 12, 0)}));

    reminders.ArmAll([&posted](int id) { posted.Post(id); }, 1ms);
    const auto moveTo = [&](LocalSeconds t) {
        const auto scans = alarms.ThreadScans();
        clock.Set(t);
        // Two scans: the first may have read the clock before it moved.
        ASSERT_TRUE(alarms.WaitForScansAfter(scans + 1, 5s));
        for (int id : posted.Take()) {
            const _reminder* due = reminders.HandleDue(id);   // the window re-arms
            ASSERT_NE(due, nullptr) << "id " << id;
        }
    };
    bool deleted = false;
    for (int steps = 0; steps < 2000; ++steps) {
        std::optional<LocalSeconds> next = alarms.EarliestDue();
        if (!deleted && (!next || *next > deleteAt))
            next = deleteAt;
        if (!next || *next >= end)
            break;
        if (*next - 1 > clock.Get())
            moveTo(*next - 1);   // nothing may fire a second early
        moveTo(*next);
        if (!deleted && clock.Get() >= deleteAt) {
            ASSERT_TRUE(alarms.DueTime(idLater));
            ASSERT_TRUE(reminders.Delete(idLater));
            deleted = true;
        }
    }
    std::map<int, std::wstring> names;
    for (const auto& [id, reminder] : reminders.Table())
        names[id] = reminder.msg;
    reminders.Shutdown();   // stops the thread

    const auto fired = posted.Fired();
    for (int id : {idDaily, idWeekdays, idHebrew, idSunset, idLater}) {
        SCOPED_TRACE(platform::Utf8FromWide(names[id]));
        std::vector<std::string> got, want;
        for (LocalSeconds s : fired.count(id) ? fired.at(id) : std::vector<LocalSeconds>{})
            got.push_back(Text(s));
        for (LocalSeconds s : expected[id])
            want.push_back(Text(s));
        EXPECT_EQ(got, want);
    }
    EXPECT_EQ(fired.count(idNever), 0u) << "a deleted reminder never fires";
    EXPECT_EQ(expected[idDaily].size(), 38u);
    EXPECT_EQ(expected[idLater].size(), 16u);
}

TEST(ReminderScheduler, EveryReminderIsArmedAgainForItsNextOccurrence) {
    SimulatedClock clock(At(2025, 1, 29, 11, 0));
    CAlarmTable alarms;
    CReminders reminders(alarms);
    reminders.SetFolder(testing_files::FreshFolder("rearm"));
    const REMINDER_LOCATION jerusalem{35.2167, 31.7833, 20, kShitaEretzYisraelGra, 0};
    reminders.SetLocation(jerusalem);
    _reminder hebrew30;
    hebrew30.timeKind = kReminderTimeClock;
    hebrew30.hour = 12;
    hebrew30.recurrence = kReminderHebrewDay;
    hebrew30.hebrewDay = 30;
    hebrew30.popup = 0;
    const int id = reminders.Add(hebrew30);
    EXPECT_EQ(alarms.DueTime(id), At(2025, 1, 29, 12, 0));
    EXPECT_EQ(reminders.Arm(id), At(2025, 1, 29, 12, 0)) << "arming twice changes nothing";

    clock.Set(At(2025, 1, 29, 12, 0));
    EXPECT_EQ(alarms.Tick(), std::vector<int>{id});
    EXPECT_EQ(reminders.HandleDue(id), nullptr) << "popup 0: nothing to show";
    EXPECT_EQ(alarms.DueTime(id), At(2025, 2, 28, 12, 0)) << "but armed again";
    EXPECT_EQ(reminders.HandleDue(999), nullptr);
    reminders.Shutdown();
    EXPECT_EQ(alarms.Count(), 0);
}
