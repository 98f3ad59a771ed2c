#pragma once
// reminders.ini: one section per reminder that is not deleted, numbered from 1.

#include "userdata/Reminder.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace vessant {

// The reminders of a file, in file order, with ids 1, 2, 3 ... A missing file gives none.
// Within a section a later rule overrides an earlier one: "repeat cdom" beats "repeat
// hdom", which beats "repeat weekdays"; "time zman" beats "time clock".
std::vector<_reminder> ReadReminders(const std::filesystem::path& file);

// The bytes of reminders.ini for these reminders, deleted ones left out, sections
// numbered 1, 2, 3 ... in the order written.
std::string SerializeReminders(const std::vector<const _reminder*>& reminders);

// Keeps the old file as reminders.ini.txt, then replaces it in one step. On failure the
// error is returned and the old file is as it was.
std::error_code WriteReminders(const std::filesystem::path& file,
                               const std::vector<const _reminder*>& reminders);

} // namespace vessant
