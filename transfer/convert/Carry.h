#pragma once
// Carrying one old file into the calendar's data folder: what was found in the old file,
// how many of its entries were added, were there already or could not be used, and a
// data file that could not be read or written.
//
// Entries are only ever appended: no entry already in events.ini or options.ini is
// changed or removed, and one that is already there exactly is not added again, so a
// second transfer adds nothing. A data file that exists but cannot be read is left alone
// (writing it would drop what it holds); every write replaces the file in one step.

#include "transfer/convert/OldEventFile.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace vessant::transfer {

enum class OldFileState {
    Missing,      // not in the old folder: nothing to carry, no warning
    Unreadable,   // there but it cannot be read (oldFileError)
    NotRecognised, // its header names no version this program reads
    Read,
};

enum class DataFileFailure { None, Read, Write };

struct CARRY_COUNTS {
    int added = 0;
    int alreadyPresent = 0;
    int skipped = 0;  // unreadable or undefined records
};

struct CARRY_RESULT {
    std::filesystem::path oldFile;
    OldFileState oldFileState = OldFileState::Missing;
    std::error_code oldFileError;
    int version = kOldFileNotRecognised;  // the event file's version, 1 or 2
    CARRY_COUNTS counts;
    std::filesystem::path dataFile;       // events.ini or options.ini
    DataFileFailure failure = DataFileFailure::None;
    std::error_code failureError;

    bool Failed() const { return failure != DataFileFailure::None; }
};

inline constexpr char kOldEventFileName[] = "vessant.usr";
inline constexpr char kOldLocationFileName[] = "vessant.loc";
inline constexpr char kOptionsFileName[] = "options.ini";

// Appends the events of oldFolder/vessant.usr to events.ini in dataFolder, in sections
// numbered from the first number no section has; the previous events.ini is kept as
// events.ini.txt. noTitle is the title of an event that has none.
CARRY_RESULT ConvertOldEvents(const std::filesystem::path& oldFolder,
                              const std::filesystem::path& dataFolder,
                              const EVENT_CARRY_CHOICES& choices, std::wstring_view noTitle);

// Appends the locations of oldFolder/vessant.loc to the "locations" section of
// options.ini in dataFolder, from the first key that is missing or empty.
CARRY_RESULT ConvertOldLocations(const std::filesystem::path& oldFolder,
                                 const std::filesystem::path& dataFolder);

// The whole file; a missing file gives OldFileState::Missing, one that cannot be read
// Unreadable with its error.
OldFileState ReadOldFile(const std::filesystem::path& file, std::string& bytes, std::error_code& error);

} // namespace vessant::transfer
