#pragma once
// The small windows of the calendar: "New features!", About, Disclaimer, Donation,
// Acknowledgments, the quick location change and the reminder window.

#include "calendar/DateStruct.h"
#include "locations/LocationList.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QComboBox;

namespace vessant::ui {

// The compiler's build date ("Oct 29 2014") as a date record; false when it cannot be read.
bool BuildDate(const char* compileDate, DATE_STRUCT& date);

// "New features!": what this version brings, and "Close".
class CNewVersionDlg : public QDialog {
public:
    explicit CNewVersionDlg(QWidget* parent = nullptr);
};

// The program's icon, title, version and build date (in the Hebrew calendar).
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QString VersionLine() const { return versionLine_; }
    QString BuildDateLine() const { return buildDateLine_; }

private:
    QString versionLine_;
    QString buildDateLine_;
};

class CDisclaimerDlg : public QDialog {
public:
    explicit CDisclaimerDlg(QWidget* parent = nullptr);
};

class CDonationDlg : public QDialog {
public:
    explicit CDonationDlg(QWidget* parent = nullptr);
};

// The data the program's tables come from, and the software and fonts it is built with.
class CAcknowledgmentsDlg : public QDialog {
public:
    explicit CAcknowledgmentsDlg(QWidget* parent = nullptr);
};

// Quick change of the view's location; the default location stays as it is. Choosing an
// entry applies it at once.
class CQuickLocationDlg : public QDialog {
public:
    CQuickLocationDlg(const LOCATION_LIST& list, const LOC_STRUCT& current,
                      std::function<void(int index)> choose, QWidget* parent = nullptr);
    QComboBox* List() const { return combo_; }

private:
    QComboBox* combo_;
};

// A due reminder's message. With auto close it closes itself after five minutes.
class CReminderWindow : public QWidget {
public:
    CReminderWindow(const QString& message, bool autoClose, QWidget* parent = nullptr);
};

} // namespace vessant::ui
