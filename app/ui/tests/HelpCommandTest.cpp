// The calendar's help command: it starts the help viewer once, says so when the viewer
// is not installed, and ends the viewer when the main window closes.

#include "app/ui/HelpProgram.h"
#include "app/ui/MainFrame.h"
#include "app/ui/tests/WindowFixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTest>

namespace vessant::ui {
namespace {

using testing::WindowFixture;

class HelpCommandTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(programDir_.isValid());
        SetHelpProgramFolders(std::vector<std::filesystem::path>{programDir_.path().toStdString()});
    }
    void TearDown() override {
        WindowFixture::TearDown();
        SetHelpProgramFolders(std::nullopt);
    }
    // A stand-in viewer that notes each start's process id; like the real one, a start
    // while another runs ends at once, and the first waits.
    QString InstallViewer() {
        const QString pidFile = programDir_.filePath(QStringLiteral("started"));
        QFile script(programDir_.filePath(QString::fromLatin1(kHelpProgramName)));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho $$ >> '%1'\n"
                                    "[ \"$(wc -l < '%1')\" -gt 1 ] && exit 0\n"
                                    "exec sleep 60\n").arg(pidFile).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        return pidFile;
    }
    static QStringList StartedProcesses(const QString& pidFile) {
        QFile file(pidFile);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir programDir_;
};

TEST_F(HelpCommandTest, WithoutTheViewerEveryHelpCommandSaysItIsNotInstalled) {
    CMainFrame* frame = Start();
    auto* tray = frame->findChild<QMenu*>(QStringLiteral("trayMenu"));
    ASSERT_NE(tray, nullptr);
    const struct {
        const char* what;
        QAction* action;
    } commands[] = {{"Help button", frame->Action(kCmdHelp)},
                    {"Help topics...", frame->Action(kCmdHelpTopics)},
                    {"tray About...", tray->actions().value(0)}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command.what);
        ASSERT_NE(command.action, nullptr);
        EXPECT_TRUE(command.action->isVisible());
        messages_.clear();
        modals_.clear();
        command.action->trigger();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_TRUE(messages_[0].endsWith(QStringLiteral(": Help not installed on your computer.")));
        EXPECT_TRUE(modals_.empty()) << "nothing else happens";
    }
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(HelpCommandTest, HelpAgainStartsTheViewerAgainAndClosingTheWindowEndsTheFirst) {
    const QString pidFile = InstallViewer();
    CMainFrame* frame = Start();
    frame->RunCommand(kCmdHelpTopics);
    QElapsedTimer clock;
    clock.start();
    while (StartedProcesses(pidFile).isEmpty() && clock.elapsed() < 10000)
        QTest::qWait(20);
    // A second start is how the running viewer is asked to come forward.
    frame->RunCommand(kCmdHelp);
    while (StartedProcesses(pidFile).size() < 2 && clock.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_TRUE(messages_.empty());
    const QStringList started = StartedProcesses(pidFile);
    ASSERT_EQ(started.size(), 2);
    const QString proc = QStringLiteral("/proc/") + started[0];
    ASSERT_TRUE(QFileInfo::exists(proc));

    frame->RunCommand(kCmdExit);
    EXPECT_FALSE(QFileInfo::exists(proc)) << "the viewer outlived the calendar";
}

} // namespace
} // namespace vessant::ui
