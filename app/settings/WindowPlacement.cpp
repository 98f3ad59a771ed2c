#include "app/settings/WindowPlacement.h"

#include <array>

namespace vessant {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

// One "%d" or "%u" field: blanks, an optional sign, at least one digit. Values wrap
// around at 32 bits like the platform's scanner.
bool ScanNumber(std::wstring_view text, std::size_t& i, std::uint32_t& value) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+'))
        negative = text[i++] == L'-';
    const std::size_t first = i;
    value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - L'0');
    if (negative)
        value = 0u - value;
    return i > first;
}

} // namespace

std::optional<WINDOW_PLACEMENT> ParseWindowPlacement(std::wstring_view text) {
    std::array<std::uint32_t, 10> numbers{};
    std::size_t i = 0;
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (n > 0) {
            if (i >= text.size() || text[i] != L',')
                return std::nullopt;
            ++i;
        }
        if (!ScanNumber(text, i, numbers[n]))
            return std::nullopt;
    }
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    auto signedAt = [&numbers](std::size_t n) { return static_cast<std::int32_t>(numbers[n]); };
    return WINDOW_PLACEMENT{numbers[0], numbers[1], signedAt(2), signedAt(3), signedAt(4),
                            signedAt(5), signedAt(6), signedAt(7), signedAt(8), signedAt(9)};
}

std::wstring FormatWindowPlacement(const WINDOW_PLACEMENT& p) {
    std::wstring text = std::to_wstring(p.flags) + L"," + std::to_wstring(p.showCommand);
    for (std::int32_t value : {p.minimizedX, p.minimizedY, p.maximizedX, p.maximizedY, p.left, p.top,
                               p.right, p.bottom})
        text += L"," + std::to_wstring(value);
    return text;
}

WINDOW_PLACEMENT PlacementForSaving(const WINDOW_PLACEMENT& current) {
    WINDOW_PLACEMENT saved = current;
    if (current.showCommand == kShowMinimized)
        saved.showCommand = (current.flags & kPlacementRestoreToMaximized) ? kShowMaximized : kShow;
    return saved;
}

WINDOW_PLACEMENT DefaultWindowPlacement(std::uint32_t showCommand, int screenWidth, int screenHeight) {
    WINDOW_PLACEMENT placement;
    placement.flags = 0;
    placement.showCommand = showCommand;
    placement.minimizedX = placement.minimizedY = 1;
    placement.maximizedX = placement.maximizedY = 1;
    placement.left = 35;
    placement.top = 30;
    placement.right = screenWidth <= 1000 ? 750 : 900;
    placement.bottom = screenHeight <= 700 ? 450 : 700;
    return placement;
}

WINDOW_PLACEMENT PlacementAtStart(const std::optional<WINDOW_PLACEMENT>& stored, bool minimizeStartup,
                                  std::uint32_t callerShowCommand, int screenWidth, int screenHeight) {
    if (!stored)
        return DefaultWindowPlacement(callerShowCommand, screenWidth, screenHeight);
    WINDOW_PLACEMENT placement = *stored;
    if (minimizeStartup)
        placement.showCommand = kShowMinimized;
    if (callerShowCommand != kShowNormal)
        placement.showCommand = callerShowCommand;
    return placement;
}

} // namespace vessant
