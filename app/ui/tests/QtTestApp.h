#pragma once
// One QApplication for the whole test program, on the platform CTest names (offscreen).

#include "app/ui/App.h"

#include <QApplication>

namespace vessant::ui::testing {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "vessant_ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        auto* app = new QApplication(argc, argv);
        InstallFontSubstitutions();
        return app;
    }();
    return *application;
}

} // namespace vessant::ui::testing
