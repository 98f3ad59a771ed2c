// Start-up: the files a fresh start writes, "New features!" once, failures of saving shown
// to the user, and a second start of the program raising the first window.

#include "app/ui/tests/WindowFixture.h"

#include "platform/ProfileFile.h"

#include <QProcess>
#include <QTest>

#include <fstream>

namespace vessant::ui {
namespace {

using testing::WindowFixture;

class StartupTest : public WindowFixture {
protected:
    std::filesystem::path Ini() const { return Folder() / "options.ini"; }
    void WriteVersion(const wchar_t* version) {
        platform::ProfileFile file = platform::ProfileFile::Open(Ini());
        file.WriteString(L"Version", L"Program", version);
        ASSERT_FALSE(file.Save());
    }
    int NewFeaturesShown() const {
        return static_cast<int>(std::count(modals_.begin(), modals_.end(), QStringLiteral("newFeatures")));
    }
};

TEST_F(StartupTest, FreshStartWritesOptionsAndShowsNewFeaturesOnce) {
    Start();
    ASSERT_TRUE(std::filesystem::exists(Ini()));
    std::ifstream in(Ini(), std::ios::binary);
    char bom[2] = {};
    in.read(bom, 2);
    EXPECT_EQ(static_cast<unsigned char>(bom[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bom[1]), 0xFE);
    const platform::ProfileFile file = platform::ProfileFile::Open(Ini());
    EXPECT_EQ(file.GetString(L"Version", L"INI"), L"0.0.0.0");
    EXPECT_EQ(file.GetString(L"Version", L"Program"), L"3.2.46.29");
    EXPECT_EQ(file.GetInt(L"Display", L"View", -1), 2);
    EXPECT_EQ(file.GetInt(L"Colors", L"Hover Offset", 0), -15);
    EXPECT_TRUE(file.HasKey(L"locations", L"0"));
    EXPECT_TRUE(file.HasKey(L"locations", L"1"));
    EXPECT_EQ(NewFeaturesShown(), 1);
    EXPECT_TRUE(messages_.empty());

    Start();
    EXPECT_EQ(NewFeaturesShown(), 1);
}

TEST_F(StartupTest, NewFeaturesFollowTheStoredVersion) {
    struct Case {
        const wchar_t* stored;
        int shown;
    };
    constexpr Case kCases[] = {{L"3.1.99.0", 1}, {L"3.2.0.0", 0}, {L"4.0.0.0", 1}, {L"3.2.46.29", 0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(QString::fromWCharArray(c.stored).toStdString());
        modals_.clear();
        Start();
        app_.reset();
        WriteVersion(c.stored);
        modals_.clear();
        Start();
        EXPECT_EQ(NewFeaturesShown(), c.shown);
    }
}

TEST_F(StartupTest, FailedSaveOfOptionsIsShownWithFileAndReason) {
    // A folder where the settings file should be: it can be neither read nor replaced.
    std::filesystem::create_directories(Ini());
    CMainFrame* frame = Start();
    ASSERT_FALSE(messages_.empty());
    EXPECT_NE(messages_.front().indexOf(QStringLiteral("options.ini")), -1) << messages_.front().toStdString();
    // The program runs on with its settings in memory, and a later change reports again.
    ASSERT_NE(frame, nullptr);
    const std::size_t before = messages_.size();
    frame->Action(kCmdViewToolbar)->trigger();
    EXPECT_EQ(OptionsStore().options().toolbarEnabled, 0);
    EXPECT_GT(messages_.size(), before);
}

TEST_F(StartupTest, SecondStartRaisesTheFirstWindow) {
    CMainFrame* frame = Start();
    frame->showMinimized();
    ASSERT_TRUE(frame->isMinimized());

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VESSANT_DATA_DIR"), dir_.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VESSANT3_PROGRAM), {});
    ASSERT_TRUE(second.waitForStarted(5000));
    // The first instance keeps handling events while the second one asks and ends.
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 15000);
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished();
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(frame->isMinimized());
}

} // namespace
} // namespace vessant::ui
