#include "TextCodec.h"

#include <array>
#include <cstdint>

namespace vessant::platform {
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsValidCodePoint(std::uint32_t cp) {
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

} // namespace

std::string Utf8FromWide(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        auto cp = static_cast<std::uint32_t>(ch);
        AppendUtf8(out, IsValidCodePoint(cp) ? cp : kReplacement);
    }
    return out;
}

std::wstring WideFromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        std::uint32_t cp = 0;
        if (lead < 0x80) { cp = lead; }
        else if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
        else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
        else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
        else { out.push_back(kReplacement); ++i; continue; }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + static_cast<std::size_t>(k) >= bytes.size()) { ok = false; break; }
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (next & 0x3F);
        }
        static constexpr std::array<std::uint32_t, 4> kMinimum{0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMinimum[static_cast<std::size_t>(extra)] || !IsValidCodePoint(cp)) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(cp));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

char* WriteUtf16Le(char* dest, std::wstring_view text) {
    for (const wchar_t ch : text) {
        auto cp = static_cast<std::uint32_t>(ch);
        if (!IsValidCodePoint(cp))
            cp = kReplacement;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            dest = WriteUtf16LeUnit(dest, 0xD800 | (cp >> 10));
            dest = WriteUtf16LeUnit(dest, 0xDC00 | (cp & 0x3FF));
        } else {
            dest = WriteUtf16LeUnit(dest, cp);
        }
    }
    return dest;
}

void AppendUtf16Le(std::string& out, std::wstring_view text) {
    const std::size_t at = out.size();
    out.resize(at + kMostUtf16LeBytesPerChar * text.size());
    out.resize(static_cast<std::size_t>(WriteUtf16Le(out.data() + at, text) - out.data()));
}

std::string Utf16LeFromWide(std::wstring_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    AppendUtf16Le(out, text);
    return out;
}

std::wstring WideFromUtf16Le(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&bytes](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * k + 1])) << 8);
    };
    for (std::size_t k = 0; k < units; ++k) {
        const std::uint32_t unit = unitAt(k);
        if (unit >= 0xD800 && unit <= 0xDBFF && k + 1 < units) {
            const std::uint32_t low = unitAt(k + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                ++k;
                continue;
            }
        }
        out.push_back((unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : static_cast<wchar_t>(unit));
    }
    return out;
}

std::wstring WideFromWindows1252(std::string_view bytes) {
    // 0x80-0x9F; the unassigned 0x81, 0x8D, 0x8F, 0x90, 0x9D keep their own value.
    static constexpr std::array<wchar_t, 32> kHigh{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.push_back((b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : static_cast<wchar_t>(b));
    }
    return out;
}

} // namespace vessant::platform
