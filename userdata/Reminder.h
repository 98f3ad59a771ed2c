#pragma once
// A reminder: a message popped up at a clock time or at a zman shifted by some minutes,
// every day, on chosen weekdays, or on one day of each Hebrew or civil month.

#include <array>
#include <string>

namespace vessant {

inline constexpr int kReminderTimeNone = 0;
inline constexpr int kReminderTimeClock = 1;
inline constexpr int kReminderTimeZman = 2;

inline constexpr int kReminderDaily = 1;
inline constexpr int kReminderWeekdays = 2;
inline constexpr int kReminderHebrewDay = 3;   // a day of every Hebrew month
inline constexpr int kReminderCivilDay = 4;    // a day of every civil month

// Zman numbers of a zman reminder (the order of the add page's drop-down).
inline constexpr int kZmanAlot = 1;
inline constexpr int kZmanMisheyakir = 2;
inline constexpr int kZmanHanetz = 3;
inline constexpr int kZmanSofZmanShema = 4;
inline constexpr int kZmanSofZmanTefilla = 5;
inline constexpr int kZmanChatzot = 6;
inline constexpr int kZmanMinchaGedola = 7;
inline constexpr int kZmanMinchaKetana = 8;
inline constexpr int kZmanPlagHamincha = 9;
inline constexpr int kZmanShkia = 10;
inline constexpr int kZmanTzeit = 11;
inline constexpr int kZmanChatzotLayla = 12;   // not offered by the add page

struct _reminder {
    int id = 0;                      // 1, 2, 3 ... in load order; a new one gets count + 1
    std::wstring msg;
    int timeKind = kReminderTimeNone;
    int recurrence = kReminderDaily;
    int popup = 1;                   // 1: show the message when due
    std::wstring alarm;              // kept from the file; not used
    int hour = 0;                    // clock time, 24-hour
    int minute = 0;
    int zman = 0;                    // 1..12
    int offset = 0;                  // minutes added to the zman; negative = before
    std::array<int, 7> weekdays{};   // Sunday .. Shabbat
    int hebrewDay = 0;               // 1..30
    int civilDay = 0;                // 1..31
    int autoClose = 0;               // 1: the popup closes itself after kAutoCloseMilliseconds
    int enabled = 1;
    int deleted = 0;                 // 1: kept in memory until exit, never armed or written
};

inline constexpr int kAutoCloseMilliseconds = 300000;

} // namespace vessant
