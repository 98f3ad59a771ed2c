#include "dayevents/StudyText.h"

#include "calendar/HebrewNumeral.h"
#include "text/Language.h"
#include "text/TextTable.h"

namespace vessant {
namespace {

// "<name> <number>" or "<name> <a>:<b>"; empty when the name is (the programme has
// nothing for the day).
std::wstring NameAndNumbers(const std::wstring& name, int first) {
    return name.empty() ? std::wstring() : name + L' ' + StudyNumberText(first);
}

std::wstring NameAndNumbers(const std::wstring& name, int first, int second) {
    return name.empty() ? std::wstring() : NameAndNumbers(name, first) + L':' + StudyNumberText(second);
}

// The two halves of a split seder: "a9" and "b9", or the numeral followed by 1 and 2.
std::wstring SplitSeder(int shown, bool secondHalf) {
    if (IsHebrewInterface())
        return StudyNumberText(shown) + (secondHalf ? L'2' : L'1');
    return (secondHalf ? L"b" : L"a") + std::to_wstring(shown);
}

} // namespace

const std::wstring& DafTractateName(int tractate) { return NumberedResourceText(500, tractate, 37); }
const std::wstring& YerushalmiTractateName(int tractate) { return NumberedResourceText(537, tractate, 39); }
const std::wstring& MishnaTractateName(int tractate) { return NumberedResourceText(576, tractate, 63); }
const std::wstring& HalachaBookName(int book) { return NumberedResourceText(639, book, 2); }
const std::wstring& TanachBookName(int book) { return NumberedResourceText(930, book, 20); }

std::wstring StudyNumberText(int n) { return IsHebrewInterface() ? HebrewNumeral(n, false) : std::to_wstring(n); }

std::wstring DafYomiText(const DAF_YOMI& daf) {
    return NameAndNumbers(DafTractateName(daf.tractate), daf.page);
}

std::wstring YerushalmiYomiText(const YERUSHALMI_YOMI& page) {
    return NameAndNumbers(YerushalmiTractateName(page.tractate), page.page);
}

std::wstring MishnaYomitText(const MISHNA_YOMIT& mishna) {
    return NameAndNumbers(MishnaTractateName(mishna.tractate), mishna.chapter, mishna.mishna);
}

std::wstring HalachaYomitText(const HALACHA_YOMIT& halacha) {
    return NameAndNumbers(HalachaBookName(halacha.book), halacha.siman, halacha.seif);
}

std::wstring TanachSederText(int book, int seder, int variant) {
    if (seder == 0)
        return {};
    if (variant == 0 && book == 9) { // Tehillim: seder 9 covers the ninth and tenth
        if (seder == 9)
            return StudyNumberText(9) + L" & " + StudyNumberText(10);
        if (seder > 9)
            return StudyNumberText(seder + 1);
    }
    if ((variant == 4 || variant == 5) && book == 6) { // Yirmiyahu: seder 9 in two days
        if (seder == 9 || seder == 10)
            return SplitSeder(9, seder == 10);
        if (seder > 10)
            return StudyNumberText(seder - 1);
    }
    if (variant == 5 && book == 1) { // Yehoshua: seder 4 in two days
        if (seder == 4 || seder == 5)
            return SplitSeder(4, seder == 5);
        if (seder > 5)
            return StudyNumberText(seder - 1);
    }
    return StudyNumberText(seder);
}

std::wstring TanachYomiText(const TANACH_YOMI& tanach) {
    const std::wstring& name = TanachBookName(tanach.book);
    if (name.empty())
        return {};
    const std::wstring seder = TanachSederText(tanach.book, tanach.seder, tanach.variant);
    if (seder.empty())
        return name;
    return name + L' ' + TextOfResource(kSederLabel) + L' ' + seder;
}

std::wstring LabelledStudyText(int labelResource, const std::wstring& text) {
    if (text.empty())
        return {};
    return TextOfResource(labelResource) + L": " + text;
}

std::wstring StudyLine(StudyProgramme programme, std::int32_t jdn) {
    switch (programme) {
    case StudyProgramme::DafYomi: return LabelledStudyText(kDafYomiLabel, DafYomiText(DafYomi(jdn)));
    case StudyProgramme::YerushalmiYomi:
        return LabelledStudyText(kYerushalmiYomiLabel, YerushalmiYomiText(YerushalmiYomi(jdn)));
    case StudyProgramme::MishnaYomit: return LabelledStudyText(kMishnaYomitLabel, MishnaYomitText(MishnaYomit(jdn)));
    case StudyProgramme::HalachaYomit:
        return LabelledStudyText(kHalachaYomitLabel, HalachaYomitText(HalachaYomit(jdn)));
    case StudyProgramme::TanachYomi: return LabelledStudyText(kTanachYomiLabel, TanachYomiText(TanachYomi(jdn)));
    }
    return {};
}

} // namespace vessant
