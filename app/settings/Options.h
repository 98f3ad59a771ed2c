#pragma once
// The program's settings record, mirrored in options.ini. One instance lives for the
// whole run (OptionsStore().options()). The keys behind its fields, their defaults and
// the order in which they are written are in detail/OptionKeyTable.inc; DefaultOptions() gives a
// record holding those defaults.

#include <cstdint>
#include <filesystem>

namespace vessant {

struct OPTIONS_STRUCT {
    std::int32_t language = 0;            // Display / Language: 0 the desktop's, else a language id
    std::int32_t hoverEnabled = 0;        // Display / Hover Enabled
    std::int32_t menuEnabled = 0;         // Display / Menu Enabled
    std::int32_t toolbarEnabled = 0;      // Display / Toolbar Enabled
    std::int32_t view = 0;                // Display / View: 2 civil month, else Hebrew month
    std::int32_t clockFormat = 0;         // Display / Clock Format: 12 AM/PM, else 24-hour
    std::int32_t shita = 0;               // Zmanim / Shita: read only
    std::int32_t gregorianTransition = 0; // Calendar / Gregorian Transition (1-based choice)
    std::int32_t shitaHaftarah = 0;       // Display / Shita haftarah: 0-3 haftarah custom

    std::int32_t systrayIcon = 0;         // Interface / Systray Icon
    std::int32_t systrayMinimize = 0;     // Interface / Systray Minimize
    std::int32_t minimize = 0;            // Interface / Minimize: 1 minimised, 2 closed, 3 either
    std::int32_t minimizeStartup = 0;     // Interface / Minimize Startup
    std::int32_t expandOptions = 0;       // Interface / Expand Options

    std::int32_t showParshiot = 0;        // Display / Parshiot
    std::int32_t showMoadim = 0;          // Display / Moadim
    std::int32_t showEvents = 0;          // Display / Events

    std::int32_t dafYomi = 0;             // Limudim / Daf Yomi
    std::int32_t mishnaYomit = 0;         // Limudim / Mishna Yomit
    std::int32_t halachaYomit = 0;        // Limudim / Halacha Yomit
    std::int32_t yerushalmiYomi = 0;      // Limudim / Yerushalmi Yomi
    std::int32_t tanachYomi = 0;          // Limudim / Tanach Yomi

    std::int32_t dayDoubleClick = 0;      // Month Display / Day double click: 0 details, 1 add event

    std::int32_t printParshiot = 0;       // Print / Parshiot
    std::int32_t printMoadim = 0;         // Print / Moadim
    std::int32_t printEvents = 0;         // Print / Events
    std::int32_t printWeeklyZmanim = 0;   // Print / Weekly Zmanim
    std::int32_t printDafYomi = 0;        // Print / Daf Yomi
    std::int32_t printMishnaYomit = 0;    // Print / Mishna Yomit
    std::int32_t printHalachaYomit = 0;   // Print / Halacha Yomit
    std::int32_t printYerushalmiYomi = 0; // Print / Yerushalmi Yomi
    std::int32_t printTanachYomi = 0;     // Print / Tanach Yomi
    std::int32_t printDefaultView = 0;    // Print / Default view
    std::int32_t printLastView = 0;       // Print / Last view

    std::int32_t defaultDetailsBar = 0;   // Display / Default details bar
    std::int32_t lastDetailsBar = 0;      // Display / Last details bar: 1 day, 2 year details

    // Colours, 0x00BBGGRR (Colors / Hebrew ... Zmanim BG, Systray date).
    std::int32_t colorHebrew = 0;
    std::int32_t colorCivil = 0;
    std::int32_t colorZmanim = 0;
    std::int32_t colorParshiot = 0;
    std::int32_t colorMoadim = 0;
    std::int32_t colorEvents = 0;
    std::int32_t colorLimud = 0;
    std::int32_t colorRegularBg = 0;
    std::int32_t colorTodayBg = 0;
    std::int32_t colorSelectedBg = 0;
    std::int32_t colorZmanimBg = 0;
    std::int32_t colorSystrayDate = 0;

    std::int32_t fontSize = 0;            // Fonts / Size: 1 big, 2 medium, 3 small

    std::int32_t hoverOffset = 0;         // Colors / Hover Offset
    std::int32_t shabbatOffset = 0;       // Colors / Shabbat Offset

    std::int32_t zmanimLines = 0;         // Display / Zmanim Lines: written, never read

    // Kept by the location store, which owns the list of locations itself.
    std::int32_t locationRowsRead = 0;
    std::int32_t defaultLocation = 0;     // index from 0

    std::int32_t osMajorVersion = 0;      // kernel release; no setting depends on it
    std::int32_t osMinorVersion = 0;

    // The running program's version as the two halves of a file version, then split.
    std::uint32_t fileVersionHigh = 0;    // major << 16 | minor
    std::uint32_t fileVersionLow = 0;     // build << 16 | revision
    std::int32_t versionRevision = 0;
    std::int32_t versionBuild = 0;
    std::int32_t versionMinor = 0;
    std::int32_t versionMajor = 0;

    std::int32_t showNewFeatures = 0;     // the stored version was older (set by loading)

    std::filesystem::path iniPath;        // options.ini
    std::filesystem::path dataFolder;

    std::int32_t freshFile = 0;           // the stored version was 0.0.0.0
    std::int32_t oldLocationRows = 0;     // the stored version predates 3.1.36 (while loading)
};

// Every keyed field at its default, Zmanim Lines 1, everything else 0 or empty.
OPTIONS_STRUCT DefaultOptions();

} // namespace vessant
