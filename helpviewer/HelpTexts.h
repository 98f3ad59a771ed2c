#pragma once
// Texts of the help viewer's own window, About box and error page, in one table by id,
// so that every visible label is kept in one place and can be translated as a whole.
// The menu item and the window title keep the viewer's historical resource ids.

#include <QString>

namespace vessant::help {

enum HelpTextId : int {
    kIdAboutMenuItem = 101,        // "&About Vessant3Help..."
    kIdWindowTitle = 57344,        // "Vessant3 Help"
    kIdContents = 30000,           // "Contents"
    kIdBack = 30001,               // "Back"
    kIdForwardTip = 30002,         // "Forward"
    kIdPrint = 30003,              // "Print"
    kIdAbout = 30004,              // "About"
    kIdClose = 30005,              // "Close"
    kIdContentsTip = 30006,        // "Show the table of contents"
    kIdBackTip = 30007,            // "Go back to the previous page"
    kIdPrintTip = 30008,           // "Print this page"
    kIdAboutTip = 30009,           // "About this help program"
    kIdCloseTip = 30010,           // "Close the help"
    kIdAboutTitle = 30100,         // "About Vessant3Help"
    kIdAboutVersion = 30101,       // "Vessant3Help Version 1.00"
    kIdAboutComponents = 30102,    // the components the viewer is built with
    kIdAboutManual = 30103,        // what the viewer carries
    kIdUnexpectedCommand = 30200,  // "Unexpected Command"
    kIdPrintTitle = 30201,         // "Print Help Page"
    kIdMissingPageTitle = 30300,   // "Page not found"
    kIdMissingPageText = 30301,    // "The page \"%1\" is not part of this help."
    kIdMissingPageHint = 30302,    // "Use Back to return, or go to the contents."
    kIdMissingPageLink = 30303,    // "Contents"
};

// The English text of an id; empty for an id the table does not hold.
QString HelpText(int id);

} // namespace vessant::help
