#pragma once
// The transfer as a whole, shared by the dialog and the form without it: the check that
// neither the calendar nor the old program is running, the old folder, the conversion of
// both old files, and the messages that report it.

#include "transfer/convert/Carry.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vessant::transfer {

// The executables whose running blocks a transfer: the calendar, and the old program as
// a Windows program under Wine.
inline constexpr wchar_t kCalendarProgram[] = L"Vessant3";
inline constexpr wchar_t kOldProgram[] = L"Vessant.exe";

// FindRunningProgram or a stand-in (tests).
using RunningCheck = std::function<int(std::wstring_view programName)>;

// The "close ... before running this program" text for the results of the running check
// (anything but 0 counts as running); empty when neither runs.
std::wstring CloseProgramsMessage(int calendarResult, int oldProgramResult);
std::wstring CloseProgramsMessage(const RunningCheck& isRunning);

// The old program's folder as the old installer made it.
inline constexpr char kOldProgramFolder[] = "c:\\Program Files\\Vessant2";
// Where the old folder starts: the old program's folder inside the user's Wine prefix
// ($WINEPREFIX, else ~/.wine) when it exists, else the old installer's folder.
std::filesystem::path DefaultOldFolder();

// Whether a folder holds vessant.usr or vessant.loc.
bool HoldsOldFiles(const std::filesystem::path& folder);

struct TRANSFER_REPORT {
    CARRY_RESULT events;
    bool locationsTried = false;  // only after an event file of version 2, as written
    CARRY_RESULT locations;

    bool Failed() const { return events.Failed() || locations.Failed(); }
};

// Carries the events, and after a version 2 event file the locations, into the data
// folder (created when missing). A data file that cannot be read or written stops the
// transfer there.
TRANSFER_REPORT RunTransfer(const std::filesystem::path& oldFolder,
                            const std::filesystem::path& dataFolder,
                            const EVENT_CARRY_CHOICES& choices);

enum class MessageKind { Information, Warning, Error };

struct TRANSFER_MESSAGE {
    MessageKind kind = MessageKind::Information;
    std::wstring caption;
    std::wstring text;
};

// What the user is told, in order: a warning for each old file that could not be read
// or was not recognised, then either the completion message with the counts or, when a
// data file could not be read or written, which file and why (never both).
std::vector<TRANSFER_MESSAGE> TransferMessages(const TRANSFER_REPORT& report);

// The form without the dialog: DataCarry --folder DIR [--english] [--title-as-description].
// The same checks and transfer; messages go to out (the completion) and err (warnings,
// failures, the reason of a refusal). Returns the exit status: 0 when everything was
// carried, 1 otherwise.
int RunScriptedTransfer(const std::vector<std::string>& arguments,
                        const std::filesystem::path& dataFolder, const RunningCheck& isRunning,
                        std::ostream& out, std::ostream& err);

// Whether the arguments ask for the form without the dialog (any argument does).
bool IsScriptedTransfer(const std::vector<std::string>& arguments);

} // namespace vessant::transfer
