#include "transfer/convert/Transfer.h"

#include "calendar/TextTemplate.h"
#include "platform/RunningPrograms.h"
#include "platform/TextCodec.h"
#include "text/TextTable.h"
#include "transfer/convert/TransferTextIds.h"

#include <cstdlib>
#include <ostream>

namespace vessant::transfer {
namespace {

constexpr char kFolderOption[] = "--folder";
constexpr char kEnglishOption[] = "--english";
constexpr char kTitleAsDescriptionOption[] = "--title-as-description";
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;

const std::wstring& T(int id) { return TextOfResource(id); }

std::wstring ReasonText(const std::error_code& error) {
    return platform::WideFromUtf8(error.message());
}

std::wstring PathText(const std::filesystem::path& path) { return platform::WideFromUtf8(path.string()); }

std::wstring CountsLine(int templateId, const CARRY_COUNTS& counts) {
    return FormatTemplate(T(templateId), {counts.added, counts.alreadyPresent, counts.skipped});
}

// The warning for an old file that is there but could not be used; nothing for a
// missing one, which is simply not carried.
void AddOldFileWarning(const CARRY_RESULT& result, int badFileText, int badFileCaption,
                       std::vector<TRANSFER_MESSAGE>& messages) {
    if (result.oldFileState == OldFileState::NotRecognised)
        messages.push_back({MessageKind::Warning, T(badFileCaption), T(badFileText)});
    else if (result.oldFileState == OldFileState::Unreadable)
        messages.push_back({MessageKind::Warning, T(badFileCaption),
                            FormatTemplate(T(kIdCannotRead),
                                           {PathText(result.oldFile), ReasonText(result.oldFileError)})});
}

std::wstring FailureText(const CARRY_RESULT& result) {
    if (result.failure == DataFileFailure::Read)
        return FormatTemplate(T(kIdCannotRead), {PathText(result.dataFile), ReasonText(result.failureError)}) +
               L" " + T(kIdLeftUntouched);
    return FormatTemplate(T(kIdCannotWrite), {PathText(result.dataFile), ReasonText(result.failureError)});
}

} // namespace

std::wstring CloseProgramsMessage(int calendarResult, int oldProgramResult) {
    const bool calendar = calendarResult != platform::kProgramNotRunning;
    const bool old = oldProgramResult != platform::kProgramNotRunning;
    if (calendar && old)
        return T(kIdCloseBoth);
    if (old)
        return T(kIdCloseOld);
    if (calendar)
        return T(kIdCloseCalendar);
    return {};
}

std::wstring CloseProgramsMessage(const RunningCheck& isRunning) {
    const int calendar = isRunning(kCalendarProgram);
    const int old = isRunning(kOldProgram);
    return CloseProgramsMessage(calendar, old);
}

std::filesystem::path DefaultOldFolder() {
    std::filesystem::path prefix;
    if (const char* wine = std::getenv("WINEPREFIX"); wine && *wine)
        prefix = wine;
    else if (const char* home = std::getenv("HOME"); home && *home)
        prefix = std::filesystem::path(home) / ".wine";
    if (!prefix.empty()) {
        const std::filesystem::path folder = prefix / "drive_c" / "Program Files" / "Vessant2";
        std::error_code error;
        if (std::filesystem::is_directory(folder, error))
            return folder;
    }
    return kOldProgramFolder;
}

bool HoldsOldFiles(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::exists(folder / kOldEventFileName, error) ||
           std::filesystem::exists(folder / kOldLocationFileName, error);
}

TRANSFER_REPORT RunTransfer(const std::filesystem::path& oldFolder,
                            const std::filesystem::path& dataFolder,
                            const EVENT_CARRY_CHOICES& choices) {
    std::error_code ignored;
    std::filesystem::create_directories(dataFolder, ignored);
    TRANSFER_REPORT report;
    report.events = ConvertOldEvents(oldFolder, dataFolder, choices, T(kIdNoTitle));
    constexpr int kVersionWithLocations = 2;
    if (report.events.Failed() || report.events.version != kVersionWithLocations)
        return report;
    report.locationsTried = true;
    report.locations = ConvertOldLocations(oldFolder, dataFolder);
    return report;
}

std::vector<TRANSFER_MESSAGE> TransferMessages(const TRANSFER_REPORT& report) {
    std::vector<TRANSFER_MESSAGE> messages;
    AddOldFileWarning(report.events, kIdBadEventFile, kIdBadEventFileCaption, messages);
    if (report.locationsTried)
        AddOldFileWarning(report.locations, kIdBadLocationFile, kIdBadLocationFileCaption, messages);

    const std::wstring eventLine = CountsLine(kIdEventCounts, report.events.counts);
    const std::wstring locationLine = CountsLine(kIdLocationCounts, report.locations.counts);
    if (report.events.Failed()) {
        messages.push_back({MessageKind::Error, T(kIdTransferFailed), FailureText(report.events)});
    } else if (report.locations.Failed()) {
        // The events are in; say so beside what went wrong.
        messages.push_back({MessageKind::Error, T(kIdTransferFailed),
                            FailureText(report.locations) + L"\n\n" + eventLine});
    } else {
        messages.push_back({MessageKind::Information, T(kIdTransferCompleted),
                            T(kIdTransferred) + L"\n\n" + eventLine + L"\n" + locationLine});
    }
    return messages;
}

bool IsScriptedTransfer(const std::vector<std::string>& arguments) { return !arguments.empty(); }

int RunScriptedTransfer(const std::vector<std::string>& arguments,
                        const std::filesystem::path& dataFolder, const RunningCheck& isRunning,
                        std::ostream& out, std::ostream& err) {
    std::filesystem::path oldFolder;
    EVENT_CARRY_CHOICES choices;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == kFolderOption && i + 1 < arguments.size()) {
            oldFolder = arguments[++i];
        } else if (argument == kEnglishOption) {
            choices.hebrewTitles = false;
        } else if (argument == kTitleAsDescriptionOption) {
            choices.titleAsDescription = true;
        } else {
            err << platform::Utf8FromWide(FormatTemplate(T(kIdUnknownArgument),
                                                         {platform::WideFromUtf8(argument)}))
                << '\n'
                << platform::Utf8FromWide(T(kIdUsage)) << '\n';
            return kExitFailure;
        }
    }
    if (oldFolder.empty()) {
        err << platform::Utf8FromWide(T(kIdUsage)) << '\n';
        return kExitFailure;
    }
    if (const std::wstring refusal = CloseProgramsMessage(isRunning); !refusal.empty()) {
        err << platform::Utf8FromWide(refusal) << '\n';
        return kExitFailure;
    }
    if (!HoldsOldFiles(oldFolder)) {
        err << platform::Utf8FromWide(T(kIdNotOldFolder)) << '\n';
        return kExitFailure;
    }
    const TRANSFER_REPORT report = RunTransfer(oldFolder, dataFolder, choices);
    int status = kExitSuccess;
    for (const TRANSFER_MESSAGE& message : TransferMessages(report)) {
        const bool completion = message.kind == MessageKind::Information;
        (completion ? out : err) << platform::Utf8FromWide(message.caption) << ": "
                                 << platform::Utf8FromWide(message.text) << '\n';
        if (!completion)
            status = kExitFailure;
    }
    return status;
}

} // namespace vessant::transfer
