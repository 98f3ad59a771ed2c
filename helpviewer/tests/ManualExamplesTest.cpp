// The manual's worked examples are what the engines compute. Every example in a page is
// marked <span class="example" data-check="KIND ARGUMENTS">text</span>; the check names
// the computation, and the text the reader sees must hold its results (the Hebrew and
// civil dates, the times, the numbers). A change of rule in an engine that would make a
// page wrong fails here.
//
// Kinds (civil dates as YYYY-MM-DD; "israel" or "diaspora" where the place matters):
//   date CIVIL                         the Hebrew date of a civil day
//   holiday CODE HEBYEAR PLACE         the day(s) of a Hebrew year carrying a day code
//   first CODE HEBYEAR PLACE           the first year a day code appears (none in the ten before)
//   yahrzeit ashkenazi|mizrach DEATH HEBYEAR
//   birthday BIRTH HEBYEAR             a Hebrew birthday or anniversary
//   civil-birthday BIRTH CIVILYEAR     a civil birthday or anniversary
//   mitzvah BIRTH YEARS                the Bar (13) or Bat (12) Mitzvah date
//   chametz jerusalem|pittsburgh CIVIL [eat|burn]
//                                      the latest times to eat and burn chametz (24-hour)
//   yeardays HEBYEAR                   the number of days in a Hebrew year
//   tanach CIVIL                       the Tanach yomi reading of a day
//   dst RULE CIVILYEAR                 the first and last day of daylight saving time

#include "helpviewer/HelpPages.h"

#include "calendar/DateOperations.h"
#include "calendar/DateText.h"
#include "calendar/HebrewYear.h"
#include "dayevents/DayEvents.h"
#include "dayevents/StudyText.h"
#include "locations/LocationCoordinates.h"
#include "locations/LocationRow.h"
#include "text/Language.h"
#include "userdata/EventRules.h"
#include "zmanim/DstRules.h"
#include "zmanim/Zmanim.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace vessant::help {
namespace {

struct EXAMPLE {
    QString page;
    QString check;
    QString text; // as the reader sees it: tags removed, blanks folded
};

QString PageSource(const QString& page) {
    QFile file(FindHelpResource(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::vector<EXAMPLE> Examples() {
    static const QRegularExpression span(
        QStringLiteral("<span class=\"example\" data-check=\"([^\"]*)\">(.*?)</span>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    std::vector<EXAMPLE> examples;
    for (const QString& page : HelpPageNames()) {
        auto it = span.globalMatch(PageSource(page));
        while (it.hasNext()) {
            const auto match = it.next();
            QString text = match.captured(2);
            text.replace(tag, QString()).replace(blanks, QStringLiteral(" "));
            text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
            examples.push_back({page, match.captured(1), text});
        }
    }
    return examples;
}

QString Q(const std::wstring& text) { return QString::fromStdWString(text); }

std::optional<DATE_STRUCT> CivilDay(const QString& iso) {
    const QStringList parts = iso.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return std::nullopt;
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    if (!SetCivilDate(date, parts[0].toInt(), parts[1].toInt(), parts[2].toInt()))
        return std::nullopt;
    return date;
}

DATE_STRUCT DayNumber(int dayNumber) {
    DATE_STRUCT date;
    SetTransition(date, kTransitionUK);
    SetDayNumber(date, dayNumber);
    return date;
}

QStringList BothDates(const DATE_STRUCT& date) {
    return {Q(FormatHebrewDate(date)), Q(FormatCivilDate(date))};
}

bool Diaspora(const QString& place) { return place == QLatin1String("diaspora"); }

bool DayCarries(const DATE_STRUCT& date, int code, bool diaspora) {
    DAY_EVENTS list;
    BuildDayEvents(list, date, diaspora);
    for (int i = 0; i < DayEventCount(list); ++i)
        if (GetDayEvent(list, i).code == code)
            return true;
    return false;
}

std::vector<DATE_STRUCT> DaysOfYearWith(int hebrewYear, int code, bool diaspora) {
    const HEBREW_YEAR_FRAME frame = HebrewYearFrame(hebrewYear);
    std::vector<DATE_STRUCT> days;
    for (int n = 0; n < frame.length; ++n) {
        const DATE_STRUCT date = DayNumber(frame.newYearDay + n);
        if (DayCarries(date, code, diaspora))
            days.push_back(date);
    }
    return days;
}

std::optional<QStringList> Anniversary(const QStringList& a, int type) {
    const auto event = CivilDay(a.value(0));
    const int year = a.value(1).toInt();
    if (!event)
        return std::nullopt;
    DATE_STRUCT newYear;
    SetTransition(newYear, kTransitionUK);
    DATE_STRUCT result;
    if (!SetHebrewDate(newYear, year, kTishrei, 1) || !UpcomingHebrewDate(newYear, event->dayNumber, type, result) ||
        result.hebYear != year)
        return std::nullopt;
    return BothDates(result);
}

QString TwentyFourHour(const CLOCK_TIME& time) {
    return QStringLiteral("%1:%2").arg(time.hour).arg(time.minute, 2, 10, QLatin1Char('0'));
}

// Whether `text` holds `part` as whole words: "1 Kislev" is not found in "21 Kislev".
bool ContainsWhole(const QString& text, const QString& part) {
    const QRegularExpression whole(QStringLiteral("(^|[^0-9A-Za-z])") + QRegularExpression::escape(part) +
                                   QStringLiteral("($|[^0-9A-Za-z])"));
    return whole.match(text).hasMatch();
}

// The texts an example's check computes; nothing when the check cannot be computed.
std::optional<QStringList> Expected(const QString& check) {
    const QStringList words = check.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString kind = words.value(0);
    const QStringList a = words.mid(1);
    if (kind == QLatin1String("date")) {
        const auto date = CivilDay(a.value(0));
        return date ? std::optional(BothDates(*date)) : std::nullopt;
    }
    if (kind == QLatin1String("holiday")) {
        const auto days = DaysOfYearWith(a.value(1).toInt(), a.value(0).toInt(), Diaspora(a.value(2)));
        if (days.empty())
            return std::nullopt;
        QStringList texts;
        for (const DATE_STRUCT& day : days)
            texts += BothDates(day);
        return texts;
    }
    if (kind == QLatin1String("first")) {
        const int code = a.value(0).toInt();
        const int year = a.value(1).toInt();
        const bool diaspora = Diaspora(a.value(2));
        if (DaysOfYearWith(year, code, diaspora).empty())
            return std::nullopt;
        for (int earlier = year - 10; earlier < year; ++earlier)
            if (!DaysOfYearWith(earlier, code, diaspora).empty())
                return std::nullopt;
        return QStringList{QString::number(year)};
    }
    if (kind == QLatin1String("yahrzeit")) {
        const int type = a.value(0) == QLatin1String("ashkenazi") ? kEventYahrzeitAshkenazi : kEventYahrzeitMizrach;
        return Anniversary(a.mid(1), type);
    }
    if (kind == QLatin1String("birthday"))
        return Anniversary(a, kEventBirthdayMale);
    if (kind == QLatin1String("civil-birthday")) {
        const auto born = CivilDay(a.value(0));
        const auto newYear = CivilDay(a.value(1) + QStringLiteral("-01-01"));
        DATE_STRUCT result;
        if (!born || !newYear || !UpcomingCivilDate(*newYear, born->dayNumber, result))
            return std::nullopt;
        return QStringList{Q(FormatCivilDate(result))};
    }
    if (kind == QLatin1String("mitzvah")) {
        const auto born = CivilDay(a.value(0));
        DATE_STRUCT result;
        if (!born || !BarMitzvahDate(*born, born->dayNumber, a.value(1).toInt(), result))
            return std::nullopt;
        return BothDates(result);
    }
    if (kind == QLatin1String("chametz")) {
        const std::wstring_view row = a.value(0) == QLatin1String("jerusalem") ? kBuiltinRow0 : kBuiltinRow1;
        const LOCATION_COORDINATES where = LocationCoordinates(ParseLocationRow(row).location);
        const auto day = CivilDay(a.value(1));
        if (!day)
            return std::nullopt;
        ZMANIM_STRUCT zmanim;
        SetupZmanim(zmanim, where.longitude, where.latitude, where.zoneOffsetTenths, where.shita, where.dstRule);
        ComputeZmanim(zmanim, day->dayNumber);
        const QString which = a.value(2);
        QStringList times;
        if (which != QLatin1String("burn"))
            times.append(TwentyFourHour(GetLatestChametzEating(zmanim)));
        if (which != QLatin1String("eat"))
            times.append(TwentyFourHour(GetLatestChametzBurning(zmanim)));
        return times;
    }
    if (kind == QLatin1String("yeardays"))
        return QStringList{QString::number(HebrewYearFrame(a.value(0).toInt()).length)};
    if (kind == QLatin1String("tanach")) {
        const auto day = CivilDay(a.value(0));
        if (!day)
            return std::nullopt;
        const QString line = Q(StudyLine(StudyProgramme::TanachYomi, day->dayNumber));
        const int colon = line.indexOf(QStringLiteral(": "));
        if (colon < 0)
            return std::nullopt;
        return QStringList{line.mid(colon + 2)};
    }
    if (kind == QLatin1String("dst")) {
        const DST_PERIOD period = DstPeriod(a.value(0).toInt(), a.value(1).toInt());
        if (!period.defined)
            return std::nullopt;
        return QStringList{Q(FormatCivilDate(DayNumber(period.start))), Q(FormatCivilDate(DayNumber(period.end)))};
    }
    return std::nullopt;
}

// The pages are English, so the engines' texts are compared in English.
class ManualExamples : public ::testing::Test {
protected:
    void SetUp() override { LoadLanguage(kLanguageEnglish); }
};

TEST_F(ManualExamples, EachExampleStatesWhatTheEnginesCompute) {
    const std::vector<EXAMPLE> examples = Examples();
    ASSERT_FALSE(examples.empty());
    for (const EXAMPLE& example : examples) {
        SCOPED_TRACE((example.page + QStringLiteral(": ") + example.check).toStdString());
        const std::optional<QStringList> expected = Expected(example.check);
        ASSERT_TRUE(expected.has_value()) << "the check cannot be computed";
        for (const QString& text : *expected)
            EXPECT_TRUE(ContainsWhole(example.text, text))
                << "the page says \"" << example.text.toStdString() << "\", the program computes \""
                << text.toStdString() << "\"";
    }
}

TEST_F(ManualExamples, EveryRulePageHasCheckedExamples) {
    const std::vector<EXAMPLE> examples = Examples();
    for (const char* page : {"calendar.htm", "earliest.htm", "birthday.htm", "yahrzeit.htm", "yom-haatzmaut.htm",
                             "yom-hashoah.htm", "shealat-hageshem.htm", "tanach_yomi.htm", "zmanim-dst.htm",
                             "zmanim-erevpesach.htm"}) {
        const auto count = std::count_if(examples.begin(), examples.end(), [page](const EXAMPLE& example) {
            return example.page == QLatin1String(page);
        });
        EXPECT_GE(count, 2) << page;
    }
}

// A check that computes something else than the page says must fail: the harness itself
// is not allowed to pass anything.
TEST_F(ManualExamples, AWrongExampleIsCaught) {
    const auto expected = Expected(QStringLiteral("yahrzeit ashkenazi 2021-02-25 5784"));
    ASSERT_TRUE(expected.has_value());
    EXPECT_TRUE(ContainsWhole(QStringLiteral("13 Adar I 5784 (22 February 2024)"), expected->value(0)));
    EXPECT_FALSE(ContainsWhole(QStringLiteral("13 Adar II 5784 (23 March 2024)"), expected->value(0)));
    EXPECT_FALSE(ContainsWhole(QStringLiteral("1 Kislev 5786 (21 November 2025)"), QStringLiteral("1 November 2025")));
    EXPECT_FALSE(Expected(QStringLiteral("holiday 67 5784 israel")).value_or(QStringList()).contains(QStringLiteral("13 May 2024")));
    EXPECT_FALSE(Expected(QStringLiteral("no-such-check 1")).has_value());
}

} // namespace
} // namespace vessant::help
