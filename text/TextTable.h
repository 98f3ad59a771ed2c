#pragma once
// The 745 display-text slots every window and engine reads its labels from, filled from
// the string resources of the current language. A slot is cited by number; other code
// cites texts by their string-resource id through TextOfResource.

#include <array>
#include <string>

namespace vessant {

inline constexpr int kTextTableSlots = 745;

struct TEXT_TABLE {
    std::array<std::wstring, kTextTableSlots> slot;
};

// The program-wide table. Empty until the first language load, except the Hebrew
// numeral letters (slots 617-645), which are present from the start.
TEXT_TABLE& TextTable();

// Slot text; empty for a slot number outside [0, 744].
const std::wstring& Text(int slot);

// The slot that holds a string-resource id, or -1 when the id has no slot.
int SlotOfResource(int resourceId);

// The text of a string-resource id: its slot when it has one, otherwise the string from
// the current resource module (falling back to the built-in English text). Empty for an
// unknown id.
const std::wstring& TextOfResource(int resourceId);

// The text of one of a run of resources numbered from 1: TextOfResource(resourceBase +
// number) for a number in [1, count], an empty text for any other.
const std::wstring& NumberedResourceText(int resourceBase, int number, int count);

// Refills every resource-backed slot from the current resource module; a string the
// module lacks (or holds empty) keeps the slot's previous text, and a slot that would
// stay empty that way takes the built-in English text instead.
void ReloadTextTable();

// Empties every resource-backed slot (tests; the state before the first load).
void ClearTextTable();

} // namespace vessant
