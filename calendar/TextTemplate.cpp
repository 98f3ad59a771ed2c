#include "calendar/TextTemplate.h"

#include <algorithm>

namespace vessant {
namespace {

// A width beyond this is a broken template, not a layout request.
constexpr int kMaxWidth = 64;

void AppendNumber(std::wstring& out, int value, int width, bool zeroPad) {
    const std::wstring digits = std::to_wstring(value);
    const int length = static_cast<int>(digits.size());
    if (width > length) {
        const auto padding = static_cast<std::size_t>(width - length);
        if (zeroPad && value < 0) {
            out += L'-';
            out.append(padding, L'0');
            out.append(digits, 1);
            return;
        }
        out.append(padding, zeroPad ? L'0' : L' ');
    }
    out += digits;
}

void AppendText(std::wstring& out, std::wstring_view text, int width) {
    const int length = static_cast<int>(text.size());
    if (width > length)
        out.append(static_cast<std::size_t>(width - length), L' ');
    out += text;
}

} // namespace

std::wstring FormatTemplate(std::wstring_view pattern, std::initializer_list<TemplateArg> args) {
    std::wstring out;
    out.reserve(pattern.size() + 16);
    auto next = args.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        const wchar_t c = pattern[i];
        if (c != L'%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == L'%') {
            out += L'%';
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        bool zeroPad = false;
        if (j < pattern.size() && pattern[j] == L'0') {
            zeroPad = true;
            ++j;
        }
        int width = 0;
        while (j < pattern.size() && pattern[j] >= L'0' && pattern[j] <= L'9') {
            width = std::min(kMaxWidth, width * 10 + static_cast<int>(pattern[j] - L'0'));
            ++j;
        }
        if (j >= pattern.size() || (pattern[j] != L'd' && pattern[j] != L's')) {
            out += c; // not a conversion we fill: copy the percent sign and go on
            ++i;
            continue;
        }
        if (next != args.end()) {
            if (next->IsText())
                AppendText(out, next->Text(), width);
            else
                AppendNumber(out, next->Number(), width, zeroPad && pattern[j] == L'd');
            ++next;
        }
        i = j + 1;
    }
    return out;
}

} // namespace vessant
