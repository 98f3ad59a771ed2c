#pragma once
// String-resource ids of the texts the calendar window shows. A language module may
// replace any of them; the English texts are in text/BuiltinStrings.inc. The window's own
// texts have ids from 20000 up, grouped by window (see UiText.h).

namespace vessant::ui {

// Texts shared with the engines and the string table.
inline constexpr int kIdProgramTitle = 405;        // "Vessant 3"
inline constexpr int kIdVersion = 750;             // "Version"
inline constexpr int kIdToday = 755;               // "Today"
inline constexpr int kIdClose = 782;               // "Close"
inline constexpr int kIdVersionDate = 924;         // "Version date:"
inline constexpr int kIdJumpToBarMitzvah = 951;    // "Jump to Bar Mitzvah from today"
inline constexpr int kIdJumpToBatMitzvah = 952;    // "Jump to Bat Mitzvah from today"
inline constexpr int kIdExport = 968;              // "Export"
inline constexpr int kIdDonation = 863;            // "Donation"
inline constexpr int kIdDonationText = 842;

// The details panels, their toolbar button and the cell's popup menu.
inline constexpr int kIdDayDetailsCaption = 901;   // "Day details"
inline constexpr int kIdYearDetailsCaption = 902;  // "Year details"
inline constexpr int kIdButtonDetails = 923;       // "Details"
inline constexpr int kIdPopupDayDetails = 753;     // "Day details"

// Toolbar buttons.
inline constexpr int kIdButtonFile = 760;          // "File"
inline constexpr int kIdButtonToday = 762;         // "Today"
inline constexpr int kIdButtonCivil = 763;         // "Civil"
inline constexpr int kIdButtonHebrew = 764;        // "Hebrew"
inline constexpr int kIdButtonLocation = 767;      // "Location"
inline constexpr int kIdButtonHelp = 769;          // "Help"

// Menus and their commands.
inline constexpr int kIdMenuFile = 20000;          // "&File"
inline constexpr int kIdMenuExit = 20002;          // "E&xit"
inline constexpr int kIdMenuView = 20003;          // "&View"
inline constexpr int kIdMenuViewHebrew = 20004;    // "Hebrew"
inline constexpr int kIdMenuViewCivil = 20005;     // "Civil"
inline constexpr int kIdToolbar = 20008;           // "Toolbar"
inline constexpr int kIdMenuHelp = 20012;          // "&Help"
inline constexpr int kIdMenuAbout = 20013;         // "&About Vessant3..."
inline constexpr int kIdMenuExport = 20017;        // "Export..."
inline constexpr int kIdMenuHelpTopics = 20018;    // "&Help topics..."
inline constexpr int kIdMenuAcknowledgments = 20019; // "Acknowledgments..."
inline constexpr int kIdMenuDisclaimer = 20020;    // "Disclaimer..."
inline constexpr int kIdMenuDonations = 20021;     // "Donations..."
inline constexpr int kIdTrayAbout = 20022;         // "&About..."
inline constexpr int kIdStatusReady = 20023;       // "Ready"
inline constexpr int kIdDisclaimerTitle = 20024;   // "Disclaimer"
inline constexpr int kIdCsvFilter = 20025;         // "CSV file (*.csv)"

// Dialogs.
inline constexpr int kIdNewFeaturesTitle = 20100;  // "New features!"
inline constexpr int kIdNewFeaturesHeading = 20101;
inline constexpr int kIdNewFeaturesNotes = 20102;
inline constexpr int kIdAboutTitle = 20200;        // "About Vessant3"
inline constexpr int kIdAboutHeading = 20201;      // "Vessant - Hebrew/Civil Calendar"
inline constexpr int kIdQuickLocationTitle = 20300; // "Select Location"
inline constexpr int kIdQuickLocationText = 20301;
inline constexpr int kIdAcknowledgmentsTitle = 20400; // "Acknowledgments"
inline constexpr int kIdReminderTitle = 20600;     // "Reminder"

// Message boxes.
inline constexpr int kIdHelpNotInstalled = 20500;  // "Help not installed on your computer."
inline constexpr int kIdCannotSave = 20501;        // "The file %s could not be saved: %s"
inline constexpr int kIdChangesKept = 20502;
inline constexpr int kIdSavingFailed = 20503;      // "Saving failed"
inline constexpr int kIdCannotExport = 20504;      // "The export file %s could not be written: %s"

} // namespace vessant::ui
