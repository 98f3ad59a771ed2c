#include "zmanim/ShitotStore.h"

#include "platform/ProfileFile.h"
#include "platform/SingleLine.h"
#include "text/TextTable.h"
#include "zmanim/OpinionCodes.h"
#include "zmanim/ZmanimStruct.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace vessant {

namespace {

struct INI_KEY {
    const wchar_t* key;
    std::int32_t SHITA_STRUCT::*field;
};

// The keys of a section, in the order they are written.
constexpr INI_KEY kKeys[] = {
    {L"id", &SHITA_STRUCT::id},
    {L"alot shita", &SHITA_STRUCT::alotShita},
    {L"alot val", &SHITA_STRUCT::alotVal},
    {L"misheyakir shita", &SHITA_STRUCT::misheyakirShita},
    {L"misheyakir val", &SHITA_STRUCT::misheyakirVal},
    {L"shema shita", &SHITA_STRUCT::shemaShita},
    {L"shema val", &SHITA_STRUCT::shemaVal},
    {L"mincha gedolah shita", &SHITA_STRUCT::minchaGedolahShita},
    {L"mincha gedolah val", &SHITA_STRUCT::minchaGedolahVal},
    {L"plag hamincha shita", &SHITA_STRUCT::plagHaminchaShita},
    {L"plag hamincha val", &SHITA_STRUCT::plagHaminchaVal},
    {L"tzeit shita", &SHITA_STRUCT::tzeitShita},
    {L"tzeit val", &SHITA_STRUCT::tzeitVal},
    {L"tzeit shabbat shita", &SHITA_STRUCT::tzeitShabbatShita},
    {L"tzeit shabbat val", &SHITA_STRUCT::tzeitShabbatVal},
    {L"tzeit shabbat tosefet from", &SHITA_STRUCT::tosefetFrom},
    {L"tzeit shabbat tosefet type", &SHITA_STRUCT::tosefetType},
    {L"tchilat taanit shita", &SHITA_STRUCT::tchilatTaanitShita},
    {L"tchilat taanit val", &SHITA_STRUCT::tchilatTaanitVal},
    {L"sof taanit shita", &SHITA_STRUCT::sofTaanitShita},
    {L"sof taanit val", &SHITA_STRUCT::sofTaanitVal},
    {L"chametz shita", &SHITA_STRUCT::chametzShita},
    {L"chametz val", &SHITA_STRUCT::chametzVal},
};

int DefaultOfKey(const INI_KEY& k) { return k.field == &SHITA_STRUCT::tchilatTaanitShita ? kAlotRambam72 : 0; }

// The file compares section names without regard to case, so the store must too.
bool SameName(std::wstring_view a, std::wstring_view b) { return platform::EqualIgnoringCase(a, b); }

std::wstring CleanName(std::wstring_view name) {
    std::wstring s = platform::SingleLine(name);
    for (wchar_t& c : s) {
        // A section name ends at the first ']': brackets would not survive a reload.
        if (c == L'[') c = L'(';
        if (c == L']') c = L')';
    }
    const auto notBlank = [](wchar_t c) { return !std::iswspace(static_cast<wint_t>(c)); };
    s.erase(s.begin(), std::find_if(s.begin(), s.end(), notBlank));
    s.erase(std::find_if(s.rbegin(), s.rend(), notBlank).base(), s.end());
    if (s.empty()) s = L"New";
    return s;
}

void CopyValues(const SHITA_STRUCT& from, SHITA_STRUCT& to) {
    const std::int32_t id = to.id;
    const std::wstring name = to.name;
    to = from;
    to.id = id;
    to.name = name;
}

} // namespace

void CShitotStore::SetShitotFolder(const std::filesystem::path& folder) { path_ = folder / "shitot.ini"; }

void CShitotStore::Clear() {
    list_.clear();
    loadedCount_ = 0;
}

void CShitotStore::LoadShitot() {
    Clear();
    if (path_.empty()) return;
    const platform::ProfileFile file = platform::ProfileFile::Open(path_);
    for (const std::wstring& section : file.SectionNames()) {
        const bool repeated = std::any_of(list_.begin(), list_.end(), [&](const auto& s) {
            return SameName(s->name, section);
        });
        if (repeated) continue;
        auto shita = std::make_unique<SHITA_STRUCT>();
        shita->name = section;
        for (const INI_KEY& k : kKeys) (*shita).*k.field = file.GetInt(section, k.key, DefaultOfKey(k));
        list_.push_back(std::move(shita));
    }
    loadedCount_ = static_cast<int>(list_.size());
}

std::error_code CShitotStore::SaveShitot() const {
    if (path_.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
    platform::ProfileFile file = platform::ProfileFile::Open(path_);
    for (const std::wstring& section : file.SectionNames()) file.DeleteSection(section);
    for (const auto& shita : list_) {
        for (const INI_KEY& k : kKeys) file.WriteInt(shita->name, k.key, (*shita).*k.field);
    }
    return file.Save();
}

const SHITA_STRUCT* CShitotStore::FindShita(std::int32_t id) const {
    for (const auto& s : list_) {
        if (s->id == id) return s.get();
    }
    return nullptr;
}

SHITA_STRUCT* CShitotStore::FindShita(std::int32_t id) {
    return const_cast<SHITA_STRUCT*>(std::as_const(*this).FindShita(id));
}

std::wstring CShitotStore::UniqueName(std::wstring_view name, std::int32_t exceptId) const {
    const std::wstring base = CleanName(name);
    const auto taken = [&](std::wstring_view candidate) {
        return std::any_of(list_.begin(), list_.end(), [&](const auto& s) {
            return (exceptId == 0 || s->id != exceptId) && SameName(s->name, candidate);
        });
    };
    if (!taken(base)) return base;
    for (int n = 2;; ++n) {
        std::wstring candidate = base + L" (" + std::to_wstring(n) + L")";
        if (!taken(candidate)) return candidate;
    }
}

ADD_SHITA_RESULT CShitotStore::AddShita(std::wstring_view name, const SHITA_STRUCT& values) {
    std::int32_t id = list_.empty() ? kFirstCustomShita : list_.back()->id + 1;
    if (id < kFirstCustomShita || FindShita(id) != nullptr) {
        std::int32_t highest = kFirstCustomShita - 1;
        for (const auto& s : list_) highest = std::max(highest, s->id);
        id = highest + 1;
    }
    auto shita = std::make_unique<SHITA_STRUCT>();
    shita->id = id;
    shita->name = UniqueName(name);
    CopyValues(values, *shita);
    ADD_SHITA_RESULT result;
    result.id = id;
    result.name = shita->name;
    list_.push_back(std::move(shita));
    result.saved = SaveShitot();
    return result;
}

bool CShitotStore::ModifyShita(std::int32_t id, const SHITA_STRUCT& edited, std::error_code* saved) {
    SHITA_STRUCT* shita = FindShita(id);
    if (shita == nullptr) return false;
    shita->name = UniqueName(edited.name, id);
    shita->alotShita = edited.alotShita;
    shita->alotVal = edited.alotVal;
    shita->misheyakirShita = edited.misheyakirShita;
    shita->shemaShita = edited.shemaShita;
    shita->minchaGedolahShita = edited.minchaGedolahShita;
    shita->tzeitShita = edited.tzeitShita;
    shita->tzeitVal = edited.tzeitVal;
    shita->tzeitShabbatShita = edited.tzeitShabbatShita;
    shita->tzeitShabbatVal = edited.tzeitShabbatVal;
    shita->tosefetFrom = edited.tosefetFrom;
    shita->tosefetType = edited.tosefetType;
    shita->tchilatTaanitShita = edited.tchilatTaanitShita;
    shita->tchilatTaanitVal = edited.tchilatTaanitVal;
    shita->sofTaanitShita = edited.sofTaanitShita;
    shita->sofTaanitVal = edited.sofTaanitVal;
    shita->chametzShita = edited.chametzShita;
    const std::error_code ec = SaveShitot();
    if (saved != nullptr) *saved = ec;
    return true;
}

DeleteShitaResult CShitotStore::DeleteShita(std::int32_t id) {
    const auto it = std::find_if(list_.begin(), list_.end(), [&](const auto& s) { return s->id == id; });
    if (it == list_.end()) return DeleteShitaResult::NotFound;
    if (inUse_ && inUse_(id)) return DeleteShitaResult::InUse;
    list_.erase(it);
    return DeleteShitaResult::Deleted;
}

void CShitotStore::SetShitaInUseQuery(std::function<bool(std::int32_t)> query) { inUse_ = std::move(query); }

CShitotStore& ProgramShitot() {
    static CShitotStore store;
    return store;
}

void SetShitotFolder(const std::filesystem::path& folder) { ProgramShitot().SetShitotFolder(folder); }
void LoadShitot() { ProgramShitot().LoadShitot(); }
std::error_code SaveShitot() { return ProgramShitot().SaveShitot(); }
const SHITA_STRUCT* FindShita(std::int32_t id) { return std::as_const(ProgramShitot()).FindShita(id); }
ADD_SHITA_RESULT AddShita(std::wstring_view name, const SHITA_STRUCT& values) {
    return ProgramShitot().AddShita(name, values);
}
DeleteShitaResult DeleteShita(std::int32_t id) { return ProgramShitot().DeleteShita(id); }

std::vector<SHITA_DISPLAY_NAME> ShitaDisplayNames(const CShitotStore& store) {
    std::vector<SHITA_DISPLAY_NAME> names;
    names.reserve(kBuiltinShitot + store.Shitot().size());
    for (std::int32_t n = 1; n <= kBuiltinShitot; ++n) names.push_back({BuiltinShitaName(n), n});
    for (const auto& s : store.Shitot()) names.push_back({s->name, s->id});
    return names;
}

std::wstring CopyShitaName(std::wstring_view sourceName) {
    constexpr int kCopyResource = 873;
    return TextOfResource(kCopyResource) + L" " + std::wstring(sourceName);
}

} // namespace vessant
