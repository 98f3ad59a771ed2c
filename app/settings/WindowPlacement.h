#pragma once
// The main window's placement as options.ini keeps it ([display] Window Placement): ten
// comma-separated numbers, and the rules for the placement used at start.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vessant {

// Show commands and flags as stored in the file.
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;
inline constexpr std::uint32_t kShow = 5;
inline constexpr std::uint32_t kPlacementRestoreToMaximized = 2; // flag: un-minimising maximises

struct WINDOW_PLACEMENT {
    std::uint32_t flags = 0;
    std::uint32_t showCommand = kShowNormal;
    std::int32_t minimizedX = 0; // position of the minimised window
    std::int32_t minimizedY = 0;
    std::int32_t maximizedX = 0; // position of the maximised window
    std::int32_t maximizedY = 0;
    std::int32_t left = 0;       // the normal (restored) rectangle, screen pixels
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WINDOW_PLACEMENT&) const = default;
};

// Exactly ten numbers "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d" (blanks before a number allowed);
// anything else, fewer or more numbers included, is no placement.
std::optional<WINDOW_PLACEMENT> ParseWindowPlacement(std::wstring_view text);
std::wstring FormatWindowPlacement(const WINDOW_PLACEMENT& placement);

// The placement written when the main window closes: a minimised window is stored shown
// (5), or maximised (3) when it would restore to maximised, so the next start does not
// open as an icon unless asked to.
WINDOW_PLACEMENT PlacementForSaving(const WINDOW_PLACEMENT& current);

// The placement without a stored one: the caller's show command, positions (1, 1), and
// the rectangle 35,30 to 750 or 900 (screen at most 1000 pixels wide or wider) by 450 or
// 700 (screen at most 700 pixels high or higher).
WINDOW_PLACEMENT DefaultWindowPlacement(std::uint32_t showCommand, int screenWidth, int screenHeight);

// The placement applied when the main window first activates: the stored one, shown
// minimised when minimizeStartup is set and with the caller's show command when that is
// not normal; without a usable stored one, the default.
WINDOW_PLACEMENT PlacementAtStart(const std::optional<WINDOW_PLACEMENT>& stored, bool minimizeStartup,
                                  std::uint32_t callerShowCommand, int screenWidth, int screenHeight);

} // namespace vessant
