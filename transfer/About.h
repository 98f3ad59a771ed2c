#pragma once
// "About DataCarry": what the program does and its own file version.

#include <QDialog>

namespace vessant::transfer {

// The line "Version %d.%d.%d (build %d)" of the program's file version.
QString VersionLine();

class CAbout : public QDialog {
    Q_OBJECT
public:
    explicit CAbout(QWidget* parent = nullptr);
};

} // namespace vessant::transfer
