// The help window on the offscreen platform, driven by clicks on its buttons and links,
// and the real program started a second time.

#include "helpviewer/HelpBrowser.h"
#include "helpviewer/HelpInstance.h"
#include "helpviewer/HelpTexts.h"
#include "helpviewer/HelpWindow.h"
#include "helpviewer/tests/HelpTestApp.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vessant::help {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::TestApplication();
        // The single-instance socket lives in the temporary folder: one of our own keeps
        // these tests apart from any viewer the user has open and from parallel tests.
        ASSERT_TRUE(socketDir_.isValid());
        savedTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", socketDir_.path().toUtf8());
        window_ = std::make_unique<CHelpDlg>();
        window_->show();
    }
    void TearDown() override {
        window_.reset();
        if (savedTmp_.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTmp_);
    }

    CHelpBrowser* Browser() const { return window_->Browser(); }
    void Click(int control) { QTest::mouseClick(window_->Button(control), Qt::LeftButton); }

    // Clicks the link whose text is `text` in the page shown.
    void ClickLink(const QString& text) {
        QTextCursor cursor = Browser()->document()->find(text);
        ASSERT_FALSE(cursor.isNull()) << text.toStdString();
        cursor.setPosition(cursor.selectionStart() + 1);
        const QPoint point = Browser()->cursorRect(cursor).center();
        QTest::mouseClick(Browser()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

    // Runs `then` on the modal window that the next step opens, then closes it.
    void OnNextModal(std::function<void(QWidget*)> then) {
        QTimer::singleShot(0, [then = std::move(then)] {
            QWidget* modal = QApplication::activeModalWidget();
            then(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
        });
    }

    QTemporaryDir socketDir_;
    QByteArray savedTmp_;
    std::unique_ptr<CHelpDlg> window_;
};

TEST_F(HelpWindowTest, OpensOnTheContentsInAFixedWindowWithItsButtons) {
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Vessant3 Help"));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("contents.htm"));
    EXPECT_EQ(window_->focusWidget(), Browser());
    const struct {
        int control;
        const char* text;
    } buttons[] = {{kControlContents, "Contents"}, {kControlBack, "Back"}, {kControlForward, ""},
                   {kControlPrint, "Print"},       {kControlAbout, "About"}, {kControlClose, "Close"}};
    int left = -1;
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.text);
        QPushButton* widget = window_->Button(button.control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->text(), QString::fromLatin1(button.text));
        EXPECT_FALSE(widget->icon().isNull());
        EXPECT_GT(widget->x(), left) << "the buttons run from left to right";
        EXPECT_LT(widget->geometry().bottom(), Browser()->geometry().top());
        left = widget->x();
    }
    // The bitmaps' magenta is transparent.
    const QImage back = window_->Button(kControlBack)->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
}

TEST_F(HelpWindowTest, LinksBackForwardAndContents) {
    ClickLink(QStringLiteral("The date of a yahrzeit"));
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("yahrzeit.htm"));
    EXPECT_TRUE(window_->Button(kControlBack)->isEnabled());
    Click(kControlBack);
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("contents.htm"));
    EXPECT_TRUE(window_->Button(kControlForward)->isEnabled());
    Click(kControlForward);
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("yahrzeit.htm"));
    Click(kControlContents);
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("contents.htm"));
}

TEST_F(HelpWindowTest, BackReturnsFromTheMissingPage) {
    ClickLink(QStringLiteral("The built-in shitot in detail"));
    EXPECT_TRUE(Browser()->ShowingMissingPage());
    EXPECT_TRUE(Browser()->toPlainText().contains(QStringLiteral("zmanim-shitot.htm")));
    Click(kControlBack);
    EXPECT_FALSE(Browser()->ShowingMissingPage());
    EXPECT_EQ(Browser()->CurrentPageName(), QStringLiteral("contents.htm"));
}

TEST_F(HelpWindowTest, AppLinksRunTheirCommandsAndStayOnThePage) {
    Browser()->setHtml(QStringLiteral("<p><a href=\"app:Beep\">beep here</a></p>"
                                      "<p><a href=\"APP:Hello there\">say hello</a></p>"
                                      "<p><a href=\"app:Minimise\">make small</a></p>"));
    const QString page = Browser()->toPlainText();

    ClickLink(QStringLiteral("beep here"));
    EXPECT_EQ(Browser()->toPlainText(), page);
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_EQ(window_->RunAppCommand(QStringLiteral("Beep")), AppCommandResult::Beeped);

    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
    });
    ClickLink(QStringLiteral("say hello"));
    EXPECT_EQ(caption, QStringLiteral("Unexpected Command"));
    EXPECT_EQ(text, QStringLiteral("Hello there"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(Browser()->toPlainText(), page);

    ClickLink(QStringLiteral("make small"));
    EXPECT_TRUE(window_->isMinimized());
    EXPECT_EQ(Browser()->toPlainText(), page);
}

TEST_F(HelpWindowTest, AboutShowsTheVersion) {
    QString title;
    QStringList labels;
    OnNextModal([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>())
            labels.append(label->text());
    });
    Click(kControlAbout);
    EXPECT_EQ(title, QStringLiteral("About Vessant3Help"));
    EXPECT_TRUE(labels.contains(QStringLiteral("Vessant3Help Version 1.00")));
}

TEST_F(HelpWindowTest, PrintOffersThePrintDialogAndPrintsThePageToPdf) {
    QString dialog;
    OnNextModal([&](QWidget* modal) { dialog = modal ? modal->objectName() : QString(); });
    Click(kControlPrint);
    EXPECT_EQ(dialog, QStringLiteral("printDialog"));

    ClickLink(QStringLiteral("The date of Yom Hashoah"));
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    window_->PrintPage(printer);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
}

TEST_F(HelpWindowTest, ASecondStartRaisesTheFirstWindowAndEnds) {
    CHelpInstance instance;
    int raised = 0;
    ASSERT_TRUE(instance.Publish([&] {
        ++raised;
        window_->BringToFront();
    }));
    window_->showMinimized();
    ASSERT_TRUE(window_->isMinimized());

    QProcess second;
    second.start(QStringLiteral(VESSANT3HELP_PROGRAM), {});
    ASSERT_TRUE(second.waitForStarted(5000));
    QElapsedTimer clock;
    clock.start();
    while (second.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        second.waitForFinished(50);
    }
    ASSERT_EQ(second.state(), QProcess::NotRunning) << "the second start opened a window of its own";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(raised, 1);
    EXPECT_FALSE(window_->isMinimized());
}

TEST_F(HelpWindowTest, TheProgramStaysUpAloneAndALaterStartEndsAtOnce) {
    QProcess first;
    first.start(QStringLiteral(VESSANT3HELP_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first viewer answers on its socket.
    CHelpInstance probe;
    QElapsedTimer clock;
    clock.start();
    while (!probe.RunningViewerRaised(200) && clock.elapsed() < 30000)
        first.waitForFinished(100);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.start(QStringLiteral(VESSANT3HELP_PROGRAM), {});
    EXPECT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    if (!first.waitForFinished(10000))
        first.kill();
}

} // namespace
} // namespace vessant::help
