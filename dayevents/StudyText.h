#pragma once
// The texts of the daily study programmes: the tractate or book from the string table
// and the numbers in decimal, or as Hebrew numerals (without a mark) in the Hebrew
// interface. Each text is empty when its programme has nothing for the day.

#include "dayevents/DafYomi.h"
#include "dayevents/HalachaYomit.h"
#include "dayevents/MishnaYomit.h"
#include "dayevents/TanachYomi.h"
#include "dayevents/YerushalmiYomi.h"

#include <cstdint>
#include <string>

namespace vessant {

// String resources of the programme labels and of "Seder".
inline constexpr int kDafYomiLabel = 859;
inline constexpr int kMishnaYomitLabel = 860;
inline constexpr int kHalachaYomitLabel = 861;
inline constexpr int kYerushalmiYomiLabel = 862;
inline constexpr int kTanachYomiLabel = 927;
inline constexpr int kSederLabel = 928;

// Name of a tractate or book; empty outside the programme's range.
const std::wstring& DafTractateName(int tractate);        // 1..37, resource 500 + tractate
const std::wstring& YerushalmiTractateName(int tractate); // 1..39, resource 537 + tractate
const std::wstring& MishnaTractateName(int tractate);     // 1..63, resource 576 + tractate
const std::wstring& HalachaBookName(int book);            // 1..2, resource 639 + book
const std::wstring& TanachBookName(int book);             // 1..20, resource 930 + book

// n in decimal, or its Hebrew numeral in the Hebrew interface.
std::wstring StudyNumberText(int n);

// "Berachot 2".
std::wstring DafYomiText(const DAF_YOMI& daf);
// "Berachot 1".
std::wstring YerushalmiYomiText(const YERUSHALMI_YOMI& page);
// "Berachot 1:5".
std::wstring MishnaYomitText(const MISHNA_YOMIT& mishna);
// "Orach Chaim 1:4".
std::wstring HalachaYomitText(const HALACHA_YOMIT& halacha);

// The text shown after "Seder": the seder number, where a seder shared by two days or split
// in two shows as "9 & 10", "a9" and "b9" ("a4", "b4"); empty when the seder number is 0.
std::wstring TanachSederText(int book, int seder, int variant);
// "Yehoshua Seder 1", or the book alone ("Eicha") when the seder text is empty.
std::wstring TanachYomiText(const TANACH_YOMI& tanach);

// "Daf yomi: Berachot 2": the label of a string resource, a colon and the text; empty when
// the text is empty.
std::wstring LabelledStudyText(int labelResource, const std::wstring& text);

enum class StudyProgramme { DafYomi, YerushalmiYomi, MishnaYomit, HalachaYomit, TanachYomi };

// The labelled text of one programme for a day.
std::wstring StudyLine(StudyProgramme programme, std::int32_t jdn);

} // namespace vessant
