#include "app/ui/DetailsMarkup.h"

#include "app/ui/UiText.h"
#include "calendar/CalendarTexts.h"
#include "calendar/ClockText.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "dayview/DayTextIds.h"
#include "dayview/EventAnnotation.h"
#include "text/TextTable.h"
#include "userdata/EventStruct.h"

#include <QStringList>

namespace vessant::ui {
namespace {

// The panels' colours, red first.
constexpr const char* kBlue = "#0000f0";
constexpr const char* kBlack = "#000000";
constexpr const char* kGreen = "#007d00";
constexpr const char* kDarkRed = "#7e0000";
constexpr const char* kPurple = "#900090";
constexpr const char* kGrey = "#808080";

constexpr QChar kLeftToRightEmbedding(0x202A);
constexpr QChar kBullet(0x2022);

QString Font(const char* colour, const QString& text) {
    return QStringLiteral("<font color=%1>%2</font>").arg(QLatin1String(colour), text);
}

// Texts of the engines and of the user go into mark-up: a "<" or "&" in them is text.
QString Esc(const std::wstring& text) { return Q(text).toHtmlEscaped(); }
QString Label(int resourceId) { return Esc(TextOfResource(resourceId)); }

// A line of an item: on a line of its own unless it is the item's first.
void AppendLine(QString& item, const QString& line) {
    if (line.isEmpty())
        return;
    if (!item.isEmpty())
        item += QStringLiteral("<br>");
    item += line;
}

QString Number(int n, bool hebrewInterface) {
    return hebrewInterface ? Q(HebrewNumeral(n)) : QString::number(n);
}

// "22 April 2024".
QString CivilDateText(const DATE_STRUCT& date) {
    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    return QStringLiteral("%1 %2 %3").arg(civil.day).arg(Esc(CivilMonthName(civil.month))).arg(civil.year);
}

QString Clock(const CLOCK_TIME& time, int clockFormat) {
    return Q(FormatClockTime(time.hour, time.minute, clockFormat));
}

// "label: time" lines in green, each on its own line.
QString TimesText(const DAY_HOLIDAY& holiday, int clockFormat) {
    QStringList lines;
    for (int k = 0; k < holiday.TimesShown(); ++k) {
        const DAY_HOLIDAY_TIME& t = holiday.times[static_cast<std::size_t>(k)];
        lines << Label(HolidayTimeLabel(t.which).labelId) + QStringLiteral(": ") + Clock(t.time, clockFormat);
    }
    return Font(kGreen, lines.join(QStringLiteral("<br>")));
}

// The holiday times a day shows fall in three groups, each shown once, a later holiday's
// times replacing an earlier's of the same group: a festival's candle lighting and
// havdalah, a fast's beginning and end, the latest times for chametz.
enum class TimesGroup { Festival, Fast, Chametz };

TimesGroup GroupOf(HolidayTime time) {
    switch (time) {
    case HolidayTime::CandleLighting:
    case HolidayTime::Havdalah: return TimesGroup::Festival;
    case HolidayTime::LatestChametzEating:
    case HolidayTime::LatestChametzBurning: return TimesGroup::Chametz;
    default: return TimesGroup::Fast;
    }
}

QString DateItem(const DAY_FACTS& day, bool hebrewInterface) {
    const DATE_STRUCT& d = day.date;
    QString item = Font(kBlue, Number(d.hebDay, hebrewInterface) + QLatin1Char(' ') + Esc(HebrewMonthName(d.hebMonth)) +
                                   QLatin1Char(' ') + Number(d.hebYear, hebrewInterface));
    AppendLine(item, Font(kBlack, CivilDateText(d)));
    return item;
}

QString ShabbatTimesText(const DAY_FACTS& day, int clockFormat) {
    if (!day.shabbat)
        return {};
    return Font(kGreen, Label(kIdKnissatShabbat) + QStringLiteral(": ") + Clock(day.candleLighting, clockFormat) +
                            QStringLiteral("<br>") + Label(kIdTzeitShabbat) + QStringLiteral(": ") +
                            Clock(day.havdalah, clockFormat));
}

QString HolidaysItem(const DAY_FACTS& day, int clockFormat, bool hebrewInterface, const QString& shabbatTimes) {
    QString item;
    QString festival, fast, chametz;
    for (int i = 0; i < day.holidayCount; ++i) {
        const DAY_HOLIDAY& h = day.holidays[static_cast<std::size_t>(i)];
        if (h.code == kCodeOmer)
            AppendLine(item, Font(kBlack, Esc(h.text)));
        else if (!h.text.empty())
            AppendLine(item, Font(kBlue, (hebrewInterface ? QString(kLeftToRightEmbedding) : QString()) + Esc(h.text)));
        if (h.TimesShown() == 0)
            continue;
        switch (GroupOf(h.times[0].which)) {
        case TimesGroup::Festival: festival = TimesText(h, clockFormat); break;
        case TimesGroup::Fast: fast = TimesText(h, clockFormat); break;
        case TimesGroup::Chametz: chametz = TimesText(h, clockFormat); break;
        }
    }
    if (item.isEmpty())
        return {};
    // A Shabbat without a weekly portion (a festival) shows its times here; a Shabbat with
    // one shows them with the portion.
    AppendLine(item, !shabbatTimes.isEmpty() && day.portionText.empty() ? shabbatTimes : festival);
    AppendLine(item, fast);
    AppendLine(item, chametz);
    return item;
}

QString RefsText(const HAFTARAH_LIST& list) {
    QStringList refs;
    for (int i = 0; i < list.count; ++i)
        refs << Esc(HaftarahRefText(list.refs[i]));
    return refs.join(QStringLiteral(", "));
}

void AppendHaftarah(QString& item, const DAY_FACTS& day) {
    if (day.haftarahCase == kHaftarahTishaBav) {
        if (day.haftarah.count > 0)
            AppendLine(item, Font(kBlack, Label(kIdShacharit) + QStringLiteral(":&nbsp; ") + RefsText(day.haftarah)));
        if (day.haftarahAfternoon.count > 0)
            AppendLine(item, Font(kBlack, Label(kIdMincha) + QStringLiteral(" (") +
                                              Esc(HaftarahRiteName(day.haftarahAfternoon.rite)) + QStringLiteral("): ") +
                                              RefsText(day.haftarahAfternoon)));
        return;
    }
    for (int i = 0; i < day.haftarah.count; ++i)
        AppendLine(item, Font(kBlack, Esc(HaftarahRefText(day.haftarah.refs[i]))));
}

QString PortionItem(const DAY_FACTS& day, const QString& shabbatTimes) {
    QString item;
    if (!day.portionText.empty())
        item = Font(kBlue, Esc(day.portionText));
    if (!day.specialText.empty())
        AppendLine(item, Font(kBlack, Esc(day.specialText)));
    AppendHaftarah(item, day);
    if (!day.portionText.empty())
        AppendLine(item, shabbatTimes);
    return item;
}

const char* StudyColour(StudyProgramme programme) {
    switch (programme) {
    case StudyProgramme::DafYomi: return kBlue;
    case StudyProgramme::YerushalmiYomi: return kGreen;
    case StudyProgramme::MishnaYomit: return kDarkRed;
    case StudyProgramme::HalachaYomit: return kBlack;
    case StudyProgramme::TanachYomi: return kPurple;
    }
    return kBlack;
}

QString StudyItem(const DAY_FACTS& day) {
    QString item;
    for (const STUDY_ROW& row : kStudyRows)
        if (const std::wstring& text = day.Study(row.programme); !text.empty())
            AppendLine(item, Font(StudyColour(row.programme), Label(row.labelId) + QStringLiteral(": ") + Esc(text)));
    return item;
}

int EventImage(int type) {
    switch (type) {
    case kEventBirthdayMale:
    case kEventBirthdayFemale: return kDayImageBirthday;
    case kEventAnniversary: return kDayImageAnniversary;
    case kEventYahrzeitAshkenazi:
    case kEventYahrzeitMizrach: return kDayImageYahrzeit;
    default: return kDayImageOneTime;
    }
}

QString EventText(const EVENT_OCCURRENCE& event) {
    // The title's colour runs on over the kind; the list closes the tag at the item's end.
    QString text = QStringLiteral("<font color=%1>").arg(QLatin1String(kBlue)) + Esc(event.title);
    if (const std::wstring count = EventCountText(event, CountForm::Sentence); !count.empty())
        text += QLatin1Char(' ') + Esc(count);
    if (const std::wstring kind = EventKindText(event); !kind.empty())
        text += QStringLiteral("<br>") + Esc(kind);
    if (!event.desc.empty())
        text += QStringLiteral("<br><font color=black>") + Esc(event.desc) + QStringLiteral("</font>");
    return text;
}

} // namespace

std::vector<DETAILS_ITEM> DayDetailsItems(const DAY_FACTS& day, int clockFormat, bool hebrewInterface) {
    std::vector<DETAILS_ITEM> items;
    items.push_back({kDayImageDate, DateItem(day, hebrewInterface)});
    const QString shabbatTimes = ShabbatTimesText(day, clockFormat);
    if (QString text = HolidaysItem(day, clockFormat, hebrewInterface, shabbatTimes); !text.isEmpty())
        items.push_back({kDayImageHolidays, std::move(text)});
    if (QString text = PortionItem(day, shabbatTimes); !text.isEmpty())
        items.push_back({kDayImagePortion, std::move(text)});
    if (QString text = StudyItem(day); !text.isEmpty())
        items.push_back({kDayImageStudy, std::move(text)});
    for (const EVENT_OCCURRENCE& event : day.events)
        if (!event.title.empty())
            items.push_back({EventImage(event.type), EventText(event)});
    return items;
}

std::vector<DETAILS_ITEM> YearDetailsItems(const YEAR_DETAILS& year, bool hebrewInterface) {
    std::vector<DETAILS_ITEM> items;
    QString facts;
    AppendLine(facts, Font(kBlue, Esc(year.creationText)));
    AppendLine(facts, Font(kBlack, Esc(year.typeText)));
    AppendLine(facts, Font(kGrey, Esc(year.leapText)));
    AppendLine(facts, Font(kGreen, Esc(year.lunarText)));
    AppendLine(facts, Font(kDarkRed, Esc(year.solarText)));
    items.push_back({kYearImageFacts, facts});

    // The shmita line has always been written with its colour lacking the "#"; the list
    // reads such a colour as the hexadecimal colour it names.
    QString shmita = QStringLiteral("<font color=0000f0>") + Esc(year.shmitaText) + QStringLiteral("</font>");
    if (year.shmita.shmitaClass != kShmitaYear)
        AppendLine(shmita, Font(kBlack, Esc(year.shmitaCycleText)));
    items.push_back({kYearImageCycles, shmita});

    constexpr const char* kEpochColours[kYearEpochCount] = {kDarkRed, kBlue, kGreen};
    QString epochs;
    for (std::size_t i = 0; i < year.epochs.size(); ++i)
        if (!year.epochs[i].empty())
            AppendLine(epochs, Font(kEpochColours[i], Esc(year.epochs[i])));
    if (!epochs.isEmpty())
        items.push_back({kYearImageCycles, epochs});

    QString days;
    for (const YEAR_FIXED_DAY& day : year.fixedDays) {
        const QString hebrew = Number(day.date.hebDay, hebrewInterface) + QLatin1Char(' ') +
                               Esc(HebrewMonthName(day.date.hebMonth));
        const QString civilText = CivilDateText(day.date);
        AppendLine(days, Font(kBlue, Esc(day.name)) + QStringLiteral("<br>") +
                             Font(kGrey, kBullet + QLatin1Char(' ') + hebrew + QStringLiteral("<br>") + kBullet +
                                             QLatin1Char(' ') + civilText));
    }
    items.push_back({kYearImageFixedDays, days});
    return items;
}

int DetailsFontTenths(int sizeSetting, bool hebrewInterface) {
    switch (sizeSetting) {
    case 1: return hebrewInterface ? 116 : 105;
    case 2: return hebrewInterface ? 93 : 85;
    case 3: return hebrewInterface ? 70 : 65;
    default: return 110;
    }
}

} // namespace vessant::ui
