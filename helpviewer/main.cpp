// Vessant3Help: the manual of the Vessant 3 calendar in a window of its own.

#include "helpviewer/HelpInstance.h"
#include "helpviewer/HelpWindow.h"

#include <QApplication>

// Under the address sanitizer: fontconfig's pattern cache, which Qt's font database keeps
// for the life of the process, is reported as leaked at exit. It is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vessant3Help"));

    vessant::help::CHelpInstance instance;
    if (instance.RunningViewerRaised())
        return 0;
    vessant::help::CHelpDlg window;
    if (!instance.Publish([&window] { window.BringToFront(); }) && instance.RunningViewerRaised())
        return 0;
    window.show();
    return application.exec();
}
