// The calendar started on the data folder after a transfer shows the carried events on
// their days and knows the carried locations.

#include "app/ui/ChildView.h"
#include "app/ui/MainFrame.h"
#include "app/ui/MonthScreen.h"
#include "app/ui/tests/WindowFixture.h"
#include "calendar/DateOperations.h"
#include "locations/LocationList.h"
#include "testsupport/TestFiles.h"
#include "transfer/convert/Transfer.h"
#include "transfer/convert/tests/OldFiles.h"
#include "userdata/EventList.h"

#include <algorithm>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;
using namespace vessant::testsupport;
namespace fs = std::filesystem;

namespace {

class CalendarAfterTransferTest : public ui::testing::WindowFixture {
protected:
    // The lines of the cell that shows a day, after moving the calendar to it.
    QStringList LinesOfDay(const DATE_STRUCT& day) {
        View()->GoToDate(day);
        const ui::CMonthScreen& table = View()->Table();
        for (int n = 1; n <= ui::kGridCells; ++n) {
            const ui::MONTH_CELL& cell = table.Cell(n);
            if (cell.civilDay == 0 || cell.date.dayNumber != day.dayNumber)
                continue;
            QStringList lines;
            for (const ui::CELL_LINE& line : cell.lines)
                lines << line.text;
            return lines;
        }
        ADD_FAILURE() << "day " << day.dayNumber << " is not in the month shown";
        return {};
    }
    static bool HasLineStartingWith(const QStringList& lines, const QString& start) {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(start); });
    }
};

} // namespace

TEST_F(CalendarAfterTransferTest, ShowsTheCarriedEventsOnTheirDays) {
    const fs::path old = FreshFolderForThisTest("old");
    // A civil birthday; a Hebrew yahrzeit kept by the civil day of death, 1 January 1700
    // of the Julian calendar; a one-time event with a Hebrew title only.
    WriteBytes(old / "vessant.usr",
               UsrFile(2, {{1, 3, 1950, 4, 12, "Moshe", ""},
                           {0, 1, 1700, 1, 1, "Great-grandfather", ""},
                           {1, 6, 2024, 4, 22, "", OldHebrewBytes({3, 5, 26})}}));
    WriteBytes(old / "vessant.loc", LocFile({"L Israel Haifa 32 49 1 34 59 1 18 15"}));
    const TRANSFER_REPORT report = RunTransfer(old, Folder(), {true, false});
    ASSERT_FALSE(report.Failed());
    ASSERT_EQ(report.events.counts.added, 3);

    ASSERT_NE(Start(), nullptr);
    EXPECT_TRUE(HasLineStartingWith(LinesOfDay(Civil(2024, 4, 12)), QStringLiteral("Moshe")));
    EXPECT_FALSE(HasLineStartingWith(LinesOfDay(Civil(2024, 4, 13)), QStringLiteral("Moshe")));
    EXPECT_TRUE(HasLineStartingWith(LinesOfDay(Civil(2024, 4, 22)), QString::fromWCharArray(L"\u05EA\u05D5\u05D3")));

    // The yahrzeit falls on the Hebrew date of the Julian 1 January 1700, in 5784 as well.
    DATE_STRUCT death;
    SetTransition(death, kTransitionUK);
    ASSERT_EQ(SetDayNumber(death, 2341983), 0);
    const DATE_TRIPLE hebrew = HebrewDateTriple(death);
    const DATE_STRUCT yahrzeit = Hebrew(5784, hebrew.month, hebrew.day);
    EXPECT_TRUE(HasLineStartingWith(LinesOfDay(yahrzeit), QStringLiteral("Great-grandfather")))
        << hebrew.day << "." << hebrew.month << "." << hebrew.year;

    // Haifa is among the locations with its coordinates put right.
    const LOCATION_LIST& locations = ProgramLocations();
    const auto haifa = std::find_if(locations.locations.begin(), locations.locations.end(),
                                    [](const LOC_STRUCT& l) { return l.city == L"Haifa"; });
    ASSERT_NE(haifa, locations.locations.end());
    EXPECT_EQ(haifa->longitudeDegrees, 34);
    EXPECT_EQ(haifa->latitudeDegrees, 32);
}
