#pragma once
// Compile-time reading of haftarah references written the way a printed table writes
// them: "Shmuel I 1:1-2:10 + Yonah + Yechezkel 3:12", or "none". Writing the tables in
// this notation keeps each row comparable with a printed table at a glance; a row that
// does not parse stops the build.

#include "dayevents/Haftarah.h"

#include <cstdint>
#include <string_view>

namespace vessant::haftarah_notation {

inline constexpr int kMaxRefsPerReading = 5;

struct HAFTARAH_READING {
    std::uint8_t count = 0;
    HAFTARAH_REF refs[kMaxRefsPerReading] = {};
};

// The books in the order of their numbers 1..18.
inline constexpr std::string_view kBookNames[kHaftarahBooks] = {
    "Yehoshua", "Yishayahu", "Melachim I", "Melachim II", "Malachi", "Hoshea",
    "Ovadiah",  "Amos",      "Yechezkel",  "Yirmiyahu",   "Shoftim", "Shmuel I",
    "Shmuel II", "Zechariah", "Michah",    "Yonah",       "Chabakuk", "Yoel",
};

// Not constexpr: reaching it while a table is read at compile time stops the build, and
// the compiler's note names the reason.
inline void Fail(const char* /*why*/) {}

struct Cursor {
    std::string_view text;
    std::size_t at = 0;

    constexpr bool AtEnd() const { return at >= text.size(); }
    constexpr char Peek() const { return AtEnd() ? '\0' : text[at]; }
    constexpr bool Take(std::string_view word) {
        if (text.substr(at, word.size()) != word)
            return false;
        at += word.size();
        return true;
    }
};

consteval std::uint8_t Number(Cursor& c) {
    int value = 0;
    int digits = 0;
    while (c.Peek() >= '0' && c.Peek() <= '9') {
        value = value * 10 + (c.Peek() - '0');
        ++c.at;
        ++digits;
    }
    if (digits == 0 || value < 1 || value > 255)
        Fail("chapter or verse");
    return static_cast<std::uint8_t>(value);
}

consteval std::uint8_t Book(Cursor& c) {
    // The longest name that ends at a space, a '+' or the end wins ("Melachim II" over "Melachim I").
    int best = 0;
    std::size_t bestLength = 0;
    for (int b = 0; b < kHaftarahBooks; ++b) {
        const std::string_view name = kBookNames[b];
        if (c.text.substr(c.at, name.size()) != name)
            continue;
        const std::size_t end = c.at + name.size();
        if (end < c.text.size() && c.text[end] != ' ')
            continue;
        if (name.size() > bestLength) {
            best = b + 1;
            bestLength = name.size();
        }
    }
    if (best == 0)
        Fail("book");
    c.at += bestLength;
    return static_cast<std::uint8_t>(best);
}

consteval HAFTARAH_REF Reference(Cursor& c) {
    HAFTARAH_REF ref;
    ref.book = Book(c);
    if (c.AtEnd() || c.text.substr(c.at, 3) == " + ")
        return ref; // the whole book
    if (!c.Take(" "))
        Fail("space after the book");
    ref.fromChapter = Number(c);
    if (!c.Take(":"))
        Fail("colon");
    ref.fromVerse = Number(c);
    if (c.Take("-")) {
        ref.toChapter = Number(c);
        if (!c.Take(":"))
            Fail("colon");
        ref.toVerse = Number(c);
        if (ref.toChapter < ref.fromChapter || (ref.toChapter == ref.fromChapter && ref.toVerse < ref.fromVerse))
            Fail("a run that ends before it starts");
    }
    return ref;
}

consteval HAFTARAH_READING Reading(std::string_view text) {
    HAFTARAH_READING reading;
    if (text == "none")
        return reading;
    Cursor c{text};
    while (true) {
        if (reading.count == kMaxRefsPerReading)
            Fail("too many references");
        reading.refs[reading.count++] = Reference(c);
        if (c.AtEnd())
            break;
        if (!c.Take(" + "))
            Fail("' + ' between references");
    }
    return reading;
}

} // namespace vessant::haftarah_notation
