#pragma once
// One QApplication for the whole test program on the offscreen platform, with the
// transfer program's message boxes and modal dialogs recorded instead of shown.

#include "app/ui/tests/QtTestApp.h"
#include "transfer/TransferMessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QStringList>

namespace vessant::transfer::fixtures {

// The calendar's test application: the calendar test of this program starts the
// calendar in the same process, and there can be only one.
inline QApplication& TransferTestApplication() { return ui::testing::TestApplication(); }

class RecordedMessages : public ::testing::Test {
protected:
    void SetUp() override {
        TransferTestApplication();
        SetTransferMessageHook([this](MessageKind kind, const QString& caption, const QString& text) {
            kinds_.push_back(kind);
            messages_ << caption + QStringLiteral(": ") + text;
        });
        SetTransferModalHook([this](QDialog& dialog) {
            modals_ << dialog.objectName();
            return onModal_ ? onModal_(dialog) : int(QDialog::Accepted);
        });
    }
    void TearDown() override {
        SetTransferMessageHook({});
        SetTransferModalHook({});
    }

    QStringList messages_;
    std::vector<MessageKind> kinds_;
    QStringList modals_;
    std::function<int(QDialog&)> onModal_;
};

} // namespace vessant::transfer::fixtures
