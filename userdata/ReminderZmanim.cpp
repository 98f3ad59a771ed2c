#include "userdata/Reminders.h"

#include "zmanim/Zmanim.h"

namespace vessant {

ZmanClockFunction ZmanClockAt(const REMINDER_LOCATION& location) {
    // Set up once: a custom shita is copied in now, so reminders keep the location and
    // opinion that were current when they were armed from this location.
    ZMANIM_STRUCT setup;
    SetupZmanim(setup, location.longitude, location.latitude, location.timeZoneTenths,
                location.shita, location.dstRule);
    return [setup](int zman, const DATE_STRUCT& day, int& hour, int& minute) {
        ZMANIM_STRUCT ctx = setup;
        ComputeZmanim(ctx, day.dayNumber);
        CLOCK_TIME time;
        switch (zman) {
        case kZmanAlot: time = GetAlot(ctx); break;
        case kZmanMisheyakir: time = GetMisheyakir(ctx); break;
        case kZmanHanetz: time = GetHanetz(ctx); break;
        case kZmanSofZmanShema: time = GetSofZmanShema(ctx); break;
        case kZmanSofZmanTefilla: time = GetSofZmanTefilla(ctx); break;
        case kZmanChatzot: time = GetChatzot(ctx); break;
        case kZmanMinchaGedola: time = GetMinchaGedola(ctx); break;
        case kZmanMinchaKetana: time = GetMinchaKetana(ctx); break;
        case kZmanPlagHamincha: time = GetPlagHamincha(ctx); break;
        case kZmanShkia: time = GetShkia(ctx); break;
        case kZmanTzeit: time = GetTzeit(ctx); break;
        case kZmanChatzotLayla: time = GetChatzotLayla(ctx); break;
        default: return false;
        }
        hour = time.hour;
        minute = time.minute;
        return true;
    };
}

} // namespace vessant
