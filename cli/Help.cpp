#include "cli/Commands.h"

namespace vessant::cli {
namespace {

// The help stays English in every interface language, like the option names, JSON keys
// and CSV it describes: scripts and their writers read it. The reports and the error
// messages are the ones translated (cli/CliTextIds.h).
constexpr const char* kProgramHelp =
    "Usage: vessant COMMAND [OPTIONS]\n"
    "\n"
    "The Hebrew and civil calendar of Vessant 3 in the terminal.\n"
    "\n"
    "Commands:\n"
    "  day [DATE]            everything known about one day: both dates, holidays with\n"
    "                        their times, portion and haftarah, study, your events, zmanim\n"
    "  month [DATE]          the month as a grid with both day numbers, holidays, portions\n"
    "  year [HEBREW-YEAR]    the facts of a Hebrew year and its seventeen fixed days\n"
    "  zmanim [DATE]         the zmanim of a day\n"
    "  export                one civil year as a TAB-separated UTF-16 file for spreadsheets\n"
    "  help [COMMAND]        this text, or the help of a command\n"
    "\n"
    "Dates: an ISO civil date (2024-04-23), a Hebrew date with its year\n"
    "(\"15 Nisan 5784\", \"1 Adar II 5784\"), today, tomorrow or yesterday. Without a\n"
    "date, today. Civil dates before the Gregorian transition are Julian.\n"
    "\n"
    "Options of every command:\n"
    "  --place NAME          a location by city: your locations first, then the built-in\n"
    "                        places; \"City, Country\" chooses among namesakes\n"
    "  --row ROW             a location as one row of the options.ini format, fields\n"
    "                        separated by tabs or commas:\n"
    "                        city,country,lon deg,lon min,E=1/W=2,lat deg,lat min,N=1/S=2,\n"
    "                        zone,DST rule,diaspora,shita,candle lighting\n"
    "  --clock 12|24         clock format\n"
    "  --lang ID             the interface language module by id (9 English, 13 Hebrew)\n"
    "  --rite 0..3           haftarah rite: Ashkenazi, Adot Mizrach, Italian, Yemenite\n"
    "  --transition 1..3     Gregorian transition: UK 1752, Papal 1582, Russian 1918\n"
    "  --json                machine-readable output (day, year, zmanim), 24-hour times\n"
    "  -h, --help            help\n"
    "  --version             the program's version\n"
    "\n"
    "Settings, locations, custom shitot and events come from the calendar's data folder\n"
    "($VESSANT_DATA_DIR, else ~/.local/share/Vessant 3), which vessant only reads.\n"
    "Without it: Jerusalem and the built-in defaults.\n"
    "\n"
    "Exit status: 0 done, 1 the work failed (a file that cannot be written), 2 a wrong\n"
    "command line (an unknown place, a malformed date or row).\n";

constexpr const char* kDayHelp =
    "Usage: vessant day [DATE] [--place NAME | --row ROW] [--shita N] [--clock 12|24]\n"
    "                   [--rite 0..3] [--transition 1..3] [--lang ID] [--json]\n"
    "\n"
    "Everything known about one day (today without a DATE): the civil and Hebrew dates;\n"
    "the holidays, fasts and special days with their times (candle lighting, havdalah,\n"
    "the beginning and end of a fast, the latest times for chametz); on Shabbat the\n"
    "portion, the special Shabbat and the Shabbat times; the haftarah in the chosen rite;\n"
    "the five daily study portions; your events with their annotations; the zmanim of\n"
    "the location's shita (--shita chooses another); the daylight-saving status; and the\n"
    "location used.\n"
    "\n"
    "Examples:\n"
    "  vessant day\n"
    "  vessant day 2024-04-22 --place Jerusalem\n"
    "  vessant day \"15 Nisan 5784\" --place \"New York\" --json\n";

constexpr const char* kMonthHelp =
    "Usage: vessant month [DATE] [--hebrew | --civil] [--place NAME | --row ROW]\n"
    "                     [--width COLUMNS] [--rite 0..3] [--transition 1..3] [--lang ID]\n"
    "\n"
    "The month of DATE (today without one; 2024-04 names a civil month) as a grid:\n"
    "each day with its civil and Hebrew day numbers, the weekly portion on Shabbat and\n"
    "the holidays, followed by the full texts day by day. --hebrew shows the Hebrew month, --civil the civil month; without\n"
    "either, the view chosen in the calendar's settings. The grid fits the terminal's\n"
    "width, or --width columns.\n"
    "\n"
    "Examples:\n"
    "  vessant month\n"
    "  vessant month 2024-04 --civil\n"
    "  vessant month \"1 Tishrei 5785\" --hebrew --place London\n";

constexpr const char* kYearHelp =
    "Usage: vessant year [HEBREW-YEAR] [--transition 1..3] [--lang ID] [--json]\n"
    "\n"
    "The facts of a Hebrew year (the current one without a year): its kind and length,\n"
    "its place in the lunar, solar and shmita cycles, its distance from the destruction\n"
    "of the Temple, the State of Israel and the liberation of Jerusalem, and the dates of\n"
    "seventeen fixed days from Rosh Hashanah to Tu B'Av.\n"
    "\n"
    "Examples:\n"
    "  vessant year\n"
    "  vessant year 5785 --json\n";

constexpr const char* kZmanimHelp =
    "Usage: vessant zmanim [DATE] [--shita N] [--all] [--place NAME | --row ROW]\n"
    "                      [--clock 12|24] [--transition 1..3] [--lang ID] [--json]\n"
    "\n"
    "The zmanim of a day (today without a DATE) under the location's shita, or under\n"
    "--shita N (1 to 6 built in, 100 and up your own). --all adds the 48 alternative\n"
    "zmanim of the export file.\n"
    "\n"
    "Examples:\n"
    "  vessant zmanim --place \"Tel Aviv\"\n"
    "  vessant zmanim 2025-06-21 --place London --clock 24 --json\n";

constexpr const char* kExportHelp =
    "Usage: vessant export [--year Y | --date DATE] [-o FILE] [--place NAME | --row ROW]\n"
    "                      [--clock 12|24] [--transition 1..3] [--lang ID]\n"
    "\n"
    "Writes one civil year (the year of DATE, year Y, or this year) for a spreadsheet:\n"
    "UTF-16LE text with a byte-order mark, a header line of 69 column names and one line\n"
    "per day from 1 January to 31 December, every field followed by a TAB. Columns: the\n"
    "civil and Hebrew dates, 48 zmanim, the portion and special Shabbat, eight holiday\n"
    "columns and the five study portions.\n"
    "\n"
    "Without -o (or with -o -) the file goes to standard output. A file is written beside\n"
    "its final place and renamed over it only when complete, so a failure (exit status 1)\n"
    "never leaves a partial file or spoils an earlier one.\n"
    "\n"
    "Examples:\n"
    "  vessant export --year 2025 -o 2025.csv\n"
    "  vessant export --place Pittsburgh --clock 24 > year.csv\n";

} // namespace

std::string HelpText(Command command) {
    switch (command) {
    case Command::Day: return kDayHelp;
    case Command::Month: return kMonthHelp;
    case Command::Year: return kYearHelp;
    case Command::Zmanim: return kZmanimHelp;
    case Command::Export: return kExportHelp;
    default: return kProgramHelp;
    }
}

} // namespace vessant::cli
