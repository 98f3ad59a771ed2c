// Reading "vessant.loc" and what each record becomes.

#include "transfer/convert/OldLocationFile.h"

#include "locations/LocationRow.h"
#include "platform/TextCodec.h"
#include "transfer/convert/tests/OldFiles.h"

#include <gtest/gtest.h>

using namespace vessant;
using namespace vessant::transfer;
using namespace vessant::transfer::fixtures;

TEST(OldLocationFile, BothHeaderLinesMustMatch) {
    struct Case {
        std::string head;
        bool recognised;
    };
    const Case cases[] = {
        {"*** VESSANT32 2.0 ***\r\n*** LOC VER 000 ***\r\n", true},
        {"Vessant *** VESSANT32 2.17\r\n  \t*** LOC VER 000 ***\t \r\n", true},
        {"*** VESSANT32 1.0 ***\r\n*** LOC VER 000 ***\r\n", false},
        {"*** VESSANT32 2.0 ***\r\n*** LOC VER 001 ***\r\n", false},
        {"*** VESSANT32 2.0 ***\r\n*** LOC VER 000 *** x\r\n", false},
        {"*** VESSANT32 2.0 ***\r\n", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.head);
        const OLD_LOCATION_FILE read = ReadOldLocationFile(c.head + "L USA Boston 71 3 2 42 21 1 10 25\r\n");
        EXPECT_EQ(read.recognised, c.recognised);
        EXPECT_EQ(read.records.size(), c.recognised ? 1u : 0u);
    }
}

TEST(OldLocationFile, ReadsRecordsAndPassesOverBrokenOnes) {
    const OLD_LOCATION_FILE read = ReadOldLocationFile(LocFile({
        "L Israel Haifa 32 49 1 34 59 1 18 15",
        "L USA Boston 71 3 2",                   // cut short: does not take the next line
        "  X   NY   New_York  74 0 2 40 43 1 10 25  ",
        "L France Paris east 2 1 48 52 1 19 20",  // a word where a number belongs
        "L Mars Base 99999 0 1 0 0 1 1 1",        // no location field holds 99999
        "L Canada Toronto 79 23 2 43 39 1 10 25",
    }));
    ASSERT_TRUE(read.recognised);
    EXPECT_EQ(read.unreadableRecords, 3);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].country, "Israel");
    EXPECT_EQ(read.records[0].city, "Haifa");
    EXPECT_EQ(read.records[0].numbers, (std::array<std::int32_t, 8>{32, 49, 1, 34, 59, 1, 18, 15}));
    EXPECT_EQ(read.records[1].city, "New_York");
    EXPECT_EQ(read.records[1].numbers[7], 25);
    EXPECT_EQ(read.records[2].city, "Toronto");
}

TEST(OldLocationFile, RowsCarryTheOldFieldsWithFixedChoices) {
    struct Case {
        const char* line;
        bool exchangeIsrael;
        const wchar_t* row;
    };
    const Case cases[] = {
        {"L Israel Haifa 32 49 1 34 59 1 18 15", false, L"Haifa\tIsrael\t32\t49\t1\t34\t59\t1\t18\t15\t0\t3\t1\t"},
        // Only the exact spelling is marked as in Israel here; the calendar's loader
        // accepts the others.
        {"L ISRAEL Haifa 32 49 1 34 59 1 18 15", false, L"Haifa\tISRAEL\t32\t49\t1\t34\t59\t1\t18\t15\t1\t3\t1\t"},
        {"L USA Boston 71 3 2 42 21 1 10 25", false, L"Boston\tUSA\t71\t3\t2\t42\t21\t1\t10\t25\t1\t3\t1\t"},
        // Into a file the calendar has written, rows in Israel stored latitude first are
        // put right here, whatever the spelling of the country.
        {"L Israel Haifa 32 49 1 34 59 1 18 15", true, L"Haifa\tIsrael\t34\t59\t1\t32\t49\t1\t18\t15\t0\t3\t1\t"},
        {"L ISRAEL Eilat 29 33 1 34 57 1 18 15", true, L"Eilat\tISRAEL\t34\t57\t1\t29\t33\t1\t18\t15\t1\t3\t1\t"},
        {"L Israel Jerusalem 35 14 1 31 46 1 18 15", true, L"Jerusalem\tIsrael\t35\t14\t1\t31\t46\t1\t18\t15\t0\t3\t1\t"},
        {"L Egypt Cairo 31 14 1 30 2 1 18 4", true, L"Cairo\tEgypt\t31\t14\t1\t30\t2\t1\t18\t4\t1\t3\t1\t"},
        {"L Israel Tel_Aviv \xE9 34 46 1 32 4 1 18 15", false, nullptr},  // not a number: no row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const OLD_LOCATION_FILE read = ReadOldLocationFile(LocFile({c.line}));
        if (!c.row) {
            EXPECT_TRUE(read.records.empty());
            continue;
        }
        ASSERT_EQ(read.records.size(), 1u);
        EXPECT_EQ(platform::Utf8FromWide(LocationRowText(ConvertOldLocation(read.records[0], c.exchangeIsrael), false)),
                  platform::Utf8FromWide(c.row));
    }
    // Words are text of the 8-bit code page.
    const OLD_LOCATION_FILE accented = ReadOldLocationFile(LocFile({"L Espa\xF1" "a M\xE1laga 4 25 2 36 43 1 19 20"}));
    ASSERT_EQ(accented.records.size(), 1u);
    EXPECT_EQ(ConvertOldLocation(accented.records[0], false).city, L"M\u00E1laga");
    EXPECT_EQ(ConvertOldLocation(accented.records[0], false).country, L"Espa\u00F1a");
}
