#include "transfer/convert/Carry.h"

#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "userdata/EventList.h"

#include <algorithm>
#include <vector>

namespace vessant::transfer {
namespace {

bool SameEvent(const EVENT_STRUCT& a, const EVENT_STRUCT& b) {
    return a.jdn == b.jdn && a.type == b.type && a.cal == b.cal && a.title == b.title &&
           a.desc == b.desc;
}

void WriteEventSection(platform::ProfileFile& events, int number, const EVENT_STRUCT& event,
                       bool withDescription) {
    const std::wstring section = std::to_wstring(number);
    events.WriteString(section, kEventKeyTitle, event.title);
    events.WriteInt(section, kEventKeyJdn, event.jdn);
    events.WriteInt(section, kEventKeyType, event.type);
    events.WriteInt(section, kEventKeyCal, event.cal);
    if (withDescription)
        events.WriteString(section, kEventKeyDesc, event.desc);
}

} // namespace

CARRY_RESULT ConvertOldEvents(const std::filesystem::path& oldFolder,
                              const std::filesystem::path& dataFolder,
                              const EVENT_CARRY_CHOICES& choices, std::wstring_view noTitle) {
    CARRY_RESULT result;
    result.oldFile = oldFolder / kOldEventFileName;
    std::string bytes;
    result.oldFileState = ReadOldFile(result.oldFile, bytes, result.oldFileError);
    if (result.oldFileState != OldFileState::Read)
        return result;
    const OLD_EVENT_FILE old = ReadOldEventFile(bytes);
    result.version = old.version;
    if (old.version == kOldFileNotRecognised) {
        result.oldFileState = OldFileState::NotRecognised;
        return result;
    }

    // The events as the calendar will read them.
    CEventList calendarEvents;
    calendarEvents.SetFolder(dataFolder);
    result.dataFile = calendarEvents.File();
    result.failureError = calendarEvents.Load();
    if (result.failureError) {
        result.failure = DataFileFailure::Read;
        return result;
    }
    std::vector<EVENT_STRUCT> present;
    for (int i = 0; i < calendarEvents.Count(); ++i)
        present.push_back(calendarEvents.At(i));
    platform::ProfileFile events = platform::ProfileFile::Open(result.dataFile);
    std::error_code ignored;
    if (!events.existed() && std::filesystem::exists(result.dataFile, ignored)) {
        result.failure = DataFileFailure::Read;
        result.failureError = std::make_error_code(std::errc::permission_denied);
        return result;
    }

    result.counts.skipped = old.unreadableRecords;
    int number = 0;
    for (const OLD_EVENT_RECORD& record : old.records) {
        const std::optional<EVENT_STRUCT> event = ConvertOldEvent(record, choices, noTitle);
        if (!event) {
            ++result.counts.skipped;
            continue;
        }
        if (std::any_of(present.begin(), present.end(),
                        [&](const EVENT_STRUCT& e) { return SameEvent(e, *event); })) {
            ++result.counts.alreadyPresent;
            continue;
        }
        // Past every section already there, whatever it holds, so none is overwritten.
        while (events.HasSection(std::to_wstring(number)))
            ++number;
        WriteEventSection(events, number, *event, choices.titleAsDescription);
        present.push_back(*event);
        ++result.counts.added;
    }
    if (result.counts.added == 0)
        return result;

    std::filesystem::create_directories(dataFolder, ignored);
    // As every save of events.ini does; a failed copy must not stop the write itself,
    // which still never leaves a damaged file.
    (void)platform::KeepPreviousGeneration(result.dataFile);
    if (const std::error_code error = events.Save()) {
        result.failure = DataFileFailure::Write;
        result.failureError = error;
    }
    return result;
}

} // namespace vessant::transfer
