#pragma once
// What the facts of a day depend on besides the day itself: the location, the custom
// opinions its shita may name, the haftarah rite, the user's events and the interface
// language. Every view passes these in; nothing below reads a program-wide store.

#include "dayevents/Haftarah.h"
#include "locations/LocationStruct.h"

namespace vessant {

class CEventList;
class CShitotStore;

struct DAY_INPUTS {
    LOC_STRUCT location;
    const CShitotStore* shitot = nullptr; // where a custom shita of the location is found
    const CEventList* events = nullptr;   // the user's events; nullptr: none
    int rite = kRiteAshkenazi;            // haftarah rite
    bool hebrewInterface = false;         // numbers as Hebrew numerals
};

} // namespace vessant
