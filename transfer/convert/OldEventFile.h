#pragma once
// "vessant.usr", the event file of the two older program generations: a header line
// naming the file version ("*** VESSANT 1" or "*** VESSANT 2"), a line that is ignored,
// then fixed-width records, each
//   nine blank-separated numbers of at most 2, 2, 4, 2, 2, 4, 2, 2, 2 characters
//   (calendar flag, event type, civil year, month, day, four unused), one separator
//   byte, a 51-byte English title and a 51-byte Hebrew title.
// Both versions share the record layout. A title ends at its first zero byte. Hebrew
// letters are the bytes 128 (alef) to 154 (tav) and the Hebrew title is stored last
// character first.

#include "userdata/EventStruct.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vessant::transfer {

inline constexpr int kOldFileNotRecognised = 0;
inline constexpr std::size_t kOldTitleFieldBytes = 51;

struct OLD_EVENT_RECORD {
    std::int32_t calendarFlag = 0;  // 0 Hebrew, 1 civil
    std::int32_t oldType = 0;       // 1 to 6
    std::int32_t civilYear = 0;     // the civil date as the old program showed it
    std::int32_t civilMonth = 0;
    std::int32_t civilDay = 0;
    std::string englishField;       // up to its zero byte
    std::string hebrewField;
};

struct OLD_EVENT_FILE {
    int version = kOldFileNotRecognised;  // 1, 2, or 0 for a header not recognised
    std::vector<OLD_EVENT_RECORD> records;
    // Records whose numbers could not be read. The fixed layout is lost from there on,
    // so the rest of the file counts as one such record.
    int unreadableRecords = 0;
};

OLD_EVENT_FILE ReadOldEventFile(std::string_view fileBytes);

struct EVENT_CARRY_CHOICES {
    bool hebrewTitles = true;         // prefer the Hebrew title when a record has both
    bool titleAsDescription = false;  // the title is also the description
};

// The event a record becomes, or nullopt for a record the old programs never wrote (a
// calendar flag other than 0 or 1, a type outside 1 to 6, a civil date that does not
// exist). Titles are as stored on one line, without surrounding blanks; noTitle stands
// in when neither title has text.
std::optional<EVENT_STRUCT> ConvertOldEvent(const OLD_EVENT_RECORD& record,
                                            const EVENT_CARRY_CHOICES& choices,
                                            std::wstring_view noTitle);

// The texts of the title fields: the system's 8-bit code page (Windows-1252), and for the
// Hebrew field the letters 128 to 154 as alef to tav, the whole text reversed.
std::wstring EnglishTitleText(std::string_view field);
std::wstring HebrewTitleText(std::string_view field);

// The day number of an old civil date, read with the transition of 1752 (Julian up to 2
// September 1752, as the old programs counted); nullopt when that day does not exist.
std::optional<std::int32_t> OldCivilDayNumber(int year, int month, int day);

// The event type of an old type 1 to 6; nullopt for any other.
std::optional<int> NewEventType(int oldType);

} // namespace vessant::transfer
