#pragma once
// String resources the facts of a day are told with, named where they are used.

namespace vessant {

// Shabbat and holiday times.
inline constexpr int kIdKnissatShabbat = 845;
inline constexpr int kIdTzeitShabbat = 846;
inline constexpr int kIdBeginTishaBav = 849;
inline constexpr int kIdEndTishaBav = 850;
inline constexpr int kIdBeginFast = 851;
inline constexpr int kIdEndFast = 852;
inline constexpr int kIdLatestChametzEating = 854;
inline constexpr int kIdLatestChametzBurning = 855;
inline constexpr int kIdCandleLighting = 856;
inline constexpr int kIdHavdalah = 857;

// The two readings of Tisha B'Av.
inline constexpr int kIdShacharit = 905;
inline constexpr int kIdMincha = 906;

// The clocks change.
inline constexpr int kIdDstBegins = 868;
inline constexpr int kIdDstEnds = 869;

// The years beside a user event: in a sentence ("(13 Hebrew)") and in a month cell
// ("13h"), and the words that stand for a count.
inline constexpr int kIdMitzvahYear = 408;
inline constexpr int kIdYahrzeitYear = 409;
inline constexpr int kIdBornMale = 410;
inline constexpr int kIdBornFemale = 411;
inline constexpr int kIdHebrewYears = 406;
inline constexpr int kIdCivilYears = 407;
inline constexpr int kIdHebrewYearsLetter = 412;
inline constexpr int kIdCivilYearsLetter = 413;

// The zmanim of a day.
inline constexpr int kIdZmanimTitle = 460;
inline constexpr int kIdAlot = 136;
inline constexpr int kIdMisheyakir = 137;
inline constexpr int kIdHanetz = 138;
inline constexpr int kIdSofZmanShema = 139;
inline constexpr int kIdSofZmanTefilla = 140;
inline constexpr int kIdChatzot = 141;
inline constexpr int kIdMinchaGedola = 142;
inline constexpr int kIdMinchaKetana = 143;
inline constexpr int kIdPlagHamincha = 144;
inline constexpr int kIdShkia = 145;
inline constexpr int kIdTzeit = 146;
inline constexpr int kIdDayLength = 147;
inline constexpr int kIdShaaZmanit = 148;
inline constexpr int kIdChatzotLayla = 642;

} // namespace vessant
