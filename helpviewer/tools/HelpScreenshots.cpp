// Writes PNG pictures of the help window showing chosen pages, for reviewing the manual
// as the reader sees it. Usage: vessant_help_screenshots OUTPREFIX PAGE...
// Each page goes to OUTPREFIX-PAGE.png (the page name without ".htm").

#include "helpviewer/HelpBrowser.h"
#include "helpviewer/HelpWindow.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPREFIX PAGE...\n", argv[0]);
        return 2;
    }
    vessant::help::CHelpDlg window;
    window.show();
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const QString page = QString::fromLocal8Bit(argv[i]);
        window.Browser()->ShowPage(page);
        QApplication::processEvents();
        const QString file = prefix + QLatin1Char('-') + QString(page).remove(QStringLiteral(".htm")) +
                             QStringLiteral(".png");
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
