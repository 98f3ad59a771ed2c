#pragma once
// A calendar started as the program starts it, in a data folder of its own, with the
// clock fixed and the message boxes and modal dialogs recorded instead of shown.

#include "app/ui/App.h"
#include "app/ui/ChildView.h"
#include "app/ui/Messages.h"
#include "app/ui/tests/QtTestApp.h"

#include "calendar/DateOperations.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <vector>

namespace vessant::ui::testing {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        ASSERT_TRUE(dir_.isValid());
        ::setenv("VESSANT_DATA_DIR", dir_.path().toUtf8().constData(), 1);
        SetClock(2024, 4, 15, 12, 0);
        SetMessageHook([this](MessageKind, const QString& caption, const QString& text) {
            messages_.push_back(caption + QStringLiteral(": ") + text);
        });
        SetModalHook([this](QDialog& dialog) {
            modals_.push_back(dialog.objectName());
            return modalAnswer_ ? modalAnswer_(dialog) : int(QDialog::Rejected);
        });
    }
    void TearDown() override {
        app_.reset();
        SetMessageHook({});
        SetModalHook({});
        platform::SetNowProvider({});
        ::unsetenv("VESSANT_DATA_DIR");
    }
    void SetClock(int y, int m, int d, int hour, int minute) {
        platform::SetNowProvider([=] { return platform::LOCAL_TIME{y, m, d, hour, minute, 0, 0}; });
    }
    // Starts (or restarts) the program in this fixture's folder.
    CMainFrame* Start(const START_OPTIONS& options = {}) {
        app_.reset();
        app_ = std::make_unique<CVessant3App>();
        EXPECT_TRUE(app_->Start(options));
        return app_->Frame();
    }
    CChildView* View() const { return app_->Frame()->View(); }
    std::filesystem::path Folder() const { return std::filesystem::path(dir_.path().toStdString()); }

    static DATE_STRUCT Civil(int y, int m, int d) {
        DATE_STRUCT date;
        SetTransition(date, 1);
        EXPECT_TRUE(SetCivilDate(date, y, m, d));
        return date;
    }
    static DATE_STRUCT Hebrew(int y, int m, int d) {
        DATE_STRUCT date;
        SetTransition(date, 1);
        EXPECT_TRUE(SetHebrewDate(date, y, m, d));
        return date;
    }

    QTemporaryDir dir_;
    std::unique_ptr<CVessant3App> app_;
    std::vector<QString> messages_;
    std::vector<QString> modals_;
    std::function<int(QDialog&)> modalAnswer_;
};

} // namespace vessant::ui::testing
