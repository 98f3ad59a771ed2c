#include "userdata/ReminderFile.h"
#include "userdata/Reminders.h"

#include "platform/TextCodec.h"
#include "userdata/tests/TestFiles.h"

#include <gtest/gtest.h>

using namespace vessant;
using namespace vessant::testing_files;

namespace {

std::string Utf16File(std::wstring_view text) {
    return "\xFF\xFE" + platform::Utf16LeFromWide(text);
}

_reminder Clock(std::wstring msg, int hour, int minute) {
    _reminder r;
    r.msg = std::move(msg);
    r.timeKind = kReminderTimeClock;
    r.hour = hour;
    r.minute = minute;
    return r;
}

} // namespace

TEST(ReminderFile, LoadsWithTheLaterRuleOverridingTheEarlier) {
    const auto reminders = ReadReminders(Fixture("reminders.ini"));
    ASSERT_EQ(reminders.size(), 4u);

    const _reminder& both = reminders[0];
    EXPECT_EQ(both.id, 1);
    EXPECT_EQ(both.msg, L"Pay the rent");
    EXPECT_EQ(both.recurrence, kReminderCivilDay) << "repeat cdom overrides repeat hdom";
    EXPECT_EQ(both.civilDay, 7);
    EXPECT_EQ(both.hebrewDay, 5);
    EXPECT_EQ(both.timeKind, kReminderTimeClock);
    EXPECT_EQ(both.hour, 7);
    EXPECT_EQ(both.minute, 30);

    const _reminder& candles = reminders[1];
    EXPECT_EQ(candles.id, 2);
    EXPECT_EQ(candles.timeKind, kReminderTimeZman) << "time zman overrides time clock";
    EXPECT_EQ(candles.zman, kZmanShkia);
    EXPECT_EQ(candles.offset, -18);
    EXPECT_EQ(candles.recurrence, kReminderWeekdays);
    EXPECT_EQ(candles.weekdays, (std::array<int, 7>{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(candles.autoClose, 1);

    const _reminder& bare = reminders[2];
    EXPECT_EQ(bare.msg, L"Only a message");
    EXPECT_EQ(bare.timeKind, kReminderTimeNone);
    EXPECT_EQ(bare.recurrence, kReminderDaily);
    EXPECT_EQ(bare.popup, 1);
    EXPECT_EQ(bare.enabled, 1);
    EXPECT_EQ(bare.autoClose, 0);
    EXPECT_EQ(bare.deleted, 0);

    const _reminder& old = reminders[3];
    EXPECT_EQ(old.recurrence, kReminderHebrewDay);
    EXPECT_EQ(old.hebrewDay, 30);
    EXPECT_EQ(old.hour, 21);
    EXPECT_EQ(old.minute, 5);
    EXPECT_EQ(old.popup, 0);
    EXPECT_EQ(old.alarm, L"chime.wav");
    EXPECT_EQ(old.deleted, 1);
    EXPECT_EQ(old.enabled, 0);

    EXPECT_TRUE(ReadReminders(FreshFolder("none") / "reminders.ini").empty());
}

TEST(ReminderFile, WritesTheKeysInOrderAndSkipsDeletedReminders) {
    _reminder daily = Clock(L"Daf yomi", 7, 5);
    _reminder weekly;
    weekly.msg = L"Candles";
    weekly.timeKind = kReminderTimeZman;
    weekly.zman = kZmanShkia;
    weekly.offset = -10;
    weekly.recurrence = kReminderWeekdays;
    weekly.weekdays = {0, 1, 0, 1, 0, 1, 0};
    weekly.autoClose = 1;
    _reminder gone = Clock(L"gone", 1, 1);
    gone.deleted = 1;
    _reminder hebrew = Clock(L"Rosh Chodesh\r\nmsg=forged", 20, 0);
    hebrew.recurrence = kReminderHebrewDay;
    hebrew.hebrewDay = 30;
    hebrew.popup = 0;        // never written
    hebrew.alarm = L"x";     // never written
    _reminder civil;
    civil.msg = L"Rent";
    civil.timeKind = kReminderTimeZman;
    civil.zman = kZmanAlot;
    civil.offset = 15;
    civil.recurrence = kReminderCivilDay;
    civil.civilDay = 31;

    const std::string bytes = SerializeReminders({&daily, &weekly, &gone, &hebrew, &civil});
    EXPECT_EQ(bytes, Utf16File(L"[1]\r\nmsg=Daf yomi\r\ntime clock=7:5\r\nenabled=1\r\nauto close=0\r\n"
                               L"[2]\r\nmsg=Candles\r\ntime zman=10,-10\r\n"
                               L"repeat weekdays=0,1,0,1,0,1,0\r\nenabled=1\r\nauto close=1\r\n"
                               L"[3]\r\nmsg=Rosh Chodesh  msg=forged\r\ntime clock=20:0\r\n"
                               L"repeat hdom=30\r\nenabled=1\r\nauto close=0\r\n"
                               L"[4]\r\nmsg=Rent\r\ntime zman=1,15\r\nrepeat cdom=31\r\n"
                               L"enabled=1\r\nauto close=0\r\n"));

    const auto folder = FreshFolder("roundtrip");
    ASSERT_FALSE(WriteReminders(folder / "reminders.ini", {&daily, &weekly, &gone, &hebrew, &civil}));
    const auto back = ReadReminders(folder / "reminders.ini");
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back[1].weekdays, weekly.weekdays);
    EXPECT_EQ(back[1].offset, -10);
    EXPECT_EQ(back[2].msg, L"Rosh Chodesh  msg=forged");
    EXPECT_EQ(back[2].recurrence, kReminderHebrewDay);
    EXPECT_EQ(back[3].civilDay, 31);
    EXPECT_EQ(back[3].recurrence, kReminderCivilDay);
    EXPECT_EQ(SerializeReminders({&back[0], &back[1], &back[2], &back[3]}),
              SerializeReminders({&daily, &weekly, &hebrew, &civil}));
}

TEST(ReminderFile, DeleteLeavesTheNextFileAndThePreviousGenerationSurvives) {
    const auto folder = FreshFolder("table");
    CAlarmTable alarms;
    CReminders reminders(alarms);
    reminders.SetFolder(folder);
    std::error_code saved;
    const int first = reminders.Add(Clock(L"first\nline", 7, 0), &saved);
    EXPECT_FALSE(saved);
    const int second = reminders.Add(Clock(L"second", 8, 0), &saved);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(reminders.Find(first)->msg, L"first line");
    EXPECT_TRUE(alarms.DueTime(first)) << "an added reminder is armed";
    const std::string withBoth = ReadBytes(folder / "reminders.ini");

    EXPECT_TRUE(reminders.Delete(first));
    EXPECT_FALSE(alarms.DueTime(first)) << "a waiting alarm is cancelled at once";
    EXPECT_FALSE(reminders.Arm(first)) << "a deleted reminder is never armed again";
    ASSERT_FALSE(reminders.Save());
    EXPECT_EQ(ReadBytes(folder / "reminders.ini.txt"), withBoth);
    const auto left = ReadReminders(folder / "reminders.ini");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].msg, L"second");
    EXPECT_FALSE(reminders.Delete(99));

    // A new reminder continues the count, even past a deleted one.
    EXPECT_EQ(reminders.Add(Clock(L"third", 9, 0)), 3);

    // A write that fails half-way is reported and the file survives.
    const std::string before = ReadBytes(folder / "reminders.ini");
    {
        FileSizeLimit limit(before.size() + 64);
        for (int i = 0; i < 3; ++i) {
            reminders.Add(Clock(L"one of many reminders that no longer fit on the disk", 9, i),
                          &saved);
            EXPECT_EQ(saved, std::errc::file_too_large);
        }
    }
    EXPECT_EQ(ReadBytes(folder / "reminders.ini"), before);
    EXPECT_EQ(reminders.Table().size(), 6u) << "the reminders stay in the table";

    // Loading gives fresh ids and drops alarms armed under the old ones.
    reminders.Load();
    EXPECT_EQ(reminders.Count(), 2);
    EXPECT_EQ(reminders.Find(2)->msg, L"third");
    EXPECT_EQ(alarms.Count(), 0);
    reminders.Shutdown();
}
