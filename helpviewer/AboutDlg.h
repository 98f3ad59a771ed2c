#pragma once
// The About box of the help viewer: its icon, name and version, and what it is built with.

#include <QDialog>

namespace vessant::help {

class CAboutHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutHelpDlg(QWidget* parent = nullptr);
};

} // namespace vessant::help
