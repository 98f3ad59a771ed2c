#include "userdata/ReminderFile.h"

#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "platform/SingleLine.h"

#include <climits>
#include <cwctype>

namespace vessant {
namespace {

// The signed decimal number at the start of text (after blanks), as the file's integers
// have always been read: 0 when there is none; saturated instead of overflowing.
int LeadingInt(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > INT_MAX)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// The numbers of a list separated by one character ("7:30", "10,-5", "0,1,0,0,0,1,0").
std::vector<int> NumberList(std::wstring_view text, wchar_t separator) {
    std::vector<int> numbers;
    for (;;) {
        const std::size_t end = text.find(separator);
        numbers.push_back(LeadingInt(text.substr(0, end)));
        if (end == std::wstring_view::npos)
            return numbers;
        text.remove_prefix(end + 1);
    }
}

std::wstring Joined(std::initializer_list<int> numbers, wchar_t separator) {
    std::wstring text;
    for (int n : numbers) {
        if (!text.empty())
            text += separator;
        text += std::to_wstring(n);
    }
    return text;
}

} // namespace

std::vector<_reminder> ReadReminders(const std::filesystem::path& file) {
    const auto profile = platform::ProfileFile::Open(file);
    std::vector<_reminder> reminders;
    for (const std::wstring& section : profile.SectionNames()) {
        _reminder r;
        r.id = static_cast<int>(reminders.size()) + 1;
        r.msg = profile.GetString(section, L"msg");
        r.recurrence = kReminderDaily;
        if (profile.HasKey(section, L"repeat weekdays")) {
            r.recurrence = kReminderWeekdays;
            const auto flags = NumberList(profile.GetString(section, L"repeat weekdays"), L',');
            for (std::size_t i = 0; i < r.weekdays.size() && i < flags.size(); ++i)
                r.weekdays[i] = flags[i];
        }
        r.hebrewDay = profile.GetInt(section, L"repeat hdom", 0);
        if (r.hebrewDay != 0)
            r.recurrence = kReminderHebrewDay;
        r.civilDay = profile.GetInt(section, L"repeat cdom", 0);
        if (r.civilDay != 0)
            r.recurrence = kReminderCivilDay;

        r.timeKind = kReminderTimeNone;
        if (const auto clock = profile.GetString(section, L"time clock"); !clock.empty()) {
            r.timeKind = kReminderTimeClock;
            const auto parts = NumberList(clock, L':');
            r.hour = parts[0];
            r.minute = parts.size() > 1 ? parts[1] : 0;
        }
        if (const auto zman = profile.GetString(section, L"time zman"); !zman.empty()) {
            r.timeKind = kReminderTimeZman;
            const auto parts = NumberList(zman, L',');
            r.zman = parts[0];
            r.offset = parts.size() > 1 ? parts[1] : 0;
        }

        r.popup = profile.GetInt(section, L"popup", 1);
        if (profile.HasKey(section, L"alarm"))
            r.alarm = profile.GetString(section, L"alarm");
        r.autoClose = profile.GetInt(section, L"auto close", 0);
        r.enabled = profile.GetInt(section, L"enabled", 1);
        r.deleted = profile.GetInt(section, L"deleted", 0);
        reminders.push_back(std::move(r));
    }
    return reminders;
}

std::string SerializeReminders(const std::vector<const _reminder*>& reminders) {
    platform::ProfileFile profile;
    int number = 0;
    for (const _reminder* r : reminders) {
        if (r->deleted == 1)
            continue;
        const std::wstring section = std::to_wstring(++number);
        // Each line break its own blank, as the message has always been stored (the
        // profile alone would fold CRLF into one).
        profile.WriteString(section, L"msg", platform::SingleLine(r->msg));
        if (r->timeKind == kReminderTimeClock)
            profile.WriteString(section, L"time clock", Joined({r->hour, r->minute}, L':'));
        else if (r->timeKind == kReminderTimeZman)
            profile.WriteString(section, L"time zman", Joined({r->zman, r->offset}, L','));
        const auto& w = r->weekdays;
        if (r->recurrence == kReminderWeekdays)
            profile.WriteString(section, L"repeat weekdays",
                                Joined({w[0], w[1], w[2], w[3], w[4], w[5], w[6]}, L','));
        else if (r->recurrence == kReminderHebrewDay)
            profile.WriteInt(section, L"repeat hdom", r->hebrewDay);
        else if (r->recurrence == kReminderCivilDay)
            profile.WriteInt(section, L"repeat cdom", r->civilDay);
        profile.WriteInt(section, L"enabled", r->enabled);
        profile.WriteInt(section, L"auto close", r->autoClose);
    }
    return profile.Serialize();
}

std::error_code WriteReminders(const std::filesystem::path& file,
                               const std::vector<const _reminder*>& reminders) {
    // Without a copy of the previous generation the atomic write still protects the file.
    (void)platform::KeepPreviousGeneration(file);
    return platform::WriteFileAtomically(file, SerializeReminders(reminders));
}

} // namespace vessant
