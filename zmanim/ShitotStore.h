#pragma once
// The user's custom shitot and their file, shitot.ini: one section per shita, named by
// the shita, holding its id and 22 opinion integers. The list keeps file order; new
// shitot are appended. Names are unique without regard to case, because the name is the
// section name and two shitot sharing a section would become one at the next load.

#include "zmanim/Shita.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vessant {

enum class DeleteShitaResult {
    Deleted,
    InUse,    // a location uses it: nothing deleted (warning resources 463, 464)
    NotFound,
};

struct ADD_SHITA_RESULT {
    std::int32_t id = 0;   // id of the new shita
    std::wstring name;     // the name stored, made unique
    std::error_code saved; // failure of the save that followed; the shita stays in the list
};

class CShitotStore {
public:
    // The file becomes folder/shitot.ini.
    void SetShitotFolder(const std::filesystem::path& folder);
    const std::filesystem::path& FilePath() const { return path_; }

    // Replaces the list with the sections of the file, in file order. A missing or
    // unreadable file gives an empty list. A missing key reads 0, "tchilat taanit shita" kAlotRambam72.
    // A section whose name repeats an earlier one (ignoring case) is skipped.
    void LoadShitot();
    int LoadedCount() const { return loadedCount_; }

    // Rewrites the file with every shita in list order. Errors are returned, never lost;
    // on failure the previous file is left as it was.
    std::error_code SaveShitot() const;

    const SHITA_STRUCT* FindShita(std::int32_t id) const;
    SHITA_STRUCT* FindShita(std::int32_t id);

    // Appends a shita with the 22 values of `values` (its id and name are ignored) and
    // saves. Its id is the last shita's id + 1, or 100 for an empty list; an id that is
    // taken or below 100 (hand-edited files) moves to one past the highest. The name is
    // made unique (see UniqueName).
    ADD_SHITA_RESULT AddShita(std::wstring_view name, const SHITA_STRUCT& values);

    // Writes what the editor changes into a custom shita: the name (made unique; its own
    // current name does not count) and the codes and values the editor offers
    // (alot, misheyakir, shema, mincha gedolah, tzeit, tzeit Shabbat with its addition,
    // tchilat taanit, sof taanit, chametz). The other fields keep their values. Saves;
    // returns false for an unknown id, and the save's error through `saved`.
    bool ModifyShita(std::int32_t id, const SHITA_STRUCT& edited, std::error_code* saved = nullptr);

    // Removes a shita unless a location uses it. Does not save: the caller saves.
    DeleteShitaResult DeleteShita(std::int32_t id);

    // The question "does any location use this shita?", asked by DeleteShita. Until one
    // is set no shita counts as used.
    void SetShitaInUseQuery(std::function<bool(std::int32_t)> query);

    // The name a shita would be stored under: line breaks become blanks, square brackets
    // parentheses (a section name cannot hold them), surrounding blanks go, an empty name becomes "New", and a name already used by another shita
    // (ignoring case) gets " (2)", " (3)", ... appended. exceptId: a shita whose own name
    // does not count (0 for none).
    std::wstring UniqueName(std::wstring_view name, std::int32_t exceptId = 0) const;

    const std::vector<std::unique_ptr<SHITA_STRUCT>>& Shitot() const { return list_; }
    void Clear();

private:
    std::filesystem::path path_;
    std::vector<std::unique_ptr<SHITA_STRUCT>> list_;
    int loadedCount_ = 0;
    std::function<bool(std::int32_t)> inUse_;
};

// The program-wide store, alive from start-up to exit.
CShitotStore& ProgramShitot();

// The same operations on the program-wide store.
void SetShitotFolder(const std::filesystem::path& folder);
void LoadShitot();
std::error_code SaveShitot();
const SHITA_STRUCT* FindShita(std::int32_t id);
ADD_SHITA_RESULT AddShita(std::wstring_view name, const SHITA_STRUCT& values);
DeleteShitaResult DeleteShita(std::int32_t id);

struct SHITA_DISPLAY_NAME {
    std::wstring name;
    std::int32_t shita = 0; // the item's data: 1..6 or a custom id
};

// The six built-in names in order, then the custom names in list order.
std::vector<SHITA_DISPLAY_NAME> ShitaDisplayNames(const CShitotStore& store);

// "Copy <name>": the name a copied shita gets (resource 873 and the source's name).
std::wstring CopyShitaName(std::wstring_view sourceName);

} // namespace vessant
