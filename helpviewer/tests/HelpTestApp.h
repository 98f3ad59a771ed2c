#pragma once
// One QApplication for the whole test program, on the platform CTest names (offscreen).

#include <QApplication>

namespace vessant::help::testing {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "vessant_helpviewer_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

} // namespace vessant::help::testing
