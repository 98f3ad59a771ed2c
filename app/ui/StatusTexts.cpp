#include "app/ui/StatusTexts.h"

#include "app/ui/UiText.h"
#include "app/ui/UiTextIds.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateOperations.h"
#include "calendar/HebrewNumeral.h"
#include "text/Language.h"
#include "text/TextTable.h"
#include "zmanim/DstRules.h"

namespace vessant::ui {

QString HebrewPaneText(const DATE_STRUCT& date, bool today) {
    const QString month = Q(HebrewMonthName(date.hebMonth));
    QString text;
    if (IsHebrewInterface()) {
        text = Q(HebrewNumeral(date.hebDay)) + QLatin1Char(' ') + month + QLatin1Char(' ') +
               Q(HebrewNumeral(date.hebYear));
        if (today)
            text = Q(TextOfResource(kIdToday)) + QStringLiteral(": ") + text;
    } else {
        text = QStringLiteral("%1 %2 %3").arg(date.hebDay).arg(month).arg(date.hebYear);
        if (today)
            text = QStringLiteral("Today: ") + text;
    }
    return text;
}

QString CivilPaneText(const DATE_STRUCT& date, bool today) {
    const DATE_TRIPLE civil = CivilDateForDisplay(date);
    QString text =
        QStringLiteral("%1 %2 %3").arg(civil.day).arg(Q(CivilMonthName(civil.month))).arg(civil.year);
    if (today)
        text = Q(TextOfResource(kIdToday)) + QStringLiteral(": ") + text;
    return text;
}

QString LocationPaneText(const LOC_STRUCT& location) {
    return Q(location.city) + QStringLiteral(", ") + Q(location.country);
}

QString ClockPaneText(const LOC_STRUCT& location, const DATE_STRUCT& date) {
    return Q(TextOfResource(DstStatus(location.dstRule, date.dayNumber) > kDstEnds ? 756 : 757));
}

} // namespace vessant::ui
