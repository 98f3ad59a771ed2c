// The dialog driven through its real widgets: the refusal while the calendar runs, the
// folder check after Browse, a transfer and its message, the About box.

#include "transfer/About.h"
#include "transfer/DataCarryApp.h"
#include "transfer/DataCarryDlg.h"
#include "transfer/FolderDlg.h"
#include "transfer/convert/tests/OldFiles.h"
#include "transfer/tests/TransferTestApp.h"

#include "platform/RunningPrograms.h"
#include "platform/TextCodec.h"
#include "testsupport/NamedProcess.h"
#include "testsupport/TestFiles.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

RunningCheck Running(bool calendar, bool old) {
    return [=](std::wstring_view name) {
        if (name == kCalendarProgram)
            return calendar ? 1 : 0;
        return old ? 1 : 0;
    };
}

class DataCarryDlgTest : public RecordedMessages {
protected:
    void SetUp() override {
        RecordedMessages::SetUp();
        data_ = FreshFolderForThisTest("data") / "Vessant 3";
        ::setenv("VESSANT_DATA_DIR", data_.c_str(), 1);
        old_ = FreshFolderForThisTest("old");
    }
    void TearDown() override {
        CFolderDlg::SetChooserHook({});
        ::unsetenv("VESSANT_DATA_DIR");
        RecordedMessages::TearDown();
    }
    // Browse, answered with a folder (nullopt: cancelled); returns where the chooser opened.
    QString BrowseTo(CDataCarryDlg& dialog, std::optional<fs::path> folder) {
        QString openedAt;
        CFolderDlg::SetChooserHook([&](const QString& start) -> std::optional<QString> {
            openedAt = start;
            if (!folder)
                return std::nullopt;
            return QString::fromStdString(folder->string());
        });
        QTest::mouseClick(dialog.BrowseButton(), Qt::LeftButton);
        return openedAt;
    }

    fs::path data_;
    fs::path old_;
};

} // namespace

TEST_F(DataCarryDlgTest, WhileTheCalendarRunsItRefusesAndWritesNothing) {
    struct Case {
        bool calendar, old;
        const char* message;
    };
    const Case cases[] = {
        {true, false, "DataCarry: You need to close Vessant3 before running this program."},
        {false, true, "DataCarry: You need to close Vessant2 before running this program."},
        {true, true, "DataCarry: You need to close both Vessant2 and Vessant3 before running this program."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages_.clear();
        CDataCarryApp app(Running(c.calendar, c.old));
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.Dialog(), nullptr);
        EXPECT_EQ(messages_, QStringList{QString::fromUtf8(c.message)});
        EXPECT_FALSE(fs::exists(data_));
    }
}

TEST_F(DataCarryDlgTest, AProcessNamedVessant3StopsTheProgram) {
    NamedProcess calendar(FreshFolderForThisTest("bin"), "Vessant3", "Vessant3");
    ASSERT_TRUE(calendar.started());
    CDataCarryApp app(platform::FindRunningProgram);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(messages_, QStringList{QStringLiteral("DataCarry: You need to close Vessant3 before running this program.")});
    EXPECT_FALSE(fs::exists(data_));
}

TEST_F(DataCarryDlgTest, StartsWaitingForAFolder) {
    CDataCarryApp app(Running(false, false));
    ASSERT_TRUE(app.InitInstance());
    CDataCarryDlg& dialog = *app.Dialog();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Transfer Vessant User Data"));
    EXPECT_EQ(dialog.FolderField()->text(), QStringLiteral("< click browse to look for the Vessant2 directory >"));
    EXPECT_TRUE(dialog.HebrewButton()->isChecked());
    EXPECT_FALSE(dialog.EnglishButton()->isChecked());
    EXPECT_FALSE(dialog.TitleAsDescription()->isChecked());
    EXPECT_FALSE(dialog.TransferButton()->isEnabled());
    EXPECT_EQ(dialog.DataFolderField()->text().toStdString(), data_.string());
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_FALSE(fs::exists(data_));
}

TEST_F(DataCarryDlgTest, BrowseEnablesTheTransferOnlyForAnOldFolder) {
    CDataCarryDlg dialog(data_);
    struct Case {
        const char* name;
        std::vector<const char*> files;
        bool enabled;
        const char* status;
    };
    const Case cases[] = {
        {"empty folder", {}, false, "This does not appear to be the correct Vessant2 directory."},
        {"vessant.loc only", {"vessant.loc"}, true, "Vessant2 directory found, click Transfer button to transfer your data."},
        {"vessant.usr only", {"vessant.usr"}, true, "Vessant2 directory found, click Transfer button to transfer your data."},
        {"other files", {"vessant.ini", "VESSANT.USR.bak"}, false, "This does not appear to be the correct Vessant2 directory."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = FreshFolderForThisTest(c.name);
        for (const char* file : c.files)
            WriteBytes(folder / file, "x");
        BrowseTo(dialog, folder);
        EXPECT_EQ(dialog.FolderField()->text().toStdString(), folder.string());
        EXPECT_EQ(dialog.TransferButton()->isEnabled(), c.enabled);
        EXPECT_EQ(dialog.StatusField()->text().toStdString(), c.status);
    }
    // A cancelled choice changes nothing; the chooser opens where the last choice was.
    const QString before = dialog.FolderField()->text();
    EXPECT_EQ(BrowseTo(dialog, std::nullopt), before);
    EXPECT_EQ(dialog.FolderField()->text(), before);
    EXPECT_TRUE(dialog.TransferButton()->isEnabled() == false);
}

TEST_F(DataCarryDlgTest, DoTransferCarriesTheFilesWithTheChoicesAndReportsTheCounts) {
    WriteBytes(old_ / "vessant.usr",
               UsrFile(2, {{0, 3, 1990, 5, 5, "Sarah", OldHebrewBytes({3, 5, 26})}, {1, 5, 1980, 7, 1, "Wedding", ""}}));
    WriteBytes(old_ / "vessant.loc", LocFile({"L USA Boston 71 3 2 42 21 1 10 25"}));
    CDataCarryDlg dialog(data_);
    BrowseTo(dialog, old_);
    ASSERT_TRUE(dialog.TransferButton()->isEnabled());
    QTest::mouseClick(dialog.EnglishButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.TitleAsDescription(), Qt::LeftButton);
    QTest::mouseClick(dialog.TransferButton(), Qt::LeftButton);

    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral(
        "Transfer completed: Your data has been transferred from the old version of Vessant to Vessant3.\n\n"
        "Events: 2 added, 0 already there, 0 skipped as unreadable or invalid.\n"
        "Locations: 1 added, 0 already there, 0 skipped as unreadable."));
    const std::wstring events = Utf16Text(data_ / "events.ini");
    EXPECT_NE(events.find(L"[0]\r\ntitle=Sarah\r\njdn=2448017\r\ntype=0\r\ncal=1\r\ndesc=Sarah\r\n"), std::wstring::npos)
        << vessant::platform::Utf8FromWide(events);
    EXPECT_NE(Utf16Text(data_ / "options.ini").find(L"0=Boston\tUSA\t71\t3\t2\t42\t21\t1\t10\t25\t1\t3\t1\t"),
              std::wstring::npos);

    // The dialog stays open with its choices; a second press adds nothing.
    EXPECT_TRUE(dialog.EnglishButton()->isChecked());
    const std::string before = ReadBytes(data_ / "events.ini");
    QTest::mouseClick(dialog.TransferButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_[1].contains(QStringLiteral("Events: 0 added, 2 already there")));
    EXPECT_TRUE(messages_[1].contains(QStringLiteral("Locations: 0 added, 1 already there")));
    EXPECT_EQ(ReadBytes(data_ / "events.ini"), before);
}

TEST_F(DataCarryDlgTest, WarningsForOldFilesStandBeforeTheCompletion) {
    WriteBytes(old_ / "vessant.usr", UsrFile(2, {{}}));
    WriteBytes(old_ / "vessant.loc", "*** VESSANT32 2.0\r\n*** LOC VER 123 ***\r\n");
    CDataCarryDlg dialog(data_);
    BrowseTo(dialog, old_);
    QTest::mouseClick(dialog.TransferButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_[0], QStringLiteral(
        "Old .LOC file: The VESSANT.LOC file either contains an error or is for an older version of Vessant."));
    EXPECT_EQ(kinds_[0], MessageKind::Warning);
    EXPECT_TRUE(messages_[1].startsWith(QStringLiteral("Transfer completed: ")));
}

TEST_F(DataCarryDlgTest, AboutShowsTheProgramsVersion) {
    CDataCarryDlg dialog(data_);
    QString version;
    onModal_ = [&](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About DataCarry"));
        version = about.findChild<QLineEdit*>(QStringLiteral("version"))->text();
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(dialog.AboutButton(), Qt::LeftButton);
    EXPECT_EQ(modals_, QStringList{QStringLiteral("About")});
    EXPECT_EQ(version, QStringLiteral("Version 1.6.5 (build 13)"));
}
