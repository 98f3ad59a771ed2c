// The transfer as a whole: which files are carried, what the user is told, the running
// check and the form without the dialog.

#include "transfer/convert/Transfer.h"

#include "platform/RunningPrograms.h"
#include "platform/TextCodec.h"
#include "testsupport/FileSizeLimit.h"
#include "testsupport/TestFiles.h"
#include "transfer/convert/tests/OldFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

const std::string kUsr1 = UsrFile(1, {{1, 3, 1950, 4, 12, "Moshe", ""}});
const std::string kUsr2 = UsrFile(2, {{1, 3, 1950, 4, 12, "Moshe", ""}, {0, 6, 2001, 9, 9, "Trip", ""}});
const std::string kLoc = LocFile({"L USA Boston 71 3 2 42 21 1 10 25"});
const std::string kBadUsr = "*** VESSANT 7\r\n\r\n";
const std::string kBadLoc = "*** VESSANT32 2.0\r\n*** LOC ***\r\n";

const std::wstring kCompleted = L"Transfer completed";
const std::wstring kTransferred = L"Your data has been transferred from the old version of Vessant to Vessant3.";

std::string Describe(const std::vector<TRANSFER_MESSAGE>& messages) {
    std::string text;
    for (const auto& m : messages)
        text += platform::Utf8FromWide(m.caption) + ": " + platform::Utf8FromWide(m.text) + "\n";
    return text;
}

RunningCheck Running(bool calendar, bool old) {
    return [=](std::wstring_view name) {
        if (name == kCalendarProgram)
            return calendar ? 1 : 0;
        return old ? 1 : 0;
    };
}

} // namespace

TEST(Transfer, WhichFilesAreCarriedAndWhatTheUserIsTold) {
    struct Case {
        const char* name;
        std::string usr, loc;  // empty: the file is missing
        bool eventsFile, optionsFile;
        std::vector<std::wstring> captions;
        std::wstring counts;  // the lines after the completion text
    };
    const Case cases[] = {
        {"only vessant.loc: nothing is read", "", kLoc, false, false, {kCompleted},
         L"Events: 0 added, 0 already there, 0 skipped as unreadable or invalid.\n"
         L"Locations: 0 added, 0 already there, 0 skipped as unreadable."},
        {"version 1: events only", kUsr1, kLoc, true, false, {kCompleted},
         L"Events: 1 added, 0 already there, 0 skipped as unreadable or invalid.\n"
         L"Locations: 0 added, 0 already there, 0 skipped as unreadable."},
        {"version 2: events and locations", kUsr2, kLoc, true, true, {kCompleted},
         L"Events: 2 added, 0 already there, 0 skipped as unreadable or invalid.\n"
         L"Locations: 1 added, 0 already there, 0 skipped as unreadable."},
        {"version 2 without vessant.loc", kUsr2, "", true, false, {kCompleted}, L""},
        {"event file not recognised", kBadUsr, kLoc, false, false, {L"Old .USR file", kCompleted}, L""},
        {"location file not recognised", kUsr2, kBadLoc, true, false, {L"Old .LOC file", kCompleted}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path old = FreshFolderForThisTest("old");
        const fs::path data = FreshFolderForThisTest("data") / "Vessant 3";  // created by the transfer
        if (!c.usr.empty())
            WriteBytes(old / "vessant.usr", c.usr);
        if (!c.loc.empty())
            WriteBytes(old / "vessant.loc", c.loc);
        EXPECT_TRUE(HoldsOldFiles(old));
        const auto messages = TransferMessages(RunTransfer(old, data, {}));
        EXPECT_TRUE(fs::is_directory(data));
        EXPECT_EQ(fs::exists(data / "events.ini"), c.eventsFile);
        EXPECT_EQ(fs::exists(data / "options.ini"), c.optionsFile);
        ASSERT_EQ(messages.size(), c.captions.size()) << Describe(messages);
        for (std::size_t i = 0; i < messages.size(); ++i)
            EXPECT_EQ(messages[i].caption, c.captions[i]);
        EXPECT_EQ(messages.back().kind, MessageKind::Information);
        EXPECT_EQ(messages.back().text.substr(0, kTransferred.size()), kTransferred);
        if (!c.counts.empty()) {
            EXPECT_EQ(messages.back().text, kTransferred + L"\n\n" + c.counts);
        }
    }
    EXPECT_FALSE(HoldsOldFiles(FreshFolderForThisTest("empty")));
}

TEST(Transfer, AFailedWriteIsReportedInsteadOfTheCompletion) {
    const fs::path old = FreshFolderForThisTest("old");
    const fs::path data = FreshFolderForThisTest("data");
    std::vector<UsrRecord> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({1, 3, 1950, 4, 1 + i % 28, "Person " + std::to_string(i), ""});
    WriteBytes(old / "vessant.usr", UsrFile(2, many));
    WriteBytes(old / "vessant.loc", kLoc);
    std::vector<TRANSFER_MESSAGE> messages;
    {
        FileSizeLimit full(4096);
        messages = TransferMessages(RunTransfer(old, data, {}));
    }
    ASSERT_EQ(messages.size(), 1u) << Describe(messages);
    EXPECT_EQ(messages[0].kind, MessageKind::Error);
    EXPECT_EQ(messages[0].caption, L"Transfer failed");
    const std::wstring file = platform::WideFromUtf8((data / "events.ini").string());
    EXPECT_EQ(messages[0].text.substr(0, file.size() + 2), L"\"" + file + L"\"") << Describe(messages);
    EXPECT_NE(messages[0].text.find(L"could not be written"), std::wstring::npos);
    // The locations are not tried after the events failed.
    EXPECT_FALSE(fs::exists(data / "options.ini"));
}

TEST(Transfer, CloseMessagesForTheRunningCheck) {
    struct Case {
        int calendar, old;
        std::wstring text;
    };
    const Case cases[] = {
        {0, 0, L""},
        {1, 0, L"You need to close Vessant3 before running this program."},
        {0, 1, L"You need to close Vessant2 before running this program."},
        {1, 1, L"You need to close both Vessant2 and Vessant3 before running this program."},
        // A check that could not look counts as running.
        {platform::kProcessListUnavailable, 0, L"You need to close Vessant3 before running this program."},
        {0, platform::kSystemNotSupported, L"You need to close Vessant2 before running this program."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.calendar << "/" << c.old);
        EXPECT_EQ(CloseProgramsMessage(c.calendar, c.old), c.text);
    }
    std::vector<std::wstring> asked;
    CloseProgramsMessage([&](std::wstring_view name) {
        asked.emplace_back(name);
        return 0;
    });
    EXPECT_EQ(asked, (std::vector<std::wstring>{L"Vessant3", L"Vessant.exe"}));
}

TEST(Transfer, OldFolderStartsInTheWinePrefixWhenTheOldProgramIsThere) {
    const char* savedPrefix = std::getenv("WINEPREFIX");
    const std::string saved = savedPrefix ? savedPrefix : "";
    const fs::path prefix = FreshFolderForThisTest();
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    EXPECT_EQ(DefaultOldFolder(), fs::path("c:\\Program Files\\Vessant2"));
    fs::create_directories(prefix / "drive_c" / "Program Files" / "Vessant2");
    EXPECT_EQ(DefaultOldFolder(), prefix / "drive_c" / "Program Files" / "Vessant2");
    if (savedPrefix)
        ::setenv("WINEPREFIX", saved.c_str(), 1);
    else
        ::unsetenv("WINEPREFIX");
}

TEST(Transfer, TheFormWithoutTheDialog) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;  // "OLD" stands for the old folder
        RunningCheck running;
        int status;
        std::string out;  // the start of standard output
        std::string err;  // the start of standard error
        const wchar_t* title;  // the first event's title; nullptr: nothing written
        const wchar_t* desc;
    };
    const Case cases[] = {
        {"Hebrew titles by default", {"--folder", "OLD"}, Running(false, false), 0,
         "Transfer completed: Your data has been transferred", "", L"\u05EA\u05D5\u05D3", L""},
        {"English titles as descriptions", {"--title-as-description", "--folder", "OLD", "--english"},
         Running(false, false), 0, "Transfer completed:", "", L"Grandmother", L"Grandmother"},
        {"calendar running", {"--folder", "OLD"}, Running(true, false), 1, "",
         "You need to close Vessant3 before running this program.", nullptr, nullptr},
        {"both running", {"--folder", "OLD"}, Running(true, true), 1, "",
         "You need to close both Vessant2 and Vessant3", nullptr, nullptr},
        {"not the old folder", {"--folder", "EMPTY"}, Running(false, false), 1, "",
         "This does not appear to be the correct Vessant2 directory.", nullptr, nullptr},
        {"no folder", {"--english"}, Running(false, false), 1, "", "usage: DataCarry", nullptr, nullptr},
        {"unknown argument", {"--folder", "OLD", "--hebrew"}, Running(false, false), 1, "",
         "unknown argument \"--hebrew\"", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path old = FreshFolderForThisTest("old");
        const fs::path empty = FreshFolderForThisTest("empty");
        const fs::path data = FreshFolderForThisTest("data") / "Vessant 3";
        WriteBytes(old / "vessant.usr", UsrFile(2, {{0, 4, 1700, 1, 1, "Grandmother", OldHebrewBytes({3, 5, 26})}}));
        std::vector<std::string> arguments = c.arguments;
        for (std::string& a : arguments)
            a = a == "OLD" ? old.string() : a == "EMPTY" ? empty.string() : a;
        std::ostringstream out, err;
        EXPECT_EQ(RunScriptedTransfer(arguments, data, c.running, out, err), c.status);
        EXPECT_EQ(out.str().substr(0, c.out.size()), c.out);
        EXPECT_EQ(err.str().substr(0, c.err.size()), c.err);
        if (!c.title) {
            EXPECT_FALSE(fs::exists(data));  // refused before anything was written
            continue;
        }
        EXPECT_NE(out.str().find("Events: 1 added"), std::string::npos) << out.str();
        const std::wstring events = Utf16Text(data / "events.ini");
        EXPECT_NE(events.find(std::wstring(L"title=") + c.title + L"\r\n"), std::wstring::npos);
        EXPECT_EQ(events.find(L"desc=") != std::wstring::npos, *c.desc != 0);
    }
}

TEST(Transfer, TheFormWithoutTheDialogFailsOnAWarningOrAFailedWrite) {
    const fs::path old = FreshFolderForThisTest("old");
    const fs::path data = FreshFolderForThisTest("data");
    WriteBytes(old / "vessant.usr", kBadUsr);
    std::ostringstream out, err;
    EXPECT_EQ(RunScriptedTransfer({"--folder", old.string()}, data, Running(false, false), out, err), 1);
    EXPECT_EQ(err.str().substr(0, 14), "Old .USR file:");
    EXPECT_EQ(out.str().substr(0, 19), "Transfer completed:");

    fs::create_directory(data / "events.ini");
    WriteBytes(old / "vessant.usr", kUsr1);
    std::ostringstream out2, err2;
    EXPECT_EQ(RunScriptedTransfer({"--folder", old.string()}, data, Running(false, false), out2, err2), 1);
    EXPECT_EQ(out2.str(), "");
    EXPECT_NE(err2.str().find("could not be read"), std::string::npos) << err2.str();
}
